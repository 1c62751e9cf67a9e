#include "DevicePath.h"

#include <QByteArray>
#include <QDir>

namespace DevicePath {

QString root()
{
    const QByteArray r = qgetenv("INSTRUMENT_ROOT");
    if (r.isEmpty())
        return QString();
    QString s = QString::fromLocal8Bit(r);
    while (s.size() > 1 && s.endsWith(QLatin1Char('/')))
        s.chop(1);
    return s;
}

QString path(const QString &devicePath)
{
    const QString r = root();
    if (r.isEmpty() || !devicePath.startsWith(QLatin1Char('/')))
        return devicePath;
    // A path already under the root is not prefixed twice.
    if (devicePath == r || devicePath.startsWith(r + QLatin1Char('/')))
        return devicePath;
    return r + devicePath;
}

} // namespace DevicePath
