#pragma once

#include "ScreenBase.h"

namespace Ui {
class PrimingScreen;
}

// Tells the operator how to prime; the main menu's copy raises no request. A prime
// menu's copy names the channels it primes.
class PrimingScreen : public ScreenBase
{
    Q_OBJECT
public:
    PrimingScreen(QWidget *previousScreen, QWidget *parent);
    ~PrimingScreen() override;

    void vSetPrimingChannel(unsigned short channel);
    unsigned short primingChannel() const { return m_u16PrimingChannel; }

signals:
    void stopPump(unsigned short channelId);
    void startPriming(unsigned short channelId);

protected:
    void changeEvent(QEvent *event) override;

private:
    unsigned short m_u16PrimingChannel = 0;
    Ui::PrimingScreen *ui;
};
