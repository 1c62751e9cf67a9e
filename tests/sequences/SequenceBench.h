#pragma once

#include "ScreenArea.h"

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <functional>

class DataManager;
class ScreenBase;
class TestSequenceEdit;
class TestSequenceScreen;

// The sequence list screen as the setup menu opens it, on a screen area with the power
// board behind it (the element forms read the operator's pressure unit from it). The
// spin boxes of the forms step once per detent, however fast a test turns.
struct SequenceBench {
    SequenceBench();

    DataManager &data();
    TestSequenceEdit *editor() const;
    // Shows the list screen as the setup menu does and activates the window.
    bool open();

    // The files in the sequence directory (hidden ones too) and one file's bytes.
    QStringList files() const;
    QByteArray file(const QString &name) const;
    bool writeFile(const QString &name, const QByteArray &content);

    // The names the list shows and the row chosen on it; the same of the editor's list.
    QStringList rows() const;
    int chosenRow() const;
    QStringList editorRows() const;
    int editorChosenRow() const;

    ScreenArea area;
    ScreenBase *setupMenu = nullptr;
    TestSequenceScreen *list = nullptr;
};

// What a message box showed.
struct BoxSeen {
    QString title;
    QString text;
    QString informative;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// How the operator answers one dialog.
using Answer = std::function<void(QWidget *dialog)>;
// Turns to the button of a message box and presses the select key; what the box showed
// goes into seen when given.
Answer button(QMessageBox::StandardButton pressed, BoxSeen *seen = nullptr);
// Types text on the on-screen keyboard and takes it with the green key.
Answer type(const QString &text);
// The red key.
Answer cancel();

// Runs trigger (a key press) and answers the dialogs that open one after another while
// it runs, in order. Returns what each dialog that came up showed (a box's text, the
// keyboard's title); a dialog that never came up is left out.
QStringList dialogs(const std::function<void()> &trigger, const QList<Answer> &answers);

// A key press as a trigger.
std::function<void()> press(int key);
