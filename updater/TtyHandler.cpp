#include "TtyHandler.h"

#include "UpdaterPath.h"

#include <QDebug>
#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

TtyHandler::TtyHandler(const QString &device, QObject *parent) : QIODevice(parent)
{
    m_Settings.c_iflag = IGNPAR;
    m_Settings.c_oflag = 0;
    m_Settings.c_cflag = B115200 | CS8 | CREAD | CLOCAL;
    m_Settings.c_lflag = 0;
    m_Settings.c_cc[VMIN] = 0;
    m_Settings.c_cc[VTIME] = 0;
    cfsetispeed(&m_Settings, B115200);
    cfsetospeed(&m_Settings, B115200);

    const QString path = UpdaterPath::path(device);
    m_Fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    // Descriptor 0 is a valid descriptor (a program started without standard input gets
    // it for its first open); only a negative one is a failure.
    if (m_Fd < 0) {
        qWarning().noquote() << "TtyHandler: cannot open" << path << ":" << strerror(errno);
        return;
    }
    ::tcflush(m_Fd, TCIFLUSH);
    if (::tcsetattr(m_Fd, TCSANOW, &m_Settings) != 0)
        qWarning().noquote() << "TtyHandler: cannot set up" << path << ":" << strerror(errno);
    m_Notifier = new QSocketNotifier(m_Fd, QSocketNotifier::Read, this);
    connect(m_Notifier, &QSocketNotifier::activated, this, &TtyHandler::notify);
    QIODevice::open(QIODevice::ReadWrite);
}

TtyHandler::~TtyHandler()
{
    delete m_Notifier;
    if (m_Fd >= 0)
        ::close(m_Fd);
}

bool TtyHandler::sendString(const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    return sendByteArray(bytes);
}

bool TtyHandler::sendByteArray(const QByteArray &data)
{
    if (m_Fd < 0)
        return false;
    return writeAll(data.constData(), data.size());
}

void TtyHandler::notify(int)
{
    emit readyRead();
}

qint64 TtyHandler::readData(char *data, qint64 maxSize)
{
    if (m_Fd < 0)
        return -1;
    ssize_t n;
    do {
        n = ::read(m_Fd, data, size_t(maxSize));
    } while (n < 0 && errno == EINTR);
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
        return 0;
    return n;
}

qint64 TtyHandler::writeData(const char *data, qint64 size)
{
    if (m_Fd < 0)
        return -1;
    return writeAll(data, size) ? size : -1;
}

bool TtyHandler::writeAll(const char *data, qint64 size)
{
    // A block for a boot loader must go out whole; a short write is continued.
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::write(m_Fd, data + done, size_t(size - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            qWarning().noquote() << "TtyHandler: write failed:" << strerror(errno);
            return false;
        }
        done += n;
    }
    return true;
}
