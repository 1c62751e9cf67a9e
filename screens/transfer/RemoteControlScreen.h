#pragma once

#include "ScreenBase.h"

class OcclusionManualTest;
class QTimer;

namespace Ui
{
class RemoteControlScreen;
}

// Shown while a PC drives the instrument over the PC link: the four channels' live
// values twice a second; the green or select key acknowledges the alarms of the manual
// occlusion channels whose PC runs wait for it, the red key stops every channel, back
// stops them all and closes the link two seconds later (the stop replies and late
// requests are still served).
class RemoteControlScreen : public ScreenBase
{
    Q_OBJECT
public:
    static constexpr int refreshMs = 500;
    static constexpr int closeDelayMs = 2000;

    RemoteControlScreen(QWidget *previousScreen, QWidget *parent);
    ~RemoteControlScreen() override;

signals:
    void stopPump(unsigned short channel);
    void primePump(unsigned short channel);

public slots:
    void showScreen(bool) override;
    void fetchData();
    void onStopAllClicked(bool);
    void onBackArrowClicked(bool) override;
    void clearRemoteFlag();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void writeRow(unsigned short channel);
    void acknowledgeOcclusionChannels();
    OcclusionManualTest *occlusionScreen() const;

    Ui::RemoteControlScreen *ui;
    QTimer *m_refreshTimer;
    // The link's close after back; stopped when the screen is entered again, so a new
    // link is never closed by an earlier leave.
    QTimer *m_closeTimer;
};
