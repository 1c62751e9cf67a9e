#pragma once

#include "ScreenBase.h"

namespace Ui
{
class InfusionPumpSetup;
}
class MemoryUsage;
class PinEntry;
class SerialNoEntry;
class SetClockScreen;
class SetupLanguage;
class SetupPressureUnits;
class TestSequenceScreen;

// The setup menu: one row per set-up screen, opened with the select key. It builds all
// of them once and keeps them; building the language screen installs the stored
// translation, so every screen built before it comes up in the operator's language.
class SetupScreen : public ScreenBase
{
    Q_OBJECT
public:
    // previousScreen is the main menu: F1 returns to it, and a saved serial number ends
    // there.
    SetupScreen(QWidget *previousScreen, QWidget *parent);
    ~SetupScreen() override;

    // The main menu's clock line reads the formats from here.
    SetClockScreen *getClockScreen() const { return m_clockScreen; }

signals:
    void screenChanged(unsigned short newScreenID);

public slots:
    void showScreen(bool) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    SetClockScreen *m_clockScreen;
    PinEntry *m_pinEntry;
    SerialNoEntry *m_serialNoEntry;
    TestSequenceScreen *m_testSequenceScreen;
    MemoryUsage *m_memoryScreen;
    SetupPressureUnits *m_pressureUnitsScreen;
    SetupLanguage *m_languageScreen;
    Ui::InfusionPumpSetup *ui;
};
