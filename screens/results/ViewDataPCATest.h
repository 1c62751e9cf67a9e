#pragma once

#include "ScreenBase.h"
#include "TestResultStatus.h"

namespace Ui
{
class ViewDataPCATest;
}
class TestResultElementPCATest;
class ViewResultsGraph;

// One stored PCA test: channel, volume, duration, a row per bolus (the encoder moves
// through them) and verdict; Graph (F2) draws its samples.
class ViewDataPCATest : public ScreenBase
{
    Q_OBJECT
public:
    ViewDataPCATest(QWidget *previousScreen, QWidget *parent);
    ~ViewDataPCATest() override;

    // Copies what the screen shows; the element is not kept.
    void setTestData(const TestResultElementPCATest *element);
    void setStatus(TEST_RESULT_STATUS status);
    void nextItem();
    void previousItem();
    int currentRow() const { return m_currentRow; }
    ViewResultsGraph *graphScreen() const { return m_graph; }

protected slots:
    void graphButtonClicked();

protected:
    void wheelEvent(QWheelEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void selectCurrentRow();

    Ui::ViewDataPCATest *ui;
    ViewResultsGraph *m_graph;
    int m_currentRow = 0;
    TEST_RESULT_STATUS m_status = TEST_FAIL;
};
