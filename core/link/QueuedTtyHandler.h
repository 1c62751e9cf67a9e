#pragma once

#include "TtyHandler.h"

class QSocketNotifier;

// A serial line whose writes never hold the program up: what the line cannot take at
// once waits in an output queue and goes out, in order, as the far end reads. A far end
// that stops reading fills the queue; further writes are then given up whole, so what
// the far end does get is never cut inside one write.
class QueuedTtyHandler : public TtyHandler
{
    Q_OBJECT
public:
    static constexpr int maxQueuedBytes = 16 * 1024;

    QueuedTtyHandler(const QString &device, TTY_BAUDRATE baudRate, bool rtsCts = false,
                     int byteDelayUs = 0, QObject *parent = nullptr);

    // Writes the bytes (or queues what the line cannot take yet). The count, or -1 when
    // they are given up: the line is not open, has failed, or the queue has no room for
    // all of them.
    long long queueData(const char *data, long long size);
    long long queueData(const QByteArray &data) { return queueData(data.constData(), data.size()); }
    int queuedBytes() const { return m_queue.size(); }
    // Gives up what waits in the queue, for a far end that starts afresh and must not
    // get the rest of what was meant for its last run.
    void clearQueue();

private:
    void flushQueue();

    QByteArray m_queue;
    QSocketNotifier *m_writeNotifier = nullptr;
    bool m_reportedFull = false;
};
