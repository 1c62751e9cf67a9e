#include "GpioPinController.h"

#include "UpdaterPath.h"

#include <QDebug>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace {
int openPath(const QString &devicePath, int flags)
{
    return ::open(QFile::encodeName(UpdaterPath::path(devicePath)).constData(), flags | O_CLOEXEC);
}
} // namespace

GpioPinController::GpioPinController(const QString &pin, QObject *parent)
    : QObject(parent),
      m_Pin(pin),
      m_ExportFd(openPath(QStringLiteral("/sys/class/gpio/export"), O_WRONLY)),
      m_DirectionFd(openPath(QStringLiteral("/sys/class/gpio/gpio%1/direction").arg(pin), O_WRONLY)),
      m_ValueFd(openPath(QStringLiteral("/sys/class/gpio/gpio%1/value").arg(pin), O_RDWR))
{
}

GpioPinController::~GpioPinController()
{
    for (int fd : {m_ExportFd, m_DirectionFd, m_ValueFd}) {
        if (fd >= 0)
            ::close(fd);
    }
}

bool GpioPinController::writeText(int fd, const QString &text)
{
    if (fd < 0)
        return false;
    const QByteArray bytes = text.toLatin1();
    return ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
}

bool GpioPinController::createDriver()
{
    return writeText(m_ExportFd, m_Pin);
}

bool GpioPinController::removeDriver()
{
    const int fd = openPath(QStringLiteral("/sys/class/gpio/unexport"), O_WRONLY);
    const bool ok = writeText(fd, m_Pin);
    if (fd >= 0)
        ::close(fd);
    return ok;
}

bool GpioPinController::setDirection(const QString &direction)
{
    return writeText(m_DirectionFd, direction);
}

bool GpioPinController::setValue(const QString &value)
{
    if (m_ValueFd >= 0)
        ::lseek(m_ValueFd, 0, SEEK_SET);
    return writeText(m_ValueFd, value);
}

QString GpioPinController::getValue()
{
    char c = 0;
    if (m_ValueFd < 0 || ::lseek(m_ValueFd, 0, SEEK_SET) < 0 || ::read(m_ValueFd, &c, 1) != 1) {
        qDebug() << "getValue failed";
        return QStringLiteral("-1");
    }
    return QString(QLatin1Char(c));
}

void GpioPinController::toggleValue()
{
    const QString v = getValue();
    if (v == QLatin1String("0"))
        setValue(QStringLiteral("1"));
    else if (v == QLatin1String("1"))
        setValue(QStringLiteral("0"));
}
