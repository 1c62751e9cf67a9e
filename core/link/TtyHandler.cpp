#include "TtyHandler.h"

#include "DevicePath.h"

#include <QDebug>
#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

speed_t speedForCode(TTY_BAUDRATE code)
{
    switch (code) {
    case 1:
        return B57600;
    case 2:
        return B38400;
    case 3:
        return B19200;
    case 4:
        return B9600;
    default:
        return B115200;
    }
}

QString lastError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

TtyHandler::TtyHandler(const QString &device, TTY_BAUDRATE baudRate, bool rtsCts,
                       int byteDelayUs, QObject *parent)
    : QIODevice(parent), m_termios(new struct termios), m_byteDelayUs(byteDelayUs),
      m_device(DevicePath::path(device))
{
    // Raw 8-bit line: no parity errors reported, no translation, no echo, no signals.
    // VMIN = VTIME = 0 so a read returns at once with what is there.
    std::memset(m_termios.get(), 0, sizeof(struct termios));
    m_termios->c_iflag = IGNPAR;
    m_termios->c_cflag = speedForCode(baudRate) | CS8 | CREAD | HUPCL | CLOCAL;
    if (rtsCts)
        m_termios->c_cflag |= CRTSCTS;
    m_termios->c_cc[VTIME] = 0;
    m_termios->c_cc[VMIN] = 0;

    m_fd = ::open(QFile::encodeName(m_device).constData(), O_RDWR | O_NOCTTY);
    if (m_fd < 0) {
        const QString reason = lastError();
        setErrorString(tr("Cannot open %1: %2").arg(m_device, reason));
        qWarning().noquote() << "TtyHandler:" << errorString();
        return;
    }
    ::tcflush(m_fd, TCIFLUSH);
    if (::tcsetattr(m_fd, TCSANOW, m_termios.get()) != 0)
        qWarning().noquote() << "TtyHandler: cannot configure" << m_device << ":" << lastError();
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TtyHandler::notify);
    QIODevice::open(QIODevice::ReadWrite | QIODevice::Unbuffered);
}

TtyHandler::~TtyHandler()
{
    releaseDescriptor();
}

void TtyHandler::close()
{
    releaseDescriptor();
    QIODevice::close();
}

void TtyHandler::releaseDescriptor()
{
    delete m_notifier;
    m_notifier = nullptr;
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

void TtyHandler::sendString(QString text)
{
    if (m_fd < 0)
        return;
    const QByteArray bytes = text.toLocal8Bit();
    writeAll(bytes.constData(), bytes.size());
}

void TtyHandler::sendByteArray(QByteArray data)
{
    if (m_fd < 0)
        return;
    if (m_byteDelayUs <= 0) {
        writeAll(data.constData(), data.size());
        return;
    }
    // Slow receivers (module boot loaders) need a pause after every byte, the last too.
    for (int i = 0; i < data.size(); ++i) {
        writeAll(data.constData() + i, 1);
        ::usleep(useconds_t(m_byteDelayUs));
    }
}

bool TtyHandler::discardQueued()
{
    return m_fd >= 0 && ::tcflush(m_fd, TCIOFLUSH) == 0;
}

bool TtyHandler::writeAll(const char *data, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::write(m_fd, data + done, size_t(size - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += n;
    }
    return true;
}

qint64 TtyHandler::bytesAvailable() const
{
    int pending = 0;
    if (m_fd < 0 || ::ioctl(m_fd, FIONREAD, &pending) != 0 || pending < 0)
        pending = 0;
    return pending + QIODevice::bytesAvailable();
}

void TtyHandler::notify(int)
{
    // The descriptor was readable when the event loop looked. With VMIN = 0 that means
    // data is waiting, unless another reader of this line (the calibration terminal
    // reads on its own timer) took it since, or the line has hung up (the far end went
    // away), where it stays readable with nothing to read and watching it would spin.
    // Only the line itself tells the two apart; giving up on a live line would leave
    // the channel deaf for good.
    int pending = 0;
    if (::ioctl(m_fd, FIONREAD, &pending) != 0) {
        stopNotifying(lastError());
        return;
    }
    if (pending > 0) {
        m_emptyWakeUps = 0;
        emit readyRead();
        return;
    }
    pollfd line{m_fd, POLLIN, 0};
    const int ready = ::poll(&line, 1, 0);
    const bool hungUp = ready > 0 && (line.revents & (POLLHUP | POLLERR | POLLNVAL));
    // Readable with nothing to read and no hang-up reported, again and again: a line
    // in a state no reader can leave.
    const bool stuck = ready > 0 && (line.revents & POLLIN) && ++m_emptyWakeUps >= MaxEmptyWakeUps;
    if (hungUp || stuck)
        stopNotifying(tr("line hung up"));
}

void TtyHandler::stopNotifying(const QString &reason)
{
    if (m_notifier)
        m_notifier->setEnabled(false);
    setErrorString(tr("%1: %2").arg(m_device, reason));
    qWarning().noquote() << "TtyHandler: no longer reading" << errorString();
}

qint64 TtyHandler::readData(char *data, qint64 maxSize)
{
    if (m_fd < 0)
        return -1;
    const ssize_t n = ::read(m_fd, data, size_t(maxSize));
    if (n < 0) {
        if (errno == EAGAIN || errno == EINTR)
            return 0;
        stopNotifying(lastError());
        return -1;
    }
    return n;
}

qint64 TtyHandler::writeData(const char *data, qint64 maxSize)
{
    if (m_fd < 0)
        return -1;
    return ::write(m_fd, data, size_t(maxSize));
}
