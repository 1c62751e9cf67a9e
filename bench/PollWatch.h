#pragma once

#include "PowerBoardManager.h"

#include <QElapsedTimer>
#include <QTimer>

// Watches the channel poll while a piece of work runs: the longest time without a reply
// from the board (the poll asks every second, so about a second is the floor) and the
// longest stall of the event loop the poll runs in (seen by a 50 ms tick).
class PollWatch
{
public:
    explicit PollWatch(PowerBoardManager *board)
    {
        m_clock.start();
        QObject::connect(board, &PowerBoardManager::packetReceived, &m_tick,
                         [this](const QByteArray &) {
                             const qint64 now = m_clock.elapsed();
                             if (m_lastReply >= 0)
                                 m_longestReply = qMax(m_longestReply, now - m_lastReply);
                             m_lastReply = now;
                         });
        QObject::connect(&m_tick, &QTimer::timeout, [this] {
            const qint64 now = m_clock.elapsed();
            m_longestStall = qMax(m_longestStall, now - m_lastTick);
            m_lastTick = now;
        });
    }
    PollWatch(const PollWatch &) = delete;
    PollWatch &operator=(const PollWatch &) = delete;

    // Starts afresh.
    void start()
    {
        m_lastReply = -1;
        m_longestReply = 0;
        m_longestStall = 0;
        m_lastTick = m_clock.elapsed();
        m_tick.start(50);
    }
    void stop() { m_tick.stop(); }
    qint64 longestReplyGapMs() const { return m_longestReply; }
    qint64 longestStallMs() const { return m_longestStall; }

private:
    QElapsedTimer m_clock;
    QTimer m_tick;
    qint64 m_lastReply = -1, m_longestReply = 0, m_lastTick = 0, m_longestStall = 0;
};
