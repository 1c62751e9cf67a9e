#pragma once

#include <QByteArray>
#include <QObject>

class QSocketNotifier;

// Turns the rotary encoder's input device into wheel events of 120 per detent, sent to
// the widget that has the keyboard focus. Each burst of pending input events becomes
// one wheel event, so a fast turn arrives as few large events.
class RotaryEncoderReader : public QObject
{
    Q_OBJECT
public:
    static const QByteArray deviceName;
    // Events drained per notification; the rest wait for the next one.
    static constexpr int maxEventsPerBurst = 64;

    explicit RotaryEncoderReader(QObject *parent = nullptr);
    // Reads from an already open descriptor (made non-blocking here) instead of
    // looking the device up; takes ownership of it.
    RotaryEncoderReader(int fd, QObject *parent);
    ~RotaryEncoderReader() override;

    // An open, non-blocking descriptor of the first input device under /dev/input
    // whose name is exactly name, or -1.
    static int getFdByName(const char *name);

    int fd() const { return m_fd; }

public slots:
    void notify(int);

private:
    void watch();

    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
};
