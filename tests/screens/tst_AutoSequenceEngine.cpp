#include "AutoRunBench.h"
#include "FlowRateRunningScreen.h"
#include "ManualBench.h"
#include "OcclusionManualTest.h"
#include "PCAManual_Setup.h"
#include "PowerBoardSim.h"
#include "RotaryEncoderMessageBox.h"
#include "TestData.h"
#include "TestRegistry.h"
#include "TestResultElementFlowTest.h"
#include "TestResultElementUserTest.h"
#include "TestSequenceElementFlowTest.h"
#include "TestSequenceElementPCATest.h"
#include "TestSequenceElementUserTest.h"

#include <QPlainTextEdit>
#include <QSignalSpy>

#include <memory>

// A failed comparison of states shows their numbers.
static char *toString(Board::AutoState state)
{
    return QTest::toString(int(state));
}

namespace {
// Channel c runs three flow steps of 10(c+1), 10(c+1)+1 and 10(c+1)+2 seconds, so the
// duration loaded on a channel tells which of its steps is set up. Targets of 0 pass.
int stepDuration(int channel, int step)
{
    return 10 * (channel + 1) + step;
}

// What happens on every channel before one tick.
enum Act { TICK, STOP_KEY, STOPPED_PART_WAY, PASS, PASS_PAST_DURATION, FAIL, CHOOSE };

// What a row of the transition table starts from: the state the four channels are brought to,
// at which step, and what is then done on each.
struct Given
{
    Board::AutoState from;
    int step;
    Act act;
    AbortFailMenu::Option choice = AbortFailMenu::NO_OPTION; // the menu's row, for CHOOSE
};

// What the channels show after the act's tick: their state and the results held.
struct AfterAct
{
    Board::AutoState state;
    int held;
};

// And after one tick more: the state, the step loaded (-1: not looked at), whether the
// channel still runs automatically and whether its asset record was saved.
struct AfterNextTick
{
    Board::AutoState state;
    int step;
    bool automatic;
    bool saved;
};

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

void bringAll(Bench &b, Board::AutoState from, int step)
{
    auto passAll = [&b]() {
        for (int c = 0; c < 4; ++c)
            complete(b, c, true);
        b.tick();
    };
    if (from == Board::AUTO_ASSET_ENTRY) {
        for (unsigned short c = 0; c < 4; ++c)
            b.board->setChannelAutoState(c, Board::AUTO_ASSET_ENTRY);
        return;
    }
    for (unsigned short c = 0; c < 4; ++c)
        b.confirmAsset(c, QStringLiteral("seq%1").arg(c + 1));
    int runningAt = 2;
    if (from == Board::AUTO_SETUP_NEXT_TEST)
        runningAt = step - 1;
    else if (from == Board::AUTO_TEST_RUNNING || from == Board::AUTO_STOPPED)
        runningAt = step;
    for (int i = 0; i < runningAt; ++i) {
        passAll(); // to set-up
        b.tick();  // the next step loaded
    }
    switch (from) {
    case Board::AUTO_SETUP_NEXT_TEST:
    case Board::AUTO_SAVING:
        passAll();
        break;
    case Board::AUTO_COMPLETED:
        passAll();
        b.tick();
        break;
    case Board::AUTO_STOPPED:
        for (int c = 0; c < 4; ++c)
            b.data().m_u8StopKeyPressed[c] = 1;
        b.tick();
        break;
    case Board::AUTO_FAILED:
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

Q_DECLARE_METATYPE(Given)
Q_DECLARE_METATYPE(AfterAct)
Q_DECLARE_METATYPE(AfterNextTick)
Q_DECLARE_METATYPE(Board::AutoState)

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
            if (b.data().vGetTestRunningFlag(c))
                b.board->vSetStopRsq(c); // a test a failed row left on the controller
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
        QTest::addColumn<Given>("given");
        QTest::addColumn<AfterAct>("afterAct");
        QTest::addColumn<AfterNextTick>("afterNextTick");
        using M = AbortFailMenu;

        QTest::newRow("completed: auto mode ends")
            << Given{Board::AUTO_COMPLETED, 0, TICK} << AfterAct{Board::AUTO_COMPLETED, 3}
            << AfterNextTick{Board::AUTO_COMPLETED, -1, false, true};
        QTest::newRow("asset entry: waits")
            << Given{Board::AUTO_ASSET_ENTRY, 0, TICK} << AfterAct{Board::AUTO_ASSET_ENTRY, 0}
            << AfterNextTick{Board::AUTO_ASSET_ENTRY, -1, false, false};
        QTest::newRow("set-up: loads the step")
            << Given{Board::AUTO_SETUP_NEXT_TEST, 1, TICK} << AfterAct{Board::AUTO_TEST_RUNNING, 1}
            << AfterNextTick{Board::AUTO_TEST_RUNNING, 1, true, false};
        QTest::newRow("running, not complete: waits")
            << Given{Board::AUTO_TEST_RUNNING, 0, TICK} << AfterAct{Board::AUTO_TEST_RUNNING, 0}
            << AfterNextTick{Board::AUTO_TEST_RUNNING, 0, true, false};
        QTest::newRow("running, red key: stopped")
            << Given{Board::AUTO_TEST_RUNNING, 1, STOP_KEY} << AfterAct{Board::AUTO_STOPPED, 1}
            << AfterNextTick{Board::AUTO_STOPPED, 1, true, false};
        QTest::newRow("running, stopped part-way: stopped")
            << Given{Board::AUTO_TEST_RUNNING, 1, STOPPED_PART_WAY}
            << AfterAct{Board::AUTO_STOPPED, 1}
            << AfterNextTick{Board::AUTO_STOPPED, 1, true, false};
        QTest::newRow("running, pass: next step")
            << Given{Board::AUTO_TEST_RUNNING, 0, PASS} << AfterAct{Board::AUTO_SETUP_NEXT_TEST, 1}
            << AfterNextTick{Board::AUTO_TEST_RUNNING, 1, true, false};
        QTest::newRow("running, past the duration: completes")
            << Given{Board::AUTO_TEST_RUNNING, 0, PASS_PAST_DURATION}
            << AfterAct{Board::AUTO_SETUP_NEXT_TEST, 1}
            << AfterNextTick{Board::AUTO_TEST_RUNNING, 1, true, false};
        QTest::newRow("running, pass on the last: saving")
            << Given{Board::AUTO_TEST_RUNNING, 2, PASS} << AfterAct{Board::AUTO_SAVING, 3}
            << AfterNextTick{Board::AUTO_COMPLETED, 2, true, true};
        QTest::newRow("running, fail: stopped, not stored")
            << Given{Board::AUTO_TEST_RUNNING, 1, FAIL} << AfterAct{Board::AUTO_STOPPED, 1}
            << AfterNextTick{Board::AUTO_STOPPED, 1, true, false};
        QTest::newRow("saving: saved")
            << Given{Board::AUTO_SAVING, 2, TICK} << AfterAct{Board::AUTO_COMPLETED, 3}
            << AfterNextTick{Board::AUTO_COMPLETED, -1, false, true};
        QTest::newRow("stopped, no choice: waits")
            << Given{Board::AUTO_STOPPED, 1, TICK} << AfterAct{Board::AUTO_STOPPED, 1}
            << AfterNextTick{Board::AUTO_STOPPED, 1, true, false};
        QTest::newRow("stopped, Restart Test")
            << Given{Board::AUTO_STOPPED, 1, CHOOSE, M::RESTART_TEST}
            << AfterAct{Board::AUTO_SETUP_NEXT_TEST, 1}
            << AfterNextTick{Board::AUTO_TEST_RUNNING, 1, true, false};
        QTest::newRow("stopped, Restart Protocol, every row")
            << Given{Board::AUTO_STOPPED, 1, CHOOSE, M::RESTART_PROTOCOL}
            << AfterAct{Board::AUTO_SETUP_NEXT_TEST, 0}
            << AfterNextTick{Board::AUTO_TEST_RUNNING, 0, true, false};
        QTest::newRow("stopped, Next Test")
            << Given{Board::AUTO_STOPPED, 1, CHOOSE, M::NEXT_TEST}
            << AfterAct{Board::AUTO_SETUP_NEXT_TEST, 2}
            << AfterNextTick{Board::AUTO_TEST_RUNNING, 2, true, false};
        QTest::newRow("stopped, Next Test on the last")
            << Given{Board::AUTO_STOPPED, 2, CHOOSE, M::NEXT_TEST}
            << AfterAct{Board::AUTO_SAVING, 3}
            << AfterNextTick{Board::AUTO_COMPLETED, 2, true, true};
        QTest::newRow("stopped, End Protocol")
            << Given{Board::AUTO_STOPPED, 1, CHOOSE, M::END_PROTOCOL} << AfterAct{Board::AUTO_SAVING, 2}
            << AfterNextTick{Board::AUTO_COMPLETED, 1, true, true};
        QTest::newRow("stopped, Abort Protocol")
            << Given{Board::AUTO_STOPPED, 1, CHOOSE, M::ABORT_PROTOCOL}
            << AfterAct{Board::AUTO_COMPLETED, 0}
            << AfterNextTick{Board::AUTO_COMPLETED, -1, false, false};
        QTest::newRow("failed save: waits")
            << Given{Board::AUTO_FAILED, 2, TICK} << AfterAct{Board::AUTO_FAILED, 3}
            << AfterNextTick{Board::AUTO_FAILED, 2, true, false};
    }
    void transitions()
    {
        QFETCH(Given, given);
        QFETCH(AfterAct, afterAct);
        QFETCH(AfterNextTick, afterNextTick);
        Bench &b = *m_bench;
        bringAll(b, given.from, given.step);
        if (QTest::currentTestFailed())
            return;

        for (unsigned short c = 0; c < 4; ++c) {
            switch (given.act) {
            case STOP_KEY:
                b.data().m_u8StopKeyPressed[c] = 1;
                break;
            case STOPPED_PART_WAY: // by a stop other than the running screen's red key
                b.data().m_vecRealTimeData[c].resize(2);
                break;
            case PASS:
            case FAIL:
            case PASS_PAST_DURATION:
                complete(b, c, given.act != FAIL, given.act == PASS_PAST_DURATION ? 2 : 0);
                break;
            case CHOOSE:
                b.menu()->vSetChannel(c);
                b.menu()->showScreen(true);
                b.choose(given.choice);
                QCOMPARE(b.area.current(), b.summary);
                break;
            default:
                break;
            }
        }
        b.tick();
        for (int c = 0; c < 4; ++c) {
            QCOMPARE(b.board->getChannelAutoState(c), afterAct.state);
            QCOMPARE(results()->getCurrentTestResultSize(c), afterAct.held);
            QCOMPARE(int(b.data().m_u8StopKeyPressed[c]), 0);
        }
        b.tick();
        for (int c = 0; c < 4; ++c) {
            QCOMPARE(b.board->getChannelAutoState(c), afterNextTick.state);
            if (afterNextTick.step >= 0)
                QCOMPARE(loadedStep(b, c), afterNextTick.step);
            QCOMPARE(b.board->getChannelIsAutoMode(c), afterNextTick.automatic);
            QCOMPARE(savedFiles(c), afterNextTick.saved ? 1 : 0);
        }
        // Ending the protocol on the stopped step, or skipping it, stores it as failed
        // and fails the asset.
        if (given.act == CHOOSE && (given.choice == AbortFailMenu::END_PROTOCOL ||
                                    given.choice == AbortFailMenu::NEXT_TEST)) {
            for (unsigned short c = 0; c < 4; ++c) {
                QCOMPARE(results()->getCurrentAssetStatus(c), TEST_FAIL);
                const TestResultElement *last = results()->getTestResultPtr(given.step, c);
                QCOMPARE(last->status, TEST_FAIL);
                QCOMPARE(last->channelId, (unsigned short)(c + 1));
            }
        }
        if (afterAct.state == Board::AUTO_FAILED) {
            QVERIFY(b.summary->findChild<RotaryEncoderMessageBox *>());
            QCOMPARE(b.row(3, "ElaspeTime"), QStringLiteral("<font color='red'>Failed</font>"));
        }
    }

    // Every row shows the same word for a state, row 1's words included.
    void statusWords_data()
    {
        QTest::addColumn<Board::AutoState>("state");
        QTest::addColumn<QString>("word");
        QTest::newRow("completed") << Board::AUTO_COMPLETED << "<font color='green'>Completed</font>";
        QTest::newRow("asset entry") << Board::AUTO_ASSET_ENTRY << "<font color='orange'>Asset</font>";
        QTest::newRow("set-up") << Board::AUTO_SETUP_NEXT_TEST << "<font color='orange'>Setup</font>";
        QTest::newRow("running") << Board::AUTO_TEST_RUNNING << "<font color='orange'>Paused</font>";
        QTest::newRow("saving") << Board::AUTO_SAVING << "<font color='green'>Saving</font>";
        QTest::newRow("stopped") << Board::AUTO_STOPPED << "<font color='red'>Stopped</font>";
        QTest::newRow("failed") << Board::AUTO_FAILED << "<font color='red'>Failed</font>";
        QTest::newRow("other") << Board::AutoState(Board::AUTO_FAILED + 1) << "";
    }
    void statusWords()
    {
        QFETCH(Board::AutoState, state);
        QFETCH(QString, word);
        Bench &b = *m_bench;
        for (unsigned short c = 0; c < 4; ++c) {
            b.board->setChannelIsAutoMode(c, true);
            b.board->setChannelAutoState(c, state);
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
        QCOMPARE(b.board->getChannelAutoState(2), Board::AUTO_ASSET_ENTRY);
        asset->backButtonClicked(true);
        QCOMPARE(b.area.current(), b.summary);
        QCOMPARE(b.board->getChannelAutoState(2), Board::AUTO_COMPLETED);
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
        QCOMPARE(b.board->getChannelAutoState(1), Board::AUTO_STOPPED);
        QCOMPARE(b.board->getChannelAutoState(3), Board::AUTO_STOPPED);

        b.summary->showScreen(true);
        b.pressAuto(1);
        QCOMPARE(b.area.current(), static_cast<QWidget *>(b.menu()));
        b.tick(); // the menu stays open over the tick
        b.choose(AbortFailMenu::ABORT_PROTOCOL);
        QCOMPARE(b.area.current(), b.summary);
        b.tick();
        QCOMPARE(b.board->getChannelAutoState(1), Board::AUTO_COMPLETED);
        QCOMPARE(b.board->getChannelAutoState(3), Board::AUTO_STOPPED);
        b.menu()->vSetChannel(3);
        QCOMPARE(b.menu()->getOption(), int(AbortFailMenu::NO_OPTION));

        b.pressAuto(3);
        b.tick();
        b.choose(AbortFailMenu::NEXT_TEST);
        b.tick();
        QCOMPARE(b.board->getChannelAutoState(3), Board::AUTO_SETUP_NEXT_TEST);
        QCOMPARE(b.board->getChannelAutoState(1), Board::AUTO_COMPLETED);
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
        QCOMPARE(b.board->getChannelAutoState(1), Board::AUTO_TEST_RUNNING);
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
        QCOMPARE(b.board->getChannelAutoState(0), Board::AUTO_SAVING);
        QCOMPARE(b.board->getChannelAutoState(1), Board::AUTO_TEST_RUNNING); // not answered yet
        QCOMPARE(b.board->getChannelAutoState(2), Board::AUTO_STOPPED);
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
        QCOMPARE(b.board->getChannelAutoState(2), Board::AUTO_SAVING);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("channel 3 was not saved"));
        b.tick();
        QCOMPARE(b.board->getChannelAutoState(2), Board::AUTO_FAILED);
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
        QCOMPARE(b.board->getChannelAutoState(2), Board::AUTO_SAVING);
        b.tick();
        QCOMPARE(b.board->getChannelAutoState(2), Board::AUTO_COMPLETED);
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
        QCOMPARE(b.board->getChannelAutoState(0), Board::AUTO_COMPLETED);
        b.tick();
        QVERIFY(!b.board->getChannelIsAutoMode(0));

        // The channel's sequence loses the step about to be set up.
        b.confirmAsset(1, "seq2");
        complete(b, 1, true);
        b.tick();
        QCOMPARE(b.board->getChannelAutoState(1), Board::AUTO_SETUP_NEXT_TEST);
        QVERIFY(sequences()->openTestSequence("one_step", 1));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("setUpCurrentElement.*no step 1 .*channel 2"));
        b.tick();
        QCOMPARE(b.board->getChannelAutoState(1), Board::AUTO_COMPLETED);

        // A step of an unknown type at set-up.
        b.confirmAsset(2, "seq3");
        complete(b, 2, true);
        b.tick();
        sequences()->getTestElementPtr(1, 2)->id = 7;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("startTest.*unknown id"));
        b.tick();
        QCOMPARE(b.board->getChannelAutoState(2), Board::AUTO_COMPLETED);

        // End Protocol on a step of an unknown type stores nothing for it.
        b.confirmAsset(3, "seq4");
        complete(b, 3, true);
        b.tick();
        b.tick();
        b.data().m_u8StopKeyPressed[3] = 1;
        b.tick();
        QCOMPARE(b.board->getChannelAutoState(3), Board::AUTO_STOPPED);
        sequences()->getTestElementPtr(1, 3)->id = 7;
        b.menu()->vSetChannel(3);
        b.menu()->showScreen(true);
        b.choose(AbortFailMenu::END_PROTOCOL);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("createCurrentTestResult.*:: unknown asset type"));
        b.tick();
        QCOMPARE(b.board->getChannelAutoState(3), Board::AUTO_SAVING);
        QCOMPARE(results()->getCurrentTestResultSize(3), 1);
        QVERIFY(!results()->getCurrentTestResult(3));
        QCOMPARE(results()->getCurrentAssetStatus(3), TEST_FAIL);
    }

    // AUTO on a run between steps (a menu choice made but not yet read, or read; a step
    // passed) sets the step up before its screen opens, so the first green key there
    // starts that step, with its own set-up on the line first.
    void autoOpensTheStepSetUp_data()
    {
        QTest::addColumn<int>("choice"); // -1: the step passes instead
        QTest::addColumn<bool>("read");  // a tick has passed since
        QTest::addColumn<int>("step");
        QTest::newRow("Next Test, not yet read") << int(AbortFailMenu::NEXT_TEST) << false << 2;
        QTest::newRow("Next Test, read") << int(AbortFailMenu::NEXT_TEST) << true << 2;
        QTest::newRow("Restart Test, not yet read")
            << int(AbortFailMenu::RESTART_TEST) << false << 1;
        QTest::newRow("passed, next not set up") << -1 << true << 2;
    }
    void autoOpensTheStepSetUp()
    {
        QFETCH(int, choice);
        QFETCH(bool, read);
        QFETCH(int, step);
        Bench &b = *m_bench;
        b.confirmAsset(0, "seq1");
        complete(b, 0, true);
        b.tick();
        b.tick();
        QCOMPARE(loadedStep(b, 0), 1);
        if (choice < 0) {
            complete(b, 0, true);
        } else {
            b.data().m_u8StopKeyPressed[0] = 1;
            b.tick();
            QCOMPARE(b.board->getChannelAutoState(0), Board::AUTO_STOPPED);
            b.menu()->vSetChannel(0);
            b.menu()->showScreen(true);
            b.choose(choice);
        }
        if (read)
            b.tick();

        b.pressAuto(0);
        auto *flow = b.summary->getFlowRateRunningScreen();
        QCOMPARE(b.area.current(), static_cast<QWidget *>(flow));
        QCOMPARE(flow->getChannelId(), (unsigned short)0);
        QCOMPARE(b.board->getChannelAutoState(0), Board::AUTO_TEST_RUNNING);
        QCOMPARE(loadedStep(b, 0), step);
        QTRY_VERIFY_WITH_TIMEOUT(b.area.requests().contains(QStringLiteral("0 IF5 00")), 10000);
        b.area.sim().clearCommands();
        QTest::keyClick(flow, Qt::Key_F6);
        QTRY_VERIFY_WITH_TIMEOUT(b.area.requests().contains(QStringLiteral("0 I2")), 10000);
        QCOMPARE(b.board->getChannelAutoState(0), Board::AUTO_TEST_RUNNING);
        QCOMPARE(loadedStep(b, 0), step);
        b.board->vSetStopRsq(0);
        QTRY_VERIFY_WITH_TIMEOUT(b.area.requests().contains(QStringLiteral("0 I3")), 10000);
    }

    // The green key around a step's end, on the power board: the ended step is judged as
    // it ran, whether the key comes while it runs, before the tick that judges it or
    // after; only a step set up and not yet measured is started by it. A failing step
    // (average 100 ml/h against 50 +- 10 %) stays failed and brings the menu up; a
    // passing one is stored with its own samples.
    void greenKeyAroundTheStepsEnd_data()
    {
        QTest::addColumn<bool>("passes");
        QTest::addColumn<int>("ticksBeforeKey"); // after the step's end; -1: while it runs
        QTest::addColumn<bool>("keyStarts");
        QTest::newRow("failing, key while it runs") << false << -1 << false;
        QTest::newRow("failing, key before the judging tick") << false << 0 << false;
        QTest::newRow("failing, key after it") << false << 1 << false;
        QTest::newRow("passing, key while it runs") << true << -1 << false;
        QTest::newRow("passing, key before the judging tick") << true << 0 << false;
        QTest::newRow("passing, key after it") << true << 1 << false;
        QTest::newRow("passing, key once the next step is set up") << true << 2 << true;
    }
    void greenKeyAroundTheStepsEnd()
    {
        QFETCH(bool, passes);
        QFETCH(int, ticksBeforeKey);
        QFETCH(bool, keyStarts);
        Bench &b = *m_bench;
        QVERIFY(storeSequence("judged", {1, 1}, [passes](int i, TestSequenceElement *e) {
            auto *flow = static_cast<TestSequenceElementFlowTest *>(e);
            flow->setting.u32ElapseTimeSetting = 3 + i; // the duration tells the steps apart
            flow->limits.limitType = TestSequencePassFailLimits::AVERAGE_FLOW;
            flow->limits.flowTarget = i == 0 && !passes ? 50.0f : 100.0f;
            flow->limits.flowUpperPct = 10;
            flow->limits.flowLowerPct = 10;
        }));
        b.confirmAsset(0, "judged");
        FlowRateRunningScreen *flow = b.summary->getFlowRateRunningScreen();
        QCOMPARE(b.area.current(), static_cast<QWidget *>(flow));
        QTRY_VERIFY_WITH_TIMEOUT(b.area.requests().contains(QStringLiteral("0 IF5 00")), 10000);
        QTest::keyClick(flow, Qt::Key_F6);
        QTRY_VERIFY_WITH_TIMEOUT(b.data().vGetTestRunningFlag(0), 10000);

        QSignalSpy starts(flow, &TestScreen::startTest);
        if (ticksBeforeKey < 0) {
            QTRY_VERIFY_WITH_TIMEOUT(!b.data().m_vecRealTimeData[0].isEmpty(), 10000);
            QTest::keyClick(flow, Qt::Key_F6);
        }
        // The controller ends the step at its duration.
        QTRY_VERIFY_WITH_TIMEOUT(!b.data().vGetTestRunningFlag(0), 10000);
        const QVector<INFUSION_PUMP_REAL_TIME_DATA> measured = b.data().m_vecRealTimeData[0];
        QVERIFY(measured.size() >= 3);
        for (int i = 0; i < ticksBeforeKey; ++i)
            b.tick();
        b.area.sim().clearCommands();
        if (ticksBeforeKey >= 0)
            QTest::keyClick(flow, Qt::Key_F6);
        QCOMPARE(starts.size(), keyStarts ? 1 : 0);
        if (ticksBeforeKey < 1) {
            QCOMPARE(b.data().m_vecRealTimeData[0].size(), measured.size());
            b.tick();
        }

        QCOMPARE(results()->getCurrentTestResultSize(0), passes ? 1 : 0);
        if (!passes) {
            QCOMPARE(b.board->getChannelAutoState(0), Board::AUTO_STOPPED);
            b.tick(); // the menu comes up over the step's screen
            QCOMPARE(b.area.current(), static_cast<QWidget *>(b.menu()));
            return;
        }
        const auto *stored =
            dynamic_cast<const TestResultElementFlowTest *>(results()->getTestResultPtr(0, 0));
        QVERIFY(stored);
        QCOMPARE(stored->status, TEST_PASS);
        QCOMPARE(stored->samples.size(), measured.size());
        QCOMPARE(stored->samples.last().fVolume, measured.last().fVolume);
        if (!keyStarts) {
            QCOMPARE(b.board->getChannelAutoState(0), Board::AUTO_SETUP_NEXT_TEST);
            return;
        }
        // The next step, started by the key.
        QCOMPARE(b.data().getTestSetting(0).u32ElapseTimeSetting, 4);
        QTRY_VERIFY_WITH_TIMEOUT(b.area.requests().contains(QStringLiteral("0 I2")), 10000);
        QVERIFY(b.data().m_vecRealTimeData[0].size() < measured.size());
        b.board->vSetStopRsq(0);
        QTRY_VERIFY_WITH_TIMEOUT(b.area.requests().contains(QStringLiteral("0 I3")), 10000);
    }

    // The green key leaves a PCA or occlusion step that has measured as it is, on its own
    // screen: the boluses it is judged on stay, and the occlusion step counting down to
    // its end after the alarm is not started again.
    void greenKeyLeavesAMeasuredStepAlone_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("ended");
        QTest::newRow("PCA step while it runs") << 2 << false;
        QTest::newRow("PCA step ended, before the judging tick") << 2 << true;
        QTest::newRow("occlusion step counting down to its end") << 3 << false;
    }
    void greenKeyLeavesAMeasuredStepAlone()
    {
        QFETCH(int, type);
        QFETCH(bool, ended);
        Bench &b = *m_bench;
        QVERIFY(storeSequence("measured", {quint8(type)}, [](int, TestSequenceElement *e) {
            if (auto *pca = dynamic_cast<TestSequenceElementPCATest *>(e))
                pca->setting.u32ElapseTimeSetting = 5;
            e->limits.bolusTarget = 1.0f; // the 2 ml bolus fails it
            e->limits.bolusUpperPct = 10;
            e->limits.bolusLowerPct = 10;
        }));
        b.confirmAsset(0, "measured");
        auto *screen = qobject_cast<TestScreen *>(b.area.current());
        QVERIFY(screen);
        auto *occlusion = qobject_cast<OcclusionManualTest *>(screen);
        // Started, and its seconds measured, fed in one go: no poll comes between them.
        DataManager &data = b.data();
        const auto measure = [&](unsigned from, unsigned to) {
            for (unsigned s = from; s <= to; ++s)
                data.vStoreTestData(
                    TestData(0, ManualBench::testDataReply(occlusion ? 1 : 2, 3, 0, s, s * 3, 10000,
                                                           10000)));
        };
        data.vSetTestRunningFlag(PicRunningData(0, 1));
        measure(1, 2);
        data.m_listPcaTestData[0] = {PCA_TEST_DATA{1, 120.0f, 2.0f, 60}};
        if (occlusion) {
            occlusion->m_greenKeyState[0] = 1;
            QTest::keyClick(screen, Qt::Key_F6); // the alarm acknowledged
        }
        if (ended)
            measure(3, 5); // its last second ends it
        QCOMPARE(bool(data.vGetTestRunningFlag(0)), !ended);
        QSignalSpy starts(screen, &TestScreen::startTest);
        QTest::keyClick(screen, Qt::Key_F6);
        QCOMPARE(starts.size(), 0);
        QCOMPARE(data.m_vecRealTimeData[0].size(), ended ? 5 : 2);
        QCOMPARE(data.m_listPcaTestData[0].size(), 1);
        if (ended) {
            b.tick();
            QCOMPARE(b.board->getChannelAutoState(0), Board::AUTO_STOPPED);
        }
    }

    // Restart Protocol after a skipped step: the run is done again and only the new
    // run counts, so a pass throughout saves the asset as passed.
    void restartProtocolAfterASkipCountsOnlyTheNewRun()
    {
        Bench &b = *m_bench;
        b.confirmAsset(0, "seq1");
        const auto stopAndChoose = [&b](int choice) {
            b.data().m_u8StopKeyPressed[0] = 1;
            b.tick();
            b.menu()->vSetChannel(0);
            b.menu()->showScreen(true);
            b.choose(choice);
            b.tick();
            b.tick();
        };
        stopAndChoose(AbortFailMenu::NEXT_TEST);
        QCOMPARE(results()->getCurrentAssetStatus(0), TEST_FAIL);
        QCOMPARE(results()->getCurrentTestResultSize(0), 1);
        stopAndChoose(AbortFailMenu::RESTART_PROTOCOL);
        QCOMPARE(results()->getCurrentAssetStatus(0), TEST_PASS);
        QCOMPARE(results()->getCurrentTestResultSize(0), 0);
        QCOMPARE(loadedStep(b, 0), 0);
        for (int i = 0; i < 3; ++i) {
            complete(b, 0, true);
            b.tick();
            b.tick();
        }
        QCOMPARE(savedFiles(0), 1);
        QVERIFY(results()->openApplianceResult(QDir(TestResultManager::directory())
                                                   .entryList({assetOf(0) + "_*"}, QDir::Files)
                                                   .first(),
                                               true));
        QCOMPARE(results()->getCurrentAssetStatus(), TEST_PASS);
        QCOMPARE(results()->getCurrentTestResultSize(), 3);
    }

    // A flow or PCA step of no duration ends without a sample: it is judged failed at
    // once, never passed; ending the protocol on it stores it as failed.
    void stepOfNoDurationIsNotPassed_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("flow") << 1;
        QTest::newRow("PCA") << 2;
    }
    void stepOfNoDurationIsNotPassed()
    {
        QFETCH(int, type);
        Bench &b = *m_bench;
        QVERIFY(storeSequence(
            "no duration", {(unsigned char)type}, [type](int, TestSequenceElement *e) {
                if (type == 1) {
                    auto *flow = static_cast<TestSequenceElementFlowTest *>(e);
                    flow->setting.u32ElapseTimeSetting = 0;
                    flow->limits.flowTarget = 0.0f; // a target that passes any reading
                } else {
                    auto *pca = static_cast<TestSequenceElementPCATest *>(e);
                    pca->setting.u32ElapseTimeSetting = 0;
                    pca->limits.bolusTarget = 0.0f;
                }
            }));
        b.confirmAsset(1, "no duration");
        QCOMPARE(b.board->getChannelAutoState(1), Board::AUTO_TEST_RUNNING);
        b.tick();
        QCOMPARE(b.board->getChannelAutoState(1), Board::AUTO_STOPPED);
        QCOMPARE(results()->getCurrentTestResultSize(1), 0);
        b.menu()->vSetChannel(1);
        b.menu()->showScreen(true);
        b.choose(AbortFailMenu::END_PROTOCOL);
        b.tick();
        QCOMPARE(results()->getCurrentTestResultSize(1), 1);
        QCOMPARE(results()->getTestResultPtr(0, 1)->status, TEST_FAIL);
        QCOMPARE(results()->getCurrentAssetStatus(1), TEST_FAIL);
    }

    // However a run ends, on a user step too, MANUAL then opens the set-up the channel
    // has by hand (here a PCA test, as stored), as on a fresh channel.
    void manualAfterTheRunOpensTheSetUp_data()
    {
        QTest::addColumn<int>("choice"); // -1: the user step passes and the run is saved
        QTest::newRow("saved") << -1;
        QTest::newRow("ended") << int(AbortFailMenu::END_PROTOCOL);
        QTest::newRow("aborted") << int(AbortFailMenu::ABORT_PROTOCOL);
    }
    void manualAfterTheRunOpensTheSetUp()
    {
        QFETCH(int, choice);
        Bench &b = *m_bench;
        QVERIFY(storeSequence("one question", {0}, [](int, TestSequenceElement *e) {
            static_cast<TestSequenceElementUserTest *>(e)->testText = "Door latch";
        }));
        b.data().vSetTestSetting_Type(2, 2);
        QVERIFY(b.data().vSaveCurrentSetting(2));
        b.confirmAsset(2, "one question");
        QCOMPARE(b.area.current(), static_cast<QWidget *>(b.prompt()));
        QCOMPARE(b.data().getTestSetting(2).u8TestTypeSetting, quint8(3));
        if (choice < 0) {
            b.answerPrompt(TEST_PASS, 0.0);
        } else {
            b.answerPrompt(TEST_FAIL, 0.0);
            b.tick();
            QCOMPARE(b.board->getChannelAutoState(2), Board::AUTO_STOPPED);
            b.menu()->vSetChannel(2);
            b.menu()->showScreen(true);
            b.choose(choice);
        }
        for (int i = 0; i < 4 && b.board->getChannelIsAutoMode(2); ++i)
            b.tick();
        QVERIFY(!b.board->getChannelIsAutoMode(2));

        b.summary->showScreen(true);
        b.summary->channelList()->setCurrentRow(2);
        b.summary->findChild<QPushButton *>(QStringLiteral("pushButtonSetting"))->click();
        QCOMPARE(b.area.current(), static_cast<QWidget *>(b.summary->getPCASetupScreen()));
        QCOMPARE(b.data().getTestSetting(2).u8TestTypeSetting, quint8(2));

        b.data().vSetTestSetting_Type(2, 0);
        QVERIFY(b.data().vSaveCurrentSetting(2));
    }

    // One running screen serves every channel: its Setup and CH keys are those of the
    // channel in front, whatever another channel was last shown in.
    void runningKeysAreThoseOfTheChannelInFront()
    {
        Bench &b = *m_bench;
        FlowRateRunningScreen *flow = b.summary->getFlowRateRunningScreen();
        auto *setupKey =
            flow->findChild<QPushButton *>(QStringLiteral("pushButtonFlowTest_ViewSetting"));
        auto *channelKey =
            flow->findChild<QPushButton *>(QStringLiteral("pushButton_SwitchChannel"));
        const auto keys = [&]() {
            return QStringList(
                {setupKey->isEnabled() ? setupKey->text() : QStringLiteral("off"),
                 channelKey->isEnabled() ? channelKey->text() : QStringLiteral("off")});
        };
        const QStringList automatic = {"off", "off"};
        const QStringList manual = {"Setup", "CH"};

        b.confirmAsset(0, "seq1");
        QCOMPARE(b.area.current(), static_cast<QWidget *>(flow));
        QCOMPARE(keys(), automatic);
        QVERIFY(setupKey->text().isEmpty());

        // MANUAL on channel 2, a flow channel outside any run.
        b.data().vSetTestSetting_Type(1, 0);
        b.summary->showScreen(true);
        b.summary->channelList()->setCurrentRow(1);
        b.summary->findChild<QPushButton *>(QStringLiteral("pushButtonSetting"))->click();
        QCOMPARE(flow->getChannelId(), (unsigned short)1);
        QCOMPARE(keys(), manual);

        // AUTO on channel 1's running step.
        b.summary->showScreen(true);
        b.pressAuto(0);
        QCOMPARE(b.area.current(), static_cast<QWidget *>(flow));
        QCOMPARE(flow->getChannelId(), (unsigned short)0);
        QCOMPARE(keys(), automatic);

        // The run ends while its screen is shown: the channel's keys are manual again.
        b.board->setChannelAutoState(0, Board::AUTO_COMPLETED);
        b.tick();
        QVERIFY(!b.board->getChannelIsAutoMode(0));
        TestScreen::screenRefreshTimer->timeout({});
        QCOMPARE(keys(), manual);
    }

private:
    std::unique_ptr<Bench> m_bench;
};

RONDIX_TEST(TestAutoSequenceEngine)
#include "tst_AutoSequenceEngine.moc"
