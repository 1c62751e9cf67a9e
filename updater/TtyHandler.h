#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <termios.h>

class QSocketNotifier;

// The updater's serial port: a raw terminal at 115200 baud, 8N1, no flow control, used
// for the download to the ESA boards. Unlike a plain device file it never blocks a read:
// VMIN and VTIME are 0, so a read returns at once with what is there.
//
// A port that could not be opened says so: isOpen() is false, a warning is written,
// nothing is ever received and nothing is sent, so a command that needs the port can
// fail at once instead of waiting for a board that cannot hear it.
class TtyHandler : public QIODevice
{
    Q_OBJECT
public:
    // device is a device path ("/dev/ttyAPP1"); it goes through the root prefix.
    TtyHandler(const QString &device, QObject *parent = nullptr);
    ~TtyHandler() override;

    // Write the whole text (local 8-bit) or byte array; false when the port is not open
    // or the write failed.
    bool sendString(const QString &text);
    bool sendByteArray(const QByteArray &data);

    int descriptor() const { return m_Fd; }

public slots:
    void notify(int socket);

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    bool writeAll(const char *data, qint64 size);

    int m_Fd = -1;
    termios m_Settings{};
    QSocketNotifier *m_Notifier = nullptr;
};
