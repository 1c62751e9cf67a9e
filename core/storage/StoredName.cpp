#include "StoredName.h"

#include "FileUtils.h"

#include <QFile>
#include <QStringList>
#include <QVector>

namespace StoredName {

namespace {
// The shared cleaner, but without its stand-ins for "", "." and "..": the caller
// rejects those instead of writing a file under a made-up name.
QString dropForbidden(const QString &part)
{
    QString cleaned = part + QLatin1Char('x');
    FileUtils::makeValidName(cleaned);
    cleaned.chop(1);
    return cleaned;
}

// Control characters (a NUL cuts the name short) and characters the file system's
// encoding cannot hold would give a file whose listed name no longer leads back to it.
QString onlyStorable(const QString &name)
{
    QString kept;
    const QVector<uint> codePoints = name.toUcs4();
    for (const uint codePoint : codePoints) {
        if (codePoint < 0x20 || codePoint == 0x7f)
            continue;
        const QString one = QString::fromUcs4(&codePoint, 1);
        if (QFile::decodeName(QFile::encodeName(one)) == one)
            kept += one;
    }
    return kept;
}
} // namespace

QString withoutForbidden(const QString &name)
{
    QStringList parts = onlyStorable(name).split(QLatin1Char(' '));
    for (QString &part : parts)
        part = dropForbidden(part);
    return parts.join(QLatin1Char(' '));
}

bool isUsable(const QString &fileName)
{
    return !fileName.isEmpty() && fileName != QLatin1String(".")
        && fileName != QLatin1String("..");
}

bool isFileName(const QString &name)
{
    return isUsable(name) && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

QString sequenceFileName(const QString &name)
{
    QString fileName = withoutForbidden(name);
    if (fileName.trimmed().isEmpty())
        return QString();
    fileName.replace(QLatin1Char(' '), QLatin1Char('_'));
    return isUsable(fileName) ? fileName : QString();
}

QString withoutBlanks(const QString &name)
{
    QString fileName = withoutForbidden(name);
    fileName.remove(QLatin1Char(' '));
    return fileName;
}

QString cleanAssetId(const QString &id)
{
    QString cleaned;
    cleaned.reserve(id.size());
    for (const QChar c : id) {
        if (c.category() != QChar::Other_Control)
            cleaned.append(c);
    }
    return cleaned.trimmed();
}

} // namespace StoredName
