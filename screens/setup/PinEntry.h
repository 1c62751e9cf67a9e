#pragma once

#include "EntryScreen.h"

namespace Ui
{
class InfusionPumpPinEntry;
}

// A PIN gate in front of a service screen: F4 opens the screen behind it when the typed
// PIN matches exactly, and the field is emptied whatever was typed. Its creator sets the
// PIN; each service screen has a gate of its own.
class PinEntry : public EntryScreen
{
    Q_OBJECT
public:
    PinEntry(QWidget *previousScreen, ScreenBase *nextScreen, QWidget *parent);
    PinEntry(QWidget *previousScreen, TestScreen *testScreen, QWidget *parent);
    ~PinEntry() override;

    void setPin(const QString &pin);

public slots:
    void showScreen(bool) override;
    void onConfirmClicked(bool state) override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void setUp();

    QString m_pin;
    Ui::InfusionPumpPinEntry *ui;
};
