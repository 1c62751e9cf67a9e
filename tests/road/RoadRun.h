#pragma once

#include "INFUSION_PUMP_REAL_TIME_DATA.h"
#include "INFUSION_PUMP_TEST_DATA.h"
#include "PcLinkClient.h"
#include "RoadSchedule.h"
#include "ScreenArea.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QVector>

#include <memory>

class DataManager;
class InfusionPumpMainScreen;
class SummaryManualScreen;

// Runs one schedule of the fault road against the instrument as start-up builds it (the
// board manager on the power-board simulator, the real screens, the PC link) and checks
// the invariants that must hold whatever the controllers do:
//  - every figure of a channel's live record, history and stored result is a figure of a
//    whole reply of that channel's controller to a command of that channel, in that test;
//  - within a test the elapsed time never goes back;
//  - every healthy channel gets its start-up stop and prime at once and is polled at least
//    every 1.5 s;
//  - a test ends only by its duration, the operator or the PC, the live watch, or its own
//    controller (and is then marked stopped).
class RoadRun
{
public:
    explicit RoadRun(const RoadSchedule &schedule);
    ~RoadRun();

    // The invariants the schedule broke, one line each; empty when it kept them all.
    QStringList run();
    // What happened, for a failing schedule's report.
    QStringList notes() const { return m_notes; }
    // The healthy channels' longest wait for their start-up stop and prime, and between
    // two polls, in ms (harness stalls left out).
    qint64 worstStartUpMs() const { return m_worstStartUpMs; }
    qint64 worstPollGapMs() const { return m_worstPollGapMs; }

private:
    enum class Phase { Waiting, Starting, Running, Ended, NeverStarted };

    // The live record's figures as one reply left them.
    struct Live {
        qint64 atMs;
        quint32 elapsed;
        float volume, instant, average;
    };

    struct Test {
        RoadSchedule::Test plan;
        int channel = 0;
        int number = 0; // of the channel's tests, from 1
        Phase phase = Phase::Waiting;
        qint64 dueMs = 0;
        qint64 startedMs = -1;
        qint64 endedMs = -1;
        qint64 lastActionMs = -1;
        // The controller's test count before the start: its figures of this test are
        // those of its later tests.
        int controllerTestBefore = 0;
        int controllerTestAfter = 0;
        bool stopAsked = false;
        bool acknowledged = false;
        qint64 controllerLostMs = -1;
        qint64 controllerLostSimMs = -1; // the simulator's clock then
        QVector<Live> live;
        QVector<INFUSION_PUMP_REAL_TIME_DATA> history;
        QList<PcLinkClient::Record> pcRecords;
        QVector<INFUSION_PUMP_REAL_TIME_DATA> stored; // the saved result's samples
        QString endedBy;
        // What went wrong while it ran, judged with its figures at the end.
        QStringList problems;
    };

    bool build();
    void screensBuilt();
    void step();
    void applyFaults();
    void onReply(int channel);
    void advance(Test &t);
    void startTest(Test &t);
    // The operator's or the PC's word on a running test.
    enum class Word { Stop, Acknowledge };
    void act(Test &t, Word word);
    void noticeEnd(Test &t);
    // The test is over (whoever ended it): what it left is kept, the channel's next is due.
    void finish(Test &t);
    Test *current(int channel);

    // The key pad: the summary, its channel row, and the running or set-up screen behind it.
    bool toSummary();
    void selectChannel(int channel);
    bool manualStart(int channel);
    void manualOnRunningScreen(int channel, int key);
    // SAVE of each channel's last test, and what the result file then holds.
    void saveResults();

    void checkFigures(const Test &t);
    void checkPolls();
    void violation(const QString &what);
    void note(const QString &what);
    qint64 now() const { return m_wall.elapsed(); }
    DataManager &data();

    RoadSchedule m_schedule;
    ScreenArea m_area;
    PcLinkClient m_pc;
    InfusionPumpMainScreen *m_menu = nullptr;
    SummaryManualScreen *m_summary = nullptr;
    QElapsedTimer m_wall;
    qint64 m_boardUpMs = 0; // the simulator's wall clock when the board manager was built
    qint64 m_worstStartUpMs = 0;
    qint64 m_worstPollGapMs = 0;
    QVector<Test> m_tests;
    QVector<bool> m_faultSet;
    QVector<bool> m_faultCleared;
    // Stretches in which the harness itself was held up (a loaded machine), in the
    // simulator's wall clock: a gap they explain is not the instrument's.
    QVector<QPair<qint64, qint64>> m_stalls;
    QStringList m_violations;
    QStringList m_notes;
};
