#include "DevicePath.h"
#include "FlowRateRunningScreen.h"
#include "GuiTest.h"
#include "InfusionPumpPowerBoardManager.h"
#include "ManualSetup.h"
#include "PowerBoardSim.h"
#include "ScreenArea.h"
#include "SummaryManualScreen.h"
#include "TestRegistry.h"

#include <QAbstractSpinBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSettings>
#include <QSpinBox>
#include <QTest>

#include <memory>

namespace {
// Channel 1 set to a four-second flow test, so that a run completes within the test.
QByteArray fourSecondFlowSettings()
{
    return ScreenArea::defaultSettings() + "[channel_0]\nelapse_time=4\nwindow_size=30\n";
}

// The instrument as it stands after start-up: the power board on the line, the
// board manager and the main menu.
struct Bench
{
    explicit Bench(const QByteArray &settings) : area(settings)
    {
        if (!sim.start(area.root().root()))
            return;
        board.reset(new InfusionPumpPowerBoardManager(DevicePath::path("/dev/ttyAPP1"), nullptr));
        area.attachBoard(board.get());
        menu = new SummaryManualScreen(nullptr, nullptr);
    }

    // Commands that reached the controllers, without the once-a-second poll and
    // without retransmissions.
    QList<QPair<int, QByteArray>> commands() const
    {
        QList<QPair<int, QByteArray>> list;
        for (const PowerBoardSim::Command &c : sim.commands())
            if (c.payload != "I4" && !c.repeated)
                list.append({c.channel, c.payload});
        return list;
    }

    ScreenArea area;
    PowerBoardSim sim;
    std::unique_ptr<InfusionPumpPowerBoardManager> board;
    SummaryManualScreen *menu = nullptr;
};

// The text of a screen's label, found by its object name.
QString text(const QWidget *screen, const char *label)
{
    const auto *widget = screen->findChild<QLabel *>(QLatin1String(label));
    return widget ? widget->text() : QStringLiteral("<no label %1>").arg(QLatin1String(label));
}

double value(const QWidget *screen, const char *box)
{
    if (const auto *spin = screen->findChild<QSpinBox *>(QLatin1String(box)))
        return spin->value();
    const auto *spin = screen->findChild<QDoubleSpinBox *>(QLatin1String(box));
    return spin ? spin->value() : -1e9;
}

QPair<int, QByteArray> cmd(int channel, const QByteArray &payload)
{
    return {channel, payload};
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
        Bench bench(fourSecondFlowSettings());
        QVERIFY(bench.menu);
        QVERIFY(bench.area.activate());
        // Start-up stops and primes every channel; wait until the line is quiet.
        QTRY_VERIFY_WITH_TIMEOUT(bench.commands().contains(cmd(3, "I6")), 20000);
        bench.sim.clearCommands();

        // "Perform Test" is the main menu's first row.
        bench.menu->showScreen(true);
        auto *summary = qobject_cast<SummaryManualScreen *>(bench.area.current());
        QVERIFY(summary);
        QTRY_COMPARE_WITH_TIMEOUT(text(summary, "label_Channel_1_ElaspeTime"),
                                  QStringLiteral("Ready"), 5000);
        QCOMPARE(text(summary, "label_Channel_1_TestType"), QStringLiteral("Flow"));
        QCOMPARE(text(summary, "label_Channel_1_Mode"), QStringLiteral("Manual "));

        GuiTest::key(Qt::Key_F4); // MANUAL
        auto *setup = qobject_cast<ManualSetup *>(bench.area.current());
        QVERIFY(setup);
        QCOMPARE(text(setup, "selectedChannel"), QStringLiteral("1"));
        QCOMPARE(value(setup, "spinBoxDurationSecSetting"), 4.0);
        QCOMPARE(value(setup, "spinBoxDurationMinSetting"), 0.0);

        // One detent on the back pressure: from the test type, turn to the next field,
        // select it for editing, turn once, select again.
        GuiTest::turn(1);
        GuiTest::key(Qt::Key_Escape);
        QTest::qWait(300); // a slow turn steps once
        GuiTest::turn(1);
        GuiTest::key(Qt::Key_Escape);
        QCOMPARE(value(setup, "spinBoxBackPressureSetting"), 1.0);

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
        const QList<QPair<int, QByteArray>> settingCommands = {
            cmd(0, QByteArray("IF1\x00", 4)), cmd(0, QByteArray("IF2\x01\x00", 5)),
            cmd(0, QByteArray("IF4\x1e\x00", 5)), cmd(0, QByteArray("IF5\x00", 4))};
        QTRY_COMPARE_WITH_TIMEOUT(bench.commands(), settingCommands, 10000);

        GuiTest::key(Qt::Key_F6); // green: start
        QTRY_COMPARE_WITH_TIMEOUT(text(running, "label_FlowRate_ElapseTime"),
                                  QStringLiteral("00:00:02"), 10000);
        QCOMPARE(text(running, "label_Selected_Channel"), QStringLiteral("1"));
        QCOMPARE(text(running, "label_FlowRate_ElapseTime_CountDown"), QStringLiteral("00:00:02"));
        QVERIFY(text(running, "label_FlowRateTest_Volume") != QStringLiteral("0.00"));

        QString endWord;
        if (stopByRedKey) {
            GuiTest::key(Qt::Key_F7);
            endWord = QStringLiteral("<font color='red'>Stopped</font>");
        } else {
            endWord = QStringLiteral("<font color='blue'>Completed</font>");
        }
        QTRY_COMPARE_WITH_TIMEOUT(text(running, "label_FlowRate_ElapseTime"), endWord, 10000);
        const QList<QPair<int, QByteArray>> whole =
            settingCommands + QList<QPair<int, QByteArray>>{cmd(0, "I3"), cmd(0, "I2"),
                                                            cmd(0, "I3"), cmd(0, "I6")};
        QTRY_COMPARE_WITH_TIMEOUT(bench.commands(), whole, 10000);

        GuiTest::key(Qt::Key_F1); // back to the summary
        QCOMPARE(bench.area.current(), summary);
        QTRY_COMPARE_WITH_TIMEOUT(text(summary, "label_Channel_1_ElaspeTime"),
                                  QStringLiteral("Ready"), 5000);
        QVERIFY(text(summary, "label_Channel_1_Volume").toDouble() > 0.0);
    }
};

RONDIX_TEST(TestManualFlowRoad)
#include "tst_ManualFlowRoad.moc"
