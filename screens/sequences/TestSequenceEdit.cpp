#include "TestSequenceEdit.h"
#include "ui_TestSequenceEdit.h"

#include "AutoFlowTestSettings.h"
#include "AutoOccTestSettings.h"
#include "AutoPCATestSettings.h"
#include "AutoUserTestSettings.h"
#include "ScreenMessages.h"
#include "TestSequenceEditOptions.h"
#include "TestSequenceElementFlowTest.h"
#include "TestSequenceElementOccTest.h"
#include "TestSequenceElementPCATest.h"
#include "TestSequenceElementUserTest.h"
#include "TestSequenceInsertTest.h"
#include "TestSequenceManager.h"

#include <QKeyEvent>

namespace
{
template <class Form, class Element>
void openForm(Form *form, TestSequenceElement *element, bool viewOnly)
{
    auto *typed = dynamic_cast<Element *>(element);
    if (!typed)
        return;
    form->setTestData(typed);
    form->setViewOnly(viewOnly);
    form->showScreen(true);
}
} // namespace

TestSequenceEdit::TestSequenceEdit(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::TestSequenceEdit),
      m_options(new TestSequenceEditOptions(this, nullptr)),
      m_insert(new TestSequenceInsertTest(this, nullptr)),
      m_flowForm(new AutoFlowTestSettings(this, nullptr)),
      m_pcaForm(new AutoPCATestSettings(this, nullptr)),
      m_occForm(new AutoOccTestSettings(this, nullptr)),
      m_userForm(new AutoUserTestSettings(this, nullptr))
{
    ui->setupUi(this);
    connect(ui->pushButtonBack, &QPushButton::clicked, this, &TestSequenceEdit::backButtonClicked);
    connect(ui->pushButtonInsert, &QPushButton::clicked, this,
            &TestSequenceEdit::insertButtonClicked);
    connect(ui->pushButtonEdit, &QPushButton::clicked, this, &TestSequenceEdit::editButtonClicked);
    connect(ui->pushButtonOptions, &QPushButton::clicked, this,
            &TestSequenceEdit::optionsButtonClicked);
}

TestSequenceEdit::~TestSequenceEdit()
{
    delete ui;
}

void TestSequenceEdit::setTestSequenceName(const QString &name)
{
    m_testSequenceName = name;
    ui->label_MSG_Prime->setText(name);
}

void TestSequenceEdit::getTestListFromFile()
{
    TestSequenceManager *store = TestSequenceManager::getInstance();
    m_loaded = store->openTestSequence(m_testSequenceName);
    m_damaged = m_loaded && !store->currentSequenceIsWhole();
    updateTestList();
    applySoftKeys();
}

void TestSequenceEdit::updateTestList()
{
    // After a failed load the store still holds whatever it had before: none of it is
    // this sequence.
    m_testNames.clear();
    if (m_loaded)
        TestSequenceManager::getInstance()->getCurrentTestNames(m_testNames);
    ui->testList->clear();
    ui->testList->addItems(m_testNames);
    ui->testList->setCurrentIndex(QModelIndex()); // no row looks chosen until one is
}

void TestSequenceEdit::setViewOnlyMode(bool viewOnly)
{
    m_viewOnly = viewOnly;
    applySoftKeys();
}

void TestSequenceEdit::applySoftKeys()
{
    if (m_viewOnly) {
        ui->pushButtonInsert->setText(QString());
        ui->pushButtonEdit->setText(tr("View"));
        ui->pushButtonOptions->setText(QString());
    } else {
        ui->pushButtonInsert->setText(tr("Insert"));
        ui->pushButtonEdit->setText(tr("Edit"));
        ui->pushButtonOptions->setText(tr("Menu"));
    }
    ui->pushButtonInsert->setShortcut(QKeySequence(QStringLiteral("F2")));
    ui->pushButtonEdit->setShortcut(QKeySequence(QStringLiteral("F3")));
    ui->pushButtonOptions->setShortcut(QKeySequence(QStringLiteral("F4")));
    ui->pushButtonInsert->setEnabled(canChange());
    ui->pushButtonEdit->setEnabled(m_loaded);
    ui->pushButtonOptions->setEnabled(canChange());
}

void TestSequenceEdit::showScreen(bool state)
{
    ScreenBase::showScreen(state);
    updateTestList();
    ui->testList->setFocus();
    const int rows = ui->testList->count();
    int row = -1;
    if (m_insertReturn) {
        // The new element, when one was inserted.
        row = m_rememberedRow + 1;
        m_insertReturn = false;
    } else if (m_optionsReturn) {
        if (m_lastOption == TEST_SEQ_DELETE)
            row = m_rememberedRow > 0 ? m_rememberedRow - 1 : 0;
        else if (m_lastOption == TEST_SEQ_COPY)
            row = m_rememberedRow + 1;
        m_optionsReturn = false;
    }
    if (row >= 0 && row < rows)
        ui->testList->setCurrentRow(row);
}

void TestSequenceEdit::insertButtonClicked()
{
    if (!canChange())
        return;
    m_rememberedRow = ui->testList->selectedRow();
    m_insert->setIndex(m_rememberedRow);
    m_insert->showScreen(true);
    m_insertReturn = true;
    m_changed = true;
}

void TestSequenceEdit::editButtonClicked()
{
    if (!m_loaded)
        return;
    m_rememberedRow = ui->testList->selectedRow();
    if (ui->testList->count() == 0 || m_rememberedRow < 0)
        return;
    TestSequenceElement *element =
        TestSequenceManager::getInstance()->getTestElementPtr(m_rememberedRow);
    if (!element)
        return;
    const bool readOnly = m_viewOnly || m_damaged;
    if (!readOnly)
        m_changed = true;
    switch (element->id) {
    case 0:
        openForm<AutoUserTestSettings, TestSequenceElementUserTest>(m_userForm, element,
                                                                    readOnly);
        break;
    case 1:
        openForm<AutoFlowTestSettings, TestSequenceElementFlowTest>(m_flowForm, element,
                                                                    readOnly);
        break;
    case 2:
        openForm<AutoPCATestSettings, TestSequenceElementPCATest>(m_pcaForm, element, readOnly);
        break;
    case 3:
        openForm<AutoOccTestSettings, TestSequenceElementOccTest>(m_occForm, element, readOnly);
        break;
    default:
        break;
    }
}

void TestSequenceEdit::optionsButtonClicked()
{
    const int row = ui->testList->selectedRow();
    if (!canChange() || ui->testList->count() == 0 || row < 0)
        return;
    m_rememberedRow = row;
    m_options->setTestIndex(row);
    m_options->showScreen(true);
    m_optionsReturn = true;
    m_changed = true;
}

void TestSequenceEdit::backButtonClicked()
{
    if (m_changed &&
        ScreenMessages::ask(
            this, tr("Save changes?"),
            tr("Save changes?", "Main message shown when about to exit editing a test sequence"),
            tr("Save changes to the current test sequence?",
               "Informative message shown when about to exit editing a test sequence")) &&
        !TestSequenceManager::getInstance()->saveCurrentTestSequence()) {
        // The changes are still in memory: the operator stays and may try again.
        ScreenMessages::warn(tr("Warning"), tr("Unable to save test sequence"));
        return;
    }
    m_changed = false;
    onBackArrowClicked(true);
}

void TestSequenceEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        editButtonClicked();
        event->accept();
        return;
    }
    ScreenBase::keyPressEvent(event);
}

void TestSequenceEdit::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        if (!m_testSequenceName.isEmpty())
            ui->label_MSG_Prime->setText(m_testSequenceName);
        applySoftKeys();
    }
}
