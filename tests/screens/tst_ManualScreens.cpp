#include "FlowRateRunningScreen.h"
#include "GuiTest.h"
#include "ManualBench.h"
#include "ManualSetup.h"
#include "OcclusionManualTest.h"
#include "RotaryEncoderList.h"
#include "SummaryManualScreen.h"
#include "TestData.h"
#include "TestRegistry.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>

namespace {

QStringList flowSetupSentTo(int channel)
{
    const QString c = QString::number(channel);
    return {c + " IF1 00", c + " IF2 00 00", c + " IF4 1e 00", c + " IF5 00"};
}
} // namespace

class TestManualScreens : public QObject
{
    Q_OBJECT
private slots:
    // A running flow test on a channel that is not polled, fed reply by reply.
    void flowRunningScreenShowsTheTest()
    {
        ManualBench bench(ScreenArea::defaultSettings(), {3});
        QVERIFY(bench.area.settle());
        DataManager &data = bench.data();
        data.vSetTestSetting_ElapseTime(3, 100);
        data.vSetTestSetting_WindowSize(3, 5);
        TestSequencePassFailLimits limits;
        limits.limitType = 2; // volume: 10 ml over the 100 s
        limits.flowTarget = 10.0f;
        limits.flowUpperPct = 10;
        limits.flowLowerPct = 10;
        data.setManualPassFailLimits(3, limits);
        data.vSetTestRunningFlag(PicRunningData(3, 1));
        for (unsigned s = 1; s <= 50; ++s)
            data.vStoreTestData(TestData(
                3, ManualBench::testDataReply(0, 3, -5, s, s * 110, 396000 + s, 396000)));

        FlowRateRunningScreen *running = bench.summary->getFlowRateRunningScreen();
        running->vSetChannel(3);
        running->showScreen(true);
        QVERIFY(bench.area.activate());
        GuiTest::turn(1); // emphasise the peak
        running->fetchData();
        QCOMPARE(labelText(running, "label_Selected_Channel"), QStringLiteral("4"));
        QCOMPARE(labelText(running, "label_FlowRate_ElapseTime"), QStringLiteral("00:00:50"));
        QCOMPARE(labelText(running, "label_FlowRate_ElapseTime_CountDown"),
                 QStringLiteral("00:00:50"));
        // 5.5 ml where 5 ml were expected by now: 10 % over, on the bound, green.
        QCOMPARE(labelText(running, "label_FlowRate_Error"),
                 QStringLiteral("<font color='green'>10.0</font>"));
        QCOMPARE(labelText(running, "label_MSG_ERROR"),
                 QStringLiteral("<font color='green'>Volume Err %</font>"));
        QCOMPARE(labelText(running, "label_FlowRateTest_Volume"), QStringLiteral("5.50"));
        QCOMPARE(labelText(running, "label_Mean_FlowRate"), QStringLiteral("396.00"));
        QCOMPARE(labelText(running, "label_InstFlowRate"), QStringLiteral("396.05"));
        QCOMPARE(labelText(running, "label_Pressure"), QStringLiteral("0.00"));
        QCOMPARE(labelText(running, "label_Peak_FlowRate"), QStringLiteral("396.05"));
        // The panel shows this second's peak, not the previous second's "---".
        QCOMPARE(labelText(running, "label_Ephasing_Item_Data"), QStringLiteral("396.05"));
        QCOMPARE(labelText(running, "labe_Ephasing_Item_Name"), QStringLiteral("Peak ml/h:"));

        // A duration shortened below the elapsed time leaves nothing remaining.
        data.vSetTestSetting_ElapseTime(3, 40);
        running->fetchData();
        QCOMPARE(labelText(running, "label_FlowRate_ElapseTime_CountDown"),
                 QStringLiteral("00:00:00"));
        // Stopped with fewer samples than the duration, then with all of them.
        data.vSetTestRunningFlag(PicRunningData(3, 0));
        data.vSetTestSetting_ElapseTime(3, 100);
        running->fetchData();
        QCOMPARE(labelText(running, "label_FlowRate_ElapseTime"),
                 QStringLiteral("<font color='red'>Stopped</font>"));
        data.vSetTestSetting_ElapseTime(3, 50);
        running->fetchData();
        QCOMPARE(labelText(running, "label_FlowRate_ElapseTime"),
                 QStringLiteral("<font color='blue'>Completed</font>"));
        // A test of no duration has run it: the whole 10 ml are expected, as the judge
        // expects them, instead of dividing by the duration.
        data.vSetTestSetting_ElapseTime(3, 0);
        running->fetchData();
        QCOMPARE(labelText(running, "label_FlowRate_Error"),
                 QStringLiteral("<font color='red'>-45.0</font>"));
    }

    // A test that has not measured yet has nothing to be judged on: its value is shown
    // plain (or not at all) until the first sample, then against the limits.
    void nothingJudgedBeforeTheFirstSample_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("valueLabel");
        QTest::addColumn<QString>("nameLabel");
        QTest::addColumn<QString>("readyValue");
        QTest::addColumn<QString>("readyName");
        QTest::addColumn<QString>("measuredValue");
        QTest::newRow("flow error") << 0 << "label_FlowRate_Error"
                                    << "label_MSG_ERROR"
                                    << "---"
                                    << "Avg Flow Err %"
                                    << "<font color='red'>-50.0</font>";
        QTest::newRow("occlusion pressure") << 1 << "label_Pressure"
                                            << "label_MSG_Pressure"
                                            << "0.00"
                                            << "Current mmHg:"
                                            << "<font color='red'>50.00</font>";
    }
    void nothingJudgedBeforeTheFirstSample()
    {
        QFETCH(int, type);
        QFETCH(QString, valueLabel);
        QFETCH(QString, nameLabel);
        QFETCH(QString, readyValue);
        QFETCH(QString, readyName);
        QFETCH(QString, measuredValue);
        ManualBench bench(ScreenArea::defaultSettings(), {3});
        QVERIFY(bench.area.settle());
        DataManager &data = bench.data();
        data.vSetTestSetting_Type(3, quint16(type));
        TestSequencePassFailLimits limits;
        limits.limitType = TestSequencePassFailLimits::AVERAGE_FLOW;
        limits.flowTarget = 100.0f;
        limits.flowUpperPct = 10;
        limits.flowLowerPct = 10;
        limits.upperPressure = 600.0f;
        limits.lowerPressure = 100.0f;
        data.setManualPassFailLimits(3, limits);
        TestScreen *running =
            type == 0 ? static_cast<TestScreen *>(bench.summary->getFlowRateRunningScreen())
                      : bench.summary->getOcclusionRunningScreen();
        running->vSetChannel(3);
        running->showScreen(true);
        QVERIFY(bench.area.activate());
        GuiTest::turn(type == 0 ? 2 : 1); // the value emphasised
        running->fetchData();
        if (qEnvironmentVariableIsSet("RONDIX_PNG_DIR"))
            GuiTest::savePng(running, qEnvironmentVariable("RONDIX_PNG_DIR") +
                                          QStringLiteral("/ready-%1.png").arg(type));
        QCOMPARE(labelText(running, qPrintable(valueLabel)), readyValue);
        QCOMPARE(labelText(running, qPrintable(nameLabel)), readyName);
        QCOMPARE(labelText(running, "label_Ephasing_Item_Data"), readyValue);

        // The first second: 50 mmHg, 50 ml/h.
        data.vSetTestRunningFlag(PicRunningData(3, 1));
        data.vStoreTestData(
            TestData(3, ManualBench::testDataReply(type, 3, 500, 1, 14, 50000, 50000)));
        running->fetchData();
        QCOMPARE(labelText(running, qPrintable(valueLabel)), measuredValue);
        QVERIFY(labelText(running, qPrintable(nameLabel))
                    .startsWith(QLatin1String("<font color='red'>")));
    }

    // A manual test that ends between two refreshes is still shown running: the green
    // key (MANUAL on the summary) does then what it does during the test, and the test is
    // kept until it has been shown ended. The red key is the operator's own end.
    void greenKeyKeepsAnEndNotYetShown_data()
    {
        QTest::addColumn<bool>("onSummary");
        QTest::addColumn<bool>("byRedKey");
        QTest::addColumn<bool>("endShown");
        QTest::addColumn<bool>("keyActs"); // starts a test; on the summary, resets for a set-up
        QTest::newRow("running screen, end not yet shown") << false << false << false << false;
        QTest::newRow("running screen, end shown") << false << false << true << true;
        QTest::newRow("running screen, red key") << false << true << false << true;
        QTest::newRow("summary, end not yet shown") << true << false << false << false;
        QTest::newRow("summary, end shown") << true << false << true << true;
    }
    void greenKeyKeepsAnEndNotYetShown()
    {
        QFETCH(bool, onSummary);
        QFETCH(bool, byRedKey);
        QFETCH(bool, endShown);
        QFETCH(bool, keyActs);
        ManualBench bench;
        QVERIFY(bench.area.settle());
        DataManager &data = bench.data();
        data.vSetTestSetting_ElapseTime(0, 5);
        FlowRateRunningScreen *running = bench.summary->getFlowRateRunningScreen();
        running->vSetChannel(0);
        QWidget *screen = onSummary ? static_cast<QWidget *>(bench.summary) : running;
        if (onSummary)
            bench.summary->showScreen(true);
        else
            running->showScreen(true);
        const auto refresh = [&] {
            if (onSummary)
                bench.summary->fetchData();
            else
                running->updateScreen();
        };
        const auto second = [&](unsigned s) {
            data.vStoreTestData(
                TestData(0, ManualBench::testDataReply(0, 3, 0, s, s * 28, 100000, 100000)));
        };
        // Replies fed in one go: no poll of the simulator's comes between them.
        data.vSetTestRunningFlag(PicRunningData(0, 1));
        for (unsigned s = 1; s <= 4; ++s)
            second(s);
        refresh();
        if (byRedKey)
            QTest::keyClick(running, Qt::Key_F7);
        else
            second(5); // the test's last second ends it
        QVERIFY(!data.vGetTestRunningFlag(0));
        const int measured = data.m_vecRealTimeData[0].size();
        QCOMPARE(measured, byRedKey ? 4 : 5);
        if (endShown)
            refresh();

        QSignalSpy starts(running, &TestScreen::startTest);
        QTest::keyClick(screen, Qt::Key_F6);
        QCOMPARE(data.m_vecRealTimeData[0].size(), keyActs ? 0 : measured);
        if (onSummary) {
            QWidget *expected =
                keyActs ? static_cast<QWidget *>(bench.summary->getFlowRateSetupScreen()) : running;
            QCOMPARE(bench.area.current(), expected);
            return;
        }
        QCOMPARE(starts.size(), keyActs ? 1 : 0);
        if (keyActs)
            return;
        // Shown ended, the test takes the next key.
        refresh();
        QCOMPARE(labelText(running, "label_FlowRate_ElapseTime"),
                 QStringLiteral("<font color='blue'>Completed</font>"));
        QTest::keyClick(running, Qt::Key_F6);
        QCOMPARE(starts.size(), 1);
    }

    void setupConfirmsItsOwnTestType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("typeSent");
        QTest::newRow("flow") << 0 << "0 IF1 00";
        QTest::newRow("occlusion") << 1 << "0 IF1 01";
        QTest::newRow("PCA") << 2 << "0 IF1 02";
    }
    // A set-up stores the test type of its own screen, whatever row its type choice was
    // turned to without a key press that would have opened the other screen.
    void setupConfirmsItsOwnTestType()
    {
        QFETCH(int, type);
        QFETCH(QString, typeSent);
        ManualBench bench(ScreenArea::defaultSettings() +
                          QByteArray("[channel_0]\ntest_type=") + QByteArray::number(type) +
                          "\n");
        QVERIFY(bench.area.settle());
        bench.summary->showScreen(true);
        QVERIFY(bench.area.activate());
        GuiTest::key(Qt::Key_F4); // MANUAL: the set-up of the channel's type
        QWidget *setup = bench.area.current();
        auto *choice = setup->findChild<QComboBox *>("comboBox_TestType");
        QCOMPARE(choice->currentIndex(), type);
        GuiTest::key(Qt::Key_Escape); // edit the type choice
        GuiTest::turn(1);             // to another row
        QVERIFY(choice->currentIndex() != type);
        GuiTest::key(Qt::Key_F4); // confirm
        QVERIFY(bench.area.current() != setup);
        QCOMPARE(int(bench.data().getTestSetting(0).u8TestTypeSetting), type);
        QSettings ini(bench.area.settingsPath(), QSettings::IniFormat);
        QCOMPARE(ini.value("channel_0/test_type").toInt(), type);
        QTRY_COMPARE_WITH_TIMEOUT(bench.area.requests().value(0), typeSent, 10000);
    }

    // Settings that cannot reach the settings file still run the test; the operator is
    // told they will not survive switching off.
    void confirmThatCannotBeSavedTellsTheOperator()
    {
        ManualBench bench;
        QVERIFY(bench.area.settle());
        // The settings file's temporary file cannot be made, so no save can go through.
        QVERIFY(QDir().mkpath(bench.area.root().path("/mnt/data/.kovinta.ini.part")));
        const QByteArray before = bench.area.root().readFile("/mnt/data/kovinta.ini");
        bench.summary->showScreen(true);
        QVERIFY(bench.area.activate());
        GuiTest::key(Qt::Key_F4); // MANUAL: the flow set-up
        QWidget *setup = bench.area.current();
        GuiTest::ModalAnswer answer([](QWidget *box) {
            if (qEnvironmentVariableIsSet("RONDIX_PNG_DIR"))
                GuiTest::savePng(box, qEnvironmentVariable("RONDIX_PNG_DIR") + "/settings-not-saved.png");
            GuiTest::key(Qt::Key_Escape);
        });
        GuiTest::key(Qt::Key_F4); // confirm
        QVERIFY(answer.answered());
        QCOMPARE(answer.dialogText(),
                 QString("Settings could not be saved. They apply until the instrument is switched off."));
        QVERIFY(bench.area.current() != setup);
        QCOMPARE(bench.area.root().readFile("/mnt/data/kovinta.ini"), before);
        QTRY_COMPARE_WITH_TIMEOUT(bench.area.requests().mid(0, 4), flowSetupSentTo(0), 10000);
    }

    // The running screen's Setup key shows a running test's set-up read-only; confirming
    // still sends it again.
    void setupOfARunningTestIsReadOnly()
    {
        ManualBench bench;
        QVERIFY(bench.area.settle());
        bench.data().vSetTestRunningFlag(PicRunningData(0, 1));
        bench.summary->showScreen(true);
        QVERIFY(bench.area.activate());
        GuiTest::key(Qt::Key_F4); // MANUAL on a running channel: its running screen
        QWidget *running = bench.area.current();
        QVERIFY(qobject_cast<FlowRateRunningScreen *>(running));
        GuiTest::key(Qt::Key_F3); // Setup
        auto *setup = qobject_cast<ManualSetup *>(bench.area.current());
        QVERIFY(setup);
        const QList<QWidget *> inputs = setup->findChildren<QWidget *>(
            QRegularExpression("^(comboBox_TestType|spinBox.*|limitTypeComboBox)$"));
        QCOMPARE(inputs.size(), 10);
        for (QWidget *input : inputs)
            QVERIFY2(!input->isEnabled(), qPrintable(input->objectName()));
        QWidget *focus = QApplication::focusWidget();
        GuiTest::turn(1);
        QCOMPARE(QApplication::focusWidget(), focus);
        GuiTest::key(Qt::Key_F4);
        QCOMPARE(bench.area.current(), running);
        QTRY_COMPARE_WITH_TIMEOUT(bench.area.requests(), flowSetupSentTo(0), 10000);
    }

    void channelKey_data()
    {
        QTest::addColumn<QList<int>>("absent");
        QTest::addColumn<int>("runningChannel");
        QTest::addColumn<int>("shownAfter");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("next channel idle: its set-up is sent")
            << QList<int>{2, 3} << 0 << 1 << flowSetupSentTo(1);
        QTest::newRow("next channel running: nothing sent")
            << QList<int>{2, 3} << 1 << 1 << QStringList{};
        QTest::newRow("wraps past absent channels to itself")
            << QList<int>{1, 2, 3} << -1 << 0 << flowSetupSentTo(0);
        QTest::newRow("no usable channel: nothing changes")
            << QList<int>{0, 1, 2, 3} << -1 << 0 << QStringList{};
    }
    void channelKey()
    {
        QFETCH(QList<int>, absent);
        QFETCH(int, runningChannel);
        QFETCH(int, shownAfter);
        QFETCH(QStringList, sent);
        ManualBench bench(ScreenArea::defaultSettings(), absent);
        QVERIFY(bench.area.settle());
        if (runningChannel >= 0)
            bench.data().vSetTestRunningFlag(PicRunningData(runningChannel, 1));
        FlowRateRunningScreen *running = bench.summary->getFlowRateRunningScreen();
        running->vSetChannel(0);
        running->showScreen(true);
        QVERIFY(bench.area.activate());
        GuiTest::key(Qt::Key_F4); // CH
        QCOMPARE(bench.area.current(), static_cast<QWidget *>(running));
        QCOMPARE(int(running->getChannelId()), shownAfter);
        QCOMPARE(bench.summary->channelList()->currentRow(), shownAfter);
        QTest::qWait(1500);
        QCOMPARE(bench.area.requests(), sent);
        // The keys reach the screen now on display.
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(running));
    }

    void summaryRows()
    {
        ManualBench bench(ScreenArea::defaultSettings(), {3});
        QVERIFY(bench.area.settle());
        bench.summary->showScreen(true);
        QVERIFY(bench.area.activate());
        SummaryManualScreen *summary = bench.summary;
        QTRY_COMPARE_WITH_TIMEOUT(labelText(summary, "label_Channel_4_TestType"),
                                  QStringLiteral("N/A"), 5000);
        for (const char *name : {"label_Channel_4_Volume", "label_Channel_4_Pressure",
                                 "label_Channel_4_FlowRate", "label_Channel_4_ElaspeTime"})
            QCOMPARE(labelText(summary, name), QStringLiteral("---"));
        QCOMPARE(labelText(summary, "label_Channel_4_Mode"), QString());
        QCOMPARE(labelText(summary, "label_Channel_1_TestType"), QStringLiteral("Flow"));
        QCOMPARE(labelText(summary, "label_Channel_1_Volume"), QStringLiteral("0.000"));
        QCOMPARE(labelText(summary, "label_Channel_1_Pressure"), QStringLiteral("0.00"));
        QCOMPARE(labelText(summary, "label_Channel_1_ElaspeTime"), QStringLiteral("Ready"));
        QCOMPARE(labelText(summary, "label_Channel_1_Mode"), QStringLiteral("Manual "));

        // SAVE with nothing measured explains itself.
        GuiTest::ModalAnswer answer(QList<int>{Qt::Key_Escape});
        GuiTest::key(Qt::Key_F2);
        QTRY_VERIFY(answer.answered());
        QVERIFY(answer.dialogText().contains("No Valid Data to Save or test in progress"));
        QCOMPARE(bench.area.current(), static_cast<QWidget *>(summary));

        // The red key stops and primes the selected channel, running or not.
        GuiTest::turn(1);
        QCOMPARE(summary->getCurrentChannelId(), static_cast<unsigned short>(1));
        GuiTest::key(Qt::Key_F7);
        QTRY_COMPARE_WITH_TIMEOUT(bench.area.requests(), (QStringList{"1 I3", "1 I6"}), 10000);

        // Controllers that fall silent lose communication; row 1 keeps its type.
        // (A silent channel delays the polls of the channels after it, so channel 3 goes
        // silent first.)
        bench.sim().setSilent(2, true);
        QTRY_COMPARE_WITH_TIMEOUT(labelText(summary, "label_Channel_3_ElaspeTime"),
                                  QStringLiteral("ER1"), 30000);
        bench.sim().setSilent(0, true);
        QTRY_COMPARE_WITH_TIMEOUT(labelText(summary, "label_Channel_1_ElaspeTime"),
                                  QStringLiteral("ER1"), 30000);
        QCOMPARE(labelText(summary, "label_Channel_3_TestType"), QStringLiteral("?"));
        QCOMPARE(labelText(summary, "label_Channel_1_TestType"), QStringLiteral("Flow"));
        QCOMPARE(labelText(summary, "label_Channel_3_Volume"), QStringLiteral("?"));
        QCOMPARE(labelText(summary, "label_Channel_3_Mode"), QString());
    }

    // The largest volume and flow a controller can report do not fit their columns:
    // they show shortened, never cut to another number.
    void summaryNumbersFitTheirColumns()
    {
        ManualBench bench;
        QVERIFY(bench.area.settle());
        bench.summary->showScreen(true);
        QVERIFY(bench.area.activate());
        bench.data().vSetTestRunningFlag(PicRunningData(0, 1));
        bench.data().vStoreTestData(TestData(0, ManualBench::testDataReply(0, 3, 0, 1, 4294967295u, 0, 4294967295u)));
        bench.data().vSetTestRunningFlag(PicRunningData(0, 0));
        for (const char *name : {"label_Channel_1_Volume", "label_Channel_1_FlowRate"}) {
            auto *label = bench.summary->findChild<QLabel *>(QLatin1String(name));
            QTRY_VERIFY_WITH_TIMEOUT(!label->text().startsWith(QLatin1String("0.")), 3000);
            const QFontMetrics metrics(label->font());
            QVERIFY(metrics.horizontalAdvance(QStringLiteral("4294967.295")) > label->contentsRect().width());
            QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->contentsRect().width(),
                     qPrintable(label->text()));
            bool number = false;
            const double shown = label->text().toDouble(&number);
            QVERIFY2(number && qAbs(shown - 4294967.295) < 0.005 * 4294967.295, qPrintable(label->text()));
        }
    }

    // The emphasis panel's large type shrinks until the whole value fits, words and
    // numbers alike, and grows back for a short one.
    void emphasisPanelShowsTheWholeValue()
    {
        ManualBench bench(ScreenArea::defaultSettings() + "[channel_0]\ntest_type=1\ninfusion_pump_type=1\n");
        QVERIFY(bench.area.settle());
        OcclusionManualTest *running = bench.summary->getOcclusionRunningScreen();
        running->vSetChannel(0);
        running->showScreen(true);
        QVERIFY(bench.area.activate());
        auto *panel = running->findChild<QLabel *>(QStringLiteral("label_Ephasing_Item_Data"));
        const auto fits = [panel] {
            return QFontMetrics(panel->font()).horizontalAdvance(panel->text()) <= panel->contentsRect().width();
        };
        QTRY_COMPARE_WITH_TIMEOUT(panel->text(), QStringLiteral("Auto reverse"), 3000);
        QVERIFY(fits());
        QVERIFY(panel->font().pointSize() < TestScreen::emphasisPointSize);
        GuiTest::turn(1); // the current pressure, a short number
        QVERIFY(fits());
        QCOMPARE(panel->font().pointSize(), TestScreen::emphasisPointSize);
    }
};

RONDIX_TEST(TestManualScreens)
#include "tst_ManualScreens.moc"
