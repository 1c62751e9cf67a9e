// One poll cycle of the board manager against the power-board simulator (run as its
// own process, so the CPU time measured is the instrument program's alone): four
// channels running flow tests, each asked for its test data once per cycle. Reports the
// bytes on the line per cycle in both directions, their share of what 57600 baud
// carries in the second a cycle has, and the wall time a cycle takes (it must end well
// inside its second; the 5 ms chip-select settle per channel is most of it).
#include "InfusionPumpPowerBoardManager.h"
#include "SimulatedBoard.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <memory>

// Under callgrind (bench/measure-poll.sh) only the poll cycles are counted.
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define POLL_COUNT_TOGGLE() CALLGRIND_TOGGLE_COLLECT
#else
#define POLL_COUNT_TOGGLE()
#endif

namespace {

constexpr int kChannels = InfusionPumpPowerBoardManager::CHANNEL_COUNT;
// 8 data bits, a start and a stop bit per byte.
constexpr double kBytesPerSecond = 57600.0 / 10.0;

void BM_PollCycle(benchmark::State &state)
{
    int argc = 1;
    char name[] = "bench_boardpoll";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    SimulatedBoard sim;
    if (!sim.ready()) {
        state.SkipWithError("simulator did not start");
        return;
    }

    auto board = std::make_unique<InfusionPumpPowerBoardManager>("/dev/ttyAPP1");
    int exchanges = 0;
    qint64 toBoard = 0;
    qint64 fromBoard = 0;
    QObject::connect(board.get(), &PowerBoardManager::txComplete, [&] { ++exchanges; });
    // Wire sizes of what went each way: the command frame and the acknowledgement of the
    // reply out; the reply frame (escaped again, as it was on the line) and the
    // command's acknowledgement in.
    QObject::connect(board.get(), &PowerBoardManager::packetReceived, [&](const QByteArray &frame) {
        fromBoard += 2 + PowerBoardManager::escapeMessageBuffer(frame.mid(1)).size() + 1 + 4;
        toBoard += PowerBoardManager::packetiseMessageBuffer(InfusionPumpPowerBoardManager::cmdGetTestData, 4).size() + 4;
    });

    // Start-up stop and prime, then a flow test on every channel.
    waitFor([&] { return exchanges >= 2 * kChannels; }, 10000);
    for (unsigned short ch = 0; ch < kChannels; ++ch)
        board->vSetStartFlowRateRsq(ch);
    waitFor([&] { return exchanges >= 3 * kChannels; }, 10000);
    waitFor([] { return false; }, 1500);

    exchanges = 0;
    toBoard = fromBoard = 0;
    QElapsedTimer wall;
    qint64 wallNs = 0;
    int cycles = 0;
    POLL_COUNT_TOGGLE();
    for (auto _ : state) {
        const int target = exchanges + kChannels;
        wall.start();
        for (unsigned short ch = 0; ch < kChannels; ++ch)
            board->vSetGetTestDataRsq(ch);
        waitFor([&] { return exchanges >= target; }, 10000);
        wallNs += wall.nsecsElapsed();
        ++cycles;
    }
    POLL_COUNT_TOGGLE();
    // The board's own once-a-second poll may add exchanges; count per four.
    const double perCycle = exchanges > 0 ? double(kChannels) / exchanges : 0;
    state.counters["bytes_to_board"] = double(toBoard) * perCycle;
    state.counters["bytes_from_board"] = double(fromBoard) * perCycle;
    state.counters["line_share_pct"] = 100.0 * double(toBoard + fromBoard) * perCycle / kBytesPerSecond;
    state.counters["cycle_wall_ms"] = cycles ? double(wallNs) / cycles / 1e6 : 0;
    state.counters["volume_ch0_ml"] = board->m_DataManager.getTestData(0).fVolume;

    board.reset();
}

} // namespace

BENCHMARK(BM_PollCycle)->Unit(benchmark::kMillisecond)->Iterations(40);
BENCHMARK_MAIN();
