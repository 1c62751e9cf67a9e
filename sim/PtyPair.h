#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

// The far end of a serial line on a PC: a pseudo-terminal pair whose slave is linked at
// a device path (under the root prefix), so the system opens it like the board's port
// and runs its termios calls for real. The master side is this object.
class PtyPair : public QObject
{
    Q_OBJECT
public:
    explicit PtyPair(QObject *parent = nullptr);
    ~PtyPair() override;

    // Opens a pair and links its slave at linkPath (a host path; parent folders are made).
    // An existing link or file there is replaced.
    bool open(const QString &linkPath);
    void close();
    bool isOpen() const { return m_master >= 0; }

    int masterFd() const { return m_master; }
    QString slaveName() const { return m_slaveName; }
    QString linkPath() const { return m_linkPath; }

    // A far end that stops reading leaves what the system writes in the line, until the
    // line is full and the system's writes cannot go on.
    void setReading(bool reading);

    // Writes bytes to the line as the far end; false when the system has not taken them
    // within WriteTimeoutMs.
    bool write(const QByteArray &bytes);
    static constexpr int WriteTimeoutMs = 10000;

    // Bytes the system has written that this end has not read yet.
    int pendingInput() const;
    // Everything received from the system so far, and a way to take it.
    QByteArray received() const { return m_received; }
    QByteArray takeReceived();

    // A stalled line: what the system writes stays in its port's transmit queue, as
    // far as this end is concerned, until the stall ends; the system dropping its
    // output (tcflush) meanwhile drops it. Bytes from before the first stall pass.
    void setStalled(bool stalled);
    // How often the system dropped its output while a stall was being watched.
    int outputFlushes() const { return m_outputFlushes; }
    // What the stall holds back now. A pty hands bytes over a little after they were
    // written and its flush does not recall them, so a caller dropping output waits
    // until the bytes to be dropped are held.
    int heldSize() const { return m_held.size(); }

    // Processes events until at least count bytes have been received or the time is up.
    bool waitForBytes(int count, int timeoutMs);

signals:
    void bytesReceived(const QByteArray &bytes);

private:
    void onReadable();
    void deliver(const QByteArray &bytes);

    int m_master = -1;
    int m_slaveKeeper = -1;
    QString m_slaveName;
    QString m_linkPath;
    QSocketNotifier *m_notifier = nullptr;
    QByteArray m_received;
    // Packet mode tells this end when the system flushes its output.
    bool m_packetMode = false;
    bool m_stalled = false;
    QByteArray m_held;
    int m_outputFlushes = 0;
};
