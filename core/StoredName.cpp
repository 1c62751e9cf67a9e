#include "StoredName.h"

#include "FileUtils.h"

#include <QStringList>

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
} // namespace

QString withoutForbidden(const QString &name)
{
    QStringList parts = name.split(QLatin1Char(' '));
    for (QString &part : parts)
        part = dropForbidden(part);
    return parts.join(QLatin1Char(' '));
}

bool isUsable(const QString &fileName)
{
    return !fileName.isEmpty() && fileName != QLatin1String(".")
        && fileName != QLatin1String("..");
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

} // namespace StoredName
