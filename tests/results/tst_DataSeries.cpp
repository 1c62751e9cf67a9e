#include "DataManager.h"
#include "DataSeries.h"
#include "GraphBench.h"
#include "TempRoot.h"
#include "TestRegistry.h"

#include <QTest>

namespace {

INFUSION_PUMP_REAL_TIME_DATA record(quint32 elapsed, qint16 pressure, float volume, float instant)
{
    // An average flow that must never be drawn live.
    return GraphBench::record(elapsed, pressure, volume, instant, -1000.0f);
}

// One-second records 1..n: instant flow 100 + second % 7, volume second / 36, pressure
// second % 50.
void fill(QVector<INFUSION_PUMP_REAL_TIME_DATA> &history, int n)
{
    history.clear();
    for (int s = 1; s <= n; ++s)
        history.append(record(quint32(s), qint16(s % 50), s / 36.0f, 100.0f + s % 7));
}

} // namespace

// The live curve read straight from a channel's history: no graph screen is needed for
// its points and extremes.
class TestDataSeries : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_root.reset(new TempRoot);
        m_data.reset(new DataManager);
        m_series.reset(new DataSeries(m_data.get()));
        DataSeries::setChannelId(2);
        DataSeries::setMode(DataSeries::FlowRateMode);
        // The extremes are shared by the whole program; as on the instrument, seeing
        // the empty history of a fresh test makes them start again.
        m_series->boundingRect();
    }
    void cleanup()
    {
        m_series.reset();
        m_data.reset();
        m_root.reset();
    }

    void emptyHistoryHasNoPoints()
    {
        QCOMPARE(m_series->size(), size_t(0));
        QCOMPARE(m_series->boundingRect(), QRectF());
        QCOMPARE(m_series->scaleTime(50), 0.0f);
        // Asked past the end anyway, it answers the origin instead of reading beyond.
        QCOMPARE(m_series->sample(0), QPointF());
        QCOMPARE(m_series->sample(5), QPointF());
        // A channel number out of range reads no history at all.
        DataSeries::setChannelId(9);
        QCOMPARE(m_series->size(), size_t(0));
        QCOMPARE(m_series->boundingRect(), QRectF());
    }

    void pointsAreThinnedRecords_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("lastIndex");
        QTest::addColumn<int>("pointsWithOneMore");
        QTest::newRow("under an hour") << 3599 << 3599 << 3598 << 1200;
        QTest::newRow("an hour") << 3600 << 1200 << 3597 << 1200;
        QTest::newRow("just under a day") << 86399 << 3599 << 86352 << 514;
        QTest::newRow("a day") << 86400 << 514 << 86184 << 514;
    }
    void pointsAreThinnedRecords()
    {
        QFETCH(int, records);
        QFETCH(int, points);
        QFETCH(int, lastIndex);
        QFETCH(int, pointsWithOneMore);
        QVector<INFUSION_PUMP_REAL_TIME_DATA> &history = m_data->m_vecRealTimeData[2];
        fill(history, records);
        QCOMPARE(m_series->size(), size_t(points));
        const INFUSION_PUMP_REAL_TIME_DATA &last = history.at(lastIndex);
        QCOMPARE(m_series->sample(size_t(points - 1)),
                 QPointF(last.u32ElapseTime, last.fFlowRate_Instant));
        DataSeries::setMode(DataSeries::VolumeMode);
        QCOMPARE(m_series->sample(size_t(points - 1)), QPointF(last.u32ElapseTime, last.fVolume));
        // One record more is seen at once: the series holds no copy.
        history.append(record(quint32(records + 1), 0, 0, 0));
        QCOMPARE(m_series->size(), size_t(pointsWithOneMore));
    }

    void pressureInTheOperatorsUnit()
    {
        m_data->m_vecRealTimeData[2] = {record(1, -20, 0, 0), record(2, 300, 0, 0)};
        m_data->setPressureUnits(DataManager::UNITS_KPA);
        DataSeries::setMode(DataSeries::PressureMode);
        QCOMPARE(m_series->sample(1), QPointF(2.0, double(float(300 * 0.133322368))));
        const QRectF rect = m_series->boundingRect();
        QCOMPARE(float(rect.top()), float(-24 * 0.133322368));
        QCOMPARE(float(rect.bottom()), float(360 * 0.133322368));
        QCOMPARE(rect.left(), 0.0);
        QCOMPARE(rect.right(), 2.0);
    }

    // The extremes grow with the history and start afresh for another channel or a new
    // test on the same one.
    void extremesRestartWithTheHistory()
    {
        QVector<INFUSION_PUMP_REAL_TIME_DATA> &history = m_data->m_vecRealTimeData[2];
        history = {record(1, 0, 1, 50), record(2, 0, 2, 80)};
        QCOMPARE(m_series->boundingRect(), QRectF(QPointF(0, 0), QPointF(2, float(80 * 1.2))));
        history.append(record(3, 0, 3, 60));
        QCOMPARE(m_series->boundingRect(), QRectF(QPointF(0, 0), QPointF(3, float(80 * 1.2))));

        history = {record(1, 0, 1, 20)}; // a new test
        QCOMPARE(m_series->boundingRect(), QRectF(QPointF(0, 0), QPointF(1, float(20 * 1.2))));

        m_data->m_vecRealTimeData[1] = {record(1, 0, 1, 10), record(2, 0, 1, -5)};
        DataSeries::setChannelId(1);
        QCOMPARE(m_series->boundingRect(),
                 QRectF(QPointF(0, float(-5 * 1.2)), QPointF(2, float(10 * 1.2))));
        DataSeries::setChannelId(2);
        QCOMPARE(m_series->boundingRect(), QRectF(QPointF(0, 0), QPointF(1, float(20 * 1.2))));
    }

private:
    std::unique_ptr<TempRoot> m_root;
    std::unique_ptr<DataManager> m_data;
    std::unique_ptr<DataSeries> m_series;
};

RONDIX_TEST(TestDataSeries)
#include "tst_DataSeries.moc"
