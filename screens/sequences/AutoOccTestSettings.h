#pragma once

#include "ScreenBase.h"

namespace Ui
{
class AutoOccSettings;
}
class TestSequenceElementOccTest;

// Settings of one occlusion element, edited in place: the pump type and the pressure
// limits, shown and entered in the operator's unit and stored in mmHg unrounded.
class AutoOccTestSettings : public ScreenBase
{
    Q_OBJECT
public:
    AutoOccTestSettings(QWidget *previousScreen, QWidget *parent);
    ~AutoOccTestSettings() override;

    void setTestData(TestSequenceElementOccTest *element);
    void setViewOnly(bool viewOnly);
    void setupPressureDetails();

public slots:
    void showScreen(bool) override;
    void confirmButtonClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::AutoOccSettings *ui;
    TestSequenceElementOccTest *m_testElement = nullptr;
};
