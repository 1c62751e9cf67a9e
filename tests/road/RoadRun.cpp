#include "RoadRun.h"

#include "DataManager.h"
#include "FlowRateRunningScreen.h"
#include "GuiTest.h"
#include "InfusionPumpMainScreen.h"
#include "InfusionPumpPowerBoardManager.h"
#include "ManualAssetDetails.h"
#include "ManualSetup.h"
#include "OcclusionManualTest.h"
#include "OcclusionManual_Setup.h"
#include "PCAManual_Setup.h"
#include "PCARunningScreen.h"
#include "PcRequestDispatcher.h"
#include "PowerBoardSim.h"
#include "RotaryEncoderList.h"
#include "SimController.h"
#include "SummaryManualScreen.h"
#include "TestResultElementFlowTest.h"
#include "TestResultElementOccTest.h"
#include "TestResultElementPCATest.h"
#include "TestResultManager.h"

#include <QDeadlineTimer>
#include <QDir>

#include <QTest>

#include <map>
#include <set>
#include <tuple>

namespace
{

constexpr qint64 stepMs = 20;
// Longest wait of a healthy channel between two polls, for its first poll (due a second
// after start-up), and for its start-up stop and prime: half a second is the aim, and twice
// that leaves room for a loaded machine while a channel kept waiting behind another's
// failures still shows (the benchmark measures the figure itself).
constexpr qint64 maxPollGapMs = 1500;
constexpr qint64 maxFirstPollMs = 2000;
constexpr qint64 maxStartUpMs = 1000;
// A loop turn of the harness longer than this means the machine held it up.
constexpr qint64 stallMs = 250;
// A start the instrument never carried out is given up after this, and the next test begun.
constexpr qint64 startWaitMs = 10000;
// Whole replies after which a test whose controller lost it counts as never ending.
constexpr int lostTestReplies = 5;
// When the first test begins, after the board came up.
constexpr qint64 firstStartMs = 1500;
// How long after a frame nobody asked for went out the controller may still be hearing the
// command that was on its way then, in ms.
constexpr qint64 inFlightMs = 15;
// Violations listed per schedule; the first ones tell the story.
constexpr int maxViolations = 12;

QByteArray settingsFor(const RoadSchedule &s)
{
    QByteArray ini = ScreenArea::defaultSettings();
    for (int ch = 0; ch < PowerBoardSim::channels; ++ch) {
        if (s.fromPc || s.tests[ch].isEmpty())
            continue;
        const RoadSchedule::Test &t = s.tests[ch].first();
        ini += QStringLiteral("[channel_%1]\ntest_type=%2\nelapse_time=%3\npca_elapse_time=%3\n"
                              "infusion_pump_type=%4\nwindow_size=10\nbasal_flow_rate=10\n")
                   .arg(ch)
                   .arg(int(t.type))
                   .arg(t.duration)
                   .arg(t.pumpType)
                   .toLatin1();
    }
    return ini;
}

QString originName(PowerBoardSim::Origin origin)
{
    switch (origin) {
    case PowerBoardSim::Origin::Reply:
        return QStringLiteral("reply");
    case PowerBoardSim::Origin::LateRepeat:
        return QStringLiteral("late repeat");
    case PowerBoardSim::Origin::DoubleReply:
        return QStringLiteral("second copy of a reply");
    case PowerBoardSim::Origin::Babble:
        return QStringLiteral("frame nobody asked for");
    }
    return QString();
}

// Figures as the instrument stores them from a reply's raw fields.
struct Stored {
    float volume, instant, average;
    qint16 pressure;
    bool operator<(const Stored &o) const
    {
        return std::tie(volume, instant, average, pressure) <
               std::tie(o.volume, o.instant, o.average, o.pressure);
    }
};

Stored storedOf(const SimController::Figures &f)
{
    return {float(f.volume) / 1000.0f, float(f.instant) / 1000.0f, float(f.average) / 1000.0f,
            qint16(f.pressure / 10)};
}

} // namespace

RoadRun::RoadRun(const RoadSchedule &schedule) : m_schedule(schedule), m_area(settingsFor(schedule))
{
    for (int ch = 0; ch < PowerBoardSim::channels; ++ch) {
        int number = 0;
        for (const RoadSchedule::Test &plan : schedule.tests[ch]) {
            Test t;
            t.plan = plan;
            t.channel = ch;
            t.number = ++number;
            // The channels begin one after another, as an operator's hands would, once the
            // start-up's stop and prime are due to be over.
            t.dueMs = firstStartMs + 700 * ch;
            m_tests.append(t);
        }
    }
    m_faultSet.fill(false, schedule.faults.size());
    m_faultCleared.fill(false, schedule.faults.size());
}

RoadRun::~RoadRun() = default;

DataManager &RoadRun::data()
{
    return m_area.board()->m_DataManager;
}

void RoadRun::violation(const QString &what)
{
    if (m_violations.size() < maxViolations)
        m_violations << what;
    else if (m_violations.size() == maxViolations)
        m_violations << QStringLiteral("(further violations left out)");
}

void RoadRun::note(const QString &what)
{
    m_notes << QStringLiteral("%1 ms: %2").arg(now(), 6).arg(what);
}

bool RoadRun::build()
{
    const RoadSchedule &s = m_schedule;
    InfusionPumpPowerBoardManager *board = m_area.startBoard([&](PowerBoardSim &sim) {
        // On the simulator's own wall clock, so that its log's times can be told in both.
        const int factor = s.clockFactor;
        PowerBoardSim *simulator = &sim;
        sim.setClock([simulator, factor] { return simulator->wallMs() * factor; });
        sim.setSeed(s.seed);
        sim.setVerbose(qEnvironmentVariableIsSet("RONDIX_ROAD_VERBOSE"));
        for (int ch = 0; ch < PowerBoardSim::channels; ++ch)
            sim.controller(ch).setClearsAfterStop(s.clearsAfterStop);
        for (int i = 0; i < s.faults.size(); ++i) {
            const RoadSchedule::Fault &f = s.faults.at(i);
            if (f.fromPowerOn) {
                RoadSchedule::apply(sim, f, true);
                m_faultSet[i] = true;
            }
        }
    });
    if (!board)
        return false;
    m_boardUpMs = m_area.sim().wallMs();
    QObject::connect(board, &InfusionPumpPowerBoardManager::testDataReady, board,
                     [this](const TestData &reply) { onReply(reply.m_channel); });
    if (s.fromPc) {
        if (!m_pc.open(m_area.root().root()))
            return false;
        m_menu = new InfusionPumpMainScreen(nullptr, nullptr);
        screensBuilt();
        if (!m_area.activate())
            return false;
        m_menu->showScreen(true);
        GuiTest::turn(1); // "Remote Control"
        GuiTest::key(Qt::Key_Escape);
        if (!m_menu->getPcRequestDispatcher() || !data().m_pPacketHandler)
            return false;
    } else {
        m_summary = new SummaryManualScreen(nullptr, nullptr);
        screensBuilt();
        m_summary->showScreen(true);
        if (!m_area.activate())
            return false;
    }
    m_wall.start();
    return true;
}

// Start-up builds the screens after the board manager, as the program does; how long that
// takes on this machine is not the board manager's to answer for.
void RoadRun::screensBuilt()
{
    m_stalls.append({m_boardUpMs, m_area.sim().wallMs()});
}

QStringList RoadRun::run()
{
    if (!build()) {
        violation(QStringLiteral("the bench did not come up"));
        return m_violations;
    }
    PowerBoardSim &sim = m_area.sim();
    qint64 budget = 0;
    for (int ch = 0; ch < PowerBoardSim::channels; ++ch) {
        qint64 channelMs = firstStartMs + 700 * ch;
        for (const RoadSchedule::Test &t : m_schedule.tests[ch])
            channelMs += t.duration * 1000 / m_schedule.clockFactor + 12000;
        budget = qMax(budget, channelMs);
    }
    const auto unfinished = [this] {
        for (const Test &t : m_tests)
            if (t.phase != Phase::Ended && t.phase != Phase::NeverStarted)
                return true;
        return false;
    };
    while (unfinished() && now() < budget) {
        const qint64 before = sim.wallMs();
        QTest::qWait(int(stepMs));
        const qint64 after = sim.wallMs();
        if (after - before > stallMs)
            m_stalls.append({before, after});
        step();
    }
    for (Test &t : m_tests) {
        if (t.phase == Phase::Running || t.phase == Phase::Starting) {
            note(QStringLiteral("channel %1 test %2 still running at the end")
                     .arg(t.channel + 1)
                     .arg(t.number));
            finish(t);
        }
    }
    if (m_schedule.fromPc) {
        // The PC reads the records of the last tests to their end.
        QTest::qWait(1500);
        for (int ch = 0; ch < PowerBoardSim::channels; ++ch) {
            Test *last = nullptr;
            for (Test &t : m_tests)
                if (t.channel == ch && t.startedMs >= 0)
                    last = &t;
            if (last)
                last->pcRecords = m_pc.records(quint8(ch));
        }
    }
    if (!m_schedule.fromPc)
        saveResults();
    for (const Test &t : m_tests)
        if (t.phase == Phase::Ended)
            checkFigures(t);
    checkPolls();
    return m_violations;
}

RoadRun::Test *RoadRun::current(int channel)
{
    for (Test &t : m_tests)
        if (t.channel == channel && t.phase != Phase::Ended && t.phase != Phase::NeverStarted)
            return &t;
    return nullptr;
}

void RoadRun::step()
{
    applyFaults();
    for (int ch = 0; ch < PowerBoardSim::channels; ++ch) {
        if (Test *t = current(ch))
            advance(*t);
    }
}

void RoadRun::applyFaults()
{
    PowerBoardSim &sim = m_area.sim();
    for (int i = 0; i < m_schedule.faults.size(); ++i) {
        const RoadSchedule::Fault &f = m_schedule.faults.at(i);
        if (!m_faultSet[i] && now() >= f.atMs) {
            const bool wasTesting = sim.controller(f.channel).testing();
            RoadSchedule::apply(sim, f, true);
            m_faultSet[i] = true;
            note(QStringLiteral("channel %1: %2 set").arg(f.channel + 1).arg(f.name));
            Test *t = current(f.channel);
            if (RoadSchedule::restarts(f) && wasTesting && t && t->phase != Phase::Waiting) {
                t->controllerLostMs = now();
                t->controllerLostSimMs = sim.now();
            }
        }
        if (m_faultSet[i] && !m_faultCleared[i] && f.forMs >= 0 && now() >= f.atMs + f.forMs) {
            RoadSchedule::apply(sim, f, false);
            m_faultCleared[i] = true;
            note(QStringLiteral("channel %1: %2 cleared").arg(f.channel + 1).arg(f.name));
        }
    }
}

void RoadRun::advance(Test &t)
{
    DataManager &d = data();
    const int ch = t.channel;
    const bool running = d.vGetTestRunningFlag(quint16(ch)) == 1;
    switch (t.phase) {
    case Phase::Waiting:
        if (now() >= t.dueMs)
            startTest(t);
        return;
    case Phase::Starting:
        if (running) {
            t.phase = Phase::Running;
        } else if (now() - t.startedMs > startWaitMs) {
            t.phase = Phase::NeverStarted;
            note(QStringLiteral("channel %1 test %2 never started").arg(ch + 1).arg(t.number));
            if (Test *next = current(ch))
                next->dueMs = now() + 500;
        }
        return;
    case Phase::Running:
        break;
    default:
        return;
    }
    if (!running) {
        noticeEnd(t);
        return;
    }
    const INFUSION_PUMP_TEST_DATA live = d.getTestData(quint16(ch));
    if (!t.stopAsked && t.plan.stopAt >= 0 && live.u32ElapseTime >= quint32(t.plan.stopAt))
        act(t, Word::Stop);
    else if (!t.acknowledged && !t.stopAsked && t.plan.type == RoadSchedule::Occlusion &&
             t.plan.pumpType == 0 && live.s16Pressure >= 450)
        act(t, Word::Acknowledge);
    // A test that does not end is stopped (again, a few seconds apart) once its time is
    // well past: nothing here may wait for ever.
    const qint64 wallDuration = qint64(t.plan.duration) * 1000 / m_schedule.clockFactor;
    if (now() - t.startedMs > wallDuration + 8000 &&
        (t.lastActionMs < 0 || now() - t.lastActionMs > 3000)) {
        if (m_area.board()->getChannelStatus(ch) != InfusionPumpPowerBoardManager::CHANNEL_USABLE) {
            // A channel that lost its line takes no stop: its test is left as it is.
            note(QStringLiteral("channel %1 test %2 overdue on a channel without its line: left")
                     .arg(ch + 1)
                     .arg(t.number));
            finish(t);
            return;
        }
        note(QStringLiteral("channel %1 test %2 overdue: stopped").arg(ch + 1).arg(t.number));
        act(t, Word::Stop);
    }
    // A controller that lost the test and has told so in several whole replies since must
    // have had its test ended; one that says nothing cannot be heard.
    if (t.controllerLostMs >= 0 && t.endedBy.isEmpty()) {
        int told = 0;
        for (const PowerBoardSim::SentTestData &e : m_area.sim().sentTestData(ch))
            told += e.origin == PowerBoardSim::Origin::Reply && e.whole &&
                    e.atMs > t.controllerLostSimMs;
        if (told >= lostTestReplies) {
            t.endedBy = QStringLiteral("-");
            violation(
                QStringLiteral("channel %1 test %2: its controller lost the test at %3 ms, and "
                               "the test still ran after %4 of its replies")
                    .arg(ch + 1)
                    .arg(t.number)
                    .arg(t.controllerLostMs)
                    .arg(told));
        }
    }
}

void RoadRun::startTest(Test &t)
{
    PowerBoardSim &sim = m_area.sim();
    const int ch = t.channel;
    SimController::Pump &pump = sim.controller(ch).pump();
    pump.pressureRise = t.plan.pressureRise;
    t.controllerTestBefore = sim.controller(ch).testNumber();
    t.startedMs = now();
    t.phase = Phase::Starting;
    note(QStringLiteral("channel %1 test %2 started").arg(ch + 1).arg(t.number));
    if (m_schedule.fromPc) {
        // The records of the channel's test before are the PC's until it follows this one.
        for (Test &before : m_tests)
            if (before.channel == ch && before.number == t.number - 1)
                before.pcRecords = m_pc.records(quint8(ch));
        const quint8 wire = quint8(ch + 1);
        switch (t.plan.type) {
        case RoadSchedule::Flow:
            m_pc.startFlow(wire, quint32(t.plan.duration), 0, 10);
            break;
        case RoadSchedule::Occlusion:
            m_pc.startOcclusion(wire, quint8(t.plan.pumpType));
            break;
        case RoadSchedule::Pca:
            m_pc.startPca(wire, quint32(t.plan.duration), 10.0f, 1.0f);
            break;
        }
        m_pc.follow(quint8(ch), 200);
        return;
    }
    if (!manualStart(ch)) {
        t.phase = Phase::NeverStarted;
        note(QStringLiteral("channel %1 test %2: its set-up did not open")
                 .arg(ch + 1)
                 .arg(t.number));
        if (Test *next = current(ch))
            next->dueMs = now() + 500;
    }
}

void RoadRun::act(Test &t, Word word)
{
    const bool stop = word == Word::Stop;
    (stop ? t.stopAsked : t.acknowledged) = true;
    t.lastActionMs = now();
    note(QStringLiteral("channel %1 test %2: %3")
             .arg(t.channel + 1)
             .arg(t.number)
             .arg(stop ? QStringLiteral("stopped") : QStringLiteral("alarm acknowledged")));
    const quint8 wire = quint8(t.channel + 1);
    if (!m_schedule.fromPc)
        manualOnRunningScreen(t.channel, stop ? Qt::Key_F7 : Qt::Key_F6);
    else if (stop)
        m_pc.stop(wire);
    else
        m_pc.alarm(wire);
}

void RoadRun::onReply(int channel)
{
    if (channel < 0 || channel >= PowerBoardSim::channels)
        return;
    Test *t = current(channel);
    if (!t || (t->phase != Phase::Starting && t->phase != Phase::Running))
        return;
    DataManager &d = data();
    const bool running = d.vGetTestRunningFlag(quint16(channel)) == 1;
    if (t->phase == Phase::Starting && !running)
        return;
    t->phase = Phase::Running;
    const INFUSION_PUMP_TEST_DATA r = d.getTestData(quint16(channel));
    const Live l{now(), r.u32ElapseTime, r.fVolume, r.fFlowRate_Instant, r.fFlowRate_Ave};
    const Live last = t->live.isEmpty() ? Live{0, 0, 0, 0, 0} : t->live.last();
    if (t->live.isEmpty() && l.elapsed == 0 && l.volume == 0 && l.instant == 0 && l.average == 0)
        return; // the cleared record of a test not yet measured
    if (l.elapsed != last.elapsed || l.volume != last.volume || l.instant != last.instant ||
        l.average != last.average || t->live.isEmpty()) {
        if (!t->live.isEmpty() && l.elapsed < last.elapsed)
            t->problems
                << (QStringLiteral(
                        "channel %1 test %2: the elapsed time went back from %3 s to %4 s at %5 ms")
                        .arg(channel + 1)
                        .arg(t->number)
                        .arg(last.elapsed)
                        .arg(l.elapsed)
                        .arg(now()));
        t->live.append(l);
    }
    // A test the reply ended is judged now, while the marks its end left are fresh.
    if (!running)
        noticeEnd(*t);
}

void RoadRun::finish(Test &t)
{
    t.phase = Phase::Ended;
    t.endedMs = now();
    t.history = data().m_vecRealTimeData[t.channel];
    t.controllerTestAfter = m_area.sim().controller(t.channel).testNumber();
    if (Test *next = current(t.channel))
        next->dueMs = now() + 800;
}

void RoadRun::noticeEnd(Test &t)
{
    PowerBoardSim &sim = m_area.sim();
    DataManager &d = data();
    const int ch = t.channel;
    finish(t);

    const INFUSION_PUMP_TEST_DATA live = d.getTestData(quint16(ch));
    const bool controllerLost = t.controllerLostMs >= 0 || !sim.controller(ch).testing();
    const bool marked = d.testStoppedByController(quint16(ch));
    QString by;
    if (t.stopAsked)
        by = m_schedule.fromPc ? QStringLiteral("the PC") : QStringLiteral("the operator");
    else if (t.acknowledged)
        by = QStringLiteral("the acknowledged alarm");
    else if (t.plan.type != RoadSchedule::Occlusion &&
             live.u32ElapseTime >= quint32(t.plan.duration))
        by = QStringLiteral("its duration");
    else if (t.plan.type == RoadSchedule::Occlusion && t.plan.pumpType == 1 &&
             d.getOcclusionTestComplete(quint16(ch)))
        by = QStringLiteral("the live watch");
    else if (controllerLost && marked)
        by = QStringLiteral("its controller");
    if (t.endedBy.isEmpty() && by.isEmpty()) {
        t.problems
            << (QStringLiteral(
                    "channel %1 test %2 ended at %3 ms by nothing that may end it (elapsed %4 s of "
                    "%5 s; its controller %6; %7)")
                    .arg(ch + 1)
                    .arg(t.number)
                    .arg(now())
                    .arg(live.u32ElapseTime)
                    .arg(t.plan.duration)
                    .arg(controllerLost ? QStringLiteral("lost the test")
                                        : QStringLiteral("still runs it"))
                    .arg(marked ? QStringLiteral("marked stopped")
                                : QStringLiteral("not marked stopped")));
    }
    if (t.endedBy.isEmpty())
        t.endedBy = by;
    note(QStringLiteral("channel %1 test %2 ended by %3 at %4 s")
             .arg(ch + 1)
             .arg(t.number)
             .arg(by)
             .arg(live.u32ElapseTime));
}

// ---------------------------------------------------------------------------------------
// The key pad

bool RoadRun::toSummary()
{
    for (int i = 0; i < 4 && m_area.current() != m_summary; ++i)
        GuiTest::key(Qt::Key_F1);
    return m_area.current() == m_summary;
}

void RoadRun::selectChannel(int channel)
{
    RotaryEncoderList *list = m_summary->channelList();
    GuiTest::turn(channel - list->currentRow());
    if (list->currentRow() != channel) {
        note(QStringLiteral("the encoder did not reach channel %1").arg(channel + 1));
        list->setCurrentRow(channel);
    }
}

bool RoadRun::manualStart(int channel)
{
    if (!toSummary())
        return false;
    selectChannel(channel);
    GuiTest::key(Qt::Key_F4); // MANUAL: the set-up of the channel's test type
    QWidget *page = m_area.current();
    if (page != m_summary->getFlowRateSetupScreen() &&
        page != m_summary->getOcclusionSetupScreen() && page != m_summary->getPCASetupScreen()) {
        toSummary();
        return false;
    }
    GuiTest::key(Qt::Key_F4); // confirm: the running screen
    GuiTest::key(Qt::Key_F6); // green: start
    toSummary();
    return true;
}

void RoadRun::manualOnRunningScreen(int channel, int key)
{
    if (!toSummary())
        return;
    selectChannel(channel);
    GuiTest::key(Qt::Key_F4); // MANUAL: a running test's own screen
    QWidget *page = m_area.current();
    if (page == m_summary->getFlowRateRunningScreen() ||
        page == m_summary->getOcclusionRunningScreen() || page == m_summary->getPCARunningScreen())
        GuiTest::key(key);
    toSummary();
}

namespace
{
template <class Element>
const QVector<INFUSION_PUMP_REAL_TIME_DATA> *samplesOf(TestResultElement *element)
{
    auto *e = dynamic_cast<Element *>(element);
    return e ? &e->samples : nullptr;
}
} // namespace

void RoadRun::saveResults()
{
    TestResultManager *results = TestResultManager::getInstance();
    for (int ch = 0; ch < PowerBoardSim::channels; ++ch) {
        Test *last = nullptr;
        for (Test &t : m_tests)
            if (t.channel == ch && t.phase == Phase::Ended)
                last = &t;
        if (!last || last->history.isEmpty() || !toSummary())
            continue;
        selectChannel(ch);
        {
            GuiTest::ModalAnswer refusal({Qt::Key_Escape}, 1000);
            GuiTest::key(Qt::Key_F2); // SAVE
            if (refusal.answered()) {
                note(QStringLiteral("channel %1: SAVE refused: %2")
                         .arg(ch + 1)
                         .arg(refusal.dialogText()));
                continue;
            }
        }
        auto *asset = qobject_cast<ManualAssetDetails *>(m_area.current());
        if (!asset)
            continue;
        QDeadlineTimer focus(2000);
        while (!(asset->focusWidget() && asset->focusWidget()->hasFocus()) && !focus.hasExpired())
            QTest::qWait(10);
        const QString name = QStringLiteral("ROAD%1").arg(ch + 1);
        GuiTest::typeIntoFocusedField(name, 12); // over what the last save left
        {
            GuiTest::ModalAnswer outcome({Qt::Key_Escape}, 3000);
            GuiTest::key(Qt::Key_F4); // confirm
            note(QStringLiteral("channel %1 saved: %2").arg(ch + 1).arg(outcome.dialogText()));
        }
        toSummary();
        const QStringList files = QDir(TestResultManager::directory())
                                      .entryList({name + QStringLiteral("_*")}, QDir::Files);
        if (files.size() != 1 || !results->openApplianceResult(files.first(), true) ||
            results->getCurrentTestResultSize() < 1)
            continue;
        TestResultElement *element = results->getTestResultPtr(0);
        const QVector<INFUSION_PUMP_REAL_TIME_DATA> *samples =
            samplesOf<TestResultElementFlowTest>(element);
        if (!samples)
            samples = samplesOf<TestResultElementOccTest>(element);
        if (!samples)
            samples = samplesOf<TestResultElementPCATest>(element);
        if (samples)
            last->stored = *samples;
        note(QStringLiteral("channel %1: the result file holds %2 samples")
                 .arg(ch + 1)
                 .arg(last->stored.size()));
    }
}

// ---------------------------------------------------------------------------------------
// The invariants that are judged once the schedule has run

void RoadRun::checkFigures(const Test &t)
{
    PowerBoardSim &sim = m_area.sim();
    const int ch = t.channel;
    // What the channel's controller measured in this test: its whole replies to commands
    // of the channel, from its tests started after this one's start.
    std::set<std::tuple<quint32, float, float, float>> liveFigures;
    std::map<Stored, quint32> latest; // figures -> the latest elapsed time they were sent at
    for (const PowerBoardSim::SentTestData &e : sim.sentTestData(ch)) {
        if (e.origin != PowerBoardSim::Origin::Reply || !e.whole ||
            e.test <= t.controllerTestBefore || e.test > t.controllerTestAfter)
            continue;
        const Stored s = storedOf(e.figures);
        liveFigures.insert({e.figures.elapsed, s.volume, s.instant, s.average});
        quint32 &at = latest[s];
        at = qMax(at, e.figures.elapsed);
    }
    // A frame nobody asked for that went out while a command of this channel was on its way
    // to the controller cannot be told from the answer: it came after the command and is
    // whole. Figures equal to such a frame are the world's doing, not the instrument's.
    const qint64 factor = m_schedule.clockFactor;
    QVector<qint64> heard;
    for (const PowerBoardSim::Command &c : sim.commands())
        if (c.channel == ch)
            heard << c.atMs;
    const auto inFlight = [&](qint64 wall) {
        for (qint64 c : heard)
            if (c >= wall - 2 && c <= wall + inFlightMs)
                return true;
        return false;
    };
    QVector<QPair<Stored, quint32>> indistinct; // such frames' figures and elapsed times
    for (int other = 0; other < PowerBoardSim::channels; ++other)
        for (const PowerBoardSim::SentTestData &e : sim.sentTestData(other))
            if (e.origin != PowerBoardSim::Origin::Reply && e.whole && e.crossed &&
                inFlight(e.atMs / factor))
                indistinct.append({storedOf(e.figures), e.figures.elapsed});
    int excused = 0;
    const auto indistinguishable = [&](const Stored &s, quint32 elapsed, bool pressure) {
        for (const auto &f : indistinct) {
            if (f.first.volume == s.volume && f.first.instant == s.instant &&
                f.first.average == s.average && (!pressure || f.first.pressure == s.pressure) &&
                f.second >= elapsed) {
                ++excused;
                return true;
            }
        }
        return false;
    };
    // Where figures no reply of this test gave came from, to tell the story.
    // Frames nobody asked for first (a late repeat copies a reply), with when they went out.
    const auto whence = [&](const Stored &s, quint32 elapsed) {
        for (bool stray : {true, false}) {
            for (int other = 0; other < PowerBoardSim::channels; ++other) {
                for (const PowerBoardSim::SentTestData &e : sim.sentTestData(other)) {
                    const Stored o = storedOf(e.figures);
                    if ((e.origin != PowerBoardSim::Origin::Reply) != stray ||
                        o.volume != s.volume || o.instant != s.instant || o.average != s.average ||
                        e.figures.elapsed < elapsed)
                        continue;
                    QString when;
                    if (stray) {
                        const qint64 wall = e.atMs / factor;
                        qint64 next = -1;
                        for (qint64 c : heard)
                            if (c >= wall && next < 0)
                                next = c;
                        when =
                            QStringLiteral(", sent %1 ms after the board came up, %2, %3")
                                .arg(wall - m_boardUpMs)
                                .arg(e.crossed
                                         ? QStringLiteral("bytes of the instrument on their way")
                                         : QStringLiteral(
                                               "none of the instrument's bytes on their way"))
                                .arg(next < 0 ? QStringLiteral("no later command of this channel")
                                              : QStringLiteral(
                                                    "this channel's next command heard %1 ms later")
                                                    .arg(next - wall));
                    }
                    return QStringLiteral("as in a %1%2 of channel %3's controller (its test %4%5)")
                        .arg(e.whole ? QString() : QStringLiteral("cut or padded "))
                        .arg(originName(e.origin))
                        .arg(other + 1)
                        .arg(e.test)
                        .arg(when);
                }
            }
        }
        return QStringLiteral("in no payload any controller sent");
    };
    const QString which = QStringLiteral("channel %1 test %2").arg(ch + 1).arg(t.number);
    for (const Live &l : t.live) {
        if (liveFigures.count({l.elapsed, l.volume, l.instant, l.average}))
            continue;
        if (indistinguishable({l.volume, l.instant, l.average, 0}, l.elapsed, false))
            continue;
        violation(
            QStringLiteral(
                "%1: the live record at %2 ms (%3 s, %4 ml, %5 ml/h, %6 ml/h) is no whole reply of "
                "its controller in this test, %7")
                .arg(which)
                .arg(l.atMs)
                .arg(l.elapsed)
                .arg(double(l.volume))
                .arg(double(l.instant))
                .arg(double(l.average))
                .arg(whence({l.volume, l.instant, l.average, 0}, l.elapsed)));
        break;
    }
    const auto check = [&](const QString &what, quint32 elapsed, const Stored &s) {
        const auto it = latest.find(s);
        if ((it != latest.end() && it->second >= elapsed) || indistinguishable(s, elapsed, true))
            return true;
        violation(
            QStringLiteral(
                "%1: %2 of second %3 (%4 ml, %5 ml/h, %6 ml/h, %7 mmHg) is no whole reply of its "
                "controller in this test, %8")
                .arg(which)
                .arg(what)
                .arg(elapsed)
                .arg(double(s.volume))
                .arg(double(s.instant))
                .arg(double(s.average))
                .arg(s.pressure)
                .arg(whence(s, elapsed)));
        return false;
    };
    for (const INFUSION_PUMP_REAL_TIME_DATA &h : t.history)
        if (!check(QStringLiteral("the history's sample"), h.u32ElapseTime,
                   {h.fVolume, h.fFlowRate_Instant, h.fFlowRate_Ave, h.s16Pressure}))
            break;
    for (const INFUSION_PUMP_REAL_TIME_DATA &h : t.stored)
        if (!check(QStringLiteral("the stored result's sample"), h.u32ElapseTime,
                   {h.fVolume, h.fFlowRate_Instant, h.fFlowRate_Ave, h.s16Pressure}))
            break;
    for (const PcLinkClient::Record &r : t.pcRecords)
        if (!check(QStringLiteral("the PC's record"), r.elapsed,
                   {r.volume, r.flowInstant, r.flowAverage, r.pressure}))
            break;
    // What such a frame set off (a count that seemed to go back, an end) is excused with it.
    if (excused > 0)
        note(QStringLiteral(
                 "%1: %2 figures equal to a frame that reached the line with a command of "
                 "the channel on its way")
                 .arg(which)
                 .arg(excused));
    for (const QString &p : t.problems) {
        if (excused > 0)
            note(QStringLiteral("excused with them: ") + p);
        else
            violation(p);
    }
}

void RoadRun::checkPolls()
{
    PowerBoardSim &sim = m_area.sim();
    const qint64 endMs = sim.wallMs();
    const auto excused = [this](qint64 from, qint64 to) {
        qint64 held = 0;
        for (const auto &stall : m_stalls)
            held += qMax<qint64>(0, qMin(to, stall.second) - qMax(from, stall.first));
        return held;
    };
    for (int ch = 0; ch < PowerBoardSim::channels; ++ch) {
        if (!m_schedule.healthy(ch))
            continue;
        // The poll begins a second after start-up, behind start-up's own requests: the first
        // poll is given longer than the gaps between polls.
        qint64 firstPoll = -1;
        qint64 last = -1;
        qint64 worst = 0, worstFrom = 0;
        qint64 stopped = -1, primed = -1;
        const auto polled = [&](qint64 at) {
            if (last < 0) {
                firstPoll = at - m_boardUpMs - excused(m_boardUpMs, at);
            } else {
                const qint64 g = at - last - excused(last, at);
                if (g > worst) {
                    worst = g;
                    worstFrom = last;
                }
            }
            last = at;
        };
        for (const PowerBoardSim::Command &c : sim.commands()) {
            if (c.channel != ch || c.atMs < m_boardUpMs)
                continue;
            if (c.payload == "I3" && stopped < 0)
                stopped = c.atMs;
            if (c.payload == "I6" && primed < 0 && stopped >= 0)
                primed = c.atMs;
            if (c.payload == "I4")
                polled(c.atMs);
        }
        polled(endMs);
        // From a PC the main menu first asks every controller who it is, as start-up does, so
        // start-up is judged by hand only.
        if (firstPoll > maxFirstPollMs && !m_schedule.fromPc)
            violation(
                QStringLiteral("healthy channel %1 was first polled %2 ms after the board came up")
                    .arg(ch + 1)
                    .arg(firstPoll));
        if (worst > maxPollGapMs)
            violation(QStringLiteral(
                          "healthy channel %1 was not polled for %2 ms, from %3 ms after the board "
                          "came up")
                          .arg(ch + 1)
                          .arg(worst)
                          .arg(worstFrom - m_boardUpMs));
        const qint64 startUp =
            primed < 0 ? endMs - m_boardUpMs : primed - m_boardUpMs - excused(m_boardUpMs, primed);
        if (startUp > maxStartUpMs && !m_schedule.fromPc)
            violation(QStringLiteral("healthy channel %1 got its start-up stop and prime %2 ms "
                                     "after the board came up")
                          .arg(ch + 1)
                          .arg(primed < 0 ? QStringLiteral("never, not in %1").arg(startUp)
                                          : QString::number(startUp)));
        m_worstStartUpMs = qMax(m_worstStartUpMs, startUp);
        m_worstPollGapMs = qMax(m_worstPollGapMs, worst);
        m_notes << QStringLiteral("healthy channel %1: start-up stop and prime %2 ms, first poll "
                                  "%3 ms, longest poll gap %4 ms")
                       .arg(ch + 1)
                       .arg(startUp)
                       .arg(firstPoll)
                       .arg(worst);
    }
}
