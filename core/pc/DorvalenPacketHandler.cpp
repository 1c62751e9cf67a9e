#include "DorvalenPacketHandler.h"

#include "KovintaPacket.h"

#include <unistd.h>

DorvalenPacketHandler::DorvalenPacketHandler(const QString &device, TTY_BAUDRATE baudRate,
                                             bool rtsCts, int byteDelayUs, QObject *parent)
    : QueuedTtyHandler(device, baudRate, rtsCts, byteDelayUs, parent)
{
}

long long DorvalenPacketHandler::getData(char *buffer, long long size)
{
    return readData(buffer, size);
}

long long DorvalenPacketHandler::putData(const char *data, long long size)
{
    const long long queued = queueData(data, size);
    if (queued >= 0)
        ::sync();
    return queued;
}

void DorvalenPacketHandler::sendReply(DorvalenPacketHandler *port, const KovintaPacket &reply)
{
    if (!port)
        return;
    const QByteArray frame = reply.getFrame();
    port->putData(frame.constData(), frame.size());
}
