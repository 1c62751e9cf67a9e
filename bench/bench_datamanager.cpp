// A 24-hour test on all four channels: one test-data reply per channel per second
// through DataManager, with the remote-control full-record history on as well. Reports
// the time per reply and the bytes each history spends per stored record, in all; a
// second benchmark shows that a reply late in a long test costs what an early one does,
// and a third that the PC link answers a poll at the end of a day's history as fast as
// at its start.
#include "BenchRun.h"
#include "DataManager.h"
#include "DorvalenPacket.h"
#include "InfusionPumpPowerBoardManager.h"
#include "PcRequestDispatcher.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QVector>

#include <climits>

namespace {

constexpr quint32 kSecondsPerDay = 86400;
constexpr int kChannels = DataManager::CHANNEL_COUNT;

// A flow-test reply for the given second, as the link delivers it.
QByteArray reply(quint32 second)
{
    QByteArray b("\x02\x1e\x00EPS", 6);
    const auto le = [&b](quint64 v, int n) {
        for (int i = 0; i < n; ++i)
            b.append(char((v >> (8 * i)) & 0xFF));
    };
    le(0, 1);                       // flow test
    le(3, 1);                       // controller measuring flow
    le(quint16(250 + second % 7), 2); // pressure, 0.1 mmHg
    le(second, 4);
    le(second * 28, 4);             // volume, µl: 100.8 ml/h
    le(second % 65536, 2);
    le(100000 + second % 500, 4);   // instantaneous flow, 0.001 ml/h
    le(100800, 4);                  // average flow
    le(300, 2);
    le(0, 1);
    le(0, 2);
    le(PowerBoardManager::checksum(2, b.mid(1)), 2);
    return b;
}

const QVector<QByteArray> &dayOfReplies()
{
    static const QVector<QByteArray> replies = [] {
        QVector<QByteArray> r;
        r.reserve(int(kSecondsPerDay));
        for (quint32 s = 1; s <= kSecondsPerDay; ++s)
            r.append(reply(s));
        return r;
    }();
    return replies;
}

void startDayLongTests(DataManager &dm)
{
    dm.setRemoteControl(1);
    for (unsigned short ch = 0; ch < kChannels; ++ch) {
        dm.vSetTestSetting_ElapseTime(ch, INT_MAX);
        dm.vSetTestRunningFlag(PicRunningData(ch, 1));
    }
}

template <class T> double bytesPerRecord(const QVector<T> &history)
{
    return history.isEmpty() ? 0.0 : double(history.capacity()) * sizeof(T) / history.size();
}

void BM_DayOfRepliesOnFourChannels(benchmark::State &state)
{
    const QVector<QByteArray> &replies = dayOfReplies();
    double sampleBytes = 0, fullBytes = 0, fullTotalBytes = 0;
    for (auto _ : state) {
        {
            DataManager dm;
            startDayLongTests(dm);
            for (const QByteArray &bytes : replies) {
                for (int ch = 0; ch < kChannels; ++ch)
                    dm.vStoreTestData(TestData(ch, bytes));
            }
            benchmark::DoNotOptimize(dm.m_vecRealTimeData[0].size());
            sampleBytes = bytesPerRecord(dm.m_vecRealTimeData[0]);
            fullBytes = bytesPerRecord(dm.m_vecFullTestData[0]);
            fullTotalBytes = 0;
            for (const auto &history : dm.m_vecFullTestData)
                fullTotalBytes += double(history.capacity()) * sizeof(INFUSION_PUMP_TEST_DATA);
            state.PauseTiming(); // releasing the histories is not part of the day
        }
        state.ResumeTiming();
    }
    const double repliesPerIteration = double(kSecondsPerDay) * kChannels;
    state.SetItemsProcessed(int64_t(state.iterations() * repliesPerIteration));
    state.counters["time_per_reply"] = benchmark::Counter(
        repliesPerIteration, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["sample_bytes_per_record"] = sampleBytes;
    state.counters["full_record_bytes_per_record"] = fullBytes;
    state.counters["full_record_MB_four_channels"] = fullTotalBytes / 1e6;
    state.counters["record_size_bytes"] = double(sizeof(INFUSION_PUMP_TEST_DATA));
}
BENCHMARK(BM_DayOfRepliesOnFourChannels)->Unit(benchmark::kMillisecond)->Iterations(1);

// One second (four replies) after state.range(0) seconds of history already stored.
void BM_ReplyAfterLongHistory(benchmark::State &state)
{
    const QVector<QByteArray> &replies = dayOfReplies();
    const int stored = int(state.range(0));
    DataManager dm;
    startDayLongTests(dm);
    for (int s = 0; s < stored; ++s)
        for (int ch = 0; ch < kChannels; ++ch)
            dm.vStoreTestData(TestData(ch, replies.at(s)));
    int next = stored;
    for (auto _ : state) {
        const QByteArray &bytes = replies.at(next++ % int(kSecondsPerDay));
        for (int ch = 0; ch < kChannels; ++ch)
            dm.vStoreTestData(TestData(ch, bytes));
    }
    state.SetItemsProcessed(state.iterations() * kChannels);
}
BENCHMARK(BM_ReplyAfterLongHistory)->Arg(0)->Arg(43200)->Arg(86000)->Iterations(300);

// The PC link answering one Poll for the newest of state.range(0) records: the frame
// goes through reassembly, CRC check and dispatch, and the Data reply is built (no port is
// open, so it is not written out).
void BM_PollAtEndOfHistory(benchmark::State &state)
{
    const QVector<QByteArray> &replies = dayOfReplies();
    const int stored = int(state.range(0));
    InfusionPumpPowerBoardManager board(QStringLiteral("/dev/ttyAPP1"));
    DataManager &dm = board.m_DataManager;
    startDayLongTests(dm);
    for (int s = 0; s < stored; ++s)
        dm.vStoreTestData(TestData(0, replies.at(s)));
    PcRequestDispatcher dispatcher(board);
    DorvalenPacket poll;
    poll.poll(0, quint32(qMax(1, stored - 1)));
    const QByteArray frame = poll.getFrame();
    for (auto _ : state)
        dispatcher.receiveBytes(frame.constData(), frame.size());
    state.counters["records"] = double(dm.m_vecFullTestData[0].size());
}
BENCHMARK(BM_PollAtEndOfHistory)->Arg(2)->Arg(43200)->Arg(86400)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    // The board manager's timers want an application object; none of them fires here.
    QCoreApplication app(argc, argv);
    // Keep the settings file of the data manager away from the host's /mnt/data.
    QTemporaryDir root;
    qputenv("INSTRUMENT_ROOT", root.path().toLocal8Bit());
    return runBenchmarks(argc, argv);
}
