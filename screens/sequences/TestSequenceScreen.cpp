#include "TestSequenceScreen.h"
#include "ui_TestSequences.h"

#include "MemoryWarning.h"
#include "ScreenMessages.h"
#include "SequenceName.h"
#include "TestSequenceEdit.h"
#include "TestSequenceManager.h"
#include "TestSequenceOptions.h"

#include <QKeyEvent>

TestSequenceScreen::TestSequenceScreen(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::TestSequences),
      m_options(new TestSequenceOptions(this, nullptr)), m_edit(new TestSequenceEdit(this, nullptr))
{
    ui->setupUi(this);
    connect(ui->pushButtonBack, &QPushButton::clicked, this,
            &TestSequenceScreen::onBackArrowClicked);
    connect(ui->pushButtonNew, &QPushButton::clicked, this, &TestSequenceScreen::newButtonClicked);
    connect(ui->pushButtonEdit, &QPushButton::clicked, this,
            &TestSequenceScreen::editButtonClicked);
    connect(ui->pushButtonOptions, &QPushButton::clicked, this,
            &TestSequenceScreen::optionsButtonClicked);
}

TestSequenceScreen::~TestSequenceScreen()
{
    delete ui;
}

void TestSequenceScreen::showScreen(bool state)
{
    ScreenBase::showScreen(state);
    updateTestSequenceList();
    ui->testSeqList->setFocus();
}

void TestSequenceScreen::updateTestSequenceList()
{
    m_testSequenceNames = TestSequenceManager::getInstance()->getTestSequenceList();
    ui->testSeqList->clear();
    ui->testSeqList->addItems(m_testSequenceNames);
    // Chosen by the operator only: without this the focus would make the first row
    // current, framed as if chosen.
    ui->testSeqList->setCurrentIndex(QModelIndex());
}

void TestSequenceScreen::selectIndex(int index)
{
    if (index < 0)
        ui->testSeqList->setCurrentIndex(QModelIndex());
    else if (index < ui->testSeqList->count())
        ui->testSeqList->setCurrentRow(index);
}

void TestSequenceScreen::setCurrentIndexByName(const QString &name)
{
    selectIndex(m_testSequenceNames.indexOf(name));
}

QString TestSequenceScreen::selectedName() const
{
    const int row = ui->testSeqList->selectedRow();
    return row >= 0 && row < m_testSequenceNames.size() ? m_testSequenceNames.at(row) : QString();
}

void TestSequenceScreen::newButtonClicked()
{
    MemoryWarning::guard();
    QString name;
    if (!SequenceName::enter(this, name))
        return;
    const QString failed = tr("Failed to create test sequence: %1").arg(name);
    if (SequenceName::isRefused(name)) {
        ScreenMessages::warn(tr("Warning"), failed);
        return;
    }
    TestSequenceManager *store = TestSequenceManager::getInstance();
    if (store->testSequenceExists(name)) {
        ScreenMessages::warn(tr("Warning"), tr("Test sequence name already exists: %1").arg(name));
        return;
    }
    if (store->createNewTestSequence(name)) {
        updateTestSequenceList();
        setCurrentIndexByName(name);
        return;
    }
    ScreenMessages::warn(tr("Warning"), failed);
    store->removeTestSequence(name);
}

void TestSequenceScreen::editButtonClicked()
{
    MemoryWarning::guard();
    const QString name = selectedName();
    if (name.isEmpty())
        return;
    m_edit->setTestSequenceName(name);
    m_edit->getTestListFromFile();
    m_edit->setViewOnlyMode(false);
    m_edit->showScreen(true);
}

void TestSequenceScreen::optionsButtonClicked()
{
    const QString name = selectedName();
    if (name.isEmpty())
        return;
    m_options->setTestSequenceName(name);
    m_options->showScreen(true);
}

void TestSequenceScreen::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        editButtonClicked();
        event->accept();
        return;
    }
    ScreenBase::keyPressEvent(event);
}

void TestSequenceScreen::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
