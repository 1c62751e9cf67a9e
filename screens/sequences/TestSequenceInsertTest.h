#pragma once

#include "ScreenBase.h"

namespace Ui
{
class TestSequenceInsertTest;
}

// Picks the kind of test to add to the sequence being edited; the new element, with
// its defaults, goes directly after the editor's row, and the editor is shown again.
class TestSequenceInsertTest : public ScreenBase
{
    Q_OBJECT
public:
    TestSequenceInsertTest(QWidget *previousScreen, QWidget *parent);
    ~TestSequenceInsertTest() override;

    // The editor row after which the new element goes (-1: at the start).
    void setIndex(int index) { m_index = index; }
    int getIndex() const { return m_index; }

    // The sequence element type a row of the list inserts; -1 for no row.
    static int elementTypeOfRow(int row);

    void insertSelectedTest();

public slots:
    void showScreen(bool) override;
    void insertButtonClicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    Ui::TestSequenceInsertTest *ui;
    int m_index = -1;
};
