#include "SimGpioLines.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <sys/inotify.h>
#include <unistd.h>

const int SimGpioLines::chipSelectLines[channels] = {137, 84, 78, 82};
const int SimGpioLines::resetLines[channels] = {138, 85, 79, 81};

namespace {
bool writeText(const QString &path, const QByteArray &text)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text) == text.size();
}
QByteArray readText(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.read(16) : QByteArray();
}
} // namespace

SimGpioLines::SimGpioLines(QObject *parent) : QObject(parent)
{
    for (bool &l : m_level)
        l = true;
}

SimGpioLines::~SimGpioLines()
{
    delete m_notifier;
    if (m_fd >= 0)
        ::close(m_fd);
}

int SimGpioLines::gpioOf(int line)
{
    return line < channels ? chipSelectLines[line] : resetLines[line - channels];
}

QString SimGpioLines::valueFile(int gpio) const
{
    return m_root + QString("/sys/class/gpio/gpio%1/value").arg(gpio);
}

QString SimGpioLines::directionFile(int gpio) const
{
    return m_root + QString("/sys/class/gpio/gpio%1/direction").arg(gpio);
}

bool SimGpioLines::create(const QString &root)
{
    m_root = root;
    const QString base = root + "/sys/class/gpio";
    if (!QDir().mkpath(base) || !writeText(base + "/export", "") || !writeText(base + "/unexport", ""))
        return false;
    for (int line = 0; line < 2 * channels; ++line) {
        const int gpio = gpioOf(line);
        QDir().mkpath(base + QString("/gpio%1").arg(gpio));
        if (!writeText(directionFile(gpio), "in") || !writeText(valueFile(gpio), "1"))
            return false;
        m_level[line] = true;
    }
    m_fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_fd < 0)
        return false;
    for (int line = 0; line < 2 * channels; ++line) {
        for (bool direction : {true, false}) {
            const QString file = direction ? directionFile(gpioOf(line)) : valueFile(gpioOf(line));
            const int wd = ::inotify_add_watch(m_fd, QFile::encodeName(file).constData(), IN_CLOSE_WRITE);
            if (wd < 0)
                return false;
            m_wd.append(wd);
            m_watch.append({line, direction});
        }
    }
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] { update(); });
    return true;
}

void SimGpioLines::update()
{
    if (m_fd < 0)
        return;
    alignas(inotify_event) char buf[4096];
    bool resetSeen[channels] = {};
    int valueWrites[channels] = {};
    for (;;) {
        const ssize_t n = ::read(m_fd, buf, sizeof buf);
        if (n <= 0)
            break;
        for (ssize_t off = 0; off < n;) {
            const auto *ev = reinterpret_cast<const inotify_event *>(buf + off);
            off += ssize_t(sizeof(inotify_event) + ev->len);
            const int idx = m_wd.indexOf(ev->wd);
            if (idx < 0)
                continue;
            const Watch w = m_watch.at(idx);
            const int gpio = gpioOf(w.line);
            const QByteArray text = readText(w.direction ? directionFile(gpio) : valueFile(gpio));
            m_writes << QString("%1 %2 %3").arg(gpio).arg(w.direction ? "direction" : "value")
                            .arg(QString::fromLatin1(text));
            if (w.direction) {
                if (text.startsWith("high"))
                    m_level[w.line] = true;
                else if (text.startsWith("low"))
                    m_level[w.line] = false;
            } else if (text.startsWith('0') || text.startsWith('1')) {
                m_level[w.line] = text.startsWith('1');
            }
            if (w.line >= channels) {
                const int ch = w.line - channels;
                if (!w.direction)
                    ++valueWrites[ch];
                // The file is read after the fact: two writes to a reset value file
                // between looks can only have been a pulse.
                if (!m_level[w.line] || valueWrites[ch] > 1)
                    resetSeen[ch] = true;
            }
        }
    }
    for (int ch = 0; ch < channels; ++ch)
        if (resetSeen[ch])
            emit controllerReset(ch);
}

int SimGpioLines::listeningChannel() const
{
    int found = -1;
    for (int ch = 0; ch < channels; ++ch) {
        if (chipSelectLow(ch) && resetHigh(ch)) {
            if (found != -1)
                return -2;
            found = ch;
        }
    }
    return found;
}
