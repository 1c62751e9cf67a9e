#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

// Sleeps in the event loop (no busy wait: the CPU time must be the work's alone).
inline void waitFor(const std::function<bool()> &done, int ms)
{
    QDeadlineTimer deadline(ms);
    QTimer tick;
    tick.start(50);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// The power-board simulator on a fresh device root, in its own process so that the CPU
// time measured is the instrument program's alone. The program under measurement opens
// "/dev/ttyAPP1" under that root.
class SimulatedBoard
{
public:
    SimulatedBoard()
    {
        qputenv("INSTRUMENT_ROOT", QFile::encodeName(m_root.path()));
        m_sim.start(QStringLiteral(POWERBOARD_SIM_PATH), {QStringLiteral("--root"), m_root.path()});
        // The simulator links its line once it is ready.
        waitFor([this] { return ready(); }, 5000);
    }
    ~SimulatedBoard()
    {
        m_sim.terminate();
        m_sim.waitForFinished(3000);
        qunsetenv("INSTRUMENT_ROOT");
    }
    SimulatedBoard(const SimulatedBoard &) = delete;
    SimulatedBoard &operator=(const SimulatedBoard &) = delete;

    bool ready() const { return QFile::exists(m_root.path() + QStringLiteral("/dev/ttyAPP1")); }
    QString root() const { return m_root.path(); }

private:
    QTemporaryDir m_root;
    QProcess m_sim;
};
