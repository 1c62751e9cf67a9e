// One refresh of the live graph (time axis, limit lines, axes, and the whole screen
// drawn as the display shows it) over a flow test's history of 1 h, 8 h, just under a day and a
// day, one new record per refresh as on the instrument. The thinning keeps every curve below 3600
// points, so the cost is bounded however long the test runs.
#include "BenchDisplay.h"
#include "DataManager.h"
#include "GraphModeScreen.h"
#include "InfusionPumpPowerBoardManager.h"
#include "ScreenBase.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>

#include <memory>

namespace {

INFUSION_PUMP_REAL_TIME_DATA record(quint32 second)
{
    INFUSION_PUMP_REAL_TIME_DATA r;
    r.u32ElapseTime = second;
    r.s16Pressure = qint16(25 + second % 7);
    r.fVolume = second * 0.028f;
    r.fFlowRate_Instant = 100.0f + float(second % 500) / 100.0f;
    r.fFlowRate_Ave = 100.8f;
    return r;
}

void BM_LiveGraphRefresh(benchmark::State &state)
{
    const int records = int(state.range(0));
    DataManager &data = ScreenBase::board->m_DataManager;
    QVector<INFUSION_PUMP_REAL_TIME_DATA> &history = data.m_vecRealTimeData[0];
    history.clear();
    for (int s = 1; s <= records; ++s)
        history.append(record(quint32(s)));
    TestSequencePassFailLimits limits;
    limits.limitType = TestSequencePassFailLimits::INSTANT_FLOW;
    limits.flowTarget = 100.0f;
    limits.flowUpperPct = 5;
    limits.flowLowerPct = 5;
    data.setManualPassFailLimits(0, limits);

    GraphModeScreen graph(nullptr, nullptr);
    graph.setViewDataMode(true, 0);
    graph.showScreen(true);
    QApplication::processEvents(); // laid out at the display's size
    QPixmap screen;
    // The first refreshes scan the whole history once and fill the font caches.
    for (int warmUp = 0; warmUp < 3; ++warmUp) {
        graph.updateScreen();
        screen = graph.grab();
    }
    const auto curves = graph.plot()->itemList(QwtPlotItem::Rtti_PlotCurve);
    state.counters["points"] =
        curves.isEmpty() ? 0.0 : double(static_cast<QwtPlotCurve *>(curves.first())->dataSize());

    quint32 next = quint32(records) + 1;
    for (auto _ : state) {
        history.append(record(next++));
        graph.updateScreen();
        screen = graph.grab();
    }
    state.counters["records"] = records;
    history.clear();
}
BENCHMARK(BM_LiveGraphRefresh)
    ->Arg(3600)
    ->Arg(8 * 3600)
    ->Arg(86399)
    ->Arg(86400)
    ->Iterations(300) // a few minutes more of the test: the thinning step stays
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // The board manager's settings and lines stay under a scratch root, not the host's.
    QTemporaryDir root;
    qputenv("INSTRUMENT_ROOT", QFile::encodeName(root.path()));
    BenchDisplay display(argc, argv);
    // A page in front, as the running screen is when the graph is first built.
    display.stack.addWidget(new QWidget);
    // No power board on the line: the benchmark never runs the event loop, so the board
    // manager only holds the data the graph reads.
    auto board = std::make_unique<InfusionPumpPowerBoardManager>(QStringLiteral("/dev/ttyAPP1"));
    ScreenBase::board = board.get();
    const int result = BenchDisplay::run(argc, argv);
    ScreenBase::board = nullptr;
    return result;
}
