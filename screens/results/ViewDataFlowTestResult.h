#pragma once

#include "ScreenBase.h"
#include "TestResultStatus.h"

namespace Ui
{
class ViewDataFlowTestResult;
}
class TestResultElementFlowTest;
class ViewResultsGraph;

// One stored flow-rate test: channel, mean, peak and minimum flow, volume, duration and
// verdict; Graph (F2) draws its samples.
class ViewDataFlowTestResult : public ScreenBase
{
    Q_OBJECT
public:
    ViewDataFlowTestResult(QWidget *previousScreen, QWidget *parent);
    ~ViewDataFlowTestResult() override;

    // Copies what the screen shows; the element is not kept.
    void setTestData(const TestResultElementFlowTest *element);
    void setStatus(TEST_RESULT_STATUS status);
    ViewResultsGraph *graphScreen() const { return m_graph; }

protected slots:
    void graphButtonClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::ViewDataFlowTestResult *ui;
    ViewResultsGraph *m_graph;
    TEST_RESULT_STATUS m_status = TEST_FAIL;
};
