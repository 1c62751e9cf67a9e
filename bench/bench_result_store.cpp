// The result store with 10,000 stored results: listing the assets, opening one result
// with its elements, exporting all of them as CSV, and saving one result.
#include "StoredResults.h"

#include <QFileInfo>

#include <benchmark/benchmark.h>

using StoredResults::STORED_RESULTS;
using StoredResults::store;

static void BM_ListAssets(benchmark::State &state)
{
    store();
    for (auto _ : state) {
        const QMap<QString, QString> list = TestResultManager::getInstance()->getApplianceResultList();
        if (list.size() != STORED_RESULTS)
            state.SkipWithError("wrong count");
        benchmark::DoNotOptimize(list);
    }
}
BENCHMARK(BM_ListAssets)->Unit(benchmark::kMillisecond);

static void BM_OpenOneResult(benchmark::State &state)
{
    const QString name = store().fileNames.at(STORED_RESULTS / 2);
    for (auto _ : state) {
        if (!TestResultManager::getInstance()->openApplianceResult(name, true))
            state.SkipWithError("open failed");
    }
}
BENCHMARK(BM_OpenOneResult)->Unit(benchmark::kMicrosecond);

static void BM_ExportAllAsCSV(benchmark::State &state)
{
    StoredResults::Store &s = store();
    const QString path = s.root.path() + "/results.csv";
    for (auto _ : state) {
        if (TestResultManager::getInstance()->exportApplianceResultsCSV(path, s.fileNames)
            != STORED_RESULTS)
            state.SkipWithError("export failed");
    }
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_ExportAllAsCSV)->Unit(benchmark::kMillisecond)->Iterations(1);

static void BM_SaveOneResult(benchmark::State &state)
{
    store();
    TestResultManager *manager = TestResultManager::getInstance();
    manager->openApplianceResult(store().fileNames.first(), true);
    for (auto _ : state) {
        // Flushed, synced and renamed into place, as on the instrument.
        if (!manager->saveCurrentApplianceResult())
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveOneResult)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
