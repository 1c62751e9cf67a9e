#pragma once

#include "ScreenBase.h"
#include "TestResultStatus.h"

namespace Ui
{
class ViewDataUserTestResult;
}
class TestResultElementUserTest;

// One stored user test: channel, the prompt the operator answered, the value entered
// with its unit (when the test asked for one) and verdict.
class ViewDataUserTestResult : public ScreenBase
{
    Q_OBJECT
public:
    ViewDataUserTestResult(QWidget *previousScreen, QWidget *parent);
    ~ViewDataUserTestResult() override;

    // Copies what the screen shows; the element is not kept.
    void setTestData(const TestResultElementUserTest *element);
    void setStatus(TEST_RESULT_STATUS status);

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::ViewDataUserTestResult *ui;
    TEST_RESULT_STATUS m_status = TEST_FAIL;
};
