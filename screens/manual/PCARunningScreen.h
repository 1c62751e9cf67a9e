#pragma once

#include "TestScreen.h"

class QLabel;
namespace Ui {
class PCARunning_Screen;
}

// Live view of a PCA test on one channel: totals, means and the table of boluses.
class PCARunningScreen : public TestScreen
{
    Q_OBJECT
public:
    PCARunningScreen(QWidget *previous, QWidget *parent);
    ~PCARunningScreen() override;

public slots:
    void showScreen(bool check) override;
    void fetchData() override;
    void vEnableItems(bool) override {}
    void lateSetup() override;
    void onSettingsClicked(bool) override {}

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    Ui::PCARunning_Screen *ui;
    int m_scrollOffset = 0;
    // The bolus count last seen per channel; a new bolus brings the table back to the
    // newest ones. Kept per channel so a channel switch alone does not reset the scroll.
    qint16 m_lastBolusNum[4] = {0, 0, 0, 0};
};
