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
    int sum = 0;
    for (int i = 0; i < maxEventsPerBurst; ++i) {
        input_event ev;
        if (::read(m_fd, &ev, sizeof ev) != ssize_t(sizeof ev))
            break;
        sum += ev.value;
    }
    if (sum == 0)
        return;
    QWidget *target = QApplication::focusWidget();
    if (!target)
        return;
    // Up through the parents as a wheel event of the window system would travel: a
    // field that does not take the turn leaves it to its screen.
    WheelDelivery::deliver(target, sum * 120);
}
