#pragma once

#include "ScreenBase.h"
#include "TestResultStatus.h"

namespace Ui
{
class ViewDataOccTestResult;
}
class TestResultElementOccTest;
class ViewResultsGraph;

// One stored occlusion test: channel, pump type, peak and back-off pressure in the
// operator's unit, bolus volume and verdict; Graph (F2) draws its pressure.
class ViewDataOccTestResult : public ScreenBase
{
    Q_OBJECT
public:
    ViewDataOccTestResult(QWidget *previousScreen, QWidget *parent);
    ~ViewDataOccTestResult() override;

    // Copies what the screen shows; the element is not kept.
    void setTestData(const TestResultElementOccTest *element);
    void setStatus(TEST_RESULT_STATUS status);
    // The pressure captions in the operator's unit.
    void setupPressureDetails();
    ViewResultsGraph *graphScreen() const { return m_graph; }

public slots:
    void showScreen(bool) override;
    void graphButtonClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    void showPumpType();

    Ui::ViewDataOccTestResult *ui;
    ViewResultsGraph *m_graph;
    TEST_RESULT_STATUS m_status = TEST_FAIL;
    unsigned char m_pumpType = 0;
};
