#pragma once

#include "EntryScreen.h"

namespace Ui
{
class InfusionPumpSerialNoEntry;
}

// The instrument's serial number, as result records and the PC link report it. F4
// stores the field as typed and shows the next screen.
class SerialNoEntry : public EntryScreen
{
    Q_OBJECT
public:
    SerialNoEntry(QWidget *previousScreen, ScreenBase *nextScreen, QWidget *parent);
    SerialNoEntry(QWidget *previousScreen, TestScreen *testScreen, QWidget *parent);
    ~SerialNoEntry() override;

public slots:
    void showScreen(bool) override;
    void onConfirmClicked(bool state) override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void setUp();

    Ui::InfusionPumpSerialNoEntry *ui;
};
