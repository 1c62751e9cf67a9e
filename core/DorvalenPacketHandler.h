#pragma once

#include "TtyHandler.h"

class KovintaPacket;

// The PC link's port on the USB serial gadget. Writes never block the program for long:
// a PC that stops reading (its application hung) fills the line, a reply then waits at
// most stallTimeoutMs for room and is given up; while the line stays full, later replies
// are given up at once rather than each waiting again.
class DorvalenPacketHandler : public TtyHandler
{
    Q_OBJECT
public:
    static constexpr int stallTimeoutMs = 500;

    DorvalenPacketHandler(const QString &device, TTY_BAUDRATE baudRate, bool rtsCts = false,
                          int byteDelayUs = 0, QObject *parent = nullptr);

    // Reads what the line holds, at most size bytes: the count, or a negative value on
    // failure.
    long long getData(char *buffer, long long size);
    // Writes every byte unless the line fails or stays full, then flushes the file
    // systems' buffers; the count written, or -1 when not all of it went out.
    long long putData(const char *data, long long size);

    // Sends a built reply on the port; nothing while no port is open (port null).
    static void sendReply(DorvalenPacketHandler *port, const KovintaPacket &reply);

private:
    bool m_stalled = false;
};
