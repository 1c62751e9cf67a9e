#pragma once

#include "ScreenBase.h"

namespace Ui
{
class ClockSettingsScreen;
}

// Sets the instrument's clock from a time field and a date field (F4), and chooses how
// every screen shows times (F2: 12 or 24 hours) and dates (F3: day or month first).
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
    void wheelEvent(QWheelEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void warnNotSaved();

    Ui::ClockSettingsScreen *ui;
};
