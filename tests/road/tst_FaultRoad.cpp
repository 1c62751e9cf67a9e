#include "RoadRun.h"
#include "RoadSchedule.h"
#include "TestRegistry.h"

#include <QElapsedTimer>
#include <QTest>

#include <cstdio>

// Seeded schedules of four channels under test, from the key pad or from a PC, with one or
// two controllers misbehaving at chosen moments; each schedule is checked against the
// invariants of RoadRun. The environment chooses what runs:
//   RONDIX_ROAD_SEED=<n>      replays that one schedule, telling what happened
//   RONDIX_ROAD_REPEAT=<n>    replays it up to n times, until it breaks an invariant: its
//                             timing against the poll is real time
//   RONDIX_ROAD_SECONDS=<n>   schedules are begun until n seconds have gone (default 20)
//   RONDIX_TEST_SLICE=<k>/<m> this run takes the seeds k, k + m, k + 2m, ... (default 0/1),
//                             so that m runs side by side cover disjoint seeds
//   RONDIX_ROAD_FIRST=<n>     the seeds begin at n (default 1)
//   RONDIX_ROAD_VERBOSE=1     the power-board simulator tells what it hears and does
class TestFaultRoad : public QObject
{
    Q_OBJECT
public:
    TestFaultRoad()
    {
        // QtTest ends a test function after five minutes unless told otherwise; a longer
        // budget must not be cut off there. QtTest reads this when its first function runs.
        const int seconds = budgetSeconds();
        if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT") && seconds > 200)
            qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number((seconds + 600) * 1000));
    }

private slots:
    // A seed names its schedule: replaying a failing seed must give the same schedule.
    void aSeedIsItsSchedule()
    {
        QCOMPARE(RoadSchedule::make(7).describe(), RoadSchedule::make(7).describe());
        QVERIFY(RoadSchedule::make(7).describe() != RoadSchedule::make(8).describe());
        for (quint32 seed = 1; seed < 200; ++seed) {
            const RoadSchedule s = RoadSchedule::make(seed);
            int healthy = 0;
            for (int ch = 0; ch < PowerBoardSim::channels; ++ch)
                healthy += s.healthy(ch);
            QVERIFY2(healthy >= 2 && healthy <= 3, qPrintable(s.describe()));
        }
    }

    void schedules()
    {
        const QByteArray only = qgetenv("RONDIX_ROAD_SEED");
        if (!only.isEmpty()) {
            bool ok = false;
            const quint32 seed = only.toUInt(&ok);
            QVERIFY2(ok, "RONDIX_ROAD_SEED is no number");
            QVERIFY2(runOne(seed, true),
                     qPrintable(QStringLiteral("seed %1 broke an invariant").arg(seed)));
            return;
        }
        const int seconds = budgetSeconds();
        const QList<QByteArray> slice = qgetenv("RONDIX_TEST_SLICE").split('/');
        const quint32 part = slice.size() == 2 ? slice.at(0).toUInt() : 0;
        const quint32 parts = slice.size() == 2 ? qMax(1u, slice.at(1).toUInt()) : 1;
        const quint32 first = qEnvironmentVariableIsSet("RONDIX_ROAD_FIRST")
                                  ? quint32(qEnvironmentVariableIntValue("RONDIX_ROAD_FIRST"))
                                  : 1;

        QElapsedTimer spent;
        spent.start();
        QList<quint32> failed;
        int ran = 0;
        for (quint32 seed = first + part; spent.elapsed() < seconds * 1000; seed += parts) {
            ++ran;
            if (!runOne(seed, false))
                failed << seed;
        }
        QStringList seeds;
        for (quint32 s : failed)
            seeds << QString::number(s);
        std::fprintf(stderr,
                     "fault road: %d schedules ran (seeds from %u, every %u), %d failed%s%s\n", ran,
                     first + part, parts, int(failed.size()), failed.isEmpty() ? "" : ": ",
                     qPrintable(seeds.join(QLatin1Char(' '))));
        std::fprintf(
            stderr,
            "fault road: healthy channels' start-up stop and prime at most %lld ms, longest poll "
            "gap %lld ms\n",
            m_worstStartUpMs, m_worstPollGapMs);
        QVERIFY2(
            failed.isEmpty(),
            qPrintable(QStringLiteral("failing seeds (replay one with RONDIX_ROAD_SEED=<seed>): ") +
                       seeds.join(QLatin1Char(' '))));
    }

private:
    static int budgetSeconds()
    {
        return qEnvironmentVariableIsSet("RONDIX_ROAD_SECONDS")
                   ? qEnvironmentVariableIntValue("RONDIX_ROAD_SECONDS")
                   : 20;
    }

    // Runs the seed's schedule; false, with its story, when it broke an invariant.
    bool runOne(quint32 seed, bool tell)
    {
        const RoadSchedule schedule = RoadSchedule::make(seed);
        RoadRun run(schedule);
        const QStringList violations = run.run();
        m_worstStartUpMs = qMax(m_worstStartUpMs, run.worstStartUpMs());
        m_worstPollGapMs = qMax(m_worstPollGapMs, run.worstPollGapMs());
        if (violations.isEmpty() && !tell)
            return true;
        std::fprintf(stderr, "%s %s (replay: RONDIX_ROAD_SEED=%u)\n%s\n",
                     violations.isEmpty() ? "PASS" : "FAIL",
                     qPrintable(QStringLiteral("seed %1").arg(seed)), seed,
                     qPrintable(schedule.describe()));
        for (const QString &v : violations)
            std::fprintf(stderr, "  broken: %s\n", qPrintable(v));
        for (const QString &n : run.notes())
            std::fprintf(stderr, "    %s\n", qPrintable(n));
        return violations.isEmpty();
    }

    qint64 m_worstStartUpMs = 0;
    qint64 m_worstPollGapMs = 0;
};

// The road's own baseline: with every controller sound it must find nothing, so what it
// finds among the faults is the instrument's answer to them, not the road's.
class TestFaultRoadBaseline : public QObject
{
    Q_OBJECT
private slots:
    void soundControllersKeepEveryInvariant_data()
    {
        QTest::addColumn<bool>("fromPc");
        QTest::addColumn<bool>("clearsAfterStop");
        QTest::newRow("by hand, figures held after a stop") << false << false;
        QTest::newRow("from a PC, figures cleared after a stop") << true << true;
    }
    void soundControllersKeepEveryInvariant()
    {
        QFETCH(bool, fromPc);
        QFETCH(bool, clearsAfterStop);
        quint32 seed = 1;
        while (RoadSchedule::make(seed).fromPc != fromPc)
            ++seed;
        RoadSchedule schedule = RoadSchedule::make(seed);
        schedule.faults.clear();
        schedule.clearsAfterStop = clearsAfterStop;
        RoadRun run(schedule);
        const QStringList violations = run.run();
        QVERIFY2(violations.isEmpty(),
                 qPrintable(schedule.describe() + QLatin1Char('\n') +
                            violations.join(QLatin1Char('\n')) + QLatin1Char('\n') +
                            run.notes().join(QLatin1Char('\n'))));
    }
};

RONDIX_TEST(TestFaultRoad)
RONDIX_TEST(TestFaultRoadBaseline)
#include "tst_FaultRoad.moc"
