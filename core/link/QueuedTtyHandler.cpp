#include "QueuedTtyHandler.h"

#include <QDebug>
#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

QueuedTtyHandler::QueuedTtyHandler(const QString &device, TTY_BAUDRATE baudRate, bool rtsCts,
                                   int byteDelayUs, QObject *parent)
    : TtyHandler(device, baudRate, rtsCts, byteDelayUs, parent)
{
    // A full line must make a write return, not wait; reads already return at once (no
    // minimum count, no time-out).
    const int fd = descriptor();
    if (fd < 0)
        return;
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) != 0)
        qWarning() << "QueuedTtyHandler: cannot make the line non-blocking";
    m_writeNotifier = new QSocketNotifier(fd, QSocketNotifier::Write, this);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &QueuedTtyHandler::flushQueue);
}

long long QueuedTtyHandler::queueData(const char *data, long long size)
{
    if (descriptor() < 0 || size < 0)
        return -1;
    if (m_queue.size() + size > maxQueuedBytes) {
        if (!m_reportedFull)
            qWarning() << "QueuedTtyHandler: the far end does not read; giving data up";
        m_reportedFull = true;
        return -1;
    }
    m_reportedFull = false;
    m_queue.append(data, int(size));
    flushQueue();
    return size;
}

void QueuedTtyHandler::clearQueue()
{
    m_queue.clear();
    m_reportedFull = false;
    if (m_writeNotifier)
        m_writeNotifier->setEnabled(false);
}

void QueuedTtyHandler::flushQueue()
{
    while (!m_queue.isEmpty() && descriptor() >= 0) {
        const qint64 n = writeData(m_queue.constData(), m_queue.size());
        if (n > 0) {
            m_queue.remove(0, int(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            qWarning() << "QueuedTtyHandler: write failed; queued data dropped";
            m_queue.clear();
            break;
        }
        // The line is full: go on when the far end has read some of it.
        if (m_writeNotifier)
            m_writeNotifier->setEnabled(true);
        return;
    }
    if (m_writeNotifier)
        m_writeNotifier->setEnabled(false);
}
