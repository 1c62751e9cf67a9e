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
// How often timed faults are looked at.
constexpr int triggerCheckMs = 10;
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
      m_replyTimer(new QTimer(this)), m_triggerTimer(new QTimer(this))
{
    for (int ch = 0; ch < channels; ++ch) {
        m_controllers.append(SimController(ch));
        m_consoles.append(SimConsole(ch));
    }
    m_started.start();
    m_clock = [this] { return m_started.elapsed(); };
    m_replyTimer->setSingleShot(true);
    connect(m_replyTimer, &QTimer::timeout, this, &PowerBoardSim::replyTimeout);
    m_triggerTimer->setInterval(triggerCheckMs);
    connect(m_triggerTimer, &QTimer::timeout, this, &PowerBoardSim::checkTriggers);
    connect(m_line, &PtyPair::bytesReceived, this, &PowerBoardSim::onBytes);
    connect(m_gpio, &SimGpioLines::controllerReset, this, [this](int ch) {
        m_resets.append(ch);
        resetController(ch);
    });
}

void PowerBoardSim::resetController(int ch)
{
    m_controllers[ch].reset();
    m_consoles[ch].reset();
    m_channel[ch].lastSeq = -1;
    if (m_pending.active && m_pending.channel == ch) {
        m_pending.active = false;
        m_replyTimer->stop();
    }
    log(QString("ch%1 reset").arg(ch + 1));
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

namespace {
struct FaultNameEntry
{
    PowerBoardSim::Fault fault;
    const char *name;
};
const FaultNameEntry faultNames[] = {
    {PowerBoardSim::Fault::Absent, "absent"},
    {PowerBoardSim::Fault::Silent, "silent"},
    {PowerBoardSim::Fault::NakOnly, "nak-only"},
    {PowerBoardSim::Fault::ResetIdle, "reset-idle"},
    {PowerBoardSim::Fault::ResetZeros, "reset-zeros"},
    {PowerBoardSim::Fault::ResetRestart, "reset-restart"},
    {PowerBoardSim::Fault::LateRepeat, "late-repeat"},
    {PowerBoardSim::Fault::DoubleReply, "double-reply"},
    {PowerBoardSim::Fault::Babble, "babble"},
    {PowerBoardSim::Fault::ShortReply, "short-reply"},
    {PowerBoardSim::Fault::LongReply, "long-reply"},
    {PowerBoardSim::Fault::Corrupt, "corrupt"},
    {PowerBoardSim::Fault::Slow, "slow"},
};
} // namespace

QString PowerBoardSim::faultName(Fault fault)
{
    for (const FaultNameEntry &e : faultNames) {
        if (e.fault == fault)
            return QString::fromLatin1(e.name);
    }
    return QString();
}

bool PowerBoardSim::faultFromName(const QString &name, Fault *fault)
{
    for (const FaultNameEntry &e : faultNames) {
        if (name == QLatin1String(e.name)) {
            *fault = e.fault;
            return true;
        }
    }
    return false;
}

QList<PowerBoardSim::Fault> PowerBoardSim::allFaults()
{
    QList<Fault> all;
    for (const FaultNameEntry &e : faultNames)
        all.append(e.fault);
    return all;
}

void PowerBoardSim::setFault(int channel, Fault fault, int value)
{
    Channel &c = m_channel[channel];
    const qint64 t = now();
    log(QString("ch%1 fault %2 %3").arg(channel + 1).arg(faultName(fault)).arg(value));
    switch (fault) {
    case Fault::Absent:
        c.absent = true;
        break;
    case Fault::Silent:
        c.silent = true;
        break;
    case Fault::NakOnly:
        c.nakOnly = true;
        break;
    case Fault::ResetIdle:
        resetController(channel);
        break;
    case Fault::ResetZeros:
    case Fault::ResetRestart:
        m_consoles[channel].reset();
        m_channel[channel].lastSeq = -1;
        m_controllers[channel].loseTest(t, fault == Fault::ResetRestart);
        break;
    case Fault::LateRepeat:
        c.lateRepeatMs = qMax(0, value);
        break;
    case Fault::DoubleReply:
        c.doubleReply = true;
        break;
    case Fault::Babble:
        if (!c.babble) {
            c.babble = new QTimer(this);
            c.babble->setTimerType(Qt::PreciseTimer);
            connect(c.babble, &QTimer::timeout, this, [this, channel] { babble(channel); });
        }
        c.babbleMs = qMax(1, value);
        c.babble->start(c.babbleMs);
        break;
    case Fault::ShortReply:
        c.shortReply = qMax(0, value);
        break;
    case Fault::LongReply:
        c.longReply = qMax(0, value);
        break;
    case Fault::Corrupt:
        c.corruptPercent = qBound(0, value, 100);
        break;
    case Fault::Slow:
        c.slowMs = qMax(1, value);
        break;
    }
}

void PowerBoardSim::clearFault(int channel, Fault fault)
{
    Channel &c = m_channel[channel];
    switch (fault) {
    case Fault::Absent:
        c.absent = false;
        break;
    case Fault::Silent:
        c.silent = false;
        break;
    case Fault::NakOnly:
        c.nakOnly = false;
        break;
    case Fault::ResetIdle:
    case Fault::ResetZeros:
    case Fault::ResetRestart:
        break; // done when set
    case Fault::LateRepeat:
        c.lateRepeatMs = -1;
        break;
    case Fault::DoubleReply:
        c.doubleReply = false;
        break;
    case Fault::Babble:
        c.babbleMs = -1;
        if (c.babble)
            c.babble->stop();
        break;
    case Fault::ShortReply:
        c.shortReply = -1;
        break;
    case Fault::LongReply:
        c.longReply = -1;
        break;
    case Fault::Corrupt:
        c.corruptPercent = 0;
        break;
    case Fault::Slow:
        c.slowMs = -1;
        break;
    }
    // Scheduled ones go too, so that a fault cleared stays cleared.
    for (int i = c.triggers.size() - 1; i >= 0; --i) {
        if (c.triggers.at(i).fault == fault)
            c.triggers.removeAt(i);
    }
}

bool PowerBoardSim::hasFault(int channel, Fault fault) const
{
    const Channel &c = m_channel[channel];
    switch (fault) {
    case Fault::Absent:
        return c.absent;
    case Fault::Silent:
        return c.silent;
    case Fault::NakOnly:
        return c.nakOnly;
    case Fault::ResetIdle:
    case Fault::ResetZeros:
    case Fault::ResetRestart:
        return false;
    case Fault::LateRepeat:
        return c.lateRepeatMs >= 0;
    case Fault::DoubleReply:
        return c.doubleReply;
    case Fault::Babble:
        return c.babbleMs > 0;
    case Fault::ShortReply:
        return c.shortReply >= 0;
    case Fault::LongReply:
        return c.longReply >= 0;
    case Fault::Corrupt:
        return c.corruptPercent > 0;
    case Fault::Slow:
        return c.slowMs > 0;
    }
    return false;
}

void PowerBoardSim::setFaultInTest(int channel, Fault fault, int afterSeconds, int value)
{
    m_channel[channel].triggers.append({fault, value, qMax(0, afterSeconds), 0});
    m_triggerTimer->start();
}

void PowerBoardSim::setFaultAt(int channel, Fault fault, qint64 atMs, int value)
{
    m_channel[channel].triggers.append({fault, value, -1, atMs});
    m_triggerTimer->start();
}

void PowerBoardSim::checkTriggers()
{
    const qint64 t = now();
    bool left = false;
    for (int ch = 0; ch < channels; ++ch) {
        QList<Trigger> &triggers = m_channel[ch].triggers;
        for (int i = 0; i < triggers.size();) {
            const Trigger trigger = triggers.at(i);
            const SimController &ctl = m_controllers.at(ch);
            const bool due = trigger.afterSeconds < 0
                ? t >= trigger.atMs
                : ctl.testing() && ctl.elapsed(t) >= quint32(trigger.afterSeconds);
            if (!due) {
                ++i;
                continue;
            }
            triggers.removeAt(i);
            setFault(ch, trigger.fault, trigger.value);
        }
        left = left || !m_channel[ch].triggers.isEmpty();
    }
    if (!left)
        m_triggerTimer->stop();
}

void PowerBoardSim::clearSentTestData()
{
    for (Channel &c : m_channel)
        c.sent.clear();
}

QByteArray PowerBoardSim::shapeTestData(int channel, const QByteArray &payload, Origin origin)
{
    const Channel &c = m_channel[channel];
    QByteArray out = payload;
    if (c.shortReply >= 0 && c.shortReply < out.size())
        out.truncate(c.shortReply);
    if (c.longReply > out.size())
        out = out.leftJustified(c.longReply, '\0');
    logTestData(channel, origin, out);
    return out;
}

void PowerBoardSim::logTestData(int channel, Origin origin, const QByteArray &payload)
{
    m_channel[channel].sent.append({now(), m_controllers.at(channel).testNumber(), origin,
                                    payload.size() == SimController::testDataSize, payload,
                                    SimController::figures(payload), m_line->pendingInput() > 0});
}

void PowerBoardSim::writeFrame(int channel, const QByteArray &frame)
{
    const int percent = channel >= 0 ? m_channel[channel].corruptPercent : 0;
    if (percent > 0 && !frame.isEmpty() && int(m_random() % 100) < percent) {
        QByteArray bad = frame;
        const int at = int(m_random() % quint32(bad.size()));
        // Any other value: a byte that stays what it was is no corruption.
        bad[at] = char(quint8(bad.at(at)) ^ quint8(1 + m_random() % 255));
        log(QString("ch%1 corrupts byte %2 of %3")
                .arg(channel + 1)
                .arg(at)
                .arg(QString::fromLatin1(frame.toHex(' '))));
        m_line->write(bad);
        return;
    }
    m_line->write(frame);
}

void PowerBoardSim::babble(int channel)
{
    const Channel &c = m_channel[channel];
    m_gpio->update();
    if (c.absent || !m_gpio->resetHigh(channel))
        return;
    const QByteArray payload =
        shapeTestData(channel, m_controllers[channel].testData(now()), Origin::Babble);
    const int seq = c.babbleSeq;
    m_channel[channel].babbleSeq = SimFrame::nextSequence(seq);
    log(QString("ch%1 babbles %2").arg(channel + 1).arg(seq));
    writeFrame(channel, SimFrame::encode(seq, payload));
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
            m_txSeq = SimFrame::nextSequence(m_txSeq);
            if (m_pending.copySent)
                m_txSeq = SimFrame::nextSequence(m_txSeq);
            endExchange();
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
            writeFrame(ch, SimFrame::acknowledgement(SimFrame::NAK, m_lastRxSeq));
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
    checkTriggers();
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
        writeFrame(ch, SimFrame::acknowledgement(SimFrame::NAK, seq) +
                           SimFrame::acknowledgement(SimFrame::ACK, stray));
        return;
    }
    if (c.nakOnly) {
        writeFrame(ch, SimFrame::acknowledgement(SimFrame::NAK, seq));
        return;
    }
    m_lastRxSeq = seq;
    QByteArray reply;
    bool testData = c.lastReplyIsTestData;
    if (repeated) {
        reply = c.lastReply; // a retransmission: answer again, do not act twice
    } else {
        const int faultsBefore = m_controllers[ch].faults();
        reply = m_controllers[ch].handle(payload, now());
        testData = reply.startsWith("EPS");
        if (testData)
            reply = shapeTestData(ch, reply, Origin::Reply);
        if (m_controllers[ch].faults() != faultsBefore)
            fault(QString("ch%1 unknown command %2").arg(ch + 1).arg(QString::fromLatin1(payload.toHex(' '))));
        c.lastSeq = seq;
        c.lastPayload = payload;
        c.lastReply = reply;
        c.lastReplyIsTestData = testData;
    }
    if (c.slowMs > 0) {
        QTimer::singleShot(c.slowMs, Qt::PreciseTimer, this, [this, ch, seq, reply, testData] {
            m_gpio->update();
            // Deselected meanwhile, its answer never reaches the line.
            if (m_gpio->listeningChannel() == ch && answers(ch))
                answerCommand(ch, seq, reply, testData);
        });
        return;
    }
    answerCommand(ch, seq, reply, testData);
}

void PowerBoardSim::answerCommand(int channel, int seq, const QByteArray &reply, bool testData)
{
    if (reply.isEmpty())
        acknowledgeCommand(channel, seq);
    else
        sendReply(channel, seq, reply, testData);
}

void PowerBoardSim::sendReply(int channel, int commandSeq, const QByteArray &reply, bool testData)
{
    m_pending.active = true;
    m_pending.channel = channel;
    m_pending.commandSeq = commandSeq;
    m_pending.frame = SimFrame::encode(m_txSeq, reply);
    m_pending.payload = reply;
    m_pending.testData = testData;
    m_pending.tries = 1;
    m_pending.copySent = false;
    writeFrame(channel, m_pending.frame);
    if (m_channel[channel].doubleReply) {
        // The copy is a frame of its own, not a retransmission the link could tell.
        m_pending.copySent = true;
        if (m_pending.testData)
            logTestData(channel, Origin::DoubleReply, reply);
        writeFrame(channel, SimFrame::encode(SimFrame::nextSequence(m_txSeq), reply));
    }
    m_replyTimer->start(replyAckTimeoutMs);
}

void PowerBoardSim::replyTimeout()
{
    if (!m_pending.active)
        return;
    if (m_pending.tries < replyTries) {
        ++m_pending.tries;
        writeFrame(m_pending.channel, m_pending.frame);
        m_replyTimer->start(replyAckTimeoutMs);
        return;
    }
    fault(QString("ch%1 answer never acknowledged").arg(m_pending.channel + 1));
    endExchange();
}

void PowerBoardSim::endExchange()
{
    m_pending.active = false;
    const int ch = m_pending.channel;
    acknowledgeCommand(ch, m_pending.commandSeq);
    const int delay = m_channel[ch].lateRepeatMs;
    if (delay < 0)
        return;
    const QByteArray frame = m_pending.frame;
    const QByteArray payload = m_pending.payload;
    const bool testData = m_pending.testData;
    QTimer::singleShot(delay, Qt::PreciseTimer, this, [this, ch, frame, payload, testData] {
        if (m_channel[ch].absent)
            return;
        if (testData)
            logTestData(ch, Origin::LateRepeat, payload);
        log(QString("ch%1 repeats its answer late").arg(ch + 1));
        writeFrame(ch, frame);
    });
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
    writeFrame(channel, SimFrame::acknowledgement(SimFrame::ACK, seq));
}
