#include "RotaryEncoderReader.h"

#include "InputDevices.h"
#include "WheelDelivery.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QWheelEvent>
#include <QWidget>

#include <fcntl.h>
#include <linux/input.h>
#include <unistd.h>

#include <limits>

const QByteArray RotaryEncoderReader::deviceName("wexholm-rotary");

RotaryEncoderReader::RotaryEncoderReader(QObject *parent) : QObject(parent)
{
    m_fd = getFdByName(deviceName.constData());
    watch();
}

RotaryEncoderReader::RotaryEncoderReader(int fd, QObject *parent) : QObject(parent), m_fd(fd)
{
    if (m_fd >= 0)
        ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) | O_NONBLOCK);
    watch();
}

RotaryEncoderReader::~RotaryEncoderReader()
{
    delete m_notifier;
    if (m_fd >= 0)
        ::close(m_fd);
}

void RotaryEncoderReader::watch()
{
    if (m_fd <= 0)
        return;
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &RotaryEncoderReader::notify);
}

int RotaryEncoderReader::getFdByName(const char *name)
{
    return openInputDeviceByName(name, true);
}

void RotaryEncoderReader::notify(int)
{
    // A burst of 64 values of any size cannot overflow 64 bits; the turn itself is held
    // to what one wheel event can carry.
    constexpr qint64 maxDetents = std::numeric_limits<int>::max() / 120;
    qint64 sum = 0;
    for (int i = 0; i < maxEventsPerBurst; ++i) {
        input_event ev;
        if (::read(m_fd, &ev, sizeof ev) != ssize_t(sizeof ev))
            break;
        sum += ev.value;
    }
    if (sum == 0)
        return;
    const int detents = int(qBound(-maxDetents, sum, maxDetents));
    QWidget *target = QApplication::focusWidget();
    if (!target)
        return;
    // Up through the parents as a wheel event of the window system would travel: a
    // field that does not take the turn leaves it to its screen.
    WheelDelivery::deliver(target, detents * 120);
}
