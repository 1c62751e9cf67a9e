#pragma once

#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QTcpServer>

class QTcpSocket;
class QTimer;

// Service tool: brings up the USB Ethernet gadget and sends the screen as PNG images,
// one every two seconds, to the latest client on port 9000. Each image goes out as a
// 4-byte little-endian length followed by the PNG file.
class ScreenShotServer : public QTcpServer
{
    Q_OBJECT
public:
    // The instrument's own address on the USB Ethernet link.
    static const QString deviceAddress;
    static constexpr quint16 defaultPort = 9000;
    static constexpr int intervalMs = 2000;

    explicit ScreenShotServer(QObject *parent = nullptr, const QString &address = deviceAddress,
                              quint16 port = defaultPort);

public slots:
    void newScreenShotConnection();
    void sendScreenshot();

public:
    // The whole screen as it is shown now.
    static QPixmap grabScreen();

private:
    QTimer *m_timer = nullptr;
    // Cleared by Qt when the socket is deleted after its client leaves.
    QPointer<QTcpSocket> m_socket;
};
