#include "UpdaterTestSupport.h"

#include "TempRoot.h"
#include "UpdaterProgressScreen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QWidget>

#include <bzlib.h>

namespace UpdaterTestSupport {

static QString colourName(const QTextCharFormat &f)
{
    if (!f.hasProperty(QTextFormat::ForegroundBrush))
        return QString();
    const QColor c = f.foreground().color();
    if (c == QColor(Qt::red))
        return QStringLiteral("red");
    if (c == QColor(QStringLiteral("green")))
        return QStringLiteral("green");
    if (c == QColor(QStringLiteral("orange")))
        return QStringLiteral("orange");
    return c.name();
}

QStringList logLines(const QTextEdit *log)
{
    QStringList out;
    for (QTextBlock b = log->document()->begin(); b.isValid(); b = b.next()) {
        QTextCharFormat f = b.charFormat();
        if (b.begin() != b.end())
            f = b.begin().fragment().charFormat();
        const QString colour = colourName(f);
        out << (colour.isEmpty() ? b.text() : colour + QLatin1Char('|') + b.text());
    }
    return out;
}

void makeDeviceFolders(const TempRoot &root)
{
    QDir().mkpath(root.path("/tmp"));
    QDir().mkpath(root.path("/mnt/update"));
}

bool makePackage(const QString &hostPath, const QMap<QString, QByteArray> &files)
{
    QTemporaryDir staging;
    for (auto it = files.begin(); it != files.end(); ++it) {
        const QString p = staging.path() + QLatin1Char('/') + it.key();
        if (it.key().endsWith(QLatin1Char('/'))) {
            QDir().mkpath(p);
            continue;
        }
        QDir().mkpath(QFileInfo(p).absolutePath());
        // Mode 0644 whatever the umask: a package made on a PC may carry no execute bits.
        QFile f(p);
        if (!f.open(QIODevice::WriteOnly) || f.write(it.value()) != it.value().size()
            || !f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                 | QFileDevice::ReadOther))
            return false;
    }
    QDir().mkpath(QFileInfo(hostPath).absolutePath());
    QStringList top = QDir(staging.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QProcess tar;
    tar.start(QStringLiteral("tar"),
              QStringList{QStringLiteral("-cjf"), hostPath, QStringLiteral("-C"), staging.path()} + top);
    return tar.waitForFinished(60000) && tar.exitCode() == 0;
}

static QByteArray withChecksum(QByteArray h)
{
    h.replace(148, 8, "        ");
    int sum = 0;
    for (char c : qAsConst(h))
        sum += static_cast<unsigned char>(c);
    h.replace(148, 8, QByteArray::number(sum, 8).rightJustified(6, '0') + QByteArray("\0 ", 2));
    return h;
}

static QByteArray padded(QByteArray data)
{
    if (data.size() % 512)
        data.append(QByteArray(512 - data.size() % 512, '\0'));
    return data;
}

QByteArray tarMember(const QByteArray &name, char type, const QByteArray &data, const QByteArray &link,
                     const QByteArray &mode)
{
    QByteArray h(512, '\0');
    // Each field is written in place at its fixed width, NUL padded.
    auto put = [&h](int offset, int width, const QByteArray &value) {
        for (int i = 0; i < width; ++i)
            h[offset + i] = i < value.size() ? value.at(i) : '\0';
    };
    put(0, 100, name);
    put(100, 8, mode);
    put(108, 8, "0000000");
    put(116, 8, "0000000");
    put(124, 12, QByteArray::number(data.size(), 8).rightJustified(11, '0'));
    put(136, 12, "00000000000");
    h[156] = type;
    put(157, 100, link);
    put(257, 6, "ustar");
    put(263, 2, "00");
    return withChecksum(h) + padded(data);
}

QByteArray paxHeader(const QList<QPair<QByteArray, QByteArray>> &records)
{
    QByteArray body;
    for (const auto &r : records) {
        // The length counts the whole record, its own digits included.
        const QByteArray rest = " " + r.first + "=" + r.second + "\n";
        int length = rest.size() + 1;
        while (QByteArray::number(length).size() + rest.size() != length)
            ++length;
        body += QByteArray::number(length) + rest;
    }
    return tarMember("PaxHeader", 'x', body);
}

QByteArray oldGnuMember(const QByteArray &name, const QByteArray &prefixField, const QByteArray &data)
{
    QByteArray h = tarMember(name, '0', data).left(512);
    h.replace(257, 8, QByteArray("ustar  \0", 8));
    h.replace(345, prefixField.size(), prefixField);
    return withChecksum(h) + padded(data);
}

QByteArray tarEnd()
{
    return QByteArray(1024, '\0');
}

QByteArray bzip2(const QByteArray &data)
{
    QByteArray out(data.size() + data.size() / 100 + 1024, '\0');
    unsigned len = unsigned(out.size());
    BZ2_bzBuffToBuffCompress(out.data(), &len, const_cast<char *>(data.constData()), unsigned(data.size()), 9, 0, 0);
    out.resize(int(len));
    return out;
}

bool snapshot(QWidget *w, const QString &name)
{
    const QString dir = qEnvironmentVariable("RONDIX_SCREENSHOTS");
    return dir.isEmpty() || w->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

std::unique_ptr<UpdaterProgressScreen> progressScreen()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("TtyHandler: cannot open"));
    auto screen = std::make_unique<UpdaterProgressScreen>();
    screen->setWaitTimes(0, 0, 60000);
    return screen;
}

void writeSettings(bool picEnable, bool avrEnable, const QString &product)
{
    QSettings s;
    s.setValue(QStringLiteral("PicEnable"), picEnable);
    s.setValue(QStringLiteral("AvrEnable"), avrEnable);
    if (!product.isEmpty())
        s.setValue(QStringLiteral("ProductName"), product);
    s.sync();
}

} // namespace UpdaterTestSupport
