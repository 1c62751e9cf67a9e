// The channel poll while a 150 KB export is pushed to the phone through a Bluetooth module
// that stops reading its line after 4 KB for 30 s (both simulators in their own
// processes, so that a program blocked in a write holds up only itself). Reports the
// longest time without a reply from the board (the poll asks every second, so about a
// second is the floor), the longest stall of the event loop, how long the push took and
// how it ended.
#include "BenchRun.h"
#include "BlueToothManager.h"
#include "BluetoothFavourites.h"
#include "InfusionPumpPowerBoardManager.h"
#include "PollWatch.h"
#include "SimulatedBoard.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTimer>

#include <memory>

namespace
{

constexpr int StopReadingAfter = 4096;
constexpr int StopReadingMs = 30000;
constexpr int FileBytes = 150 * 1024;
const QByteArray Phone = "00:1e:e2:8b:33:02";

void BM_PushToAModuleThatStopsReading(benchmark::State &state)
{
    int argc = 1;
    char name[] = "bench_bluetooth_poll";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    SimulatedBoard board;
    if (!board.ready()) {
        state.SkipWithError("board simulator did not start");
        return;
    }
    const QString root = board.root();
    QDir().mkpath(root + "/mnt/data");
    QDir().mkpath(root + "/tmp");
    QFile settings(root + "/mnt/data/kovinta.ini");
    if (!settings.open(QIODevice::WriteOnly) ||
        settings.write("[General]\nSerial_num=KV-0007\n[BluetoothFavourites]\nMobilePhone\\Id=" +
                       Phone + "\nMobilePhone\\Name=Service Phone\n") < 0) {
        state.SkipWithError("could not write the settings");
        return;
    }
    settings.close();
    QProcess module;
    module.setStandardInputFile(QProcess::nullDevice());
    module.start(QStringLiteral(BTMODULE_SIM_PATH),
                 {"--root", root, "--stop-reading-after", QString::number(StopReadingAfter),
                  "--stop-reading-for", QString::number(StopReadingMs)});
    waitFor([&] { return QFile::exists(root + "/dev/ttyAPP3"); }, 5000);

    auto poll = std::make_unique<InfusionPumpPowerBoardManager>("/dev/ttyAPP1");
    PollWatch watch(poll.get());

    BluetoothFavourites *bt = BluetoothFavourites::getInstance();
    // Start-up configuration, then the phone's link with OBEX ready.
    waitFor([&] { return bt->mode() == BT_MODE_OFF; }, 10000);
    bt->connectDevice(BT_MOBILE_PHONE);
    waitFor([&] { return (bt->eBtModuleStatus() & 0x300) == 0x300; }, 10000);
    if ((bt->eBtModuleStatus() & 0x300) != 0x300) {
        state.SkipWithError("the phone did not connect");
        return;
    }
    const QString path = root + "/tmp/Results.dat";
    QFile file(path);
    QByteArray content(FileBytes, 'r');
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
        state.SkipWithError("could not write the file");
        return;
    }
    file.close();

    double pushMs = 0;
    int finalState = -1;
    for (auto _ : state) {
        watch.start();
        QElapsedTimer took;
        took.start();
        bt->InitiateOppTransfer(path, BT_MOBILE_PHONE);
        waitFor([] { return false; }, 300); // the module's SEND and the first chunk
        bt->vContinueSendingOppFile();
        const auto ended = [&] {
            const int s = bt->manager()->oppState();
            return s != BlueToothManager::OppPutSent && s != BlueToothManager::OppSending &&
                   s != 4; // every byte on the line, the phone's answer awaited
        };
        waitFor(ended, StopReadingMs + 30000);
        pushMs = double(took.nsecsElapsed()) / 1e6;
        finalState = bt->manager()->oppState();
        watch.stop();
    }
    state.counters["longest_reply_gap_ms"] = double(watch.longestReplyGapMs());
    state.counters["longest_loop_stall_ms"] = double(watch.longestStallMs());
    state.counters["push_ms"] = pushMs;
    state.counters["final_state"] = finalState; // 3: the phone said OK
    bt->disconnectDevices();
    delete bt;
    poll.reset();
    module.terminate();
    module.waitForFinished(3000);
}

} // namespace

BENCHMARK(BM_PushToAModuleThatStopsReading)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv);
}
