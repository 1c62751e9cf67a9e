#include "FindDevicesScreen.h"
#include "ui_BluetoothSearch.h"

#include "BluetoothFavourites.h"

#include <QTimer>

FindDevicesScreen::FindDevicesScreen(BluetoothFavourites *service, QWidget *previousScreen,
                                     QWidget *parent)
    : BluetoothSearch(previousScreen, parent), m_service(service),
      m_pNoAnswerTimer(new QTimer(this))
{
    setItemSize(QSize(200, 20), 0);
    m_pNoAnswerTimer->setSingleShot(true);
    m_pNoAnswerTimer->setInterval(NoAnswerMs);
    connect(m_pNoAnswerTimer, &QTimer::timeout, this, &FindDevicesScreen::noAnswer);
    connect(m_service, &BluetoothFavourites::deviceMapChanged, this,
            &FindDevicesScreen::deviceMapChanged);
    connect(m_service, &BluetoothFavourites::searchFinished, this,
            &FindDevicesScreen::searchFinished);
    connect(m_service, &BluetoothFavourites::deviceSearchProgress, this,
            &FindDevicesScreen::updateProgess);
    connect(ui->pushButtonBack, &QPushButton::clicked, this,
            &FindDevicesScreen::onBackArrowClicked);
    connect(ui->pushButtonSearch, &QPushButton::clicked, this,
            &FindDevicesScreen::searchButtonClicked);
}

void FindDevicesScreen::setNoAnswerLimit(int ms)
{
    m_pNoAnswerTimer->setInterval(ms);
}

void FindDevicesScreen::showScreen(bool check)
{
    ScreenBase::showScreen(check);
    vStartNewSearch();
}

void FindDevicesScreen::vStartNewSearch()
{
    setMessageText(
        tr("Searching for devices...", "Title shown when searching for bluetooth devices"));
    setMessageVisible(true);
    m_bSearchFinished = false;
    m_pNoAnswerTimer->start();
    m_service->searchDevices();
    vSetProgressVisible(true);
    vSetProgressValue(2);
    ui->pushButtonSearch->setIcon(QIcon());
    ui->pushButtonSearch->setText(QString());
    ui->pushButtonSearch->setShortcut(QKeySequence(Qt::Key_F2));
}

void FindDevicesScreen::searchButtonClicked(bool)
{
    if (m_bSearchFinished)
        vStartNewSearch();
}

void FindDevicesScreen::deviceMapChanged()
{
    if (!m_bSearchFinished)
        m_pNoAnswerTimer->start();
    setMenuItems(m_service->devices().values());
}

void FindDevicesScreen::updateProgess(int iDeviceCounter, int iDeviceTotal)
{
    if (!m_bSearchFinished)
        m_pNoAnswerTimer->start();
    if (iDeviceTotal < 1) {
        const int value = iGetProgressValue() + 2;
        if (value <= 100)
            vSetProgressValue(value);
        return;
    }
    setMessageText(
        tr("Devices found...", "Title shown when bluetooth search has found some devices"));
    vSetProgressValue(iDeviceCounter * 100 / iDeviceTotal);
}

void FindDevicesScreen::searchFinished(int iTotal)
{
    m_pNoAnswerTimer->stop();
    setMessageText(tr("Search complete", "Title shown when bluetooth search is complete"));
    m_bSearchFinished = true;
    showSearchKey();
    vSetProgressVisible(false);
    vSetProgressValue(100);
    if (iTotal == 0)
        setMessageText(tr("Search complete - no devices found",
                          "Title shown when bluetooth search is complete"));
    setMessageVisible(true);
}

// The module went silent: the search is over, and the module is switched off so that a
// late answer cannot start anything.
void FindDevicesScreen::noAnswer()
{
    m_service->disconnectDevices();
    m_bSearchFinished = true;
    showSearchKey();
    vSetProgressVisible(false);
    setMessageText(tr("Search stopped - no answer from the Bluetooth module"));
    setMessageVisible(true);
}

void FindDevicesScreen::showSearchKey()
{
    ui->pushButtonSearch->setIcon(QIcon());
    ui->pushButtonSearch->setText(tr("Search"));
    ui->pushButtonSearch->setShortcut(QKeySequence(Qt::Key_F2));
}
