// The result list over 10,000 stored results: from showing the list (which rebuilds it
// from the files on every showing) to its rows drawn as the display shows them.
#include "BenchDisplay.h"
#include "ScreenBase.h"
#include "StoredResults.h"
#include "ViewData.h"

#include <benchmark/benchmark.h>

#include <QPixmap>

namespace
{

void BM_ResultListShow(benchmark::State &state)
{
    StoredResults::store();
    auto *menu = new ScreenBase(nullptr, nullptr);
    ViewData list(menu, nullptr);
    QPixmap screen;
    for (auto _ : state) {
        list.showScreen(true);
        screen = list.grab();
    }
    state.counters["rows"] = list.dataTableSize();
    if (list.dataTableSize() != StoredResults::STORED_RESULTS)
        state.SkipWithError("not every result listed");
}
BENCHMARK(BM_ResultListShow)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    // No board: the list reads the shipped date format.
    BenchDisplay display(argc, argv);
    return BenchDisplay::run(argc, argv);
}
