// The result list over 10,000 stored results: from showing the list (which rebuilds it
// from the files on every showing) to its rows drawn as the display shows them.
#include "ScreenBase.h"
#include "StoredResults.h"
#include "ViewData.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <QStackedWidget>

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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The instrument's display: a point is a pixel.
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "72");
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Arial")));
    QStackedWidget stack;
    stack.resize(320, 240);
    stack.show();
    // No board: the list reads the shipped date format.
    ScreenBase::stackedWidget = &stack;

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ScreenBase::stackedWidget = nullptr;
    return 0;
}
