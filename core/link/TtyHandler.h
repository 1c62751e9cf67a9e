#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <memory>

class QSocketNotifier;
struct termios;

// Baud-rate code of a serial line: 1 = 57600, 2 = 38400, 3 = 19200, 4 = 9600,
// any other value (0 by convention) = 115200.
using TTY_BAUDRATE = unsigned int;

// A raw 8-bit serial line as a sequential Qt I/O device. readyRead() comes from a read
// notifier on the descriptor; reads and writes go straight to the descriptor (the device
// is opened unbuffered, so readAll() returns what the line held).
//
// isOpen() is false when the terminal could not be opened; errorString() then says why.
// A line whose far end has gone (hang-up, read error) stops notifying rather than spin.
class TtyHandler : public QIODevice
{
    Q_OBJECT
public:
    // The device path goes through the device root prefix. byteDelayUs > 0 makes
    // sendByteArray() pause that many microseconds after every byte.
    TtyHandler(const QString &device, TTY_BAUDRATE baudRate, bool rtsCts = false,
               int byteDelayUs = 0, QObject *parent = nullptr);
    ~TtyHandler() override;

    // Writes the text in the local 8-bit encoding in one write; nothing when not open.
    void sendString(QString text);
    // Writes the bytes in one write, or one at a time with the per-byte delay.
    void sendByteArray(QByteArray data);

    // Drops what was written but has not left the port yet and what arrived but was not
    // read; false when the line is not open or the port refuses.
    bool discardQueued();

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;
    // Also releases the descriptor, so a closed handler no longer notifies.
    void close() override;

public slots:
    void notify(int socket);

protected:
    // The line's descriptor, -1 when it did not open.
    int descriptor() const { return m_fd; }
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 maxSize) override;

private:
    bool writeAll(const char *data, qint64 size);
    void stopNotifying(const QString &reason);
    void releaseDescriptor();

    int m_fd = -1;
    std::unique_ptr<struct termios> m_termios;
    QSocketNotifier *m_notifier = nullptr;
    static constexpr int MaxEmptyWakeUps = 1000;
    int m_emptyWakeUps = 0;
    int m_byteDelayUs = 0;
    QString m_device;
};
