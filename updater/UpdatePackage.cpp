#include "UpdatePackage.h"

#include <QDir>
#include <QFile>
#include <QHash>

#include <bzlib.h>

#include <functional>

const char *const UpdatePackage::FolderName = "firmware_update";

QStringList UpdatePackage::find(const QString &folder)
{
    QDir dir(folder);
    return dir.entryList(QStringList{QStringLiteral("*firmware_update*.tar.bz2")},
                         QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                         QDir::Name | QDir::IgnoreCase);
}

namespace {

const int Block = 512;

// Tar members arrive as a byte stream; this walks their headers and skips their data.
class TarChecker
{
public:
    // Feeds decompressed bytes; false once the archive is refused.
    bool feed(const char *data, qint64 size);
    // The stream ended: true when the archive was complete and every member acceptable.
    bool finish();
    QString reason;

private:
    bool header(const QByteArray &h);
    bool member(QString name, char type, QString link);
    bool fail(const QString &why)
    {
        if (reason.isEmpty())
            reason = why;
        m_failed = true;
        return false;
    }

    QByteArray m_pending;
    qint64 m_skip = 0;          // data bytes of the current member still to skip
    qint64 m_collect = 0;       // data bytes of a long-name or extended header to keep
    char m_collectType = 0;
    QByteArray m_collected;
    QString m_longName, m_longLink;
    QHash<QString, QString> m_pax;
    int m_zeroBlocks = 0;
    bool m_ended = false;
    bool m_failed = false;
};

bool TarChecker::feed(const char *data, qint64 size)
{
    if (m_failed)
        return false;
    if (m_ended)
        return true; // anything after the end marker is padding
    m_pending.append(data, int(size));
    int pos = 0;
    while (!m_ended && m_pending.size() - pos >= Block) {
        const char *b = m_pending.constData() + pos;
        pos += Block;
        if (m_skip > 0) {
            const qint64 n = qMin<qint64>(m_skip, Block);
            if (m_collect > 0) {
                m_collected.append(b, int(qMin<qint64>(n, m_collect)));
                m_collect -= qMin<qint64>(n, m_collect);
            }
            m_skip -= Block;
            if (m_skip < 0)
                m_skip = 0;
            if (m_skip == 0 && m_collectType) {
                const char t = m_collectType;
                m_collectType = 0;
                if (t == 'L' || t == 'K') {
                    const int nul = m_collected.indexOf('\0');
                    const QString s = QString::fromUtf8(nul < 0 ? m_collected : m_collected.left(nul));
                    (t == 'L' ? m_longName : m_longLink) = s;
                } else {
                    // Extended header records: "<length> <key>=<value>\n".
                    int p = 0;
                    while (p < m_collected.size()) {
                        const int sp = m_collected.indexOf(' ', p);
                        if (sp < 0)
                            return fail(QStringLiteral("bad extended header"));
                        bool ok = false;
                        const int len = m_collected.mid(p, sp - p).toInt(&ok);
                        if (!ok || len <= sp - p + 1 || p + len > m_collected.size())
                            return fail(QStringLiteral("bad extended header"));
                        const QByteArray rec = m_collected.mid(sp + 1, len - (sp - p) - 2);
                        const int eq = rec.indexOf('=');
                        if (eq < 0)
                            return fail(QStringLiteral("bad extended header"));
                        const QString key = QString::fromUtf8(rec.left(eq));
                        const QString value = QString::fromUtf8(rec.mid(eq + 1));
                        if (t == 'g' && (key == QLatin1String("path") || key == QLatin1String("linkpath")))
                            return fail(QStringLiteral("global name in extended header"));
                        if (t == 'x')
                            m_pax.insert(key, value);
                        p += len;
                    }
                }
                m_collected.clear();
            }
            continue;
        }
        const QByteArray h(b, Block);
        if (h.count('\0') == Block) {
            if (++m_zeroBlocks == 2)
                m_ended = true;
            continue;
        }
        if (m_zeroBlocks > 0)
            return fail(QStringLiteral("data after an empty block"));
        if (!header(h))
            return false;
    }
    m_pending.remove(0, pos);
    return true;
}

qint64 octal(const QByteArray &h, int offset, int length, bool *ok)
{
    const unsigned char first = static_cast<unsigned char>(h.at(offset));
    if (first & 0x80) {
        // Base-256 form of large sizes.
        qint64 v = first & 0x3F;
        for (int i = 1; i < length; ++i) {
            if (v > (Q_INT64_C(1) << 54)) {
                *ok = false;
                return 0;
            }
            v = (v << 8) | static_cast<unsigned char>(h.at(offset + i));
        }
        *ok = !(first & 0x40);
        return v;
    }
    QByteArray f = h.mid(offset, length);
    const int nul = f.indexOf('\0');
    if (nul >= 0)
        f.truncate(nul);
    f = f.trimmed();
    if (f.isEmpty()) {
        *ok = true;
        return 0;
    }
    return f.toLongLong(ok, 8);
}

QString field(const QByteArray &h, int offset, int length)
{
    QByteArray f = h.mid(offset, length);
    const int nul = f.indexOf('\0');
    if (nul >= 0)
        f.truncate(nul);
    return QString::fromUtf8(f);
}

bool TarChecker::header(const QByteArray &h)
{
    bool ok = false;
    const qint64 checksum = octal(h, 148, 8, &ok);
    if (!ok)
        return fail(QStringLiteral("bad header checksum field"));
    qint64 sum = 0;
    for (int i = 0; i < Block; ++i)
        sum += (i >= 148 && i < 156) ? ' ' : static_cast<unsigned char>(h.at(i));
    if (sum != checksum)
        return fail(QStringLiteral("header checksum mismatch"));
    const qint64 size = octal(h, 124, 12, &ok);
    if (!ok || size < 0)
        return fail(QStringLiteral("bad member size"));
    const char type = h.at(156);
    m_skip = (size + Block - 1) / Block * Block;

    if (type == 'L' || type == 'K' || type == 'x' || type == 'g') {
        if (size > 1024 * 1024)
            return fail(QStringLiteral("oversized extended header"));
        m_collect = size;
        m_collectType = type;
        m_collected.clear();
        if (m_skip == 0)
            m_collectType = 0;
        return true;
    }

    QString name = field(h, 0, 100);
    if (h.mid(257, 5) == "ustar") {
        const QString prefix = field(h, 345, 155);
        if (!prefix.isEmpty())
            name = prefix + QLatin1Char('/') + name;
    }
    QString link = field(h, 157, 100);
    if (!m_longName.isEmpty())
        name = m_longName;
    if (!m_longLink.isEmpty())
        link = m_longLink;
    if (m_pax.contains(QStringLiteral("path")))
        name = m_pax.value(QStringLiteral("path"));
    if (m_pax.contains(QStringLiteral("linkpath")))
        link = m_pax.value(QStringLiteral("linkpath"));
    m_longName.clear();
    m_longLink.clear();
    m_pax.clear();
    return member(name, type, link);
}

// Components of a relative name; false when it is absolute or climbs with "..".
bool components(const QString &name, QStringList *out)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.contains(QChar(0)))
        return false;
    QStringList parts;
    for (const QString &p : name.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (p == QLatin1String(".."))
            return false;
        if (p != QLatin1String("."))
            parts << p;
    }
    *out = parts;
    return true;
}

bool TarChecker::member(QString name, char type, QString link)
{
    QStringList parts;
    if (!components(name, &parts))
        return fail(QStringLiteral("member outside the package: %1").arg(name));
    if (parts.isEmpty())
        return true; // "./": the folder the archive was made in
    if (parts.first() != QLatin1String(UpdatePackage::FolderName))
        return fail(QStringLiteral("member outside %1: %2").arg(UpdatePackage::FolderName, name));
    switch (type) {
    case '0':
    case '\0':
    case '7':
    case '5':
        return true;
    case '2': {
        // A link may only point down into the package: with no ".." it cannot climb out
        // however the links in its target resolve.
        QStringList target;
        if (!components(link, &target))
            return fail(QStringLiteral("link pointing outside the package: %1 -> %2").arg(name, link));
        return true;
    }
    case '1': {
        QStringList target;
        if (!components(link, &target) || target.isEmpty()
            || target.first() != QLatin1String(UpdatePackage::FolderName))
            return fail(QStringLiteral("link pointing outside the package: %1 -> %2").arg(name, link));
        return true;
    }
    default:
        return fail(QStringLiteral("special file in the package: %1").arg(name));
    }
}

bool TarChecker::finish()
{
    if (m_failed)
        return false;
    // GNU tar accepts an archive ending in one empty block or in none after whole members;
    // a member cut short is a damaged archive.
    if (!m_ended && (m_skip > 0 || !m_pending.isEmpty()))
        return fail(QStringLiteral("archive ends inside a member"));
    if (!m_ended && m_zeroBlocks == 0)
        return fail(QStringLiteral("archive has no end marker"));
    return true;
}

} // namespace

bool UpdatePackage::checkTar(const QByteArray &tar, QString *reason)
{
    TarChecker checker;
    const bool ok = checker.feed(tar.constData(), tar.size()) && checker.finish();
    if (!ok && reason)
        *reason = checker.reason;
    return ok;
}

bool UpdatePackage::checkArchive(const QString &archivePath, QString *reason)
{
    auto refuse = [reason](const QString &why) {
        if (reason)
            *reason = why;
        return false;
    };
    QFile file(archivePath);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(QStringLiteral("cannot open %1").arg(archivePath));

    TarChecker checker;
    bz_stream bz{};
    if (BZ2_bzDecompressInit(&bz, 0, 0) != BZ_OK)
        return refuse(QStringLiteral("cannot start decompression"));
    QByteArray in;
    QByteArray out(64 * 1024, Qt::Uninitialized);
    bool streamEnded = false;
    bool outputFull = false; // the decompressor may hold more output without more input
    bool ok = true;
    bool anyInput = false;
    QString why;
    for (;;) {
        if (bz.avail_in == 0 && !outputFull) {
            in = file.read(64 * 1024);
            if (in.isEmpty())
                break;
            anyInput = true;
            bz.next_in = in.data();
            bz.avail_in = unsigned(in.size());
        }
        if (streamEnded) {
            // Concatenated streams (parallel compressors write them) continue the archive;
            // other bytes after a stream are padding, ignored as bzip2 itself does.
            char *next = bz.next_in;
            const unsigned avail = bz.avail_in;
            if (avail >= 3 && qstrncmp(next, "BZh", 3) != 0)
                break;
            BZ2_bzDecompressEnd(&bz);
            bz = bz_stream{};
            if (BZ2_bzDecompressInit(&bz, 0, 0) != BZ_OK) {
                ok = false;
                why = QStringLiteral("cannot start decompression");
                break;
            }
            bz.next_in = next;
            bz.avail_in = avail;
            streamEnded = false;
        }
        bz.next_out = out.data();
        bz.avail_out = unsigned(out.size());
        const int rc = BZ2_bzDecompress(&bz);
        if (rc != BZ_OK && rc != BZ_STREAM_END) {
            ok = false;
            why = QStringLiteral("corrupt compressed data");
            break;
        }
        const qint64 produced = out.size() - qint64(bz.avail_out);
        outputFull = bz.avail_out == 0;
        if (!checker.feed(out.constData(), produced)) {
            ok = false;
            break;
        }
        if (rc == BZ_STREAM_END) {
            streamEnded = true;
            outputFull = false;
        }
    }
    BZ2_bzDecompressEnd(&bz);
    if (ok && (!anyInput || !streamEnded)) {
        ok = false;
        why = QStringLiteral("compressed data cut short");
    }
    if (ok && !checker.finish())
        ok = false;
    if (!ok)
        return refuse(why.isEmpty() ? checker.reason : why);
    return true;
}
