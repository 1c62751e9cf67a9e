// Start-up and poll of the healthy channels while one controller never answers (nothing
// fitted on its channel): how long after the board manager is built each healthy
// channel has had its start-up stop and prime, and the longest wait between two polls of
// a healthy channel over the seconds after. The about pages' questions (version, serial
// number and both dates of every channel) are raised at start-up, as the program does.
// The simulator runs in this process, so its clock and the board's are one.
#include "InfusionPumpPowerBoardManager.h"
#include "PowerBoardSim.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace
{

constexpr int kChannels = InfusionPumpPowerBoardManager::CHANNEL_COUNT;
constexpr int kRunMs = 6000;
// Polls before this are the start-up's; the poll timer first fires a second in.
constexpr qint64 kPollFromMs = 1500;

void runEventLoopFor(int ms)
{
    QDeadlineTimer deadline(ms);
    QTimer tick;
    tick.start(20);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void BM_SilentChannelStartUp(benchmark::State &state)
{
    int argc = 1;
    char name[] = "bench_silent_channel";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    const int silent = int(state.range(0));
    qint64 worstStop = 0, worstPrime = 0, worstGap = 0;
    for (auto _ : state) {
        QTemporaryDir root;
        qputenv("INSTRUMENT_ROOT", QFile::encodeName(root.path()));
        PowerBoardSim sim;
        if (!sim.start(root.path())) {
            state.SkipWithError("simulator did not start");
            return;
        }
        sim.setAbsent(silent, true);
        const qint64 t0 = sim.wallMs();
        auto board = std::make_unique<InfusionPumpPowerBoardManager>("/dev/ttyAPP1");
        for (unsigned short ch = 0; ch < kChannels; ++ch) {
            board->vSetGetVersionRequest(ch);
            board->vSetGetSerialNoRequest(ch);
            board->vSetGetCalDateRsq(ch);
            board->vSetGetVerifyDateRsq(ch);
        }
        runEventLoopFor(kRunMs);
        for (int ch = 0; ch < kChannels; ++ch) {
            if (ch == silent)
                continue;
            qint64 stop = -1, prime = -1;
            for (const PowerBoardSim::Command &c : sim.commands()) {
                if (c.channel == ch && c.payload == "I3" && stop < 0)
                    stop = c.atMs - t0;
                if (c.channel == ch && c.payload == "I6" && prime < 0)
                    prime = c.atMs - t0;
            }
            const qint64 gap = sim.longestGap(ch, "I4", t0 + kPollFromMs);
            std::printf("silent channel %d: channel %d stopped at %lld ms, primed at %lld ms, "
                        "longest poll gap %lld ms\n",
                        silent + 1, ch + 1, stop, prime, gap);
            worstStop = qMax(worstStop, stop < 0 ? kRunMs : stop);
            worstPrime = qMax(worstPrime, prime < 0 ? kRunMs : prime);
            worstGap = qMax(worstGap, gap);
        }
        board.reset();
        qunsetenv("INSTRUMENT_ROOT");
    }
    state.counters["healthy_stop_ms"] = double(worstStop);
    state.counters["healthy_prime_ms"] = double(worstPrime);
    state.counters["healthy_poll_gap_ms"] = double(worstGap);
}

} // namespace

// The argument is the silent channel, counted from 0.
BENCHMARK(BM_SilentChannelStartUp)
    ->Arg(0)
    ->Arg(1)
    ->Arg(3)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_MAIN();
