#pragma once

#include "ScreenArea.h"

#include <QByteArray>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStackedWidget>
#include <QString>
#include <QStringList>

#include <functional>

class InfusionPumpMainScreen;
class PowerBoardSim;
class QTimer;
class SetupScreen;

// The instrument as start-up builds it (power board, main menu and with it the setup
// menu and its screens), for driving the setup screens by keys.
//
//     SetupBench bench;                 // settings: ScreenArea::defaultSettings()
//     QVERIFY(bench.openSetup());       // the main menu's "Setup" row
//     GuiTest::turn(3);
//     GuiTest::key(Qt::Key_Escape);     // "Memory"
struct SetupBench {
    struct Options {
        QByteArray settings = ScreenArea::defaultSettings();
        // Built translations in "/home/translations" before the program starts.
        bool translations = false;
        // Failure modes of the simulated power board, set before the board manager starts.
        std::function<void(PowerBoardSim &)> board = {};
        // Runs with the device root before the program opens its lines (to start the
        // Bluetooth module's simulator there).
        std::function<void(const QString &root)> beforeStart = {};
    };
    SetupBench() : SetupBench(Options()) {}
    explicit SetupBench(const Options &options);

    // Shows the main menu and opens the setup menu from it with the keys.
    bool openSetup();
    // The first screen of that type in the screen area.
    template <class Screen> Screen *screen() const { return area.stack()->findChild<Screen *>(); }
    // The screen of that type that returns to previous (the About area and the setup
    // menu each have a PIN gate).
    template <class Screen> Screen *screenAfter(QWidget *previous) const
    {
        for (Screen *s : area.stack()->findChildren<Screen *>())
            if (s->previousScreen() == previous)
                return s;
        return nullptr;
    }
    // A value of the settings file as stored now ("" when absent).
    QString setting(const QString &key) const;
    QStringList menuRows() const;
    QString setupTitle() const;

    ScreenArea area;
    InfusionPumpMainScreen *menu = nullptr;
    SetupScreen *setup = nullptr;
};

// A dialog as the operator saw it.
struct SeenDialog {
    QString title;
    QString text;
    QString informative;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
};

// Answers the modal dialogs that come up one after another (a box opened again counts
// anew), in order: each answer gets the dialog; once the answers run out, each further
// dialog is closed as it comes. Keeps what every dialog showed.
class DialogAnswers : public QObject
{
    Q_OBJECT
public:
    using Answer = std::function<void(QWidget *)>;
    explicit DialogAnswers(const QList<Answer> &answers = {});

    QList<SeenDialog> seen;

    // Presses a message box's button with the wheel and the select key.
    static Answer press(QMessageBox::StandardButton button);
    static Answer close();

private:
    void poll();
    void finished();

    QList<Answer> m_answers;
    QTimer *m_timer;
    QPointer<QWidget> m_answering;
    QPointer<QWidget> m_owner;
};
