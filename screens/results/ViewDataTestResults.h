#pragma once

#include "ScreenBase.h"

#include <QStringList>

namespace Ui
{
class ViewDataTestResults;
}
class ViewDataFlowTestResult;
class ViewDataOccTestResult;
class ViewDataPCATest;
class ViewDataUserTestResult;

// The tests of the result open in the result store, one row per test in stored order;
// View (F2, select) opens the highlighted test on the result screen of its type.
class ViewDataTestResults : public ScreenBase
{
    Q_OBJECT
public:
    ViewDataTestResults(QWidget *previousScreen, QWidget *parent);
    ~ViewDataTestResults() override;

    void updateResultList();

    ViewDataFlowTestResult *flowScreen() const { return m_flowScreen; }
    ViewDataPCATest *pcaScreen() const { return m_pcaScreen; }
    ViewDataOccTestResult *occlusionScreen() const { return m_occScreen; }
    ViewDataUserTestResult *userScreen() const { return m_userScreen; }

public slots:
    void showScreen(bool) override;
    void viewButtonClicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    Ui::ViewDataTestResults *ui;
    QStringList m_testNames;
    ViewDataFlowTestResult *m_flowScreen;
    ViewDataPCATest *m_pcaScreen;
    ViewDataOccTestResult *m_occScreen;
    ViewDataUserTestResult *m_userScreen;
};
