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
    showMessage(MessageSearching);
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
    showMessage(MessageFound);
    vSetProgressValue(iDeviceCounter * 100 / iDeviceTotal);
}

void FindDevicesScreen::searchFinished(int iTotal)
{
    m_pNoAnswerTimer->stop();
    m_bSearchFinished = true;
    showSearchKey();
    vSetProgressVisible(false);
    vSetProgressValue(100);
    showMessage(iTotal == 0 ? MessageNothingFound : MessageComplete);
}

// The module went silent: the search is over, and the module is switched off so that a
// late answer cannot start anything.
void FindDevicesScreen::noAnswer()
{
    m_service->disconnectDevices();
    m_bSearchFinished = true;
    showSearchKey();
    vSetProgressVisible(false);
    showMessage(MessageNoAnswer);
}

void FindDevicesScreen::showMessage(Message message)
{
    m_eMessage = message;
    switch (message) {
    case MessageSearching:
        setMessageText(
            tr("Searching for devices...", "Title shown when searching for bluetooth devices"));
        break;
    case MessageFound:
        setMessageText(
            tr("Devices found...", "Title shown when bluetooth search has found some devices"));
        break;
    case MessageComplete:
        setMessageText(tr("Search complete", "Title shown when bluetooth search is complete"));
        break;
    case MessageNothingFound:
        setMessageText(tr("Search complete - no devices found",
                          "Title shown when bluetooth search is complete"));
        break;
    case MessageNoAnswer:
        setMessageText(tr("Search stopped - no answer from the Bluetooth module"));
        break;
    case MessageNone:
        return;
    }
    setMessageVisible(true);
}

void FindDevicesScreen::changeEvent(QEvent *event)
{
    BluetoothSearch::changeEvent(event);
    // The message and F2 say again in the new language what they said.
    if (event->type() == QEvent::LanguageChange) {
        showMessage(m_eMessage);
        if (m_bSearchFinished)
            showSearchKey();
    }
}

void FindDevicesScreen::showSearchKey()
{
    ui->pushButtonSearch->setIcon(QIcon());
    ui->pushButtonSearch->setText(tr("Search"));
    ui->pushButtonSearch->setShortcut(QKeySequence(Qt::Key_F2));
}
