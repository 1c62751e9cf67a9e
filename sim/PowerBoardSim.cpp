#include "PowerBoardSim.h"

#include "PtyPair.h"
#include "SimFrame.h"
#include "SimGpioLines.h"

#include <QTimer>

#include <cstdio>

namespace {
// How long a controller waits for the instrument to acknowledge its answer, and how
// often it sends the answer before acknowledging the command regardless.
constexpr int replyAckTimeoutMs = 50;
constexpr int replyTries = 3;
} // namespace

namespace {
// Command letters as text, argument bytes in hex: "IF2 fe ff".
QString printable(const QByteArray &payload)
{
    const int letters = payload.startsWith("IF") ? 3 : payload.size();
    QString s = QString::fromLatin1(payload.left(letters));
    if (letters < payload.size())
        s += ' ' + QString::fromLatin1(payload.mid(letters).toHex(' '));
    return s;
}
} // namespace

PowerBoardSim::PowerBoardSim(QObject *parent)
    : QObject(parent), m_line(new PtyPair(this)), m_gpio(new SimGpioLines(this)),
      m_replyTimer(new QTimer(this))
{
    for (int ch = 0; ch < channels; ++ch) {
        m_controllers.append(SimController(ch));
        m_consoles.append(SimConsole(ch));
    }
    m_started.start();
    m_clock = [this] { return m_started.elapsed(); };
    m_replyTimer->setSingleShot(true);
    connect(m_replyTimer, &QTimer::timeout, this, &PowerBoardSim::replyTimeout);
    connect(m_line, &PtyPair::bytesReceived, this, &PowerBoardSim::onBytes);
    connect(m_gpio, &SimGpioLines::controllerReset, this, [this](int ch) {
        m_resets.append(ch);
        m_controllers[ch].reset();
        m_consoles[ch].reset();
        m_channel[ch].lastSeq = -1;
        if (m_pending.active && m_pending.channel == ch) {
            m_pending.active = false;
            m_replyTimer->stop();
        }
        log(QString("ch%1 reset").arg(ch + 1));
    });
}

PowerBoardSim::~PowerBoardSim() = default;

bool PowerBoardSim::start(const QString &root)
{
    return m_gpio->create(root) && m_line->open(root + "/dev/ttyAPP1");
}

QStringList PowerBoardSim::gpioWrites() const
{
    return m_gpio->writes();
}

QString PowerBoardSim::linePath() const
{
    return m_line->linkPath();
}

void PowerBoardSim::setAbsent(int channel, bool absent)
{
    m_channel[channel].absent = absent;
}

void PowerBoardSim::setSilent(int channel, bool silent)
{
    m_channel[channel].silent = silent;
}

void PowerBoardSim::setSilentDuringTest(int channel, int fromSeconds, int forSeconds)
{
    m_channel[channel].silentFrom = fromSeconds;
    m_channel[channel].silentFor = forSeconds;
}

void PowerBoardSim::setLineStalled(bool stalled)
{
    m_line->setStalled(stalled);
}

int PowerBoardSim::lineOutputFlushes() const
{
    return m_line->outputFlushes();
}

void PowerBoardSim::setDropAcks(int channel, int count)
{
    m_channel[channel].dropAcks = count;
}

qint64 PowerBoardSim::longestGap(int channel, const QByteArray &payload, qint64 fromMs) const
{
    qint64 last = fromMs;
    qint64 longest = 0;
    for (const Command &c : m_commands) {
        if (c.channel != channel || c.payload != payload || c.atMs < fromMs)
            continue;
        longest = qMax(longest, c.atMs - last);
        last = c.atMs;
    }
    return qMax(longest, wallMs() - last);
}

void PowerBoardSim::setNakWithStrayAck(int channel, bool on)
{
    m_channel[channel].nakWithStrayAck = on;
}

void PowerBoardSim::fault(const QString &what)
{
    m_faults.append(what);
    log("fault: " + what);
}

void PowerBoardSim::log(const QString &line) const
{
    if (m_verbose)
        std::fprintf(stderr, "powerboard_sim: %s\n", qPrintable(line));
}

void PowerBoardSim::onBytes(const QByteArray &bytes)
{
    QByteArray console;
    for (char c : bytes) {
        if (c == SimFrame::STX) {
            if (m_inFrame)
                fault("frame cut short by a new start byte");
            m_inFrame = true;
            m_frame.clear();
        } else if (c == SimFrame::ETX && m_inFrame) {
            m_inFrame = false;
            onFrame(m_frame);
        } else if (m_inFrame) {
            m_frame.append(c);
        } else {
            fault(QString("byte %1 outside a frame").arg(quint8(c), 2, 16, QChar('0')));
            console.append(c);
        }
    }
    if (console.isEmpty())
        return;
    m_gpio->update();
    const int ch = m_gpio->listeningChannel();
    if (ch >= 0 && answers(ch))
        m_line->write(m_consoles[ch].answer(console));
}

void PowerBoardSim::setConsole(SimConsole::Mode mode)
{
    for (SimConsole &console : m_consoles)
        console.setMode(mode);
}

void PowerBoardSim::onFrame(const QByteArray &inner)
{
    // Chip-select and reset writes made before these bytes were sent must count.
    m_gpio->update();
    const SimFrame::Received r = SimFrame::decode(inner);
    switch (r.kind) {
    case SimFrame::Received::Ack:
        if (m_pending.active && r.seq == m_txSeq) {
            m_replyTimer->stop();
            m_pending.active = false;
            m_txSeq = SimFrame::nextSequence(m_txSeq);
            acknowledgeCommand(m_pending.channel, m_pending.commandSeq);
        }
        return;
    case SimFrame::Received::Nak:
        if (m_pending.active) {
            m_replyTimer->stop();
            replyTimeout();
        }
        return;
    case SimFrame::Received::Bad: {
        fault("bad frame " + inner.toHex(' '));
        const int ch = m_gpio->listeningChannel();
        if (ch >= 0 && answers(ch))
            m_line->write(SimFrame::acknowledgement(SimFrame::NAK, m_lastRxSeq));
        return;
    }
    case SimFrame::Received::Data:
        onCommand(r.seq, r.payload);
        return;
    }
}

bool PowerBoardSim::answers(int channel)
{
    const Channel &c = m_channel[channel];
    if (c.absent || c.silent)
        return false;
    const SimController &ctl = m_controllers.at(channel);
    if (c.silentFrom >= 0 && ctl.testing()) {
        const int t = int(ctl.elapsed(now()));
        if (t >= c.silentFrom && (c.silentFor < 0 || t < c.silentFrom + c.silentFor))
            return false;
    }
    return true;
}

void PowerBoardSim::onCommand(int seq, const QByteArray &payload)
{
    const int ch = m_gpio->listeningChannel();
    const bool repeated = ch >= 0 && m_channel[ch].lastSeq == seq && m_channel[ch].lastPayload == payload;
    m_commands.append({ch, seq, payload, repeated, wallMs()});
    emit commandReceived(ch, payload);
    if (ch == -2)
        fault("several controllers selected for " + QString::fromLatin1(payload.toHex(' ')));
    log(QString("ch%1 <- %2%3").arg(ch + 1).arg(printable(payload)).arg(repeated ? " (again)" : ""));
    if (ch < 0 || !answers(ch))
        return;

    // A new command ends any answer still waiting for its acknowledgement.
    m_replyTimer->stop();
    m_pending.active = false;

    Channel &c = m_channel[ch];
    if (c.nakWithStrayAck) {
        // The sequence number before the command's: never the frame that is out.
        const int stray = seq == SimFrame::firstSequence ? SimFrame::lastSequence : seq - 1;
        log(QString("ch%1 NAK and a stray ACK of %2").arg(ch + 1).arg(stray));
        m_line->write(SimFrame::acknowledgement(SimFrame::NAK, seq) + SimFrame::acknowledgement(SimFrame::ACK, stray));
        return;
    }
    m_lastRxSeq = seq;
    QByteArray reply;
    if (repeated) {
        reply = c.lastReply; // a retransmission: answer again, do not act twice
    } else {
        const int faultsBefore = m_controllers[ch].faults();
        reply = m_controllers[ch].handle(payload, now());
        if (m_controllers[ch].faults() != faultsBefore)
            fault(QString("ch%1 unknown command %2").arg(ch + 1).arg(QString::fromLatin1(payload.toHex(' '))));
        c.lastSeq = seq;
        c.lastPayload = payload;
        c.lastReply = reply;
    }
    if (reply.isEmpty())
        acknowledgeCommand(ch, seq);
    else
        sendReply(ch, seq, reply);
}

void PowerBoardSim::sendReply(int channel, int commandSeq, const QByteArray &reply)
{
    m_pending.active = true;
    m_pending.channel = channel;
    m_pending.commandSeq = commandSeq;
    m_pending.frame = SimFrame::encode(m_txSeq, reply);
    m_pending.tries = 1;
    m_line->write(m_pending.frame);
    m_replyTimer->start(replyAckTimeoutMs);
}

void PowerBoardSim::replyTimeout()
{
    if (!m_pending.active)
        return;
    if (m_pending.tries < replyTries) {
        ++m_pending.tries;
        m_line->write(m_pending.frame);
        m_replyTimer->start(replyAckTimeoutMs);
        return;
    }
    fault(QString("ch%1 answer never acknowledged").arg(m_pending.channel + 1));
    m_pending.active = false;
    acknowledgeCommand(m_pending.channel, m_pending.commandSeq);
}

void PowerBoardSim::acknowledgeCommand(int channel, int seq)
{
    Channel &c = m_channel[channel];
    if (c.dropAcks != 0) {
        if (c.dropAcks > 0)
            --c.dropAcks;
        log(QString("ch%1 acknowledgement dropped").arg(channel + 1));
        return;
    }
    m_line->write(SimFrame::acknowledgement(SimFrame::ACK, seq));
}
