#include "PtyPair.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

PtyPair::PtyPair(QObject *parent) : QObject(parent) {}

PtyPair::~PtyPair()
{
    close();
}

bool PtyPair::open(const QString &linkPath)
{
    close();
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_master < 0)
        return false;
    if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        close();
        return false;
    }
    m_slaveName = QString::fromLocal8Bit(::ptsname(m_master));
    // Holding the slave open keeps the master readable while the system reopens the
    // line, and raw mode stops the line discipline echoing or translating bytes.
    m_slaveKeeper = ::open(m_slaveName.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    if (m_slaveKeeper >= 0) {
        termios t{};
        if (::tcgetattr(m_slaveKeeper, &t) == 0) {
            ::cfmakeraw(&t);
            ::tcsetattr(m_slaveKeeper, TCSANOW, &t);
        }
    }
    if (!linkPath.isEmpty()) {
        QDir().mkpath(QFileInfo(linkPath).absolutePath());
        QFile::remove(linkPath);
        if (!QFile::link(m_slaveName, linkPath)) {
            close();
            return false;
        }
        m_linkPath = linkPath;
    }
    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] { onReadable(); });
    return true;
}

void PtyPair::close()
{
    delete m_notifier;
    m_notifier = nullptr;
    if (!m_linkPath.isEmpty()) {
        QFile::remove(m_linkPath);
        m_linkPath.clear();
    }
    if (m_slaveKeeper >= 0)
        ::close(m_slaveKeeper);
    m_slaveKeeper = -1;
    if (m_master >= 0)
        ::close(m_master);
    m_master = -1;
}

bool PtyPair::write(const QByteArray &bytes)
{
    if (m_master < 0)
        return false;
    qint64 done = 0;
    // A system that stopped reading fails the write here rather than hanging the caller.
    QDeadlineTimer deadline(WriteTimeoutMs);
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0) {
            if ((errno == EAGAIN || errno == EINTR) && !deadline.hasExpired()) {
                QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
                continue;
            }
            return false;
        }
        done += n;
    }
    return true;
}

void PtyPair::setReading(bool reading)
{
    if (m_notifier)
        m_notifier->setEnabled(reading);
    if (reading)
        onReadable();
}

int PtyPair::pendingInput() const
{
    int pending = 0;
    if (m_master < 0 || ::ioctl(m_master, FIONREAD, &pending) != 0)
        return 0;
    return pending;
}

QByteArray PtyPair::takeReceived()
{
    QByteArray r = m_received;
    m_received.clear();
    return r;
}

bool PtyPair::waitForBytes(int count, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (m_received.size() < count && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 10);
    return m_received.size() >= count;
}

void PtyPair::setStalled(bool stalled)
{
    if (m_master < 0)
        return;
    if (!m_packetMode) {
        onReadable(); // what came before is not part of the stall
        int on = 1;
        m_packetMode = ::ioctl(m_master, TIOCPKT, &on) == 0;
    }
    m_stalled = stalled;
    if (!stalled && !m_held.isEmpty()) {
        const QByteArray held = m_held;
        m_held.clear();
        deliver(held);
    }
}

void PtyPair::deliver(const QByteArray &bytes)
{
    m_received += bytes;
    emit bytesReceived(bytes);
}

void PtyPair::onReadable()
{
    char buf[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, buf, sizeof buf);
        if (n > 0) {
            QByteArray chunk(buf, int(n));
            if (m_packetMode) {
                // Each read is one packet: a status byte, then data when it is 0.
                const char status = chunk.at(0);
                chunk.remove(0, 1);
                if (status != TIOCPKT_DATA) {
                    if ((status & TIOCPKT_FLUSHWRITE) && m_stalled) {
                        m_held.clear();
                        ++m_outputFlushes;
                    }
                    continue;
                }
            }
            if (m_stalled)
                m_held += chunk;
            else
                deliver(chunk);
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        // EIO: no slave open at the moment; stop listening rather than spin.
        if (m_notifier)
            m_notifier->setEnabled(false);
        return;
    }
}
