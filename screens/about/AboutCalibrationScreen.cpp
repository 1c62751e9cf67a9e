#include "AboutCalibrationScreen.h"

#include "ChannelIdentity.h"
#include "InfusionPumpPowerBoardManager.h"
#include "SettingsConstants.h"
#include "ui_AboutCalibrationScreen.h"

AboutCalibrationScreen::AboutCalibrationScreen(QWidget *previousScreen, QWidget *parent)
    : AboutScreenBase(previousScreen, parent), ui(new Ui::AboutCalibrationScreen)
{
    ui->setupUi(this);
    m_calDate = {ui->label_AboutCalibrationCalDate_1, ui->label_AboutCalibrationCalDate_2,
                 ui->label_AboutCalibrationCalDate_3, ui->label_AboutCalibrationCalDate_4};
    m_verifyDate = {ui->label_AboutCalibrationVerifyDate_1, ui->label_AboutCalibrationVerifyDate_2,
                    ui->label_AboutCalibrationVerifyDate_3, ui->label_AboutCalibrationVerifyDate_4};

    connect(ui->pushButtonBackFromCalibration, &QPushButton::clicked, this,
            &AboutCalibrationScreen::onBackArrowClicked);
    if (board) {
        connect(this, &AboutCalibrationScreen::getCalDate, board,
                &InfusionPumpPowerBoardManager::vSetGetCalDateRsq, Qt::DirectConnection);
        connect(this, &AboutCalibrationScreen::getVerDate, board,
                &InfusionPumpPowerBoardManager::vSetGetVerifyDateRsq, Qt::DirectConnection);
    }
    requestDates();
}

AboutCalibrationScreen::~AboutCalibrationScreen()
{
    delete ui;
}

QAbstractButton *AboutCalibrationScreen::detailsButton() const
{
    return ui->pushButtonAboutDetails;
}

QAbstractButton *AboutCalibrationScreen::calibrateButton() const
{
    return ui->pushButtonCalibrate;
}

QAbstractButton *AboutCalibrationScreen::contactButton() const
{
    return ui->pushButtonAboutContactDetails;
}

void AboutCalibrationScreen::requestDates()
{
    for (unsigned short channel = 0; channel < 4; ++channel) {
        emit getCalDate(channel);
        emit getVerDate(channel);
    }
}

void AboutCalibrationScreen::showScreen(bool check)
{
    requestDates();
    ScreenBase::showScreen(check);
    reportStoreFailure();
}

void AboutCalibrationScreen::fetchData()
{
    if (!board)
        return;
    QVariantMap keys;
    for (int channel = 0; channel < 4; ++channel) {
        QString calibrated;
        QString verified;
        switch (board->getChannelStatus(channel)) {
        case InfusionPumpPowerBoardManager::CHANNEL_USABLE:
            calibrated = ChannelIdentity::dateText(board->m_baCalDateReply[channel]);
            verified = ChannelIdentity::dateText(board->m_baVerifyDateReply[channel]);
            break;
        case InfusionPumpPowerBoardManager::CHANNEL_COMMS_LOST:
            calibrated = verified = tr("Fault");
            break;
        default:
            // The same in every language, unlike "Fault".
            calibrated = verified = QStringLiteral("N/A");
            break;
        }
        m_calDate[channel]->setText(calibrated);
        m_verifyDate[channel]->setText(verified);
        const QString number = QString::number(channel + 1);
        keys.insert(SETTINGS_KEY_CHANNEL_CAL_DATE + number, calibrated);
        keys.insert(SETTINGS_KEY_CHANNEL_VER_DATE + number, verified);
    }
    storeSettings(keys);
}

void AboutCalibrationScreen::changeEvent(QEvent *event)
{
    AboutScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
