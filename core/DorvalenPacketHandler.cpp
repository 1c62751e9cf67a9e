#include "DorvalenPacketHandler.h"

#include "KovintaPacket.h"

#include <QDeadlineTimer>
#include <QDebug>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

DorvalenPacketHandler::DorvalenPacketHandler(const QString &device, TTY_BAUDRATE baudRate,
                                             bool rtsCts, int byteDelayUs, QObject *parent)
    : TtyHandler(device, baudRate, rtsCts, byteDelayUs, parent)
{
    // Writes must be able to return when the PC does not read; reads already return at
    // once (no minimum count, no time-out).
    const int fd = descriptor();
    if (fd >= 0) {
        const int flags = ::fcntl(fd, F_GETFL);
        if (flags < 0 || ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) != 0)
            qWarning() << "DorvalenPacketHandler: cannot make the line non-blocking";
    }
}

long long DorvalenPacketHandler::getData(char *buffer, long long size)
{
    return readData(buffer, size);
}

long long DorvalenPacketHandler::putData(const char *data, long long size)
{
    if (descriptor() < 0)
        return -1;
    QDeadlineTimer deadline(m_stalled ? 0 : stallTimeoutMs);
    long long done = 0;
    while (done < size) {
        const qint64 n = writeData(data + done, size - done);
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
            break;
        pollfd room = {descriptor(), POLLOUT, 0};
        const qint64 waitMs = deadline.remainingTime();
        if (waitMs <= 0 || ::poll(&room, 1, int(waitMs)) <= 0)
            break;
    }
    const bool stalled = done < size;
    if (stalled && !m_stalled)
        qWarning() << "DorvalenPacketHandler: the PC does not take its replies; giving them up";
    m_stalled = stalled;
    ::sync();
    return stalled ? -1 : done;
}

void DorvalenPacketHandler::sendReply(DorvalenPacketHandler *port, const KovintaPacket &reply)
{
    if (!port)
        return;
    const QByteArray frame = reply.getFrame();
    port->putData(frame.constData(), frame.size());
}
