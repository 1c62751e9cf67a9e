#pragma once

#include "ScreenBase.h"

namespace Ui
{
class TestSequenceEditOptions;
}
class TestSequenceEdit;

// Copy or delete one element of the sequence being edited, in memory only; tells the
// editor which was taken, so it can place its selection, and returns to it.
class TestSequenceEditOptions : public ScreenBase
{
    Q_OBJECT
public:
    // previousScreen is the editor.
    TestSequenceEditOptions(TestSequenceEdit *previousScreen, QWidget *parent);
    ~TestSequenceEditOptions() override;

    void setTestIndex(int index) { m_testIndex = index; }
    int getTestIndex() const { return m_testIndex; }

public slots:
    void showScreen(bool) override;
    void deleteButtonPressed();
    void copyButtonPressed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    Ui::TestSequenceEditOptions *ui;
    TestSequenceEdit *m_editor;
    int m_testIndex = -1;
};
