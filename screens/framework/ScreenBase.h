#pragma once

#include <QPointer>
#include <QWidget>

class QStackedWidget;
class InfusionPumpPowerBoardManager;

// A full-size page of the one screen area. Each screen knows the screen it returns to,
// so "back" needs no navigation stack. Key convention of every screen: F1..F4 soft keys
// (button shortcuts), F6 green, F7 red, Escape select, wheel events of 120 per detent.
class ScreenBase : public QWidget
{
    Q_OBJECT
public:
    // The one screen area and the one board manager, set by start-up before any screen
    // is built.
    static QStackedWidget *stackedWidget;
    static InfusionPumpPowerBoardManager *board;

    // Appends the screen to the screen area; previousScreen is where back returns.
    ScreenBase(QWidget *previousScreen, QWidget *parent);

    void setPreviousScreen(QWidget *previousScreen);
    QWidget *previousScreen() const { return m_previousScreen; }
    bool isCurrentWidget() const;

    // Hours, minutes and seconds of a duration in whole seconds ("01:02:03").
    static QString formatTimeFromPic(unsigned int seconds);

public slots:
    virtual void showScreen(bool);

protected slots:
    virtual void onBackArrowClicked(bool check);

private:
    QPointer<QWidget> m_previousScreen;
};
