#include "TestSequenceOptions.h"
#include "ui_TestSequenceOptions.h"

#include "MemoryWarning.h"
#include "MenuKeys.h"
#include "ScreenMessages.h"
#include "SequenceName.h"
#include "TestSequenceManager.h"

TestSequenceOptions::TestSequenceOptions(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::TestSequenceOptions)
{
    ui->setupUi(this);
    ui->menuList->setCurrentIndex(QModelIndex()); // no row looks chosen until the operator turns
    connect(ui->pushButtonBack, &QPushButton::clicked, this,
            &TestSequenceOptions::onBackArrowClicked);
    connect(ui->pushButtonDelete, &QPushButton::clicked, this,
            &TestSequenceOptions::deleteButtonPressed);
    connect(ui->pushButtonCopy, &QPushButton::clicked, this,
            &TestSequenceOptions::copyButtonPressed);
    connect(ui->pushButtonRename, &QPushButton::clicked, this,
            &TestSequenceOptions::renameButtonPressed);
}

TestSequenceOptions::~TestSequenceOptions()
{
    delete ui;
}

void TestSequenceOptions::setTestSequenceName(const QString &name)
{
    m_testSequenceName = name;
    ui->label_MSG_Prime->setText(name);
}

void TestSequenceOptions::showScreen(bool state)
{
    ScreenBase::showScreen(state);
    ui->menuList->setFocus();
}

void TestSequenceOptions::deleteButtonPressed()
{
    if (ScreenMessages::ask(this, tr("Delete Test Sequence"), tr("Are you sure?"),
                            tr("This will delete test sequence %1").arg(m_testSequenceName),
                            ScreenMessages::Question::Erases))
        TestSequenceManager::getInstance()->removeTestSequence(m_testSequenceName);
    ui->pushButtonBack->click();
}

void TestSequenceOptions::copyButtonPressed()
{
    MemoryWarning::guard();
    if (!TestSequenceManager::getInstance()->copyTestSequence(m_testSequenceName))
        ScreenMessages::warn(tr("Warning"), tr("Unable to copy test sequence"));
    ui->pushButtonBack->click();
}

void TestSequenceOptions::renameButtonPressed()
{
    QString name;
    if (SequenceName::enter(this, name)) {
        TestSequenceManager *store = TestSequenceManager::getInstance();
        if (SequenceName::isRefused(name))
            ScreenMessages::warn(tr("Warning"), tr("Unable to rename test sequence"));
        else if (store->testSequenceExists(name))
            ScreenMessages::warn(tr("Warning"),
                                 tr("Test sequence name already exists: %1").arg(name));
        else if (store->renameTestSequence(m_testSequenceName, name))
            m_testSequenceName = name;
        else
            ScreenMessages::warn(tr("Warning"), tr("Unable to rename test sequence"));
    }
    ui->pushButtonBack->click();
}

void TestSequenceOptions::keyPressEvent(QKeyEvent *event)
{
    // Rows in the order of the soft keys: copy, delete, rename.
    if (!MenuKeys::selectRow(event, ui->menuList,
                             {[this] { copyButtonPressed(); }, [this] { deleteButtonPressed(); },
                              [this] { renameButtonPressed(); }}))
        ScreenBase::keyPressEvent(event);
}

void TestSequenceOptions::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        if (!m_testSequenceName.isEmpty())
            ui->label_MSG_Prime->setText(m_testSequenceName);
    }
}
