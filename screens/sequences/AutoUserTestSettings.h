#pragma once

#include "ScreenBase.h"

namespace Ui
{
class AutoUserSettings;
}
class TestSequenceElementUserTest;

// Settings of one user element, edited in place: the check put to the operator during a
// run and the unit of the value asked for (none when empty), typed on the keyboard.
class AutoUserTestSettings : public ScreenBase
{
    Q_OBJECT
public:
    AutoUserTestSettings(QWidget *previousScreen, QWidget *parent);
    ~AutoUserTestSettings() override;

    void setTestData(TestSequenceElementUserTest *element);
    void setViewOnly(bool viewOnly);

public slots:
    void showScreen(bool) override;
    void confirmButtonClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::AutoUserSettings *ui;
    TestSequenceElementUserTest *m_testElement = nullptr;
};
