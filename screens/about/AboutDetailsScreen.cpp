#include "AboutDetailsScreen.h"

#include "AboutBluetoothScreen.h"
#include "BuildVersion.h"
#include "ChannelIdentity.h"
#include "InfusionPumpPowerBoardManager.h"
#include "SettingsConstants.h"
#include "ui_AboutDetailsScreen.h"

namespace
{
// A text from a controller or the settings in its cell: on one line, and cut short with an
// ellipsis where the cell ends. The cells are centred, so a longer text would lose its
// start as well as its end, and a second line would fall outside the cell.
void showInCell(QLabel *cell, const QString &text)
{
    cell->setText(cell->fontMetrics().elidedText(text.simplified(), Qt::ElideRight,
                                                 cell->contentsRect().width()));
}
} // namespace

AboutDetailsScreen::AboutDetailsScreen(QWidget *previousScreen, QWidget *parent)
    : AboutScreenBase(previousScreen, parent), ui(new Ui::AboutDetailsScreen)
{
    ui->setupUi(this);
    m_firmware = {ui->label_AboutDetails_ChFw1, ui->label_AboutDetails_ChFw2,
                  ui->label_AboutDetails_ChFw3, ui->label_AboutDetails_ChFw4};
    m_hardware = {ui->label_AboutDetails_ChHw1, ui->label_AboutDetails_ChHw2,
                  ui->label_AboutDetails_ChHw3, ui->label_AboutDetails_ChHw4};
    m_serial = {ui->label_AboutDetails_ChSerial_1, ui->label_AboutDetails_ChSerial_2,
                ui->label_AboutDetails_ChSerial_3, ui->label_AboutDetails_ChSerial_4};

    m_bluetoothScreen = new AboutBluetoothScreen(this, nullptr);

    connect(ui->pushButtonBackFromDetails, &QPushButton::clicked, this,
            &AboutDetailsScreen::onBackArrowClicked);
    connect(ui->pushButtonAboutBt, &QPushButton::clicked, this,
            &AboutDetailsScreen::btButtonClicked);
    if (board) {
        connect(this, &AboutDetailsScreen::getPicVersion, board,
                &InfusionPumpPowerBoardManager::vSetGetVersionRequest, Qt::DirectConnection);
        connect(this, &AboutDetailsScreen::getPicSerial, board,
                &InfusionPumpPowerBoardManager::vSetGetSerialNoRequest, Qt::DirectConnection);
    }
    ui->label_AboutDetails_FirmWareVal->setText(
        ChannelIdentity::softwareVersion(QString::fromLatin1(git_build_version)));
    requestIdentities();
}

AboutDetailsScreen::~AboutDetailsScreen()
{
    delete ui;
}

QAbstractButton *AboutDetailsScreen::calibrationButton() const
{
    return ui->pushButtonAboutCal;
}

QAbstractButton *AboutDetailsScreen::contactButton() const
{
    return ui->pushButtonAboutContactDetails;
}

void AboutDetailsScreen::requestIdentities()
{
    for (unsigned short channel = 0; channel < 4; ++channel) {
        emit getPicVersion(channel);
        emit getPicSerial(channel);
    }
}

void AboutDetailsScreen::showInstrument()
{
    ui->label_AboutDetails_FirmWareVal->setText(
        ChannelIdentity::softwareVersion(QString::fromLatin1(git_build_version)));
    if (board)
        showInCell(ui->serialNoLabel, board->m_DataManager.vLoadSerialNum());
}

void AboutDetailsScreen::showScreen(bool check)
{
    requestIdentities();
    showInstrument();
    ScreenBase::showScreen(check);
    reportStoreFailure();
}

void AboutDetailsScreen::btButtonClicked()
{
    m_bluetoothScreen->showScreen(true);
}

void AboutDetailsScreen::fetchData()
{
    if (!board)
        return;
    QVariantMap keys;
    for (int channel = 0; channel < 4; ++channel) {
        ChannelIdentity::Versions versions;
        QString serial;
        switch (board->getChannelStatus(channel)) {
        case InfusionPumpPowerBoardManager::CHANNEL_USABLE:
            versions = ChannelIdentity::versions(board->m_baVersionReply[channel]);
            serial = ChannelIdentity::serialNumber(board->m_baSerialNoReply[channel]);
            break;
        case InfusionPumpPowerBoardManager::CHANNEL_COMMS_LOST:
            versions.firmware = versions.hardware = tr("Fault");
            break;
        default:
            versions.firmware = versions.hardware = tr("N/A");
            break;
        }
        showInCell(m_firmware[channel], versions.firmware);
        showInCell(m_hardware[channel], versions.hardware);
        showInCell(m_serial[channel], serial);
        const QString number = QString::number(channel + 1);
        keys.insert(SETTINGS_KEY_CHANNEL_FIRMWARE_VERSION + number, versions.firmware);
        keys.insert(SETTINGS_KEY_CHANNEL_HARDWARE_VERSION + number, versions.hardware);
        keys.insert(SETTINGS_KEY_CHANNEL_SERIAL_NUMBER + number, serial);
    }
    storeSettings(keys);
}

void AboutDetailsScreen::changeEvent(QEvent *event)
{
    AboutScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        // The form has no values of its own; the channels' come back with the refresh.
        showInstrument();
    }
}
