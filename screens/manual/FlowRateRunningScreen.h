#pragma once

#include "TestScreen.h"

#include <QList>

class QLabel;
namespace Ui {
class FlowRateRunningScreen;
}

// Live view of a flow-rate (and volume) test on one channel.
class FlowRateRunningScreen : public TestScreen
{
    Q_OBJECT
public:
    FlowRateRunningScreen(QWidget *previous, QWidget *parent);
    ~FlowRateRunningScreen() override;

public slots:
    void showScreen(bool check) override;
    void fetchData() override;
    void vEnableItems(bool) override {}
    void lateSetup() override;
    void onSettingsClicked(bool) override {}

protected:
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fillEmphasis();

    Ui::FlowRateRunningScreen *ui;
    QList<QLabel *> m_valueLabels;
    QList<QLabel *> m_nameLabels;
    int m_emphasisIndex = 0;
};
