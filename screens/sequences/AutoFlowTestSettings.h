#pragma once

#include "ScreenBase.h"

namespace Ui
{
class AutoFlowSettings;
}
class TestSequenceElementFlowTest;

// Settings of one flow element of the sequence being edited, edited in place: F4 writes
// the boxes into the element and returns, F1 returns leaving it as it was. Pressures are
// shown and entered in the operator's unit and stored as whole mmHg.
class AutoFlowTestSettings : public ScreenBase
{
    Q_OBJECT
public:
    AutoFlowTestSettings(QWidget *previousScreen, QWidget *parent);
    ~AutoFlowTestSettings() override;

    void setTestData(TestSequenceElementFlowTest *element);
    void setViewOnly(bool viewOnly);
    void setupPressureDetails();

public slots:
    void showScreen(bool) override;
    void confirmButtonClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::AutoFlowSettings *ui;
    TestSequenceElementFlowTest *m_testElement = nullptr;
};
