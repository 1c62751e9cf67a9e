#include "GraphBench.h"
#include "GuiTest.h"
#include "ScreenArea.h"
#include "ScreenBase.h"
#include "TestRegistry.h"
#include "ViewResultsGraph.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_scale_div.h>

#include <limits>

namespace {

QwtPlot *plotOf(const ViewResultsGraph *graph)
{
    return graph->findChild<QwtPlot *>(QStringLiteral("drawingWidget"));
}

QwtPlotCurve *shownCurve(const ViewResultsGraph *graph)
{
    const QwtPlotItemList curves = plotOf(graph)->itemList(QwtPlotItem::Rtti_PlotCurve);
    return curves.size() == 1 ? static_cast<QwtPlotCurve *>(curves.first()) : nullptr;
}

QString text(const QWidget *screen, const char *label)
{
    return screen->findChild<QLabel *>(QLatin1String(label))->text();
}

// n samples from the second `first` on: average flow 50 + second, volume second / 100,
// pressure second % 300 mmHg.
QVector<INFUSION_PUMP_REAL_TIME_DATA> samples(int n, quint32 first = 1)
{
    QVector<INFUSION_PUMP_REAL_TIME_DATA> out;
    for (int i = 0; i < n; ++i) {
        const quint32 s = first + quint32(i);
        out.append(GraphBench::record(s, qint16(s % 300), s / 100.0f, -1.0f, 50.0f + s));
    }
    return out;
}

} // namespace

// The samples of a stored result drawn once, thinned like the live graph but keeping a
// trailing partial step.
class TestViewResultsGraph : public QObject
{
    Q_OBJECT
private slots:
    void samplesAreThinnedAndScaled_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<quint32>("first");
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("step");
        QTest::addColumn<double>("axisMaximum");
        QTest::addColumn<QList<double>>("ticks");
        QTest::newRow("no samples") << 0 << 1u << 0 << 1 << 10.0 << QList<double>{0, 5, 10};
        QTest::newRow("one sample at 0 s") << 1 << 0u << 1 << 1 << 10.0 << QList<double>{0, 5, 10};
        QTest::newRow("900 s") << 900 << 1u << 900 << 1 << 960.0
                               << QList<double>{0, 240, 480, 720, 960};
        QTest::newRow("an hour and a second")
            << 3601 << 1u << 1201 << 3 << 4200.0 << QList<double>{0, 1050, 2100, 3150, 4200};
        QTest::newRow("a day") << 86400 << 1u << 515 << 168 << 87000.0
                               << QList<double>{0, 21750, 43500, 65250, 87000};
    }
    void samplesAreThinnedAndScaled()
    {
        QFETCH(int, count);
        QFETCH(quint32, first);
        QFETCH(int, points);
        QFETCH(int, step);
        QFETCH(double, axisMaximum);
        QFETCH(QList<double>, ticks);
        ScreenArea area; // no board: pressures stay in mmHg
        auto *result = new ScreenBase(nullptr, nullptr);
        auto *graph = new ViewResultsGraph(result, nullptr);
        const QVector<INFUSION_PUMP_REAL_TIME_DATA> stored = samples(count, first);
        graph->setSamples(stored);
        graph->setTestType(0);
        graph->updateScreen();
        graph->showScreen(true);
        QwtPlotCurve *curve = shownCurve(graph);
        QVERIFY(curve);
        QCOMPARE(curve->dataSize(), size_t(points));
        for (int k = 0; k < points; k += qMax(1, points / 7)) {
            const INFUSION_PUMP_REAL_TIME_DATA &s = stored.at(k * step);
            QCOMPARE(curve->sample(size_t(k)), QPointF(s.u32ElapseTime, s.fFlowRate_Ave));
        }
        if (points > 0) {
            const INFUSION_PUMP_REAL_TIME_DATA &s = stored.at((points - 1) * step);
            QCOMPARE(curve->sample(size_t(points - 1)), QPointF(s.u32ElapseTime, s.fFlowRate_Ave));
        }
        const QwtScaleDiv axis = plotOf(graph)->axisScaleDiv(QwtPlot::xBottom);
        QCOMPARE(axis.upperBound(), axisMaximum);
        QCOMPARE(axis.ticks(QwtScaleDiv::MajorTick), ticks);
        QVERIFY(!graph->grab().isNull());
    }

    // An occlusion result shows pressure in the operator's unit whatever F3 does; a flow
    // or PCA result opens in the view last chosen and F3 alternates; F2 and F4 do nothing.
    void viewsAndKeys()
    {
        ScreenArea area;
        area.startBoard();
        DataManager &data = area.board()->m_DataManager;
        data.setPressureUnits(DataManager::UNITS_KPA);
        auto *result = new ScreenBase(nullptr, nullptr);
        auto *graph = new ViewResultsGraph(result, nullptr);
        QVERIFY(area.activate());

        graph->setSamples(samples(120));
        graph->setTestType(1);
        graph->updateScreen();
        graph->showScreen(true);
        QCOMPARE(area.current(), static_cast<QWidget *>(graph));
        QCOMPARE(text(graph, "label_AxisTitle"), QStringLiteral("Pressure kPa"));
        QCOMPARE(shownCurve(graph)->sample(99).y(), double(float(100 * 0.133322368)));
        QTest::qWait(50); // the form lays itself out again for the longer title
        QVERIFY(area.savePng(QDir::temp().filePath("ViewResultsGraph.png")));
        for (int key : {Qt::Key_F3, Qt::Key_F2, Qt::Key_F4}) {
            GuiTest::key(key);
            QCOMPARE(area.current(), static_cast<QWidget *>(graph));
            QCOMPARE(text(graph, "label_AxisTitle"), QStringLiteral("Pressure kPa"));
            QVERIFY(shownCurve(graph));
        }
        QCOMPARE(text(graph, "label_channelNo"), QString());

        graph->setTestType(0);
        graph->showScreen(true);
        QCOMPARE(text(graph, "label_AxisTitle"), QStringLiteral("Flow Rate"));
        GuiTest::key(Qt::Key_F3);
        QCOMPARE(text(graph, "label_AxisTitle"), QStringLiteral("Volume"));
        QCOMPARE(shownCurve(graph)->sample(99).y(), double(1.0f));
        GuiTest::key(Qt::Key_F1);
        QCOMPARE(area.current(), static_cast<QWidget *>(result));

        // Another result, a PCA one: still the volume the operator chose.
        graph->setSamples(samples(30));
        graph->setTestType(2);
        graph->showScreen(true);
        QCOMPARE(text(graph, "label_AxisTitle"), QStringLiteral("Volume"));
        QCOMPARE(shownCurve(graph)->dataSize(), size_t(30));
        GuiTest::key(Qt::Key_F3);
        QCOMPARE(text(graph, "label_AxisTitle"), QStringLiteral("Flow Rate"));
        QEvent languageChange(QEvent::LanguageChange);
        QApplication::sendEvent(graph, &languageChange);
        QCOMPARE(text(graph, "label_AxisTitle"), QStringLiteral("Flow Rate"));
        const auto *typeKey = graph->findChild<QPushButton *>("pushButtonGraphType");
        QCOMPARE(typeKey->shortcut(), QKeySequence(Qt::Key_F3));
    }

    // A stored file may carry any bits: values that are not numbers, infinite or huge
    // still give a drawn screen, never a hang or a crash.
    void storedValuesOutOfRange()
    {
        ScreenArea area;
        auto *graph = new ViewResultsGraph(new ScreenBase(nullptr, nullptr), nullptr);
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const float inf = std::numeric_limits<float>::infinity();
        QVector<INFUSION_PUMP_REAL_TIME_DATA> stored = samples(10);
        stored[2].fFlowRate_Ave = nan;
        stored[3].fFlowRate_Ave = inf;
        stored[4].fFlowRate_Ave = -inf;
        stored[5].fFlowRate_Ave = std::numeric_limits<float>::max();
        stored[6].fVolume = nan;
        stored[9].u32ElapseTime = std::numeric_limits<quint32>::max();
        graph->setSamples(stored);
        graph->setTestType(0);
        graph->updateScreen();
        graph->showScreen(true);
        QVERIFY(!graph->grab().isNull());
        graph->onTypeClicked(true);
        QVERIFY(!graph->grab().isNull());
        QCOMPARE(plotOf(graph)->axisScaleDiv(QwtPlot::xBottom).upperBound(), 4294967400.0);
    }
};

RONDIX_TEST(TestViewResultsGraph)
#include "tst_ViewResultsGraph.moc"
