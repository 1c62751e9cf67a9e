#include "GpioPinController.h"

#include "DevicePath.h"
#include "DevicePaths.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// No O_CREAT: a sysfs file that is not there means the line or the driver is missing,
// and creating a plain file in its place would hide that.
bool writeText(const QString &path, const QString &text)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_TRUNC);
    if (fd < 0)
        return false;
    const QByteArray bytes = text.toLocal8Bit();
    ssize_t n;
    do {
        n = ::write(fd, bytes.constData(), size_t(bytes.size()));
    } while (n < 0 && errno == EINTR);
    ::close(fd);
    return true;
}

} // namespace

GpioPinController::GpioPinController(QString number, QObject *parent)
    : QObject(parent), m_number(number)
{
}

QString GpioPinController::linePath(const char *file) const
{
    return DevicePath::path(DevicePaths::gpioLine + m_number + QLatin1Char('/')
                            + QLatin1String(file));
}

bool GpioPinController::createDriver()
{
    return writeText(DevicePath::path(DevicePaths::gpioExport), m_number);
}

bool GpioPinController::removeDriver()
{
    return writeText(DevicePath::path(DevicePaths::gpioUnexport), m_number);
}

bool GpioPinController::setDirection(QString direction)
{
    return writeText(linePath("direction"), direction);
}

bool GpioPinController::setValue(QString value)
{
    return writeText(linePath("value"), value);
}

QString GpioPinController::getValue()
{
    const int fd = ::open(QFile::encodeName(linePath("value")).constData(), O_RDONLY);
    if (fd < 0)
        return QStringLiteral("-1");
    char c = 0;
    ssize_t n;
    do {
        n = ::read(fd, &c, 1);
    } while (n < 0 && errno == EINTR);
    ::close(fd);
    if (n != 1)
        return QStringLiteral("-1");
    return QString(QLatin1Char(c));
}

void GpioPinController::toggleValue()
{
    const QString value = getValue();
    if (value == QLatin1String("0"))
        setValue(QStringLiteral("1"));
    else if (value == QLatin1String("1"))
        setValue(QStringLiteral("0"));
}
