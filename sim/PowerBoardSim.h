#pragma once

#include "SimConsole.h"
#include "SimController.h"
#include "SimFrame.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>
#include <random>

class PtyPair;
class QTimer;
class SimGpioLines;

// The power board at the far end of the instrument's line: four channel controllers
// behind one serial line, each connected to it only while its chip-select line is low
// and its reset line high. The controller that hears a command answers its data (if
// the command has any) as a frame of its own, waits for the instrument to acknowledge
// that, and then acknowledges the command. Failure modes (an absent controller, one
// that falls silent, lost acknowledgements) let tests and the desktop run reach every
// channel status; the named faults below are what a controller does when it fails, for
// tests that inject them at chosen moments. Bytes outside frames reach the listening
// controller's calibration console (see SimConsole), which by default echoes them.
class PowerBoardSim : public QObject
{
    Q_OBJECT
public:
    static constexpr int channels = 4;

    // One command frame as it arrived on the line.
    struct Command
    {
        int channel;        // the controller that heard it; -1 none, -2 several
        int seq;
        QByteArray payload;
        bool repeated;      // same sequence number and payload as its previous command
        qint64 atMs;        // wall-clock milliseconds since the simulator was built
    };

    // What a failing controller does. Each is named (faultName()) for the command line.
    enum class Fault {
        Absent,       // never answers: nothing fitted (from power-on)
        Silent,       // stops answering (after contact)
        NakOnly,      // refuses every command with a NAK and carries none out
        ResetIdle,    // restarts now: idle, settings cleared, nothing measured (at once)
        ResetZeros,   // restarts now but reports its test's type and state with zero figures
        ResetRestart, // restarts now and reports its test counted again from zero
        LateRepeat,   // sends each answer again value ms after its exchange ended
        DoubleReply,  // sends each answer twice, the copy with a sequence number of its own
        Babble,       // a stuck chip-select: sends its test data every value ms, asked or not
        ShortReply,   // cuts its test data to value bytes
        LongReply,    // pads its test data with zeros to value bytes
        Corrupt,      // changes one byte of a frame it sends, with value percent chance
        Slow,         // answers each command value ms late, if it is still selected then
    };
    static QString faultName(Fault fault);
    // The fault of that name, false when there is none.
    static bool faultFromName(const QString &name, Fault *fault);
    static QList<Fault> allFaults();

    // Where a test-data payload the simulator sent came from.
    enum class Origin {
        Reply,       // the answer to a command of the channel
        LateRepeat,  // a copy of an answer, after its exchange
        DoubleReply, // a second copy of an answer, within its exchange
        Babble,      // nobody asked
    };
    // One test-data payload a controller put on the line.
    struct SentTestData
    {
        qint64 atMs;        // the simulator's clock
        int test;           // the controller's test number then (SimController::testNumber)
        Origin origin;
        bool whole;         // the payload is as long as the whole record
        QByteArray payload;
        SimController::Figures figures;
        // The instrument's bytes (a command on its way) were on the line, not yet heard,
        // when it went out: whatever the instrument makes of it, it came after them.
        bool crossed = false;
    };

    explicit PowerBoardSim(QObject *parent = nullptr);
    ~PowerBoardSim() override;

    // Lays out the GPIO tree under root and opens the line at <root>/dev/ttyAPP1.
    bool start(const QString &root);
    QString linePath() const;

    SimController &controller(int channel) { return m_controllers[channel]; }

    // An absent controller never answers (nothing is fitted on that channel).
    void setAbsent(int channel, bool absent);
    // A silent controller stops answering until told otherwise.
    void setSilent(int channel, bool silent);
    // Falls silent once its test has run fromSeconds, for forSeconds (< 0: for good).
    void setSilentDuringTest(int channel, int fromSeconds, int forSeconds = -1);
    // A stalled line: the board hears nothing until the stall ends, and then hears what
    // the instrument's port still held, for whichever controller is selected then.
    void setLineStalled(bool stalled);
    int lineOutputFlushes() const;
    // Drops the acknowledgements of the next count commands (< 0: all of them); the
    // commands themselves are still carried out and answered.
    void setDropAcks(int channel, int count);
    // Answers every command with a NAK and then an ACK of another sequence number (as a
    // second controller on a stuck chip-select might), and never carries one out.
    void setNakWithStrayAck(int channel, bool on);
    // The fault from now on (a reset happens once, at once); value as the fault says.
    void setFault(int channel, Fault fault, int value = 1);
    void clearFault(int channel, Fault fault);
    bool hasFault(int channel, Fault fault) const;
    // The fault once the channel's test has run afterSeconds (checked as commands arrive
    // and every few milliseconds), or at the simulator's clock atMs. Each fires once.
    void setFaultInTest(int channel, Fault fault, int afterSeconds, int value = 1);
    void setFaultAt(int channel, Fault fault, qint64 atMs, int value = 1);
    // Seeds what a fault leaves to chance (which byte is corrupted, and whether).
    void setSeed(quint32 seed) { m_random.seed(seed); }
    // Every test-data payload the channel's controller sent, in order.
    QList<SentTestData> sentTestData(int channel) const { return m_channel[channel].sent; }
    void clearSentTestData();

    // How every controller's calibration console answers.
    void setConsole(SimConsole::Mode mode);

    // Milliseconds of the simulator's clock; tests may drive it themselves.
    void setClock(std::function<qint64()> clock) { m_clock = std::move(clock); }
    qint64 now() const { return m_clock(); }

    QList<Command> commands() const { return m_commands; }
    // Wall-clock milliseconds since the simulator was built (whatever setClock() says).
    qint64 wallMs() const { return m_started.elapsed(); }
    // The longest stretch from fromMs until now in which the channel's controller heard
    // no command with this payload (the ends of the stretch count as bounds).
    qint64 longestGap(int channel, const QByteArray &payload, qint64 fromMs) const;
    void clearCommands() { m_commands.clear(); }
    // Channels whose reset line was pulsed, in the order seen.
    QList<int> resets() const { return m_resets; }
    // Writes to the chip-select and reset lines, in order (see SimGpioLines::writes).
    QStringList gpioWrites() const;
    // Faults seen on the line (bad frames, unknown commands, collisions).
    QStringList faults() const { return m_faults; }

    void setVerbose(bool verbose) { m_verbose = verbose; }

signals:
    void commandReceived(int channel, const QByteArray &payload);

private:
    struct Trigger
    {
        Fault fault;
        int value;
        int afterSeconds; // < 0: atMs instead
        qint64 atMs;
    };
    struct Channel
    {
        bool absent = false;
        bool silent = false;
        bool nakOnly = false;
        int lateRepeatMs = -1;
        int slowMs = -1;
        bool doubleReply = false;
        int babbleMs = -1;
        int shortReply = -1;
        int longReply = -1;
        int corruptPercent = 0;
        int babbleSeq = SimFrame::firstSequence;
        QList<Trigger> triggers;
        QList<SentTestData> sent;
        QTimer *babble = nullptr;
        int silentFrom = -1;
        int silentFor = -1;
        int dropAcks = 0;
        bool nakWithStrayAck = false;
        int lastSeq = -1;
        QByteArray lastPayload;
        QByteArray lastReply;
        bool lastReplyIsTestData = false;
    };
    struct Pending
    {
        bool active = false;
        int channel = -1;
        int commandSeq = 0;
        QByteArray frame;
        QByteArray payload;
        bool testData = false;
        int tries = 0;
        bool copySent = false; // a second answer went out with the next sequence number
    };

    void onBytes(const QByteArray &bytes);
    void onFrame(const QByteArray &inner);
    void onCommand(int seq, const QByteArray &payload);
    bool answers(int channel);
    void sendReply(int channel, int commandSeq, const QByteArray &reply, bool testData);
    // The answer to a command: its data (if it has any), else its acknowledgement.
    void answerCommand(int channel, int seq, const QByteArray &reply, bool testData);
    void replyTimeout();
    void acknowledgeCommand(int channel, int seq);
    // The answer's exchange is over: the command is acknowledged (and a late repeat of
    // the answer scheduled where the controller's faults say).
    void endExchange();
    void fault(const QString &what);
    void resetController(int channel);
    void checkTriggers();
    void babble(int channel);
    // A controller's test data as it goes out (cut or padded as its faults say), logged.
    QByteArray shapeTestData(int channel, const QByteArray &payload, Origin origin);
    void logTestData(int channel, Origin origin, const QByteArray &payload);
    // Writes a frame of the channel's controller, corrupted as its faults say.
    void writeFrame(int channel, const QByteArray &frame);
    void log(const QString &line) const;

    PtyPair *m_line;
    SimGpioLines *m_gpio;
    QTimer *m_replyTimer;
    QTimer *m_triggerTimer;
    QList<SimController> m_controllers;
    QList<SimConsole> m_consoles;
    Channel m_channel[channels];
    QByteArray m_frame;
    bool m_inFrame = false;
    int m_txSeq = 4;
    int m_lastRxSeq = 4;
    Pending m_pending;
    QElapsedTimer m_started;
    std::function<qint64()> m_clock;
    QList<Command> m_commands;
    QList<int> m_resets;
    QStringList m_faults;
    bool m_verbose = false;
    std::mt19937 m_random;
};
