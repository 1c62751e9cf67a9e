#include "ManualTestArithmetic.h"

#include <QtGlobal>
#include <cmath>
#include <limits>

unsigned int ManualTestArithmetic::remainingSeconds(unsigned int duration, unsigned int elapsed)
{
    return elapsed >= duration ? 0u : duration - elapsed;
}

ManualTestArithmetic::HoursMinutesSeconds ManualTestArithmetic::splitDuration(int seconds)
{
    return {seconds / 3600, (seconds % 3600) / 60, (seconds % 3600) % 60};
}

int ManualTestArithmetic::joinDuration(int hours, int minutes, int seconds)
{
    return hours * 3600 + minutes * 60 + seconds;
}

short ManualTestArithmetic::backPressureToMmHg(double entered, double unitPerMmHg)
{
    if (unitPerMmHg == 0.0)
        return 0;
    const double mmHg = std::round(entered / unitPerMmHg); // halves away from zero
    if (mmHg > std::numeric_limits<short>::max())
        return std::numeric_limits<short>::max();
    if (mmHg < std::numeric_limits<short>::min())
        return std::numeric_limits<short>::min();
    return static_cast<short>(mmHg);
}

bool ManualTestArithmetic::outsideLimits(double errorPct, double upperPct, double lowerPct)
{
    return errorPct < -lowerPct || errorPct > upperPct;
}

ManualTestArithmetic::FlowError
ManualTestArithmetic::flowError(int limitType, float target, unsigned char upperPct,
                                unsigned char lowerPct, float averageFlow, float instantFlow,
                                float volume, unsigned int duration,
                                unsigned int lastSampleElapsed)
{
    double error = 0.0;
    if (target != 0.0f) {
        if (limitType == 1) {
            error = (averageFlow - target) * 100.0f / target;
        } else if (limitType == 2) {
            // The target is the volume over the whole test; what is expected by now
            // grows with the elapsed time. A zero duration expects nothing.
            const float expected =
                duration == 0 ? 0.0f : target / static_cast<float>(duration) *
                                           static_cast<float>(lastSampleElapsed);
            if (expected != 0.0f)
                error = (static_cast<double>(volume) - expected) * 100.0 / expected;
        } else {
            error = (instantFlow - target) * 100.0f / target;
        }
    }
    return {error, outsideLimits(error, upperPct, lowerPct)};
}

ManualTestArithmetic::IdleState ManualTestArithmetic::idleState(int samples, unsigned int duration)
{
    if (samples > 0 && static_cast<unsigned int>(samples) >= duration)
        return Completed;
    return samples > 0 ? Stopped : Ready;
}

int ManualTestArithmetic::nextUsableChannel(int shown, const std::function<int(int)> &status)
{
    for (int step = 1; step <= 4; ++step) {
        const int candidate = (shown + step) % 4;
        if (status(candidate) == 1)
            return candidate;
    }
    return -1;
}

QString ManualTestArithmetic::formatVolume(float volume)
{
    return QString::asprintf("%#.3g", static_cast<double>(volume));
}

QString ManualTestArithmetic::fitNumber(double value, int decimals,
                                       const std::function<bool(const QString &)> &fits)
{
    for (int d = decimals; d >= 0; --d) {
        const QString text = QString::number(value, 'f', d);
        if (fits(text))
            return text;
    }
    for (int digits = 2; digits >= 0; --digits) {
        // "4.29e+06" as "4.29e6": the room is short.
        QString text = QString::number(value, 'e', digits);
        const int e = text.indexOf(QLatin1Char('e'));
        QString exponent = text.mid(e + 1);
        const bool negative = exponent.startsWith(QLatin1Char('-'));
        exponent.remove(0, 1);
        while (exponent.size() > 1 && exponent.startsWith(QLatin1Char('0')))
            exponent.remove(0, 1);
        text = text.left(e + 1) + (negative ? QStringLiteral("-") : QString()) + exponent;
        if (fits(text))
            return text;
    }
    return QStringLiteral("#");
}

int ManualTestArithmetic::stepIndex(int index, int count, int delta)
{
    if (count <= 0)
        return 0;
    return delta > 0 ? (index + 1) % count : (index + count - 1) % count;
}

int ManualTestArithmetic::firstShownBolus(int count, int offset)
{
    return qMax(1, count - offset - 2);
}

int ManualTestArithmetic::maxBolusOffset(int count)
{
    return qMax(0, count - 3);
}

unsigned short ManualTestArithmetic::pcaWindowSize(float basalRate)
{
    return basalRate <= 5.0f ? 30 : 10;
}

ManualTestArithmetic::Judgement ManualTestArithmetic::judgeBolusVolume(float volume, float target,
                                                                       unsigned char upperPct,
                                                                       unsigned char lowerPct)
{
    if (target == 0.0f)
        return Unjudged;
    const float low = static_cast<float>(double(target) * (100 - lowerPct) / 100.0);
    const float high = static_cast<float>(double(target) * (100 + upperPct) / 100.0);
    return (volume < low || volume > high) ? Outside : Inside;
}

ManualTestArithmetic::Judgement ManualTestArithmetic::judgePressure(double pressure, float lower,
                                                                    float upper)
{
    if (upper == 0.0f)
        return Unjudged;
    return (pressure < lower || pressure > upper) ? Outside : Inside;
}
