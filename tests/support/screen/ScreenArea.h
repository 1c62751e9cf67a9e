#pragma once

#include "GuiTest.h"
#include "TempRoot.h"

#include <QByteArray>
#include <QString>

#include <QStringList>

#include <functional>
#include <memory>

class QStackedWidget;
class QWidget;
class InfusionPumpPowerBoardManager;
class PowerBoardSim;

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
//
// With the power-board simulator behind the board manager (build it before the screens,
// which connect to the board manager when they are built):
//
//     area.startBoard([](PowerBoardSim &sim) { sim.setAbsent(2, true); });
//     QVERIFY(area.settle());                 // start-up stop/prime and one poll done
//     ... keys ...
//     QTRY_COMPARE(area.requests(), QStringList({"0 I3", "0 I7"}));
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

    // Starts the power-board simulator on the root (configure sets its failure modes
    // before the instrument's board manager opens the line), then builds the board
    // manager on "/dev/ttyAPP1" and attaches it. Both live as long as this object.
    InfusionPumpPowerBoardManager *startBoard(const std::function<void(PowerBoardSim &)> &configure = {});
    PowerBoardSim &sim() const { return *m_sim; }
    InfusionPumpPowerBoardManager *board() const { return m_board.get(); }

    // Waits until the start-up stop and prime of every channel and one whole poll have
    // gone out; the line is then quiet for most of a second. Clears the command log.
    bool settle();

    // Commands that reached the simulator, one line each, "<channel> <letters>[ <hex>]"
    // (for example "2 I7" or "0 IF2 fe ff"); requests() leaves out the once-a-second
    // test-data poll ("I4").
    QStringList lines() const;
    QStringList requests() const;
    // requests() channel by channel, each channel's in the order they went out: the
    // channels take turns on the line, and which turn comes first depends on the poll.
    QStringList requestsByChannel() const;

    // Shows the screen area and waits until it is the active window.
    bool activate();

    // Renders the page on show at the display's size, for looking at it.
    bool savePng(const QString &path) const;

    // The settings file's path on the host.
    QString settingsPath() const;

private:
    TempRoot m_root;
    QStackedWidget *m_stack;
    std::unique_ptr<PowerBoardSim> m_sim;
    std::unique_ptr<InfusionPumpPowerBoardManager> m_board;
};
