#pragma once

#include "ScreenBase.h"

namespace Ui {
class DrainingScreen;
}

// Says which channel drains until the operator leaves with F1, which stops the channels
// drained and primes them again, then returns to the drain menu.
class DrainingScreen : public ScreenBase
{
    Q_OBJECT
public:
    // Channel number that stands for all channels.
    static constexpr unsigned short allChannels = 4;

    DrainingScreen(QWidget *previousScreen, QWidget *parent);
    ~DrainingScreen() override;

    void vSetDrainingChannel(unsigned short channel);
    unsigned short drainingChannel() const { return m_u16DrainingChannel; }

signals:
    void stopPump(unsigned short channelId);
    void startPriming(unsigned short channelId);

public slots:
    void onBackArrowClicked(bool check) override;

protected:
    void changeEvent(QEvent *event) override;

private:
    unsigned short m_u16DrainingChannel = 0;
    Ui::DrainingScreen *ui;
};
