#pragma once

#include "ScreenBase.h"

namespace Ui
{
class ClockSettingsScreen;
}

// Sets the instrument's clock from a time field and a date field (F4), and chooses how
// every screen shows times (F2: 12 or 24 hours) and dates (F3: day or month first).
// Select starts editing a field at its first part (hours, or the first part of the
// date); the encoder steps that part, select moves on to the next one, and select on
// the last part ends editing.
class SetClockScreen : public ScreenBase
{
    Q_OBJECT
public:
    SetClockScreen(QWidget *previousScreen, QWidget *parent);
    ~SetClockScreen() override;

    // The display formats, always equal to the stored ones; the main menu's clock line
    // reads them on every tick.
    QString dateFormat;
    QString timeFormat;

public slots:
    void showScreen(bool) override;
    void setDateFormat(bool);
    void setTimeFormat(bool);
    void setTimeAndDate(bool);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void warnNotSaved();

    Ui::ClockSettingsScreen *ui;
};
