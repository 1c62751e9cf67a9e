#include "Debouncer.h"

#include <QElapsedTimer>
#include <QKeyEvent>

namespace {
struct SharedTimer
{
    std::function<qint64()> clock;
    bool started = false;
    qint64 startMs = 0;

    qint64 elapsed() const { return clock() - startMs; }
    void restart()
    {
        started = true;
        startMs = clock();
    }
};

SharedTimer &sharedTimer()
{
    static SharedTimer timer = [] {
        SharedTimer t;
        static QElapsedTimer monotonic;
        monotonic.start();
        t.clock = [] { return monotonic.elapsed(); };
        return t;
    }();
    return timer;
}
} // namespace

Debouncer::Debouncer(QObject *parent) : QObject(parent) {}

void Debouncer::setClock(std::function<qint64()> clock)
{
    sharedTimer().clock = std::move(clock);
    sharedTimer().started = false;
}

bool Debouncer::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    SharedTimer &ts = sharedTimer();
    if (!ts.started) {
        ts.restart();
        return false;
    }
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_F1:
    case Qt::Key_F2:
    case Qt::Key_F3:
    case Qt::Key_F4:
        if (ts.elapsed() <= 499) {
            ts.restart();
            return true;
        }
        return false;
    default:
        ts.restart();
        return false;
    }
}
