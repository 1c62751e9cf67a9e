#include "DataSeries.h"
#include "FlowRateRunningScreen.h"
#include "GraphBench.h"
#include "GraphModeScreen.h"
#include "GuiTest.h"
#include "OcclusionManualTest.h"
#include "PCARunningScreen.h"
#include "SummaryManualScreen.h"
#include "TestLimits.h"
#include "TestRegistry.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_marker.h>

namespace {

QWidget *page(QWidget *screen)
{
    return screen;
}

} // namespace

class TestGraphModeScreen : public QObject
{
    Q_OBJECT
private slots:
    // Flow rate and volume alternate for a flow or PCA test and the choice outlives the
    // screen; an occlusion test always shows pressure in the operator's unit.
    void quantityFollowsTheTestType()
    {
        GraphBench bench;
        QVERIFY(bench.area.settle());
        QVERIFY(bench.area.activate());
        FlowRateRunningScreen *flow = bench.summary->getFlowRateRunningScreen();
        bench.openGraph(flow, 3);
        GraphModeScreen *graph = bench.graph();
        QCOMPARE(bench.area.current(), page(graph));
        QCOMPARE(bench.axisTitle(), QStringLiteral("Flow Rate"));
        QCOMPARE(bench.channelLabel(), QStringLiteral("Ch 4"));
        const QStringList titles = {"Volume", "Flow Rate", "Volume"};
        for (const QString &title : titles) {
            GuiTest::key(Qt::Key_F3);
            QCOMPARE(bench.axisTitle(), title);
            QCOMPARE(bench.curves().size(), 1);
        }
        // F2 and the encoder do nothing here.
        GuiTest::key(Qt::Key_F2);
        GuiTest::turn(2);
        QCOMPARE(bench.area.current(), page(graph));
        QCOMPARE(bench.axisTitle(), QStringLiteral("Volume"));

        GuiTest::key(Qt::Key_F1);
        QCOMPARE(bench.area.current(), page(flow));
        QCOMPARE(flow->getChannelId(), static_cast<unsigned short>(3));
        GuiTest::key(Qt::Key_F2);
        QCOMPARE(bench.axisTitle(), QStringLiteral("Volume"));
        GuiTest::key(Qt::Key_F1);

        bench.data().vSetTestSetting_Type(2, 2); // PCA keeps the flow quantities
        bench.openGraph(bench.summary->getPCARunningScreen(), 2);
        QCOMPARE(bench.axisTitle(), QStringLiteral("Volume"));
        GuiTest::key(Qt::Key_F1);
        QCOMPARE(bench.area.current(), page(bench.summary->getPCARunningScreen()));

        bench.data().vSetTestSetting_Type(2, 1);
        bench.data().setPressureUnits(DataManager::UNITS_KPA);
        OcclusionManualTest *occlusion = bench.summary->getOcclusionRunningScreen();
        bench.openGraph(occlusion, 2);
        QCOMPARE(bench.axisTitle(), QStringLiteral("Pressure kPa"));
        QCOMPARE(bench.channelLabel(), QStringLiteral("Ch 3"));
        QCOMPARE(DataSeries::getMode(), DataSeries::PressureMode);
        GuiTest::key(Qt::Key_F3);
        QCOMPARE(bench.axisTitle(), QStringLiteral("Pressure kPa"));
        QCOMPARE(bench.curves().size(), 1);
        // The occlusion test's pressure gives way to flow rate on a flow channel.
        GuiTest::key(Qt::Key_F1);
        QCOMPARE(bench.area.current(), page(occlusion));
        bench.openGraph(flow, 3);
        QCOMPARE(bench.axisTitle(), QStringLiteral("Flow Rate"));
        // A change of language writes the form again, titles included.
        QEvent languageChange(QEvent::LanguageChange);
        QApplication::sendEvent(graph, &languageChange);
        QCOMPARE(bench.axisTitle(), QStringLiteral("Flow Rate"));
        QCOMPARE(bench.channelLabel(), QStringLiteral("Ch 4"));
        // The soft keys keep their keys after every change of text.
        const auto *typeKey = graph->findChild<QPushButton *>("pushButtonGraphType");
        QCOMPARE(typeKey->text(), QStringLiteral("Type"));
        QCOMPARE(typeKey->shortcut(), QKeySequence(Qt::Key_F3));
        GuiTest::key(Qt::Key_F3);
        QCOMPARE(bench.axisTitle(), QStringLiteral("Volume"));
    }

    // The limit lines of the channel's manual limits, in the quantity they judge only.
    void limitLinesFollowTheQuantity()
    {
        GraphBench bench;
        QVERIFY(bench.area.settle());
        QVERIFY(bench.area.activate());
        DataManager &data = bench.data();
        data.setPressureUnits(DataManager::UNITS_KPA);
        FlowRateRunningScreen *flow = bench.summary->getFlowRateRunningScreen();
        bench.openGraph(flow, 3);
        GraphModeScreen *graph = bench.graph();

        struct Case {
            const char *name;
            int testType;
            TestSequencePassFailLimits limits;
            QList<double> flowLines;
            QList<double> volumeLines;
        };
        TestSequencePassFailLimits occlusion;
        occlusion.upperPressure = 300.0f;
        occlusion.lowerPressure = 100.0f;
        TestSequencePassFailLimits noPressureLimit = occlusion;
        noPressureLimit.upperPressure = 0.0f;
        const QList<Case> cases = {
            {"average flow", 0, flowLimits(1, 100.0f, 10, 5), {110.0, 95.0}, {}},
            {"expected volume", 0, flowLimits(2, 50.0f, 20, 10), {}, {60.0, 45.0}},
            {"no target", 0, flowLimits(0, 0.0f, 10, 5), {}, {}},
            {"PCA test", 2, flowLimits(1, 100.0f, 10, 5), {}, {}},
        };
        for (const Case &c : cases) {
            data.vSetTestSetting_Type(3, c.testType);
            data.setManualPassFailLimits(3, c.limits);
            graph->showScreen(true); // flow rate first
            if (DataSeries::getMode() != DataSeries::FlowRateMode)
                GuiTest::key(Qt::Key_F3);
            QVERIFY2(bench.limitLines() == c.flowLines, c.name);
            GuiTest::key(Qt::Key_F3);
            QVERIFY2(bench.limitLines() == c.volumeLines, c.name);
        }

        data.vSetTestSetting_Type(3, 1);
        data.setManualPassFailLimits(3, occlusion);
        graph->showScreen(true);
        const QList<double> lines = bench.limitLines();
        QCOMPARE(lines.size(), 2);
        QCOMPARE(QString::number(lines[0], 'g', 6), QStringLiteral("39.9967"));
        QCOMPARE(QString::number(lines[1], 'g', 6), QStringLiteral("13.3322"));
        for (QwtPlotItem *item : bench.plot()->itemList(QwtPlotItem::Rtti_PlotMarker)) {
            const QPen pen = static_cast<QwtPlotMarker *>(item)->linePen();
            QVERIFY(pen.isCosmetic());
            QCOMPARE(pen.color(), QColor(Qt::red));
            QCOMPARE(pen.style(), Qt::DashDotDotLine);
        }
        // Limits that change while the graph is up are redrawn on the next refresh.
        data.setManualPassFailLimits(3, noPressureLimit);
        graph->updateScreen();
        QCOMPARE(bench.limitLines(), QList<double>());
        QCOMPARE(bench.curves().size(), 1);
    }

    void channelKey_data()
    {
        QTest::addColumn<QList<int>>("absent");
        QTest::addColumn<int>("graphed");
        QTest::addColumn<QList<int>>("steps"); // channel after each press of F4
        QTest::newRow("channels 2 and 4 usable") << QList<int>{0, 2} << 1 << QList<int>{3, 1, 3};
        QTest::newRow("only the graphed channel") << QList<int>{0, 2, 3} << 1 << QList<int>{1};
        QTest::newRow("no usable channel") << QList<int>{0, 1, 2, 3} << 0 << QList<int>{0, 0};
    }
    // F4 steps to the next usable channel and never loops; F1 hands the channel graphed
    // back to the running screen, and the label always names the channel graphed.
    void channelKey()
    {
        QFETCH(QList<int>, absent);
        QFETCH(int, graphed);
        QFETCH(QList<int>, steps);
        GraphBench bench(absent);
        QVERIFY(bench.area.settle());
        QVERIFY(bench.area.activate());
        FlowRateRunningScreen *flow = bench.summary->getFlowRateRunningScreen();
        bench.openGraph(flow, static_cast<unsigned short>(graphed));
        QCOMPARE(bench.channelLabel(), QStringLiteral("Ch %1").arg(graphed + 1));
        for (int channel : steps) {
            GuiTest::key(Qt::Key_F4);
            QCOMPARE(int(DataSeries::getChannelId()), channel);
            QCOMPARE(bench.channelLabel(), QStringLiteral("Ch %1").arg(channel + 1));
        }
        GuiTest::key(Qt::Key_F1);
        QCOMPARE(bench.area.current(), page(flow));
        QCOMPARE(int(flow->getChannelId()), steps.last());

        // Opened again for another channel, the label follows.
        bench.openGraph(flow, static_cast<unsigned short>(graphed == 0 ? 1 : 0));
        QCOMPARE(bench.channelLabel(), QStringLiteral("Ch %1").arg(graphed == 0 ? 2 : 1));
    }

    // The time axis grows in steps one tier above the elapsed time and is set only when
    // its maximum changes; an empty history shows 0 to 10 s and no points.
    void timeAxisFollowsTheHistory()
    {
        GraphBench bench;
        QVERIFY(bench.area.settle());
        QVERIFY(bench.area.activate());
        QVector<INFUSION_PUMP_REAL_TIME_DATA> &history = bench.data().m_vecRealTimeData[3];
        bench.openGraph(bench.summary->getFlowRateRunningScreen(), 3);
        GraphModeScreen *graph = bench.graph();
        QCOMPARE(bench.curves().size(), 1);
        QwtPlotCurve *curve = bench.curves().first();
        QCOMPARE(curve->dataSize(), size_t(0));
        QCOMPARE(bench.timeAxisMaximum(), 10.0);
        QVERIFY(!graph->grab().isNull()); // drawn empty, nothing read beyond the end

        for (quint32 s = 1; s <= 59; ++s)
            history.append(GraphBench::record(s, 0, s / 10.0f, 120.0f));
        graph->updateScreen();
        QCOMPARE(curve->dataSize(), size_t(59));
        QCOMPARE(bench.timeAxisMaximum(), 60.0);
        QCOMPARE(bench.timeTicks(), QList<double>({0.0, 30.0, 60.0}));
        QCOMPARE(DataSeries::getLastScaleMax(3), 60.0);
        // y from 0 to 1.2 times the largest instant flow, widened by the plot's steps.
        const QwtInterval y = bench.plot()->axisInterval(QwtPlot::yLeft);
        QVERIFY(y.minValue() <= 0.0 && y.maxValue() >= 144.0);

        // Same maximum: the axis is left alone (shown here by moving it by hand).
        bench.plot()->setAxisScale(QwtPlot::xBottom, 0.0, 5.0);
        history.append(GraphBench::record(59, 0, 6.0f, 120.0f));
        graph->updateScreen();
        QCOMPARE(bench.timeAxisMaximum(), 5.0);
        history.append(GraphBench::record(60, 0, 6.0f, 120.0f));
        graph->updateScreen();
        QCOMPARE(bench.timeAxisMaximum(), 120.0);

        // A day of history: 514 points and an axis to 87000 s.
        history.clear();
        for (quint32 s = 1; s <= 86400; ++s)
            history.append(GraphBench::record(s, 0, s / 3600.0f, 100.0f));
        graph->updateScreen();
        QCOMPARE(curve->dataSize(), size_t(514));
        QCOMPARE(bench.timeAxisMaximum(), 87000.0);
        QCOMPARE(bench.timeTicks(), QList<double>({0.0, 21750.0, 43500.0, 65250.0, 87000.0}));

        // A test reset empties the history while the graph is up.
        history.clear();
        graph->updateScreen();
        QCOMPARE(curve->dataSize(), size_t(0));
        QCOMPARE(bench.timeAxisMaximum(), 10.0);
        QVERIFY(!graph->grab().isNull());
    }

    // A flow test started on the running screen and watched on the graph: one point per
    // second of the test, read from the channel's history as it grows.
    void liveGraphGrowsDuringAFlowTest()
    {
        GraphBench bench(QList<int>{});
        QVERIFY(bench.area.settle());
        QVERIFY(bench.area.activate());
        DataManager &data = bench.data();
        data.setManualPassFailLimits(0, flowLimits(0, 100.0f, 10, 10));
        FlowRateRunningScreen *flow = bench.summary->getFlowRateRunningScreen();
        flow->vSetChannel(0);
        flow->showScreen(true);
        GuiTest::key(Qt::Key_F6); // green: start
        GuiTest::key(Qt::Key_F2);
        GraphModeScreen *graph = bench.graph();
        QCOMPARE(bench.area.current(), page(graph));
        QwtPlotCurve *curve = bench.curves().value(0);
        QVERIFY(curve);

        const QVector<INFUSION_PUMP_REAL_TIME_DATA> &history = data.m_vecRealTimeData[0];
        QTRY_VERIFY_WITH_TIMEOUT(curve->dataSize() >= 3, 15000);
        const size_t seen = curve->dataSize();
        QTRY_VERIFY_WITH_TIMEOUT(curve->dataSize() >= seen + 2, 15000);
        QCOMPARE(curve->dataSize(), size_t(history.size()));
        for (size_t i = 0; i < curve->dataSize(); ++i) {
            QCOMPARE(curve->sample(i).x(), double(i + 1));
            QCOMPARE(curve->sample(i).y(), double(history.at(int(i)).fFlowRate_Instant));
        }
        QCOMPARE(bench.limitLines(), QList<double>({110.0, 90.0}));
        QVERIFY(bench.area.savePng(QDir::temp().filePath("GraphModeScreen.png")));
        GuiTest::key(Qt::Key_F3);
        QVERIFY(bench.area.savePng(QDir::temp().filePath("GraphModeScreen-volume.png")));

        GuiTest::key(Qt::Key_F1);
        QCOMPARE(bench.area.current(), page(flow));
        GuiTest::key(Qt::Key_F7); // red: stop
    }
};

RONDIX_TEST(TestGraphModeScreen)
#include "tst_GraphModeScreen.moc"
