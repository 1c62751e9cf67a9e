#include "GuiTest.h"
#include "ManualBench.h"
#include "ManualSetup.h"
#include "OcclusionManualTest.h"
#include "OcclusionManual_Setup.h"
#include "PCAManual_Setup.h"
#include "PCARunningScreen.h"
#include "SimController.h"
#include "SummaryManualScreen.h"
#include "TestRegistry.h"

#include <QSettings>
#include <QTest>

namespace {

QByteArray settingsWithChannel0(const QByteArray &keys)
{
    return ScreenArea::defaultSettings() + "[channel_0]\n" + keys;
}

// The commands of one kind ("I6"), with their channels.
QStringList only(const QStringList &commands, const QString &letters)
{
    QStringList kept;
    for (const QString &c : commands)
        if (c.section(QLatin1Char(' '), 1, 1) == letters)
            kept.append(c);
    return kept;
}
} // namespace

class TestManualOcclusionPcaRoad : public QObject
{
    Q_OBJECT
private slots:
    // From the flow set-up the type choice leads to the occlusion set-up; confirm,
    // start, the pressure builds, the green key acknowledges the alarm and the test
    // ends a few seconds later; back to the summary.
    void occlusionRoad()
    {
        ManualBench bench;
        bench.sim().controller(0).pump().pressureRise = 250.0; // the alarm within 2 s
        QVERIFY(bench.area.settle());
        bench.summary->showScreen(true);
        QVERIFY(bench.area.activate());

        GuiTest::key(Qt::Key_F4); // MANUAL: the channel is set to flow
        QVERIFY(qobject_cast<ManualSetup *>(bench.area.current()));
        GuiTest::key(Qt::Key_Escape); // edit the type choice
        GuiTest::turn(-1);            // "Occlusion test"
        GuiTest::key(Qt::Key_Escape);
        auto *setup = qobject_cast<OcclusionManual_Setup *>(bench.area.current());
        QVERIFY(setup);
        QCOMPARE(labelText(setup, "selectedChannel"), QStringLiteral("1"));
        // Nothing is stored until the occlusion set-up is confirmed.
        QCOMPARE(bench.data().getTestSetting(0).u8TestTypeSetting, quint8(0));

        GuiTest::key(Qt::Key_F4); // confirm
        auto *running = qobject_cast<OcclusionManualTest *>(bench.area.current());
        QVERIFY(running);
        QSettings ini(bench.area.settingsPath(), QSettings::IniFormat);
        QCOMPARE(ini.value("channel_0/test_type").toInt(), 1);
        QCOMPARE(ini.value("channel_0/infusion_pump_type").toInt(), 0);
        const QStringList setupCommands = {"0 IF1 01",
                                              "0 IF2 00 00",
                                              "0 IF4 1e 00",
                                              "0 IF5 00"};
        QTRY_COMPARE_WITH_TIMEOUT(bench.area.requests(), setupCommands, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(labelText(running, "label_OccTestStatus"),
                                  QStringLiteral("<font color='green'>Ready"), 5000);

        GuiTest::key(Qt::Key_F6); // start
        const QString waitingForAlarm =
            QStringLiteral("<font color='green'>Press Green Button When Alarm Sounds");
        QTRY_COMPARE_WITH_TIMEOUT(labelText(running, "label_OccTestStatus"), waitingForAlarm,
                                  10000);
        QCOMPARE(labelText(running, "label_InfusionPumpType"), QStringLiteral("Manual"));
        QCOMPARE(labelText(running, "label_Pressure_BackOff"), QStringLiteral("---"));
        QTRY_COMPARE_WITH_TIMEOUT(labelText(running, "label_Pressure_Peak"),
                                  QStringLiteral("500.00"), 10000);

        GuiTest::key(Qt::Key_F6); // the alarm sounded: acknowledge
        QTRY_COMPARE_WITH_TIMEOUT(labelText(running, "label_OccTestStatus"),
                                  QStringLiteral("<font color='blue'>Completed"), 10000);
        QVERIFY(labelText(running, "label_FlowRate_ElapseTime") != QStringLiteral("00:00:00"));
        // Stop and start, the stop of the blockage, then stop and prime at the end.
        const QStringList run = {"0 I3", "0 I2", "0 I2", "0 I3", "0 I6"};
        QTRY_COMPARE_WITH_TIMEOUT(bench.area.requests(), setupCommands + run, 10000);
        QVERIFY(bench.data().getOcclusionTestComplete(0));

        GuiTest::key(Qt::Key_F1);
        QCOMPARE(bench.area.current(), static_cast<QWidget *>(bench.summary));
        QTRY_COMPARE_WITH_TIMEOUT(labelText(bench.summary, "label_Channel_1_TestType"),
                                  QStringLiteral("Occ"), 5000);
    }

    // The countdown after an acknowledgement belongs to its channel: switching to
    // another channel neither ends that channel's test nor stops this one's ending.
    void occlusionCountdownStaysWithItsChannel()
    {
        ManualBench bench(ScreenArea::defaultSettings() +
                              "[channel_0]\ntest_type=1\n[channel_1]\ntest_type=1\n",
                          {2, 3});
        bench.sim().controller(0).pump().pressureRise = 250.0;
        bench.sim().controller(1).pump().pressureRise = 250.0;
        QVERIFY(bench.area.settle());
        // Set up for occlusion as the set-up screen would have them (the acknowledgement's
        // command would start a flow test again).
        for (int ch : {0, 1})
            bench.sim().controller(ch).handle(QByteArray("IF1\x01", 4), bench.sim().now());
        OcclusionManualTest *running = bench.summary->getOcclusionRunningScreen();
        running->vSetChannel(1);
        running->showScreen(true);
        QVERIFY(bench.area.activate());
        GuiTest::key(Qt::Key_F6); // channel 2 starts
        running->vSetChannel(0);
        GuiTest::key(Qt::Key_F6); // channel 1 starts
        QTRY_VERIFY_WITH_TIMEOUT(bench.data().vGetTestRunningFlag(0) &&
                                     bench.data().vGetTestRunningFlag(1),
                                 10000);
        QTest::qWait(1500);
        GuiTest::key(Qt::Key_F6); // channel 1's alarm acknowledged: its countdown runs
        GuiTest::key(Qt::Key_F4); // CH: on to channel 2, still waiting for its alarm
        QCOMPARE(int(running->getChannelId()), 1);
        const QStringList firstEnded = {"0 I6"};
        QTRY_COMPARE_WITH_TIMEOUT(only(bench.area.requests(), "I6"), firstEnded, 15000);
        QTest::qWait(2500);
        QVERIFY(bench.data().vGetTestRunningFlag(1));
        QCOMPARE(running->m_greenKeyState[1], 1);
        QVERIFY(!bench.data().getOcclusionTestComplete(1));
        QVERIFY(bench.data().getOcclusionTestComplete(0));
        // Channel 2's own acknowledgement ends channel 2 only.
        GuiTest::key(Qt::Key_F6);
        const QStringList bothEnded = {"0 I6", "1 I6"};
        QTRY_COMPARE_WITH_TIMEOUT(only(bench.area.requests(), "I6"), bothEnded, 15000);
        QVERIFY(bench.data().getOcclusionTestComplete(1));
    }

    // Back pressure and window from a hand-edited settings file reach the controller only
    // within the ranges the set-up forms allow, whichever set-up stages them.
    void settingsFileValuesReachTheControllerInRange_data()
    {
        QTest::addColumn<QByteArray>("keys");
        QTest::addColumn<QStringList>("setupCommands");
        QTest::newRow("occlusion, back pressure 30000, window 0")
            << QByteArray("test_type=1\nback_pressure=30000\nwindow_size=0\n")
            << QStringList{"0 IF1 01", "0 IF2 58 02", "0 IF4 01 00", "0 IF5 00"};
        QTest::newRow("occlusion, back pressure -30000, window 65535")
            << QByteArray("test_type=1\nback_pressure=-30000\nwindow_size=65535\n")
            << QStringList{"0 IF1 01", "0 IF2 38 ff", "0 IF4 58 02", "0 IF5 00"};
        QTest::newRow("occlusion, values past 16 bits")
            << QByteArray("test_type=1\nback_pressure=65636\nwindow_size=65566\n"
                          "infusion_pump_type=9\n")
            << QStringList{"0 IF1 01", "0 IF2 58 02", "0 IF4 58 02", "0 IF5 01"};
        QTest::newRow("occlusion, no numbers")
            << QByteArray("test_type=1\nback_pressure=high\nwindow_size=wide\n")
            << QStringList{"0 IF1 01", "0 IF2 00 00", "0 IF4 1e 00", "0 IF5 00"};
        // The PCA window follows the basal rate, which is held to 1..30 ml/h.
        QTest::newRow("PCA, back pressure 30000, basal rate 1e30")
            << QByteArray("test_type=2\nback_pressure=30000\nbasal_flow_rate=1e30\n")
            << QStringList{"0 IF1 02", "0 IF2 58 02", "0 IF4 0a 00", "0 IF5 00"};
    }
    void settingsFileValuesReachTheControllerInRange()
    {
        QFETCH(QByteArray, keys);
        QFETCH(QStringList, setupCommands);
        ManualBench bench(settingsWithChannel0(keys));
        QVERIFY(bench.area.settle());
        bench.summary->showScreen(true);
        QVERIFY(bench.area.activate());
        GuiTest::key(Qt::Key_F4); // MANUAL: the set-up of the channel's stored type
        QVERIFY(qobject_cast<OcclusionManual_Setup *>(bench.area.current())
                || qobject_cast<PCAManual_Setup *>(bench.area.current()));
        GuiTest::key(Qt::Key_F4); // confirm
        QTRY_COMPARE_WITH_TIMEOUT(bench.area.requests(), setupCommands, 10000);
    }

    // PCA set-up confirmed, the test started, boluses counted in the table, stopped.
    void pcaRoad()
    {
        ManualBench bench(settingsWithChannel0("test_type=2\nbasal_flow_rate=10\n"));
        SimController::Pump &pump = bench.sim().controller(0).pump();
        // One bolus of 1 ml in 2 s; it ends once it has left the 10 s averaging window.
        pump.firstBolus = 1.0;
        pump.bolusInterval = 60.0;
        pump.bolusRate = 1800.0;
        QVERIFY(bench.area.settle());
        bench.summary->showScreen(true);
        QVERIFY(bench.area.activate());

        GuiTest::key(Qt::Key_F4); // MANUAL: the channel is set to PCA
        auto *setup = qobject_cast<PCAManual_Setup *>(bench.area.current());
        QVERIFY(setup);
        QCOMPARE(boxValue(setup, "doubleSpinBox_BasalFlowRateSetting"), 10.0);
        GuiTest::key(Qt::Key_F4); // confirm
        auto *running = qobject_cast<PCARunningScreen *>(bench.area.current());
        QVERIFY(running);
        // A basal rate above 5 ml/h is sent with a 10 s window.
        const QStringList setupCommands = {"0 IF1 02",
                                              "0 IF2 00 00",
                                              "0 IF4 0a 00",
                                              "0 IF5 00"};
        QTRY_COMPARE_WITH_TIMEOUT(bench.area.requests(), setupCommands, 10000);
        QSettings ini(bench.area.settingsPath(), QSettings::IniFormat);
        QCOMPARE(ini.value("channel_0/test_type").toInt(), 2);
        QCOMPARE(ini.value("channel_0/pca_elapse_time").toInt(), 900);

        GuiTest::key(Qt::Key_F6);
        QTRY_COMPARE_WITH_TIMEOUT(labelText(running, "label_Bolus_ID_Colume_1"),
                                  QStringLiteral("1"), 30000);
        // The oldest bolus shown stands in the rightmost column.
        QCOMPARE(labelText(running, "label_Bolus_ID_Colume_2"), QStringLiteral("---"));
        QCOMPARE(labelText(running, "label_Bolus_ID_Colume_3"), QStringLiteral("---"));
        const double volume = labelText(running, "label_Bolus_Volume_Colume_1").toDouble();
        QVERIFY2(volume > 0.2 && volume < 1.1, qPrintable(QString::number(volume)));
        // The mean of one bolus is that bolus, in three significant digits.
        QVERIFY(qAbs(labelText(running, "label_Bolus_Volume_Ave").toDouble() - volume) < 0.01);

        GuiTest::key(Qt::Key_F7);
        QTRY_COMPARE_WITH_TIMEOUT(labelText(running, "label_FlowRate_ElapseTime"),
                                  QStringLiteral("<font color='red'>Stopped</font>"), 10000);
        const QStringList run = {"0 I3", "0 I2", "0 I3", "0 I6"};
        QTRY_COMPARE_WITH_TIMEOUT(bench.area.requests(), setupCommands + run, 10000);
        QCOMPARE(bench.data().m_u8StopKeyPressed[0], quint8(1));
        GuiTest::key(Qt::Key_F1);
        QCOMPARE(bench.area.current(), static_cast<QWidget *>(bench.summary));
    }
};

RONDIX_TEST(TestManualOcclusionPcaRoad)
#include "tst_ManualOcclusionPcaRoad.moc"
