#pragma once

#include "DialogAnswers.h"
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
