#include "AutoRunBench.h"
#include "RotaryEncoderMessageBox.h"
#include "TestRegistry.h"
#include "TestResultElementUserTest.h"
#include "TestSequenceElementFlowTest.h"
#include "TestSequenceElementUserTest.h"

#include <QPlainTextEdit>

#include <memory>

namespace {
// Channel c runs three flow steps of 10(c+1), 10(c+1)+1 and 10(c+1)+2 seconds, so the
// duration loaded on a channel tells which of its steps is set up. Targets of 0 pass.
int stepDuration(int channel, int step)
{
    return 10 * (channel + 1) + step;
}

// How far the channels are brought before the act of a row.
enum From { COMPLETED, ASSET_ENTRY, SETUP, RUNNING, SAVING, STOPPED, FAILED };
// What then happens on every channel before one tick.
enum Act { TICK, STOP_KEY, PASS, PASS_PAST_DURATION, FAIL, CHOOSE };

int loadedStep(Bench &b, int c)
{
    return b.data().getTestSetting(c).u32ElapseTimeSetting - stepDuration(c, 0);
}

// The current step's history filled to its duration (and beyond) with a verdict set
// through the step's own limits: a flow target of 0 passes, 100 ml/h average fails
// against the channel's zero reading.
void complete(Bench &b, int c, bool pass, int extra = 0)
{
    TestSequenceElement *step = sequences()->getTestElementPtr(loadedStep(b, c), c);
    step->limits.limitType = TestSequencePassFailLimits::AVERAGE_FLOW;
    step->limits.flowTarget = pass ? 0.0f : 100.0f;
    b.data().m_vecRealTimeData[c].resize(b.data().getTestSetting(c).u32ElapseTimeSetting + extra);
}

void bringAll(Bench &b, From from, int step)
{
    auto passAll = [&b]() {
        for (int c = 0; c < 4; ++c)
            complete(b, c, true);
        b.tick();
    };
    if (from == ASSET_ENTRY) {
        for (unsigned short c = 0; c < 4; ++c)
            b.board->setChannelAutoState(c, Board::AUTO_ASSET_ENTRY);
        return;
    }
    for (unsigned short c = 0; c < 4; ++c)
        b.confirmAsset(c, QStringLiteral("seq%1").arg(c + 1));
    const int runningAt = from == SETUP ? step - 1 : from == RUNNING || from == STOPPED ? step : 2;
    for (int i = 0; i < runningAt; ++i) {
        passAll(); // to set-up
        b.tick();  // the next step loaded
    }
    switch (from) {
    case SETUP:
    case SAVING:
        passAll();
        break;
    case COMPLETED:
        passAll();
        b.tick();
        break;
    case STOPPED:
        for (int c = 0; c < 4; ++c)
            b.data().m_u8StopKeyPressed[c] = 1;
        b.tick();
        break;
    case FAILED:
        // A file where the results folder should be: nothing can be saved.
        QVERIFY(b.area.root().writeFile("/mnt/data/testResults", "a file in the folder's place"));
        passAll();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("was not saved"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("was not saved"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("was not saved"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("was not saved"));
        b.tick();
        break;
    default:
        break;
    }
}
} // namespace

class TestAutoSequenceEngine : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_bench.reset(new Bench);
        QVERIFY(m_bench->board);
        QVERIFY(m_bench->area.settle());
        m_bench->holdTicks();
        for (int c = 0; c < 4; ++c) {
            QVERIFY(storeSequence(QStringLiteral("seq%1").arg(c + 1), {1, 1, 1},
                                  [c](int i, TestSequenceElement *e) {
                                      auto *flow = static_cast<TestSequenceElementFlowTest *>(e);
                                      flow->setting.u32ElapseTimeSetting = stepDuration(c, i);
                                      flow->limits.flowTarget = 0.0f;
                                  }));
        }
    }

    void init()
    {
        Bench &b = *m_bench;
        QFile::remove(TestResultManager::directory()); // left by a failed save
        QVERIFY(QDir(TestResultManager::directory()).removeRecursively());
        for (unsigned short c = 0; c < 4; ++c) {
            b.board->setChannelAutoState(c, Board::AUTO_COMPLETED);
            b.board->setChannelIsAutoMode(c, false);
            results()->deleteAllTestResults(c);
            b.data().resetTestData(c);
        }
        if (auto *box = b.summary->findChild<RotaryEncoderMessageBox *>())
            delete box;
        b.summary->showScreen(true);
    }

    void cleanupTestCase() { m_bench.reset(); }

    // One act on all four channels at once, from each state and with each choice: the
    // state it leads to, the results then held, and after one more tick the state, the
    // step loaded and whether the asset record was saved.
    void transitions_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("act");
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("held");
        QTest::addColumn<int>("nextState");
        QTest::addColumn<int>("nextStep");
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<bool>("saved");

        QTest::newRow("0 completed: auto mode ends") << int(COMPLETED) << 0 << int(TICK) << 0 << 0 << 3 << 0 << -1 << false << true;
        QTest::newRow("1 asset entry: waits") << int(ASSET_ENTRY) << 0 << int(TICK) << 0 << 1 << 0 << 1 << -1 << false << false;
        QTest::newRow("2 set-up: loads the step") << int(SETUP) << 1 << int(TICK) << 0 << 3 << 1 << 3 << 1 << true << false;
        QTest::newRow("3 not complete: waits") << int(RUNNING) << 0 << int(TICK) << 0 << 3 << 0 << 3 << 0 << true << false;
        QTest::newRow("3 red key: stopped") << int(RUNNING) << 1 << int(STOP_KEY) << 0 << 5 << 1 << 5 << 1 << true << false;
        QTest::newRow("3 pass: next step") << int(RUNNING) << 0 << int(PASS) << 0 << 2 << 1 << 3 << 1 << true << false;
        QTest::newRow("3 past the duration: completes") << int(RUNNING) << 0 << int(PASS_PAST_DURATION) << 0 << 2 << 1 << 3 << 1 << true << false;
        QTest::newRow("3 pass on the last: saving") << int(RUNNING) << 2 << int(PASS) << 0 << 4 << 3 << 0 << 2 << true << true;
        QTest::newRow("3 fail: stopped, not stored") << int(RUNNING) << 1 << int(FAIL) << 0 << 5 << 1 << 5 << 1 << true << false;
        QTest::newRow("4 saving: saved") << int(SAVING) << 2 << int(TICK) << 0 << 0 << 3 << 0 << 2 << false << true;
        QTest::newRow("5 no choice: waits") << int(STOPPED) << 1 << int(TICK) << 0 << 5 << 1 << 5 << 1 << true << false;
        QTest::newRow("5 Restart Test") << int(STOPPED) << 1 << int(CHOOSE) << 0 << 2 << 1 << 3 << 1 << true << false;
        QTest::newRow("5 Restart Protocol, every row") << int(STOPPED) << 1 << int(CHOOSE) << 1 << 2 << 0 << 3 << 0 << true << false;
        QTest::newRow("5 Next Test") << int(STOPPED) << 1 << int(CHOOSE) << 2 << 2 << 1 << 3 << 2 << true << false;
        QTest::newRow("5 Next Test on the last") << int(STOPPED) << 2 << int(CHOOSE) << 2 << 4 << 2 << 0 << 2 << true << true;
        QTest::newRow("5 End Protocol") << int(STOPPED) << 1 << int(CHOOSE) << 3 << 4 << 2 << 0 << 1 << true << true;
        QTest::newRow("5 Abort Protocol") << int(STOPPED) << 1 << int(CHOOSE) << 4 << 0 << 0 << 0 << 1 << false << false;
        QTest::newRow("6 failed save: waits") << int(FAILED) << 2 << int(TICK) << 0 << 6 << 3 << 6 << 2 << true << false;
    }
    void transitions()
    {
        QFETCH(int, from);
        QFETCH(int, step);
        QFETCH(int, act);
        QFETCH(int, choice);
        QFETCH(int, state);
        QFETCH(int, held);
        QFETCH(int, nextState);
        QFETCH(int, nextStep);
        QFETCH(bool, automatic);
        QFETCH(bool, saved);
        Bench &b = *m_bench;
        bringAll(b, From(from), step);
        if (QTest::currentTestFailed())
            return;

        for (unsigned short c = 0; c < 4; ++c) {
            switch (act) {
            case STOP_KEY:
                b.data().m_u8StopKeyPressed[c] = 1;
                break;
            case PASS:
            case FAIL:
            case PASS_PAST_DURATION:
                complete(b, c, act != FAIL, act == PASS_PAST_DURATION ? 2 : 0);
                break;
            case CHOOSE:
                b.menu()->vSetChannel(c);
                b.menu()->showScreen(true);
                b.choose(choice);
                QCOMPARE(b.area.current(), b.summary);
                break;
            default:
                break;
            }
        }
        b.tick();
        for (int c = 0; c < 4; ++c) {
            QCOMPARE(int(b.board->getChannelAutoState(c)), state);
            QCOMPARE(results()->getCurrentTestResultSize(c), held);
            QCOMPARE(int(b.data().m_u8StopKeyPressed[c]), 0);
        }
        b.tick();
        for (int c = 0; c < 4; ++c) {
            QCOMPARE(int(b.board->getChannelAutoState(c)), nextState);
            if (nextStep >= 0)
                QCOMPARE(loadedStep(b, c), nextStep);
            QCOMPARE(b.board->getChannelIsAutoMode(c), automatic);
            QCOMPARE(savedFiles(c), saved ? 1 : 0);
        }
        if (act == CHOOSE && choice == AbortFailMenu::END_PROTOCOL) {
            for (unsigned short c = 0; c < 4; ++c) {
                QCOMPARE(results()->getCurrentAssetStatus(c), TEST_FAIL);
                const TestResultElement *last = results()->getTestResultPtr(1, c);
                QCOMPARE(last->status, TEST_FAIL);
                QCOMPARE(last->channelId, (unsigned short)(c + 1));
            }
        }
        if (state == 6) {
            QVERIFY(b.summary->findChild<RotaryEncoderMessageBox *>());
            QCOMPARE(b.row(3, "ElaspeTime"), QStringLiteral("<font color='red'>Failed</font>"));
        }
    }

    // Every row shows the same word for a state, row 1's words included.
    void statusWords_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("word");
        QTest::newRow("0") << 0 << "<font color='green'>Completed</font>";
        QTest::newRow("1") << 1 << "<font color='orange'>Asset</font>";
        QTest::newRow("2") << 2 << "<font color='orange'>Setup</font>";
        QTest::newRow("3") << 3 << "<font color='orange'>Paused</font>";
        QTest::newRow("4") << 4 << "<font color='green'>Saving</font>";
        QTest::newRow("5") << 5 << "<font color='red'>Stopped</font>";
        QTest::newRow("6") << 6 << "<font color='red'>Failed</font>";
        QTest::newRow("other") << 7 << "";
    }
    void statusWords()
    {
        QFETCH(int, state);
        QFETCH(QString, word);
        Bench &b = *m_bench;
        for (unsigned short c = 0; c < 4; ++c) {
            b.board->setChannelIsAutoMode(c, true);
            b.board->setChannelAutoState(c, Board::AutoState(state));
        }
        b.tick();
        for (int c = 0; c < 4; ++c) {
            QCOMPARE(b.row(c, "ElaspeTime"), word);
            QCOMPARE(b.row(c, "Mode"), QStringLiteral("Auto: "));
        }
    }

    // AUTO on an idle channel opens the asset screen at asset entry; its back key
    // leaves the channel idle again.
    void autoOnIdleChannelOpensTheAssetScreen()
    {
        Bench &b = *m_bench;
        b.pressAuto(2);
        AutoModeAssetDetails *asset = b.summary->getAutoModeAssetDetailsScreen();
        QCOMPARE(b.area.current(), static_cast<QWidget *>(asset));
        QCOMPARE(int(b.board->getChannelAutoState(2)), 1);
        asset->backButtonClicked(true);
        QCOMPARE(b.area.current(), b.summary);
        QCOMPARE(int(b.board->getChannelAutoState(2)), 0);
        QVERIFY(!b.board->getChannelIsAutoMode(2));
    }

    // The soft keys follow the selected channel when another channel's run starts and
    // ends; MANUAL is disabled only while the selected channel runs a sequence.
    void softKeysFollowTheSelectedChannel()
    {
        Bench &b = *m_bench;
        auto *manual = b.summary->findChild<QPushButton *>(QStringLiteral("pushButtonSetting"));
        b.summary->channelList()->setCurrentRow(0);
        b.confirmAsset(2, "seq3");
        QVERIFY(manual->isEnabled());
        b.summary->channelList()->setCurrentRow(2);
        QVERIFY(!manual->isEnabled());
        b.summary->channelList()->setCurrentRow(0);
        b.data().m_u8StopKeyPressed[2] = 1;
        b.tick();
        b.menu()->vSetChannel(2);
        b.menu()->showScreen(true);
        b.choose(AbortFailMenu::ABORT_PROTOCOL);
        b.tick();
        b.tick(); // auto mode ends
        QVERIFY(!b.board->getChannelIsAutoMode(2));
        QVERIFY(manual->isEnabled());
    }

    // Channels 2 and 4 stopped; the menu opened for channel 2 by AUTO; a tick then
    // looks at both channels' choices. The operator's choice still acts on channel 2.
    void menuChoiceStaysWithItsChannel()
    {
        Bench &b = *m_bench;
        for (unsigned short c : {1, 3})
            b.confirmAsset(c, QStringLiteral("seq%1").arg(c + 1));
        for (unsigned short c : {1, 3})
            b.data().m_u8StopKeyPressed[c] = 1;
        b.tick();
        QCOMPARE(int(b.board->getChannelAutoState(1)), 5);
        QCOMPARE(int(b.board->getChannelAutoState(3)), 5);

        b.summary->showScreen(true);
        b.pressAuto(1);
        QCOMPARE(b.area.current(), static_cast<QWidget *>(b.menu()));
        b.tick(); // the menu stays open over the tick
        b.choose(AbortFailMenu::ABORT_PROTOCOL);
        QCOMPARE(b.area.current(), b.summary);
        b.tick();
        QCOMPARE(int(b.board->getChannelAutoState(1)), 0);
        QCOMPARE(int(b.board->getChannelAutoState(3)), 5);
        b.menu()->vSetChannel(3);
        QCOMPARE(b.menu()->getOption(), int(AbortFailMenu::NO_OPTION));

        b.pressAuto(3);
        b.tick();
        b.choose(AbortFailMenu::NEXT_TEST);
        b.tick();
        QCOMPARE(int(b.board->getChannelAutoState(3)), 2);
        QCOMPARE(int(b.board->getChannelAutoState(1)), 0);
    }

    // Two channels wait on user steps: each keeps its own question, answer and value,
    // and the engine never moves the prompt away from the channel it shows.
    void userStepsKeptPerChannel()
    {
        Bench &b = *m_bench;
        const auto user = [](const char *text, const char *units) {
            return [text, units](int, TestSequenceElement *e) {
                auto *u = static_cast<TestSequenceElementUserTest *>(e);
                u->testText = text;
                u->units = units;
            };
        };
        QVERIFY(storeSequence("latch", {0}, user("Door latch", "N")));
        QVERIFY(storeSequence("alarm", {0}, user("Alarm audible", "")));
        QVERIFY(storeSequence("flow then user", {1, 0}, [](int i, TestSequenceElement *e) {
            if (i == 0)
                static_cast<TestSequenceElementFlowTest *>(e)->limits.flowTarget = 0.0f;
            else
                static_cast<TestSequenceElementUserTest *>(e)->testText = "Label legible";
        }));
        b.confirmAsset(1, "flow then user");
        b.confirmAsset(2, "alarm");
        b.confirmAsset(0, "latch"); // the first step's prompt is shown for channel 1
        QCOMPARE(b.area.current(), static_cast<QWidget *>(b.prompt()));
        QCOMPARE(b.prompt()->getChannelId(), (unsigned short)0);

        // Channel 2's flow step passes; its user step is loaded while the prompt shows
        // channel 1.
        b.data().m_vecRealTimeData[1].resize(b.data().getTestSetting(1).u32ElapseTimeSetting);
        b.tick();
        b.tick();
        QCOMPARE(int(b.board->getChannelAutoState(1)), 3);
        QCOMPARE(b.prompt()->getChannelId(), (unsigned short)0);
        const auto shown = [&b]() {
            return b.prompt()->findChild<QLabel *>("label_Channel")->text() + QLatin1Char(' ')
                + b.prompt()->findChild<QPlainTextEdit *>("testNameTextEdit")->toPlainText();
        };
        QCOMPARE(shown(), QStringLiteral("1 Door latch"));
        b.answerPrompt(TEST_PASS, 12.5);

        // AUTO on the other two channels shows each its own question.
        b.pressAuto(1);
        QCOMPARE(shown(), QStringLiteral("2 Label legible"));
        b.pressAuto(2);
        QCOMPARE(shown(), QStringLiteral("3 Alarm audible"));
        b.answerPrompt(TEST_FAIL, 99.0);
        b.prompt()->vSetChannel(0);
        b.tick();
        QCOMPARE(b.prompt()->getChannelId(), (unsigned short)0);
        QCOMPARE(int(b.board->getChannelAutoState(0)), 4);
        QCOMPARE(int(b.board->getChannelAutoState(1)), 3); // not answered yet
        QCOMPARE(int(b.board->getChannelAutoState(2)), 5);
        QCOMPARE(results()->getCurrentTestResultSize(0), 1);
        const auto *answer = dynamic_cast<TestResultElementUserTest *>(results()->getTestResultPtr(0, 0));
        QVERIFY(answer);
        QCOMPARE(answer->testName, QStringLiteral("Door latch"));
        QCOMPARE(answer->testUnits, QStringLiteral("N"));
        QCOMPARE(answer->result, 12.5f);
        QCOMPARE(answer->status, TEST_PASS);
        QCOMPARE(answer->channelId, (unsigned short)1);
        QCOMPARE(results()->getCurrentTestResultSize(2), 0);
    }

    // A save that fails is shown as failed with a message, never as completed; the
    // results are kept and AUTO saves them once the save can succeed.
    void failedSaveReportedAndRetried()
    {
        Bench &b = *m_bench;
        b.confirmAsset(2, "seq3");
        QVERIFY(b.area.root().writeFile("/mnt/data/testResults", "a file in the folder's place"));
        for (int i = 0; i < 3; ++i) {
            complete(b, 2, true);
            b.tick();
            if (i < 2)
                b.tick();
        }
        QCOMPARE(int(b.board->getChannelAutoState(2)), 4);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("channel 3 was not saved"));
        b.tick();
        QCOMPARE(int(b.board->getChannelAutoState(2)), 6);
        auto *box = b.summary->findChild<RotaryEncoderMessageBox *>();
        QVERIFY(box);
        QVERIFY(box->isVisible());
        QVERIFY(box->text().contains("channel 3"));
        b.tick();
        b.tick();
        QCOMPARE(b.row(2, "ElaspeTime"), QStringLiteral("<font color='red'>Failed</font>"));
        QCOMPARE(results()->getCurrentTestResultSize(2), 3);
        box->close();

        QVERIFY(QFile::remove(TestResultManager::directory()));
        b.pressAuto(2);
        QCOMPARE(int(b.board->getChannelAutoState(2)), 4);
        b.tick();
        QCOMPARE(int(b.board->getChannelAutoState(2)), 0);
        QCOMPARE(savedFiles(2), 1);
    }

    // A sequence without the step the run stands at, and steps of an unknown type, end
    // the run or store nothing, with a diagnostic; never a crash.
    void missingAndUnknownSteps()
    {
        Bench &b = *m_bench;
        QVERIFY(sequences()->createNewTestSequence("empty"));
        QVERIFY(storeSequence("one step", {1}, [](int, TestSequenceElement *) {}));

        // An empty sequence: the run ends at once.
        QVERIFY(sequences()->openTestSequence("empty", 0));
        b.board->setChannelAutoState(0, Board::AUTO_ASSET_ENTRY);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("startAutoSequence.*no step 0 .*channel 1"));
        emit b.summary->getAutoModeAssetDetailsScreen()->assetConfirmed(0);
        QCOMPARE(int(b.board->getChannelAutoState(0)), 0);
        b.tick();
        QVERIFY(!b.board->getChannelIsAutoMode(0));

        // The channel's sequence loses the step about to be set up.
        b.confirmAsset(1, "seq2");
        complete(b, 1, true);
        b.tick();
        QCOMPARE(int(b.board->getChannelAutoState(1)), 2);
        QVERIFY(sequences()->openTestSequence("one_step", 1));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("setUpCurrentElement.*no step 1 .*channel 2"));
        b.tick();
        QCOMPARE(int(b.board->getChannelAutoState(1)), 0);

        // A step of an unknown type at set-up.
        b.confirmAsset(2, "seq3");
        complete(b, 2, true);
        b.tick();
        sequences()->getTestElementPtr(1, 2)->id = 7;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("startTest.*unknown id"));
        b.tick();
        QCOMPARE(int(b.board->getChannelAutoState(2)), 0);

        // End Protocol on a step of an unknown type stores nothing for it.
        b.confirmAsset(3, "seq4");
        complete(b, 3, true);
        b.tick();
        b.tick();
        b.data().m_u8StopKeyPressed[3] = 1;
        b.tick();
        QCOMPARE(int(b.board->getChannelAutoState(3)), 5);
        sequences()->getTestElementPtr(1, 3)->id = 7;
        b.menu()->vSetChannel(3);
        b.menu()->showScreen(true);
        b.choose(AbortFailMenu::END_PROTOCOL);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("createCurrentTestResult.*:: unknown asset type"));
        b.tick();
        QCOMPARE(int(b.board->getChannelAutoState(3)), 4);
        QCOMPARE(results()->getCurrentTestResultSize(3), 1);
        QVERIFY(!results()->getCurrentTestResult(3));
        QCOMPARE(results()->getCurrentAssetStatus(3), TEST_FAIL);
    }

private:
    std::unique_ptr<Bench> m_bench;
};

RONDIX_TEST(TestAutoSequenceEngine)
#include "tst_AutoSequenceEngine.moc"
