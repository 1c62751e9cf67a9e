#pragma once

#include "DataManager.h"
#include "ScreenBase.h"

namespace Ui
{
class SetupPressureUnits;
}

// The unit every pressure is shown and entered in; the row number is the unit.
class SetupPressureUnits : public ScreenBase
{
    Q_OBJECT
public:
    SetupPressureUnits(QWidget *previousScreen, QWidget *parent);
    ~SetupPressureUnits() override;

public slots:
    // Opens on the unit in force.
    void showScreen(bool) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void applyUnitNames();
    // The select key on a row: the unit, then back to the setup menu.
    void chooseUnit(DataManager::PRESSURE_UNITS unit);

    Ui::SetupPressureUnits *ui;
};
