#pragma once

#include <QObject>

#include <functional>

// Key-repeat filter for the soft keys: an F1..F4 press that follows the last restart
// of the shared timer within 500 ms is swallowed (and restarts it); any other key
// press restarts it and passes. One timer serves every instance.
class Debouncer : public QObject
{
    Q_OBJECT
public:
    explicit Debouncer(QObject *parent = nullptr);

    bool eventFilter(QObject *watched, QEvent *event) override;

    // Milliseconds of the clock the shared timer reads; a new clock also forgets
    // the timer, as if no key had been pressed yet.
    static void setClock(std::function<qint64()> clock);
};
