#pragma once

#include "ScreenBase.h"

#include <QStringList>

namespace Ui
{
class TestSequences;
}
class TestSequenceEdit;
class TestSequenceOptions;

// The stored test sequences by name: New creates an empty one under a typed name, Edit
// (or select) opens the chosen one in the editor, Menu its copy, delete and rename.
// The list is rebuilt from the sequence store each time the screen is shown.
class TestSequenceScreen : public ScreenBase
{
    Q_OBJECT
public:
    TestSequenceScreen(QWidget *previousScreen, QWidget *parent);
    ~TestSequenceScreen() override;

    void updateTestSequenceList();
    // Makes a row current and chosen; -1 chooses none; a row past the end changes nothing.
    void selectIndex(int index);
    void setCurrentIndexByName(const QString &name);

    TestSequenceOptions *optionsScreen() const { return m_options; }
    TestSequenceEdit *editScreen() const { return m_edit; }

public slots:
    void showScreen(bool) override;
    void newButtonClicked();
    void editButtonClicked();
    void optionsButtonClicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // The name on the chosen row; empty when no row is chosen.
    QString selectedName() const;

    Ui::TestSequences *ui;
    QStringList m_testSequenceNames;
    TestSequenceOptions *m_options;
    TestSequenceEdit *m_edit;
};
