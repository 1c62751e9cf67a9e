#include "ViewDataTestResults.h"
#include "ui_ViewDataTestResults.h"

#include "TestResultElementFlowTest.h"
#include "TestResultElementOccTest.h"
#include "TestResultElementPCATest.h"
#include "TestResultElementUserTest.h"
#include "TestResultManager.h"
#include "ViewDataFlowTestResult.h"
#include "ViewDataOccTestResult.h"
#include "ViewDataPCATest.h"
#include "ViewDataUserTestResult.h"

#include <QKeyEvent>

namespace
{
// Fills the result screen of the element's type and shows it; nothing when the element
// is not of that type.
template <class Element, class Screen> void open(TestResultElement *element, Screen *screen)
{
    auto *typed = dynamic_cast<Element *>(element);
    if (!typed)
        return;
    screen->setTestData(typed);
    screen->showScreen(true);
}
} // namespace

ViewDataTestResults::ViewDataTestResults(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::ViewDataTestResults),
      m_flowScreen(new ViewDataFlowTestResult(this, nullptr)),
      m_pcaScreen(new ViewDataPCATest(this, nullptr)),
      m_occScreen(new ViewDataOccTestResult(this, nullptr)),
      m_userScreen(new ViewDataUserTestResult(this, nullptr))
{
    ui->setupUi(this);
    connect(ui->pushButtonBack, &QPushButton::clicked, this,
            &ViewDataTestResults::onBackArrowClicked);
    connect(ui->pushButtonView, &QPushButton::clicked, this,
            &ViewDataTestResults::viewButtonClicked);
}

ViewDataTestResults::~ViewDataTestResults()
{
    delete ui;
}

void ViewDataTestResults::showScreen(bool check)
{
    ScreenBase::showScreen(check);
    updateResultList();
    ui->resultsList->setCurrentRow(0);
    ui->resultsList->setFocus();
}

void ViewDataTestResults::updateResultList()
{
    TestResultManager::getInstance()->getCurrentTestResultNames(m_testNames);
    ui->resultsList->clear();
    ui->resultsList->addItems(m_testNames);
}

void ViewDataTestResults::viewButtonClicked()
{
    const int row = ui->resultsList->selectedRow();
    if (m_testNames.isEmpty() || row < 0)
        return;
    TestResultElement *element = TestResultManager::getInstance()->getTestResultPtr(row);
    if (!element)
        return;
    switch (element->id) {
    case 0:
        open<TestResultElementUserTest>(element, m_userScreen);
        break;
    case 1:
        open<TestResultElementFlowTest>(element, m_flowScreen);
        break;
    case 2:
        open<TestResultElementPCATest>(element, m_pcaScreen);
        break;
    case 3:
        open<TestResultElementOccTest>(element, m_occScreen);
        break;
    default:
        break;
    }
}

void ViewDataTestResults::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        viewButtonClicked();
        event->accept();
        return;
    }
    ScreenBase::keyPressEvent(event);
}

void ViewDataTestResults::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
