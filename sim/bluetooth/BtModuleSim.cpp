#include "BtModuleSim.h"

#include "PtyPair.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

const QByteArray BtModuleSim::ownAddress = "00:07:80:4e:21:9a";
const QByteArray BtModuleSim::banner = "WRAP SIMMODULE 2.4.1 build 77 (sim)";
const QByteArray BtModuleSim::pairingPin = "8146";

namespace {

constexpr char kStart = char(0xBF);
constexpr int kControl = 0xFF;
constexpr int kPowerGpio = 22;
constexpr int kCallMs = 150; // from a call to its connection or failure
constexpr int kNoLink = -1;

QByteArray frameOf(int link, const QByteArray &payload)
{
    QByteArray f;
    f.append(kStart);
    f.append(char(link));
    f.append(char((payload.size() >> 8) & 0x03));
    f.append(char(payload.size() & 0xFF));
    f.append(payload);
    f.append(link == kControl ? char(0) : char(~link));
    return f;
}

bool writeText(const QString &path, const QByteArray &text)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text) == text.size();
}

void be16(QByteArray &out, int v)
{
    out.append(char((v >> 8) & 0xFF));
    out.append(char(v & 0xFF));
}

} // namespace

QList<BtModuleSim::Device> BtModuleSim::defaultDevices()
{
    return {
        {"00:1c:97:10:44:01", "Scanner BT-200", Kind::Scanner, CallOutcome::Connects, true},
        {"00:1e:e2:8b:33:02", "Service Phone", Kind::Phone, CallOutcome::Connects, true},
        {"00:24:7e:d0:12:03", "Workshop PC", Kind::Computer, CallOutcome::Connects, true},
    };
}

BtModuleSim::BtModuleSim(QObject *parent)
    : QObject(parent), m_devices(defaultDevices()), m_line(new PtyPair(this)),
      m_queueTimer(new QTimer(this))
{
    connect(m_line, &PtyPair::bytesReceived, this, &BtModuleSim::onBytes);
    m_queueTimer->setSingleShot(true);
    connect(m_queueTimer, &QTimer::timeout, this, &BtModuleSim::runQueue);
}

BtModuleSim::~BtModuleSim()
{
    delete m_powerNotifier;
    if (m_powerFd >= 0) {
        // A plain file again before the pipe loses its reader: a program still running
        // would otherwise block for ever in its next write to the line.
        const QString value = powerValuePath();
        ::unlink(QFile::encodeName(value).constData());
        writeText(value, m_powerHigh ? "1" : "0");
        ::close(m_powerFd);
    }
}

QString BtModuleSim::powerValuePath() const
{
    return m_root + QStringLiteral("/sys/class/gpio/gpio%1/value").arg(kPowerGpio);
}

QString BtModuleSim::linePath() const
{
    return m_root + QStringLiteral("/dev/ttyAPP3");
}

bool BtModuleSim::start(const QString &root)
{
    m_root = root;
    const QString gpio = root + QStringLiteral("/sys/class/gpio");
    const QString line = gpio + QStringLiteral("/gpio%1").arg(kPowerGpio);
    if (!QDir().mkpath(line))
        return false;
    for (const char *f : {"/export", "/unexport"}) {
        if (!QFileInfo::exists(gpio + f) && !writeText(gpio + f, ""))
            return false;
    }
    if (!writeText(line + "/direction", "in"))
        return false;
    // The value file is a pipe: every write to the line arrives, in order, with what it
    // wrote. A file read after the fact shows only the last level, and a pulse written
    // while earlier writes were still unread would be taken for two starts or for none.
    // Held open for reading and writing, so writers never wait for a reader and the
    // pipe never reports a hang-up between them.
    const QByteArray value = QFile::encodeName(powerValuePath());
    ::unlink(value.constData());
    if (::mkfifo(value.constData(), 0644) < 0)
        return false;
    m_powerFd = ::open(value.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (m_powerFd < 0)
        return false;
    m_powerNotifier = new QSocketNotifier(m_powerFd, QSocketNotifier::Read, this);
    connect(m_powerNotifier, &QSocketNotifier::activated, this, &BtModuleSim::onPowerLine);
    return m_line->open(linePath());
}

void BtModuleSim::log(const QString &text) const
{
    if (m_verbose)
        std::fprintf(stderr, "btmodule_sim: %s\n", qPrintable(text));
}

// ---------------------------------------------------------------------------------------
// Power

void BtModuleSim::onPowerLine()
{
    char buf[256];
    for (;;) {
        const ssize_t n = ::read(m_powerFd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        for (ssize_t i = 0; i < n; ++i) {
            if (buf[i] == '1') {
                m_powerHigh = true;
                if (m_on)
                    powerOff();
            } else if (buf[i] == '0') {
                // A fall starts the module afresh; "0" on a low line changes nothing.
                if (m_powerHigh)
                    boot();
                m_powerHigh = false;
            }
        }
    }
}

void BtModuleSim::powerOff()
{
    if (m_on)
        log("power off");
    ++m_epoch;
    m_on = false;
    m_queue.clear();
    m_queueTimer->stop();
    m_links.clear();
    m_linkProfile.clear();
    m_putLink = kNoLink;
    m_rx.clear();
    // A module that stopped reading is wedged no longer once its power has gone.
    m_line->setReading(true);
    if (m_options.framing == Framing::UnframedEveryStart)
        m_muxStored = false;
}

void BtModuleSim::boot()
{
    powerOff();
    m_on = true;
    ++m_starts;
    m_pin.clear();
    m_mux = m_options.framing == Framing::Framed || m_muxStored;
    log(QStringLiteral("start %1 (%2)").arg(m_starts).arg(m_mux ? "framed" : "unframed"));
    if (!m_options.answers)
        return;
    reply(banner, m_options.startMs);
    reply("READY.");
}

// ---------------------------------------------------------------------------------------
// Sending

void BtModuleSim::schedule(int delayMs, std::function<void()> action)
{
    m_queue.append({delayMs, std::move(action)});
    if (!m_queueTimer->isActive() && m_queue.size() == 1)
        m_queueTimer->start(delayMs);
}

void BtModuleSim::runQueue()
{
    if (m_queue.isEmpty())
        return;
    const Queued head = m_queue.takeFirst();
    if (m_on)
        head.action();
    if (!m_queue.isEmpty() && !m_queueTimer->isActive())
        m_queueTimer->start(m_queue.first().delayMs);
}

void BtModuleSim::reply(const QByteArray &line, int delayMs)
{
    schedule(delayMs < 0 ? m_options.answerMs : delayMs, [this, line] { sendLine(line); });
}

void BtModuleSim::sendLine(const QByteArray &line)
{
    log("> " + QString::fromLatin1(line));
    if (m_mux)
        writeLine(frameOf(kControl, m_options.lineEndsInFrames ? line + "\r\n" : line));
    else
        writeLine(line + "\r\n");
}

void BtModuleSim::sendData(int link, const QByteArray &data)
{
    writeLine(m_mux ? frameOf(link, data) : data);
}

void BtModuleSim::writeLine(const QByteArray &bytes)
{
    m_sent += bytes;
    m_line->write(bytes);
}

// ---------------------------------------------------------------------------------------
// Receiving

void BtModuleSim::onBytes(const QByteArray &bytes)
{
    if (!m_on || !m_options.answers)
        return;
    m_rx += bytes;
    if (!m_mux) {
        int nl;
        while ((nl = m_rx.indexOf('\n')) >= 0) {
            const QByteArray line = m_rx.left(nl);
            m_rx.remove(0, nl + 1);
            onCommand(line);
            if (m_mux)
                break; // what follows the switch is framed
        }
        if (!m_mux)
            return;
    }
    for (;;) {
        const int start = m_rx.indexOf(kStart);
        if (start < 0) {
            m_rx.clear();
            return;
        }
        m_rx.remove(0, start);
        if (m_rx.size() < 4)
            return;
        const int link = quint8(m_rx.at(1));
        const int length = ((quint8(m_rx.at(2)) & 0x03) << 8) | quint8(m_rx.at(3));
        if (m_rx.size() < length + 5)
            return;
        const QByteArray payload = m_rx.mid(4, length);
        m_rx.remove(0, length + 5);
        if (link == kControl)
            onCommand(payload);
        else
            onData(link, payload);
    }
}

void BtModuleSim::onCommand(const QByteArray &raw)
{
    QByteArray line = raw;
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    if (line.isEmpty())
        return;
    m_commands << QString::fromLatin1(line);
    log("< " + QString::fromLatin1(line));
    emit commandReceived(QString::fromLatin1(line));
    const QList<QByteArray> w = line.split(' ');

    if (line == "SET CONTROL MUX 1") {
        m_mux = true;
        if (m_options.framing != Framing::Framed)
            m_muxStored = true;
        if (m_options.readyAfterMux)
            reply("READY.", 20);
    } else if (line == "SET CONTROL MUX 0") {
        m_mux = false;
        m_muxStored = false;
    } else if (line == "SET") {
        reply("SET BT BDADDR " + ownAddress);
        reply("SET BT NAME " + m_name.toLatin1());
        reply("SET BT CLASS 100110");
        reply("SET BT AUTH * " + m_pin.toLatin1());
        reply("SET CONTROL MUX 1");
    } else if (line.startsWith("SET BT NAME ")) {
        m_name = QString::fromLatin1(line.mid(12));
    } else if (w.size() >= 4 && w.at(0) == "SET" && w.at(1) == "BT" && w.at(2) == "AUTH") {
        m_pin = QString::fromLatin1(w.value(4));
        if (m_pin.toLatin1() == pairingPin && !m_options.pushFile.isEmpty()) {
            const int epoch = m_epoch;
            QTimer::singleShot(m_options.pushDelayMs, this, [this, epoch] {
                if (epoch != m_epoch || m_pin.toLatin1() != pairingPin || !m_links.isEmpty())
                    return;
                QFile f(m_options.pushFile);
                if (f.open(QIODevice::ReadOnly))
                    pushToInstrument(QFileInfo(f).fileName(), f.readAll());
            });
        }
    } else if (w.at(0) == "SET" && w.size() >= 3) {
        // Stored settings the module does not answer.
    } else if (w.size() == 3 && w.at(0) == "INQUIRY" && w.at(2) == "NAME") {
        inquiry();
    } else if (w.size() == 4 && w.at(0) == "CALL") {
        call(w.at(1), w.at(3));
    } else if (w.size() == 4 && w.at(0) == "PUT") {
        put(w.at(1).toLongLong(), w.at(3));
    } else if (w.size() == 2 && w.at(0) == "CLOSE") {
        hangUp(w.at(1).toInt(), "0");
    } else if (line == "INFO") {
        reply(banner);
        reply("INFO BDADDR " + ownAddress);
    } else if (w.size() == 3 && w.at(0) == "SDP") {
        reply("SDP " + w.at(1) + " < I SERVICENAME S \"OBEX Object Push\" >");
        reply("SDP");
    } else {
        reply("SYNTAX ERROR");
    }
}

void BtModuleSim::onData(int link, const QByteArray &data)
{
    if (link != m_putLink) {
        m_stray[link] += data;
        return;
    }
    m_putData += data;
    const QByteArray n = QByteArray::number(link);
    const int stopAt = m_options.stopReadingAfter;
    if (stopAt >= 0 && m_putData.size() - data.size() < stopAt && m_putData.size() >= stopAt) {
        log(QStringLiteral("stops reading after %1 bytes").arg(m_putData.size()));
        m_line->setReading(false);
        if (m_options.stopReadingMs > 0) {
            const int epoch = m_epoch;
            QTimer::singleShot(m_options.stopReadingMs, this, [this, epoch] {
                if (epoch != m_epoch)
                    return; // its power went meanwhile, which started it reading again
                log("reads again");
                m_line->setReading(true);
            });
        }
    }
    const int refuseAt = m_options.refusePushAfter;
    if (refuseAt > 0 && m_putData.size() >= refuseAt && m_putData.size() < m_putSize) {
        // The phone refuses the packet that takes it past the limit; what follows is
        // sent into a push that is no more.
        reply("OBEX " + n + " FORBIDDEN");
        m_putLink = kNoLink;
        m_stray[link] += m_putData.mid(refuseAt);
        return;
    }
    if (m_options.finalAnswer == FinalAnswer::Continue)
        reply("OBEX " + n + " CONTINUE");
    if (m_putData.size() < m_putSize)
        return;
    m_putLink = kNoLink;
    switch (m_options.finalAnswer) {
    case FinalAnswer::Ok:
        break;
    case FinalAnswer::Forbidden:
        reply("OBEX " + n + " FORBIDDEN");
        return;
    case FinalAnswer::NotAcceptable:
        reply("OBEX " + n + " NOT_ACCEPTABLE");
        return;
    case FinalAnswer::None:
    case FinalAnswer::Continue:
        return;
    case FinalAnswer::DropLink:
        hangUp(link, "0");
        return;
    }
    m_received.insert(m_putName, m_putData.left(int(m_putSize)));
    if (!m_options.inbox.isEmpty()) {
        QDir().mkpath(m_options.inbox);
        writeText(m_options.inbox + QLatin1Char('/') + m_putName, m_putData.left(int(m_putSize)));
    }
    log(QStringLiteral("file %1 received, %2 bytes").arg(m_putName).arg(m_putSize));
    reply("OBEX " + n + " OK");
    emit fileReceived(m_putName);
}

// ---------------------------------------------------------------------------------------
// What the module does

void BtModuleSim::inquiry()
{
    if (!m_options.answersInquiry)
        return;
    for (const Device &d : m_devices)
        reply("INQUIRY_PARTIAL " + d.address + " 5a020c", 30);
    reply("INQUIRY " + QByteArray::number(m_devices.size()), 30);
    for (const Device &d : m_devices)
        reply("INQUIRY " + d.address + " 5a020c");
    for (const Device &d : m_devices) {
        if (d.answersName)
            reply("NAME " + d.address + " \"" + d.name + "\"", 60);
        else
            reply("NAME ERROR 0x104 " + d.address + " RFC_L2CAP_CONNECTION_FAILED", 60);
    }
}

int BtModuleSim::freeLink() const
{
    for (int link = 0; link <= 8; ++link) {
        if (!m_links.contains(link))
            return link;
    }
    return kNoLink;
}

const BtModuleSim::Device *BtModuleSim::device(const QByteArray &address) const
{
    for (const Device &d : m_devices) {
        if (d.address.compare(address, Qt::CaseInsensitive) == 0)
            return &d;
    }
    return nullptr;
}

void BtModuleSim::call(const QByteArray &address, const QByteArray &profile)
{
    const int link = freeLink();
    if (link == kNoLink) {
        reply("NO CARRIER 9 ERROR 311");
        return;
    }
    m_links.insert(link, address);
    m_linkProfile.insert(link, profile);
    const QByteArray n = QByteArray::number(link);
    reply("CALL " + n);
    const Device *d = device(address);
    const CallOutcome outcome = d ? d->outcome : CallOutcome::NoCarrier;
    if (outcome == CallOutcome::Silent)
        return;
    schedule(kCallMs, [this, link, n, outcome, profile] {
        if (!m_links.contains(link))
            return;
        if (outcome != CallOutcome::Connects) {
            m_links.remove(link);
            m_linkProfile.remove(link);
            sendLine("NO CARRIER " + n +
                     (outcome == CallOutcome::Fails311 ? " ERROR 311" : " ERROR 0"));
            return;
        }
        if (profile == "OPP") {
            sendLine("CONNECT " + n + " OBEX 1105");
            sendLine("OBEX " + n + " READY");
        } else {
            sendLine("CONNECT " + n + " RFCOMM 1");
            const Device *d = device(m_links.value(link));
            if (d && d->kind == Kind::Scanner)
                sendScans(link);
        }
    });
}

void BtModuleSim::sendScans(int link)
{
    const QByteArray address = m_links.value(link);
    for (const QByteArray &code : m_options.scans) {
        schedule(m_options.scanGapMs, [this, link, code, address] {
            if (m_links.value(link) == address)
                sendData(link, code);
        });
    }
}

bool BtModuleSim::scan(const QByteArray &code)
{
    for (auto it = m_links.cbegin(); it != m_links.cend(); ++it) {
        const Device *d = device(it.value());
        if (d && d->kind == Kind::Scanner && m_linkProfile.value(it.key()) == "RFCOMM") {
            sendData(it.key(), code);
            return true;
        }
    }
    return false;
}

void BtModuleSim::put(qint64 size, const QByteArray &name)
{
    int link = kNoLink;
    for (auto it = m_linkProfile.cbegin(); it != m_linkProfile.cend(); ++it) {
        if (it.value() == "OPP" && m_links.contains(it.key()))
            link = it.key();
    }
    if (link == kNoLink) {
        reply("OBEX 0 ERROR");
        return;
    }
    if (m_options.refusePushAfter == 0) {
        reply("OBEX " + QByteArray::number(link) + " FORBIDDEN");
        return;
    }
    m_putLink = link;
    m_putSize = size;
    m_putName = QString::fromLatin1(name);
    m_putData.clear();
    reply("OBEX " + QByteArray::number(link) + " SEND");
    if (size == 0)
        onData(link, QByteArray());
}

void BtModuleSim::hangUp(int link, const QByteArray &error)
{
    if (!m_links.contains(link))
        return;
    m_links.remove(link);
    m_linkProfile.remove(link);
    if (link == m_putLink)
        m_putLink = kNoLink;
    reply("NO CARRIER " + QByteArray::number(link) + " ERROR " + error);
}

void BtModuleSim::dropLink(int link)
{
    hangUp(link, "0");
}

bool BtModuleSim::pushToInstrument(const QString &name, const QByteArray &content)
{
    const int link = freeLink();
    if (!m_on || link == kNoLink)
        return false;
    QByteArray phone = "00:1e:e2:8b:33:02";
    for (const Device &d : m_devices) {
        if (d.kind == Kind::Phone)
            phone = d.address;
    }
    m_links.insert(link, phone);
    m_linkProfile.insert(link, "RING");
    const QByteArray n = QByteArray::number(link);
    reply("RING " + n + " " + phone + " 4 OPP");
    QByteArray obex = obexPush(name, content);
    if (m_options.truncatePushAt >= 0)
        obex.truncate(m_options.truncatePushAt);
    const bool stalls = m_options.stallPushAt >= 0;
    if (stalls)
        obex.truncate(m_options.stallPushAt);
    for (int at = 0; at < obex.size(); at += m_options.pushFrameBytes) {
        const QByteArray piece = obex.mid(at, m_options.pushFrameBytes);
        schedule(m_options.answerMs, [this, link, piece] {
            if (m_links.contains(link))
                sendData(link, piece);
        });
    }
    if (!stalls)
        schedule(m_options.answerMs, [this, link] { hangUp(link, "0"); });
    log(QStringLiteral("pushing %1, %2 bytes on link %3").arg(name).arg(content.size()).arg(link));
    return true;
}

QByteArray BtModuleSim::obexPush(const QString &name, const QByteArray &content, int bodyChunk)
{
    QByteArray out = QByteArray::fromHex("80000710002000"); // CONNECT, OBEX 1.0, 8 KB packets
    QByteArray nameHeader(1, char(0x01));
    be16(nameHeader, 3 + 2 * (name.size() + 1));
    for (const QChar c : name)
        be16(nameHeader, c.unicode());
    be16(nameHeader, 0);
    QByteArray lengthHeader(1, char(0xC3));
    lengthHeader.append(char((content.size() >> 24) & 0xFF));
    lengthHeader.append(char((content.size() >> 16) & 0xFF));
    be16(lengthHeader, content.size() & 0xFFFF);

    int at = 0;
    bool first = true;
    do {
        const QByteArray chunk = content.mid(at, bodyChunk);
        at += chunk.size();
        const bool last = at >= content.size();
        QByteArray headers = first ? nameHeader + lengthHeader : QByteArray();
        headers.append(char(last ? 0x49 : 0x48));
        be16(headers, 3 + chunk.size());
        headers.append(chunk);
        out.append(char(last ? 0x82 : 0x02));
        be16(out, 3 + headers.size());
        out.append(headers);
        first = false;
        if (last)
            break;
    } while (true);
    out.append(QByteArray::fromHex("810003")); // DISCONNECT
    return out;
}
