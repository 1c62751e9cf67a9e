#include "DataMenu.h"
#include "ui_DataMenu.h"

#include "BluetoothFavouritesScreen.h"
#include "DataTransfer.h"
#include "MenuKeys.h"
#include "TestResultManager.h"
#include "ViewData.h"

#include <QKeyEvent>
#include <QStackedWidget>

DataMenu::DataMenu(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::DataMenu)
{
    ui->setupUi(this);
    if (stackedWidget)
        stackedWidget->setCurrentWidget(this);
    ui->MenuList->setCurrentRow(0);
    connect(ui->pushButtonBack, &QPushButton::clicked, this, &DataMenu::onBackArrowClicked);
    connect(ui->pushButtonBt, &QPushButton::clicked, this, &DataMenu::onBtClicked);
    connect(ui->pushButtonTransfer, &QPushButton::clicked, this, &DataMenu::onTransferClicked);
    connect(ui->pushButtonView, &QPushButton::clicked, this, &DataMenu::onViewClicked);
}

DataMenu::~DataMenu()
{
    delete ui;
}

void DataMenu::showScreen(bool check)
{
    ScreenBase::showScreen(check);
    ui->MenuList->setFocus();
}

void DataMenu::onViewClicked(bool)
{
    if (!m_viewScreen)
        m_viewScreen = new ViewData(this, nullptr);
    m_viewScreen->showScreen(true);
}

void DataMenu::onTransferClicked(bool)
{
    // Taken afresh each time: results saved or deleted since count.
    const QStringList fileNames = TestResultManager::getInstance()->getApplianceResultList().keys();
    if (!m_transferScreen)
        m_transferScreen = new DataTransfer(this, nullptr);
    m_transferScreen->setFileList(fileNames);
    m_transferScreen->showScreen(true);
}

void DataMenu::onBtClicked(bool)
{
    if (!m_btScreen)
        m_btScreen = new BluetoothFavouritesScreen(this, nullptr);
    m_btScreen->showScreen(true);
}

void DataMenu::keyPressEvent(QKeyEvent *event)
{
    if (!MenuKeys::selectRow(event, ui->MenuList,
                             {[this] { onViewClicked(true); }, [this] { onTransferClicked(true); },
                              [this] { onBtClicked(true); }}))
        ScreenBase::keyPressEvent(event);
}

void DataMenu::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
