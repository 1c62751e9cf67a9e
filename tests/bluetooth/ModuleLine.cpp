#include "ModuleLine.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTest>

#include <sys/inotify.h>
#include <unistd.h>

ModuleLine::ModuleLine()
{
    root.writeFile("/sys/class/gpio/export", "");
    root.writeFile("/sys/class/gpio/gpio22/direction", "in");
    root.writeFile("/sys/class/gpio/gpio22/value", "1");
    far.open(root.path("/dev/ttyAPP3"));
    // Opens are watched too: two writes in a row would otherwise merge into one event.
    m_watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ::inotify_add_watch(m_watch,
                        QFile::encodeName(root.path("/sys/class/gpio/gpio22/value")).constData(),
                        IN_OPEN | IN_CLOSE_WRITE);
}

ModuleLine::~ModuleLine()
{
    if (m_watch >= 0)
        ::close(m_watch);
}

int ModuleLine::powerWrites()
{
    alignas(inotify_event) char buf[4096];
    int writes = 0;
    for (;;) {
        const ssize_t n = ::read(m_watch, buf, sizeof buf);
        if (n <= 0)
            return writes;
        for (ssize_t off = 0; off < n;) {
            const auto *ev = reinterpret_cast<const inotify_event *>(buf + off);
            off += ssize_t(sizeof(inotify_event) + ev->len);
            if (ev->mask & IN_CLOSE_WRITE)
                ++writes;
        }
    }
}

QByteArray ModuleLine::take(int count)
{
    far.waitForBytes(count, 5000);
    return far.takeReceived();
}

QByteArray ModuleLine::takeQuiet(int ms)
{
    QTest::qWait(ms);
    return far.takeReceived();
}

QStringList ModuleLine::takeCommands(int count)
{
    QDeadlineTimer deadline(5000);
    while (framesIn(far.received()).size() < count && !deadline.hasExpired())
        QTest::qWait(5);
    return framesIn(far.takeReceived());
}

QStringList ModuleLine::takeCommandsQuiet(int ms)
{
    return framesIn(takeQuiet(ms));
}

QByteArray ModuleLine::powerLevel() const
{
    return root.readFile("/sys/class/gpio/gpio22/value");
}

QByteArray controlFrame(const QByteArray &line)
{
    QByteArray f("\xBF\xFF\x00", 3);
    f.append(char(line.size()));
    f.append(line);
    f.append('\0');
    return f;
}

QByteArray dataFrame(int link, const QByteArray &data)
{
    QByteArray f("\xBF", 1);
    f.append(char(link));
    f.append(char(data.size() >> 8));
    f.append(char(data.size() & 0xFF));
    f.append(data);
    f.append(char(~link));
    return f;
}

QStringList framesIn(const QByteArray &bytes)
{
    QStringList out;
    int at = 0;
    while (at < bytes.size()) {
        if (bytes.at(at) != char(0xBF)) {
            int end = bytes.indexOf('\n', at);
            end = end < 0 ? bytes.size() : end + 1;
            out << QString::fromLatin1(bytes.mid(at, end - at)).trimmed();
            at = end;
            continue;
        }
        if (at + 4 > bytes.size())
            break;
        const int link = quint8(bytes.at(at + 1));
        const int length = ((quint8(bytes.at(at + 2)) & 3) << 8) | quint8(bytes.at(at + 3));
        if (at + length + 5 > bytes.size())
            break;
        // Zero bytes are data too (the QByteArray overload would stop at the first).
        const QString payload = QString::fromLatin1(bytes.constData() + at + 4, length);
        out << (link == 0xFF ? payload : QStringLiteral("data %1 %2").arg(link).arg(payload));
        at += length + 5;
    }
    return out;
}
