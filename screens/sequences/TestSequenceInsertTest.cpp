#include "TestSequenceInsertTest.h"
#include "ui_TestSequenceInsertTest.h"

#include "TestSequenceManager.h"

#include <QKeyEvent>

TestSequenceInsertTest::TestSequenceInsertTest(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::TestSequenceInsertTest)
{
    ui->setupUi(this);
    ui->listMainMenuList->setCurrentIndex(
        QModelIndex()); // no row looks chosen until the operator turns
    connect(ui->pushButtonBack, &QPushButton::clicked, this,
            &TestSequenceInsertTest::onBackArrowClicked);
    connect(ui->pushButtonInsert, &QPushButton::clicked, this,
            &TestSequenceInsertTest::insertButtonClicked);
}

TestSequenceInsertTest::~TestSequenceInsertTest()
{
    delete ui;
}

int TestSequenceInsertTest::elementTypeOfRow(int row)
{
    // Rows: flow, occlusion, bolus (PCA), custom (user).
    static const int types[] = {1, 3, 2, 0};
    return row >= 0 && row < int(sizeof types / sizeof *types) ? types[row] : -1;
}

void TestSequenceInsertTest::showScreen(bool state)
{
    ScreenBase::showScreen(state);
    ui->listMainMenuList->setFocus();
}

void TestSequenceInsertTest::insertButtonClicked()
{
    insertSelectedTest();
}

void TestSequenceInsertTest::insertSelectedTest()
{
    const int type = elementTypeOfRow(ui->listMainMenuList->selectedRow());
    if (type >= 0)
        TestSequenceManager::getInstance()->insertTestElement(static_cast<unsigned char>(type),
                                                              m_index);
    ui->pushButtonBack->click();
}

void TestSequenceInsertTest::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        insertSelectedTest();
        event->accept();
        return;
    }
    ScreenBase::keyPressEvent(event);
}

void TestSequenceInsertTest::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
