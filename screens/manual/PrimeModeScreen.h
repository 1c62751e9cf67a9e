#pragma once

#include "ScreenBase.h"

namespace Ui {
class InfusionPump_PrimeModeScreen;
}
class PrimingScreen;
class RotaryEncoderList;

// A prime menu built like the drain menu: the four channels and "Prime All". Select
// stops and primes the chosen channels and shows a priming screen naming them.
class PrimeModeScreen : public ScreenBase
{
    Q_OBJECT
public:
    PrimeModeScreen(QWidget *previousScreen, QWidget *parent);
    ~PrimeModeScreen() override;

    PrimingScreen *primingScreen() const { return m_primingScreen; }
    RotaryEncoderList *channelList() const;

signals:
    void startPriming(unsigned short channelId);
    void stopPump(unsigned short channelId);

public slots:
    void keyPressEvent(QKeyEvent *event) override;
    void showScreen(bool) override;

protected:
    void changeEvent(QEvent *event) override;

private:
    PrimingScreen *m_primingScreen;
    Ui::InfusionPump_PrimeModeScreen *ui;
};
