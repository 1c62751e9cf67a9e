#include "SimController.h"

#include <QString>
#include <QtMath>
#include <algorithm>

namespace {
constexpr double ripple = 0.03;      // relative flow ripple of the pump mechanism
constexpr double ripplePeriod = 20.0; // s per ripple
constexpr double compliance = 0.0006; // ml the blocked line holds per mmHg
constexpr double releaseTime = 3.0;   // s for the line to relax after a blockage is released

void put8(QByteArray &b, quint8 v) { b.append(char(v)); }
void put16(QByteArray &b, quint16 v)
{
    b.append(char(v & 0xFF));
    b.append(char(v >> 8));
}
void put32(QByteArray &b, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
}
quint32 milli(double v) { return v <= 0 ? 0u : quint32(qRound64(v * 1000.0)); }
qint16 tenths(double mmHg) { return qint16(qBound(-32768.0, std::round(mmHg * 10.0), 32767.0)); }

QByteArray picDate(int minute, int hour, int day, int month, int year)
{
    QByteArray b;
    put8(b, quint8(minute));
    put8(b, quint8(hour));
    put8(b, quint8(day));
    put8(b, quint8(month));
    put16(b, quint16(year));
    return b;
}
} // namespace

SimController::SimController(int channel) : m_channel(channel) {}

void SimController::reset()
{
    const Pump pump = m_pump; // the pump on the channel is not part of the controller
    const int channel = m_channel;
    const int faults = m_faults;
    const bool clears = m_clearsAfterStop; // firmware behaviour, not state
    const QByteArray versions = m_versions;
    const QByteArray serial = m_serial;
    const int testNumber = m_testNumber;
    *this = SimController(channel);
    m_testNumber = testNumber;
    m_pump = pump;
    m_faults = faults;
    m_clearsAfterStop = clears;
    m_versions = versions;
    m_serial = serial;
}

void SimController::loseTest(qint64 nowMs, bool restart)
{
    if (!testing())
        return;
    if (restart) {
        // The run type and state stand; only the count starts again.
        m_startMs = nowMs;
        m_releaseAt = -1;
        m_peak = 0;
        return;
    }
    m_zeroed = true;
    m_peak = 0;
}

void SimController::setIdentity(const QByteArray &versions, const QByteArray &serial)
{
    m_versions = versions;
    m_serial = serial;
}

quint32 SimController::elapsed(qint64 nowMs) const
{
    if (!testing() || m_zeroed)
        return m_frozenElapsed;
    return quint32(std::max<qint64>(0, nowMs - m_startMs) / 1000);
}

double SimController::deliveredMl(double t) const
{
    if (t <= 0)
        return 0;
    if (m_runType == 2) {
        double ml = m_pump.basalRate * t / 3600.0;
        const double duration = m_pump.bolusRate > 0 ? m_pump.bolusVolume / m_pump.bolusRate * 3600.0 : 0;
        if (duration > 0 && m_pump.bolusInterval > 0) {
            for (double s = m_pump.firstBolus; s < t; s += m_pump.bolusInterval)
                ml += m_pump.bolusRate / 3600.0 * std::min(t - s, duration);
        }
        return ml;
    }
    const double w = 2 * M_PI / ripplePeriod;
    return m_pump.rate / 3600.0 * (t + ripple / w * std::sin(w * t));
}

double SimController::blockedPressure(double at, quint8 *autoOcc) const
{
    const double bp = m_backPressure;
    const double alarm = std::max(m_pump.alarmPressure, bp);
    const double tAlarm = m_pump.pressureRise > 0 ? (alarm - bp) / m_pump.pressureRise : 0;
    if (at < tAlarm) {
        *autoOcc = 1;
        return bp + m_pump.pressureRise * at;
    }
    *autoOcc = 2;
    if (m_pumpType == 0)
        return alarm; // a manual pump waits for the operator
    // An auto-reverse pump holds, backs off, and then lets the line go.
    const double u = at - tAlarm;
    if (u < 2)
        return alarm;
    *autoOcc = u < 4 ? 3 : u < 7 ? 4 : 5;
    if (u < 4)
        return alarm;
    if (u < 7)
        return alarm - (alarm - m_pump.backOffPressure) * (u - 4) / 3;
    return u < 10 ? m_pump.backOffPressure : -2.0;
}

SimController::Sample SimController::measure(double t) const
{
    Sample s;
    if (m_runType == 1) {
        if (m_releaseAt >= 0 && t >= m_releaseAt) {
            // Released: the line relaxes and what it held comes out as one bolus.
            quint8 ignored;
            const double held = blockedPressure(m_releaseAt, &ignored);
            const double f = std::min(1.0, (t - m_releaseAt) / releaseTime);
            s.pressure = tenths(held + (-1.5 - held) * f);
            s.volume = milli(compliance * std::max(0.0, held) * f);
        } else {
            s.pressure = tenths(blockedPressure(t, &s.autoOcc));
        }
        if (m_pumpType != 0 && s.autoOcc == 5 && m_releaseAt < 0)
            s.backOff = tenths(m_pump.backOffPressure);
        return s;
    }
    const double ml = deliveredMl(t);
    s.volume = milli(ml);
    if (t > 0) {
        const double window = std::min<double>(std::max<quint16>(m_windowSize, 1), t);
        s.instant = milli((ml - deliveredMl(t - window)) / window * 3600.0);
        s.average = milli(ml / t * 3600.0);
    }
    const double w = 2 * M_PI / ripplePeriod;
    double p = m_backPressure + 1.5 + 0.8 * std::sin(w * t);
    if (m_runType == 2 && s.instant > milli(2 * m_pump.basalRate))
        p += 6.0; // a bolus pushes the line pressure up
    s.pressure = tenths(p);
    return s;
}

void SimController::startTest(qint64 nowMs)
{
    m_runType = m_testType <= 2 ? m_testType : 0;
    m_status = m_runType == 1 ? Occlusion : m_runType == 2 ? Pca : FlowRate;
    m_startMs = nowMs;
    m_releaseAt = -1;
    m_peak = 0;
    m_frozen = Sample();
    m_frozenElapsed = 0;
    m_zeroed = false;
    ++m_testNumber;
}

void SimController::freeze(qint64 nowMs)
{
    if (!testing())
        return;
    const double t = std::max<qint64>(0, nowMs - m_startMs) / 1000.0;
    m_frozen = m_zeroed ? Sample() : measure(t);
    m_frozenElapsed = elapsed(nowMs);
    m_zeroed = false;
    if (m_clearsAfterStop) {
        m_frozen = Sample();
        m_frozenElapsed = 0;
        m_peak = 0;
    }
}

QByteArray SimController::testData(qint64 nowMs)
{
    Sample s = m_frozen;
    const quint32 secs = elapsed(nowMs);
    if (testing())
        s = m_zeroed ? Sample() : measure(std::max<qint64>(0, nowMs - m_startMs) / 1000.0);
    else
        s.pressure = tenths(m_status == Idle ? 0.0 : m_backPressure + 0.5);
    if (testing())
        m_peak = std::max(m_peak, s.pressure);

    QByteArray b("EPS");
    put8(b, testing() || m_frozenElapsed ? m_runType : m_testType);
    put8(b, m_status);
    put16(b, quint16(s.pressure));
    put32(b, secs);
    put32(b, s.volume);
    put16(b, quint16(s.volume / 20)); // one revolution of the measuring wheel per 20 µl
    put32(b, s.instant);
    put32(b, s.average);
    put16(b, quint16(m_peak));
    put8(b, s.autoOcc);
    put16(b, quint16(s.backOff));
    return b;
}

SimController::Figures SimController::figures(const QByteArray &testData)
{
    const QByteArray p = testData.leftJustified(testDataSize, '\0', true);
    auto u8 = [&](int i) { return quint8(p.at(i)); };
    auto u16 = [&](int i) { return quint16(u8(i) | (u8(i + 1) << 8)); };
    auto u32 = [&](int i) { return quint32(u16(i) | (quint32(u16(i + 2)) << 16)); };
    Figures f;
    f.type = u8(3);
    f.status = u8(4);
    f.pressure = qint16(u16(5));
    f.elapsed = u32(7);
    f.volume = u32(11);
    f.revolutions = u16(15);
    f.instant = u32(17);
    f.average = u32(21);
    f.peak = qint16(u16(25));
    f.autoOcc = u8(27);
    f.backOff = qint16(u16(28));
    return f;
}

QByteArray SimController::handle(const QByteArray &command, qint64 nowMs)
{
    const QByteArray es = QByteArray("ES");
    auto status = [&] { return es + char(m_status); };
    const auto arg16 = [&](int at) {
        return quint16(quint8(command.at(at)) | (quint8(command.at(at + 1)) << 8));
    };

    if (command == "I4")
        return testData(nowMs);
    if (command == "I3" || command == "I6" || command == "I7") {
        freeze(nowMs);
        m_status = command == "I3" ? Idle : command == "I6" ? Prime : Drain;
        return status();
    }
    if (command == "I2") {
        // The same command releases a blocked line during an occlusion test.
        if (m_status == Occlusion && m_releaseAt < 0)
            m_releaseAt = std::max<qint64>(0, nowMs - m_startMs) / 1000.0;
        else
            startTest(nowMs);
        return status();
    }
    if (command == "I8" || command == "C0")
        return status();
    if (command.startsWith("IF1") && command.size() == 4) {
        m_testType = quint8(command.at(3));
        return status();
    }
    if (command.startsWith("IF2") && command.size() == 5) {
        m_backPressure = qint16(arg16(3));
        return status();
    }
    if (command.startsWith("IF4") && command.size() == 5) {
        m_windowSize = arg16(3);
        return status();
    }
    if (command.startsWith("IF5") && command.size() == 4) {
        m_pumpType = quint8(command.at(3));
        return status();
    }
    if (command == "IV")
        return QByteArray("NV") + (m_versions.isEmpty() ? QByteArray("2.07,PB-C") : m_versions);
    if (command == "ICG") {
        const QByteArray serial =
            m_serial.isEmpty() ? QString("PB2403-%1").arg(101 + m_channel).toLatin1() : m_serial;
        return QByteArray("EN") + serial + QByteArray("\r\n\0", 3);
    }
    if (command == "IRC")
        return QByteArray("ECD") + picDate(5, 14, 12 + m_channel, 3, 2026);
    if (command == "IRV")
        return QByteArray("ECV") + picDate(30, 9, 2, 4, 2026);
    ++m_faults;
    return QByteArray("EE");
}
