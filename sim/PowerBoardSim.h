#pragma once

#include "SimConsole.h"
#include "SimController.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>

class PtyPair;
class QTimer;
class SimGpioLines;

// The power board at the far end of the instrument's line: four channel controllers
// behind one serial line, each connected to it only while its chip-select line is low
// and its reset line high. The controller that hears a command answers its data (if
// the command has any) as a frame of its own, waits for the instrument to acknowledge
// that, and then acknowledges the command. Failure modes (an absent controller, one
// that falls silent, lost acknowledgements) let tests and the desktop run reach every
// channel status. Bytes outside frames reach the listening controller's calibration
// console (see SimConsole), which by default echoes them.
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
    struct Channel
    {
        bool absent = false;
        bool silent = false;
        int silentFrom = -1;
        int silentFor = -1;
        int dropAcks = 0;
        bool nakWithStrayAck = false;
        int lastSeq = -1;
        QByteArray lastPayload;
        QByteArray lastReply;
    };
    struct Pending
    {
        bool active = false;
        int channel = -1;
        int commandSeq = 0;
        QByteArray frame;
        int tries = 0;
    };

    void onBytes(const QByteArray &bytes);
    void onFrame(const QByteArray &inner);
    void onCommand(int seq, const QByteArray &payload);
    bool answers(int channel);
    void sendReply(int channel, int commandSeq, const QByteArray &reply);
    void replyTimeout();
    void acknowledgeCommand(int channel, int seq);
    void fault(const QString &what);
    void log(const QString &line) const;

    PtyPair *m_line;
    SimGpioLines *m_gpio;
    QTimer *m_replyTimer;
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
};
