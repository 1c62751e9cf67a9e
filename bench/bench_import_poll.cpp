// The channel poll while an exchange file is imported the way the transfer screens do it,
// against the power-board simulator (its own process): the largest file an import takes
// (one byte under the bound) in several shapes, and a link to /dev/zero. Reports how
// long the import took, the longest time without a reply from the board (the poll asks
// every second, so about a second is the floor), the longest stall of the event loop the
// poll runs in, and the peak memory during the import.
#include "BenchRun.h"
#include "ExchangeImport.h"
#include "InfusionPumpPowerBoardManager.h"
#include "MedicalApplianceResult.h"
#include "PollWatch.h"
#include "SimulatedBoard.h"
#include "StreamHelper.h"
#include "TestResultElementFlowTest.h"
#include "TestResultFactory.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <fstream>
#include <memory>
#include <string>

namespace
{

// Peak resident memory since the last reset, in MiB.
double peakMiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    }
    return -1;
}

void resetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

// One record holding a flow test of the given number of samples.
QByteArray record(int samples, int index)
{
    MedicalApplianceResult r;
    r.overallResult = TEST_PASS;
    r.testDate = QDateTime(QDate(2024, 3, 5), QTime(9, 4, 30)).addSecs(index);
    r.applianceName = QStringLiteral("PUMP%1").arg(index);
    auto *flow = new TestResultElementFlowTest;
    flow->samples.resize(samples);
    const QList<TestResultElement *> results{flow};
    r.testResultsData = TestResultFactory::toByteArray(results);
    qDeleteAll(results);
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    StreamHelper::setup(out);
    out << r;
    return bytes;
}

// A results exchange file of records of about recordKiB each, as many as fit under the
// bound; 0: one record as large as the bound allows.
QByteArray largestFile(int recordKiB)
{
    const qint64 bound = ExchangeImport::MAX_FILE_BYTES;
    const int perSample = (record(2000, 0).size() - record(1000, 0).size()) / 1000;
    const int fixed = record(1000, 0).size() - 1000 * perSample;
    QByteArray file = QByteArray::fromHex("01000000");
    if (recordKiB == 0)
        return file + record(int((bound - file.size() - fixed) / perSample), 0);
    const int samples = (recordKiB * 1024 - fixed) / perSample;
    for (int i = 0;; ++i) {
        const QByteArray next = record(samples, i);
        if (file.size() + next.size() > bound)
            return file;
        file += next;
    }
}

// state.range(0): kilobytes a record, 0 for one record, -1 for a link to /dev/zero.
void BM_ImportWhilePolling(benchmark::State &state)
{
    int argc = 1;
    char name[] = "bench_import_poll";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    SimulatedBoard sim;
    if (!sim.ready()) {
        state.SkipWithError("simulator did not start");
        return;
    }
    const QString drive = sim.root() + "/mnt/update";
    QDir().mkpath(drive);
    const QString path = drive + "/in.vexd";
    const int shape = int(state.range(0));
    if (shape < 0) {
        QFile::link("/dev/zero", path);
    } else {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(largestFile(shape)) < 0) {
            state.SkipWithError("could not write the file");
            return;
        }
    }

    auto board = std::make_unique<InfusionPumpPowerBoardManager>("/dev/ttyAPP1");
    PollWatch watch(board.get());
    // Start-up, then a few quiet polls.
    waitFor([] { return false; }, 4000);

    ExchangeImport::Outcome outcome;
    double importMs = 0;
    for (auto _ : state) {
        watch.start();
        resetPeak();
        QElapsedTimer took;
        took.start();
        outcome = ExchangeImport::importFile(path, ExchangeImport::Kind::Results);
        importMs = double(took.nsecsElapsed()) / 1e6;
        // The poll after the import counts too.
        waitFor([] { return false; }, 1500);
        watch.stop();
    }
    state.counters["import_ms"] = importMs;
    state.counters["stored"] = outcome.report.stored;
    state.counters["refused"] = outcome.refusal != FileUtils::ReadRefusal::None;
    state.counters["longest_reply_gap_ms"] = double(watch.longestReplyGapMs());
    state.counters["longest_loop_stall_ms"] = double(watch.longestStallMs());
    state.counters["peak_rss_mib"] = peakMiB();
    board.reset();
}

} // namespace

BENCHMARK(BM_ImportWhilePolling)
    ->ArgName("record_kib")
    ->Arg(-1)
    ->Arg(0)
    ->Arg(1024)
    ->Arg(50)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv);
}
