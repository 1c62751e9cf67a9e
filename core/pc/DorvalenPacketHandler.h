#pragma once

#include "QueuedTtyHandler.h"

class KovintaPacket;

// The PC link's port on the USB serial gadget. Writing never holds the program up (see
// QueuedTtyHandler): a PC that stops reading (its application hung) fills the queue, and
// further replies are then given up whole, so every frame the PC does get is complete.
class DorvalenPacketHandler : public QueuedTtyHandler
{
    Q_OBJECT
public:
    DorvalenPacketHandler(const QString &device, TTY_BAUDRATE baudRate, bool rtsCts = false,
                          int byteDelayUs = 0, QObject *parent = nullptr);

    // Reads what the line holds, at most size bytes: the count, or a negative value on
    // failure.
    long long getData(char *buffer, long long size);
    // Writes the bytes (or queues what the line cannot take yet), then flushes the file
    // systems' buffers. The count, or -1 when they are given up: the line is not open,
    // has failed, or the queue has no room for all of them.
    long long putData(const char *data, long long size);

    // Sends a built reply on the port; nothing while no port is open (port null).
    static void sendReply(DorvalenPacketHandler *port, const KovintaPacket &reply);
};
