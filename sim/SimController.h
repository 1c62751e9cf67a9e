#pragma once

#include <QByteArray>
#include <QtGlobal>

// One channel controller of the power board as the instrument sees it: it keeps the
// settings the instrument sends, runs a test when told to, and answers with what a
// pump under test would make it measure. The pump is modelled by a few figures that a
// test or the desktop run can change: a flow pump delivering steadily (with the small
// ripple of a peristaltic mechanism), a PCA pump giving boluses on top of a basal rate,
// and a pump building pressure against the blocked line until its occlusion alarm.
class SimController
{
public:
    struct Pump
    {
        double rate = 100.0;         // ml/h of a flow test
        double basalRate = 10.0;     // ml/h of a PCA test between boluses
        double bolusVolume = 1.0;    // ml per PCA bolus
        double bolusRate = 300.0;    // ml/h while a bolus is given
        double firstBolus = 20.0;    // s into a PCA test
        double bolusInterval = 60.0; // s between bolus starts
        double alarmPressure = 500.0; // mmHg at which the pump's occlusion alarm stops it
        double pressureRise = 25.0;  // mmHg/s while the pump pushes against the blockage
        double backOffPressure = 50.0; // mmHg left after an auto-reverse pump has backed off
    };

    // Controller states as reported in the test data.
    enum Status : quint8 { Idle = 0, MotorError = 1, Prime = 2, FlowRate = 3, Pca = 4, Occlusion = 5, Drain = 6 };

    explicit SimController(int channel);

    // Power-on state: idle, settings cleared, nothing measured.
    void reset();
    // A restart in the middle of a test that leaves the controller reporting its test's
    // type and state: with every figure at zero from then on (restart false), or with
    // its count begun again from zero (restart true). Nothing happens when no test runs.
    void loseTest(qint64 nowMs, bool restart);

    // Acts on one command payload at time nowMs and returns the reply payload
    // (empty when the command has none). Unknown or malformed commands answer "EE"
    // and are counted in faults().
    QByteArray handle(const QByteArray &command, qint64 nowMs);

    // The "EPS" test data payload at nowMs.
    QByteArray testData(qint64 nowMs);

    // The figures of an "EPS" payload of the whole length (zeros where it is short).
    struct Figures
    {
        quint8 type = 0;
        quint8 status = 0;
        qint16 pressure = 0;
        quint32 elapsed = 0;
        quint32 volume = 0;
        quint16 revolutions = 0;
        quint32 instant = 0;
        quint32 average = 0;
        qint16 peak = 0;
        quint8 autoOcc = 0;
        qint16 backOff = 0;
    };
    static constexpr int testDataSize = 30;
    static Figures figures(const QByteArray &testData);

    Pump &pump() { return m_pump; }
    // What a stopped controller reports until the next start: the readings and elapsed
    // time of its last test (the default), or readings cleared to zero.
    void setClearsAfterStop(bool clears) { m_clearsAfterStop = clears; }
    // What the controller reports of itself: its version reply's text ("<firmware>,
    // <hardware>") and its serial number; empty keeps the default.
    void setIdentity(const QByteArray &versions, const QByteArray &serial);
    int channel() const { return m_channel; }
    Status status() const { return m_status; }
    quint8 testType() const { return m_testType; }
    qint16 backPressure() const { return m_backPressure; }
    quint16 windowSize() const { return m_windowSize; }
    quint8 pumpType() const { return m_pumpType; }
    int faults() const { return m_faults; }
    // Seconds into the running test at nowMs (0 when no test runs).
    quint32 elapsed(qint64 nowMs) const;
    bool testing() const { return m_status == FlowRate || m_status == Pca || m_status == Occlusion; }
    // Tests started by a start command since the simulator was built (kept over resets).
    int testNumber() const { return m_testNumber; }

private:
    struct Sample
    {
        qint16 pressure = 0; // 0.1 mmHg
        quint32 volume = 0;  // 0.001 ml
        quint32 instant = 0; // 0.001 ml/h
        quint32 average = 0; // 0.001 ml/h
        quint8 autoOcc = 0;
        qint16 backOff = 0;  // 0.1 mmHg
    };
    Sample measure(double t) const;
    double deliveredMl(double t) const;
    double blockedPressure(double at, quint8 *autoOcc) const;
    void startTest(qint64 nowMs);
    void freeze(qint64 nowMs);

    int m_channel;
    Pump m_pump;
    Status m_status = Idle;
    quint8 m_testType = 0;
    qint16 m_backPressure = 0;
    quint16 m_windowSize = 30;
    quint8 m_pumpType = 0;
    quint8 m_runType = 0;   // test type of the test that runs or ran last
    qint64 m_startMs = 0;
    double m_releaseAt = -1; // s into an occlusion test at which the blockage was released
    quint32 m_frozenElapsed = 0;
    Sample m_frozen;
    qint16 m_peak = 0;
    bool m_clearsAfterStop = false;
    bool m_zeroed = false; // lost its test but still reports it, with zeros
    int m_testNumber = 0;
    int m_faults = 0;
    QByteArray m_versions;
    QByteArray m_serial;
};
