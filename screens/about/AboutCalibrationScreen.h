#pragma once

#include "AboutScreenBase.h"

#include <array>

class QAbstractButton;
class QLabel;

namespace Ui
{
class AboutCalibrationScreen;
}

// When each channel was last calibrated and when that calibration was last verified, as
// the channel's controller reports it. Every second it shows what the board manager
// holds of those replies and keeps it in the settings file (the PC link reads the
// calibration dates there). The replies are asked for when the page is built and each
// time it is shown. Its caption-less F3 is the service engineer's way to the
// calibration terminal.
class AboutCalibrationScreen : public AboutScreenBase
{
    Q_OBJECT
public:
    AboutCalibrationScreen(QWidget *previousScreen, QWidget *parent);
    ~AboutCalibrationScreen() override;

    QAbstractButton *detailsButton() const;
    QAbstractButton *calibrateButton() const;
    QAbstractButton *contactButton() const;

signals:
    // The channel (0..3) whose calibration or verification date the board should fetch.
    void getCalDate(unsigned short channel);
    void getVerDate(unsigned short channel);

public slots:
    void showScreen(bool check) override;
    void fetchData() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void requestDates();

    Ui::AboutCalibrationScreen *ui;
    std::array<QLabel *, 4> m_calDate{};
    std::array<QLabel *, 4> m_verifyDate{};
};
