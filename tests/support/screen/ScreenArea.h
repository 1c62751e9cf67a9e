#pragma once

#include "GuiTest.h"
#include "TempRoot.h"

#include <QByteArray>
#include <QString>

class QStackedWidget;
class QWidget;
class InfusionPumpPowerBoardManager;

// The screen area of a screen test, built as start-up builds it: a device root with a
// settings file, the one stacked widget (320 x 240, shown and active, so the soft keys'
// shortcuts fire) in ScreenBase::stackedWidget, and a board manager in ScreenBase::board.
// Everything is torn down with the object (screens included) and the statics cleared.
//
//     ScreenArea area;                       // settings: defaultSettings()
//     auto *menu = new InfusionPumpMainScreen(nullptr, nullptr);
//     QVERIFY(area.activate());
//     GuiTest::key(Qt::Key_F3);              // soft keys, green F6, red F7, select Escape
//     GuiTest::turn(-1);                     // encoder detents to the focus widget
//     QCOMPARE(area.current(), drainScreen);
class ScreenArea
{
public:
    // Date and time formats as the instrument ships.
    static QByteArray defaultSettings();

    explicit ScreenArea(const QByteArray &settings = defaultSettings());
    ~ScreenArea();
    ScreenArea(const ScreenArea &) = delete;
    ScreenArea &operator=(const ScreenArea &) = delete;

    TempRoot &root() { return m_root; }
    QStackedWidget *stack() const { return m_stack; }
    // The page on show.
    QWidget *current() const;

    // Attaches a board manager (not owned) as ScreenBase::board.
    void attachBoard(InfusionPumpPowerBoardManager *board);

    // Shows the screen area and waits until it is the active window.
    bool activate();

    // Renders the page on show at the display's size, for looking at it.
    bool savePng(const QString &path) const;

    // The settings file's path on the host.
    QString settingsPath() const;

private:
    TempRoot m_root;
    QStackedWidget *m_stack;
};
