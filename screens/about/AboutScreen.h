#pragma once

#include "ScreenBase.h"

namespace Ui
{
class AboutScreen;
}
class AboutCalibrationScreen;
class AboutContactScreen;
class AboutDetailsScreen;
class CalibrateScreen;
class PinEntry;

// The About menu, which the main menu opens: what instrument this is and whom to ask.
// It builds the whole About area at once (the contact page, the channel calibration
// dates, the channel versions with the Bluetooth page behind them, and the calibration
// terminal behind its PIN) and links the soft keys between the pages; the pages that
// refresh themselves start doing so at once.
class AboutScreen : public ScreenBase
{
    Q_OBJECT
public:
    // The service engineer's PIN in front of the calibration terminal.
    static const QString CalibrationPin;

    AboutScreen(QWidget *previousScreen, QWidget *parent);
    ~AboutScreen() override;

    CalibrateScreen *getCalibrateScreen() const { return m_calibrateScreen; }

public slots:
    void showScreen(bool check) override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void setTexts();

    Ui::AboutScreen *ui;
    AboutContactScreen *m_contactScreen = nullptr;
    AboutDetailsScreen *m_detailsScreen = nullptr;
    AboutCalibrationScreen *m_calibrationScreen = nullptr;
    CalibrateScreen *m_calibrateScreen = nullptr;
    PinEntry *m_pinEntry = nullptr;
};
