#include "FlowRateRunningScreen.h"
#include "GuiTest.h"
#include "InfusionPumpMainScreen.h"
#include "ManualSetup.h"
#include "ManualBench.h"
#include "SummaryManualScreen.h"
#include "TestRegistry.h"

#include <QSettings>
#include <QTest>

namespace {
// Channel 1 set to a four-second flow test, so that a run completes within the test.
QByteArray fourSecondFlowSettings()
{
    return ScreenArea::defaultSettings() + "[channel_0]\nelapse_time=4\nwindow_size=30\n";
}

} // namespace

class TestManualFlowRoad : public QObject
{
    Q_OBJECT
private slots:
    void wholeRoad_data()
    {
        QTest::addColumn<bool>("stopByRedKey");
        QTest::newRow("stopped by the red key") << true;
        QTest::newRow("completed at the duration") << false;
    }

    // Main menu, "Perform Test", MANUAL, a back pressure entered, confirm, green key,
    // the test counting, its end, and back to the summary: keys only, against the
    // power board on the line.
    void wholeRoad()
    {
        QFETCH(bool, stopByRedKey);
        ManualBench bench(fourSecondFlowSettings(), {}, true);
        QVERIFY(bench.area.settle());
        QVERIFY(bench.area.activate());
        QCOMPARE(bench.area.current(), static_cast<QWidget *>(bench.menu));

        GuiTest::key(Qt::Key_Escape); // "Perform Test", the main menu's first row
        auto *summary = qobject_cast<SummaryManualScreen *>(bench.area.current());
        QVERIFY(summary);
        QTRY_COMPARE_WITH_TIMEOUT(labelText(summary, "label_Channel_1_ElaspeTime"),
                                  QStringLiteral("Ready"), 5000);
        QCOMPARE(labelText(summary, "label_Channel_1_TestType"), QStringLiteral("Flow"));
        QCOMPARE(labelText(summary, "label_Channel_1_Mode"), QStringLiteral("Manual "));

        GuiTest::key(Qt::Key_F4); // MANUAL
        auto *setup = qobject_cast<ManualSetup *>(bench.area.current());
        QVERIFY(setup);
        QCOMPARE(labelText(setup, "selectedChannel"), QStringLiteral("1"));
        QCOMPARE(boxValue(setup, "spinBoxDurationSecSetting"), 4.0);
        QCOMPARE(boxValue(setup, "spinBoxDurationMinSetting"), 0.0);

        // One detent on the back pressure: from the test type, turn to the next field,
        // select it for editing, turn once slowly, select again.
        GuiTest::turn(1);
        GuiTest::key(Qt::Key_Escape);
        QTest::qWait(300);
        GuiTest::turn(1);
        GuiTest::key(Qt::Key_Escape);
        QCOMPARE(boxValue(setup, "spinBoxBackPressureSetting"), 1.0);

        GuiTest::key(Qt::Key_F4); // confirm
        auto *running = qobject_cast<FlowRateRunningScreen *>(bench.area.current());
        QVERIFY(running);
        QCOMPARE(running->getChannelId(), static_cast<unsigned short>(0));
        // The set-up reached the settings file...
        QSettings ini(bench.area.settingsPath(), QSettings::IniFormat);
        QCOMPARE(ini.value("channel_0/back_pressure").toInt(), 1);
        QCOMPARE(ini.value("channel_0/elapse_time").toInt(), 4);
        QCOMPARE(ini.value("channel_0/test_type").toInt(), 0);
        // ...and the channel's controller, as the four setting commands.
        const QStringList settingCommands = {"0 IF1 00",
                                                "0 IF2 01 00",
                                                "0 IF4 1e 00",
                                                "0 IF5 00"};
        QTRY_COMPARE_WITH_TIMEOUT(bench.area.requests(), settingCommands, 10000);

        GuiTest::key(Qt::Key_F6); // green: start
        QTRY_COMPARE_WITH_TIMEOUT(labelText(running, "label_FlowRate_ElapseTime"),
                                  QStringLiteral("00:00:02"), 10000);
        QCOMPARE(labelText(running, "label_Selected_Channel"), QStringLiteral("1"));
        QCOMPARE(labelText(running, "label_FlowRate_ElapseTime_CountDown"),
                 QStringLiteral("00:00:02"));
        QVERIFY(labelText(running, "label_FlowRateTest_Volume") != QStringLiteral("0.00"));

        QString endWord;
        if (stopByRedKey) {
            GuiTest::key(Qt::Key_F7);
            endWord = QStringLiteral("<font color='red'>Stopped</font>");
        } else {
            endWord = QStringLiteral("<font color='blue'>Completed</font>");
        }
        QTRY_COMPARE_WITH_TIMEOUT(labelText(running, "label_FlowRate_ElapseTime"), endWord,
                                  10000);
        const QStringList whole =
            settingCommands + QStringList{"0 I3", "0 I2", "0 I3", "0 I6"};
        QTRY_COMPARE_WITH_TIMEOUT(bench.area.requests(), whole, 10000);

        GuiTest::key(Qt::Key_F1); // back to the summary
        QCOMPARE(bench.area.current(), static_cast<QWidget *>(summary));
        QTRY_COMPARE_WITH_TIMEOUT(labelText(summary, "label_Channel_1_ElaspeTime"),
                                  QStringLiteral("Ready"), 5000);
        QVERIFY(labelText(summary, "label_Channel_1_Volume").toDouble() > 0.0);
        GuiTest::key(Qt::Key_F1); // and on to the main menu
        QCOMPARE(bench.area.current(), static_cast<QWidget *>(bench.menu));
    }
};

RONDIX_TEST(TestManualFlowRoad)
#include "tst_ManualFlowRoad.moc"
