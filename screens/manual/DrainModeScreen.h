#pragma once

#include "ScreenBase.h"

namespace Ui {
class DrainMode;
}
class DrainingScreen;
class RotaryEncoderList;

// The drain menu: the four channels and "Drain All". Select stops and drains the chosen
// usable channels and shows the draining screen; F1 returns to the main menu.
class DrainModeScreen : public ScreenBase
{
    Q_OBJECT
public:
    DrainModeScreen(QWidget *previousScreen, QWidget *parent);
    ~DrainModeScreen() override;

    unsigned short getSelectedChannel() const { return m_u16SelectedChannel; }
    DrainingScreen *drainingScreen() const { return m_drainingScreen; }
    RotaryEncoderList *channelList() const;

signals:
    void startDraining(unsigned short channelId);
    void stopPump(unsigned short channelId);

public slots:
    void showScreen(bool) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    DrainingScreen *m_drainingScreen;
    Ui::DrainMode *ui;
    unsigned short m_u16SelectedChannel = 0;
};
