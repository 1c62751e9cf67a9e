#pragma once

#include "ScreenBase.h"

namespace Ui
{
class AutoPCASettings;
}
class TestSequenceElementPCATest;

// Settings of one PCA element, edited in place: basal rate, bolus volume (also the
// target of its bolus limit), the band the boluses must lie in, and the duration.
class AutoPCATestSettings : public ScreenBase
{
    Q_OBJECT
public:
    AutoPCATestSettings(QWidget *previousScreen, QWidget *parent);
    ~AutoPCATestSettings() override;

    void setTestData(TestSequenceElementPCATest *element);
    void setViewOnly(bool viewOnly);

public slots:
    void showScreen(bool) override;
    void confirmButtonClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::AutoPCASettings *ui;
    TestSequenceElementPCATest *m_testElement = nullptr;
};
