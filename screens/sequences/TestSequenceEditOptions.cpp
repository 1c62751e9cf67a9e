#include "TestSequenceEditOptions.h"
#include "ui_TestSequenceEditOptions.h"

#include "MemoryWarning.h"
#include "MenuKeys.h"
#include "ScreenMessages.h"
#include "TestSequenceEdit.h"
#include "TestSequenceManager.h"

TestSequenceEditOptions::TestSequenceEditOptions(TestSequenceEdit *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::TestSequenceEditOptions),
      m_editor(previousScreen)
{
    ui->setupUi(this);
    ui->menuList->setCurrentIndex(QModelIndex()); // no row looks chosen until the operator turns
    connect(ui->pushButtonBack, &QPushButton::clicked, this,
            &TestSequenceEditOptions::onBackArrowClicked);
    connect(ui->pushButtonDelete, &QPushButton::clicked, this,
            &TestSequenceEditOptions::deleteButtonPressed);
    connect(ui->pushButtonCopy, &QPushButton::clicked, this,
            &TestSequenceEditOptions::copyButtonPressed);
}

TestSequenceEditOptions::~TestSequenceEditOptions()
{
    delete ui;
}

void TestSequenceEditOptions::showScreen(bool state)
{
    ScreenBase::showScreen(state);
    ui->menuList->setFocus();
}

void TestSequenceEditOptions::deleteButtonPressed()
{
    if (ScreenMessages::ask(this, tr("Delete Test"), tr("Are you sure?"),
                            tr("This will delete the selected test from the test sequence"),
                            ScreenMessages::Question::Erases))
        TestSequenceManager::getInstance()->deleteTestElement(m_testIndex);
    // Whatever the answer: the editor moves its selection up as after a delete.
    m_editor->setLastOption(TestSequenceEdit::TEST_SEQ_DELETE);
    ui->pushButtonBack->click();
}

void TestSequenceEditOptions::copyButtonPressed()
{
    MemoryWarning::guard();
    TestSequenceManager::getInstance()->copyTestElement(m_testIndex);
    m_editor->setLastOption(TestSequenceEdit::TEST_SEQ_COPY);
    ui->pushButtonBack->click();
}

void TestSequenceEditOptions::keyPressEvent(QKeyEvent *event)
{
    // Rows in the order of the soft keys: copy, delete.
    if (!MenuKeys::selectRow(event, ui->menuList,
                             {[this] { copyButtonPressed(); }, [this] { deleteButtonPressed(); }}))
        ScreenBase::keyPressEvent(event);
}

void TestSequenceEditOptions::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
