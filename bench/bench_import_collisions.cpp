// Importing records that all want one file name: results without an asset identity
// taken in the same second, and sequences of one name. Each is stored under a numbered
// name of its own; the time to import should grow with the number of records, not with
// its square. Every run starts from an empty store.
#include "BenchRun.h"
#include "ExchangeImport.h"
#include "MedicalApplianceResult.h"
#include "StreamHelper.h"
#include "TestResultElementFlowTest.h"
#include "TestResultFactory.h"
#include "TestResultManager.h"
#include "TestSequenceElementFlowTest.h"
#include "TestSequenceFactory.h"
#include "TestSequenceManager.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

namespace
{

constexpr int SAMPLES = 120;

// count records without an asset identity, all of one second, each with a two-minute
// flow test (about 4 KB a record) and a serial number of its own, so that no two are
// the same record.
QByteArray resultsExchange(int count)
{
    auto *flow = new TestResultElementFlowTest;
    flow->status = TEST_PASS;
    for (int s = 0; s < SAMPLES; ++s) {
        INFUSION_PUMP_REAL_TIME_DATA sample;
        sample.u32ElapseTime = quint32(s);
        sample.fFlowRate_Instant = 100.0f + s % 7;
        flow->samples.append(sample);
    }
    const QList<TestResultElement *> results{flow};
    MedicalApplianceResult r;
    r.overallResult = TEST_PASS;
    r.testDate = QDateTime(QDate(2024, 3, 5), QTime(9, 4, 30));
    r.testResultsData = TestResultFactory::toByteArray(results);
    qDeleteAll(results);
    QByteArray bytes = QByteArray::fromHex("01000000");
    QDataStream out(&bytes, QIODevice::Append);
    StreamHelper::setup(out);
    for (int i = 0; i < count; ++i) {
        r.serialNo = QStringLiteral("SN-%1").arg(i, 5, 10, QLatin1Char('0'));
        out << r;
    }
    return bytes;
}

// count sequences all named "Ward", each of one flow step.
QByteArray sequencesExchange(int count)
{
    const QList<TestSequenceElement *> steps{new TestSequenceElementFlowTest};
    const QByteArray elements = TestSequenceFactory::toByteArray(steps);
    qDeleteAll(steps);
    QByteArray bytes = QByteArray::fromHex("01000100");
    QDataStream out(&bytes, QIODevice::Append);
    StreamHelper::setup(out);
    for (int i = 0; i < count; ++i)
        out << QStringLiteral("Ward") << elements;
    return bytes;
}

// state.range(0): records; state.range(1): 0 results, 1 sequences.
void BM_ImportCollidingNames(benchmark::State &state)
{
    int argc = 1;
    char name[] = "bench_import_collisions";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    const int count = int(state.range(0));
    const bool sequences = state.range(1) == 1;
    const QByteArray exchange = sequences ? sequencesExchange(count) : resultsExchange(count);
    double importMs = 0;
    int stored = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir root;
        qputenv("INSTRUMENT_ROOT", QFile::encodeName(root.path()));
        QDir().mkpath(sequences ? TestSequenceManager::directory()
                                : TestResultManager::directory());
        const QString path = root.path() + "/in.vexd";
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(exchange) != exchange.size()) {
            state.SkipWithError("could not write the file");
            return;
        }
        file.close();
        state.ResumeTiming();
        QElapsedTimer took;
        took.start();
        const ExchangeImport::Outcome outcome = ExchangeImport::importFile(
            path, sequences ? ExchangeImport::Kind::Sequences : ExchangeImport::Kind::Results);
        importMs = double(took.nsecsElapsed()) / 1e6;
        stored = outcome.report.stored;
        if (stored != count)
            state.SkipWithError("not every record was stored");
    }
    state.counters["import_ms"] = importMs;
    state.counters["stored"] = stored;
}

} // namespace

BENCHMARK(BM_ImportCollidingNames)
    ->ArgNames({"records", "sequences"})
    ->Args({1000, 0})
    ->Args({4000, 0})
    ->Args({1000, 1})
    ->Args({4000, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv);
}
