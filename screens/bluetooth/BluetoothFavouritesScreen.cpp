#include "BluetoothFavouritesScreen.h"
#include "ui_BluetoothFavourites.h"

#include "BluetoothFavourites.h"
#include "FindDevicesScreen.h"
#include "ScreenMessages.h"

BluetoothFavouritesScreen::BluetoothFavouritesScreen(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::BluetoothFavourites),
      m_service(BluetoothFavourites::getInstance())
{
    ui->setupUi(this);
    ui->labelComputer->hide();
    ui->computerCombo->hide();
    ui->labelPrinter->hide();
    ui->printerCombo->hide();
    retranslate();
    loadCombos();
    // Back first, then the module off, whichever way the screen is left.
    connect(ui->pushButtonBack, &QPushButton::clicked, this,
            &BluetoothFavouritesScreen::backButtonClicked);
    connect(ui->pushButtonBack, &QPushButton::clicked, this,
            &BluetoothFavouritesScreen::disconnectAll);
    connect(ui->pushButtonSearch, &QPushButton::clicked, this,
            &BluetoothFavouritesScreen::showSearchScreen);
    connect(ui->pushButtonSave, &QPushButton::clicked, this,
            &BluetoothFavouritesScreen::saveButtonClicked);
    for (RotaryEncoderComboBox *combo : {ui->barCodeCombo, ui->computerCombo, ui->mobilePhoneCombo})
        connect(combo, &RotaryEncoderComboBox::comboBoxSelectedItemChanged, this,
                &BluetoothFavouritesScreen::edited);
    m_searchScreen = new FindDevicesScreen(m_service, this, nullptr);
    m_bEdited = false;
}

BluetoothFavouritesScreen::~BluetoothFavouritesScreen()
{
    delete ui;
}

QList<QPair<BT_PERIPHERAL, RotaryEncoderComboBox *>> BluetoothFavouritesScreen::combos() const
{
    return {{BT_COMPUTER, ui->computerCombo},
            {BT_BARCODE, ui->barCodeCombo},
            {BT_PRINTER, ui->printerCombo},
            {BT_MOBILE_PHONE, ui->mobilePhoneCombo}};
}

void BluetoothFavouritesScreen::showScreen(bool check)
{
    ScreenBase::showScreen(check);
    if (m_bBackFromSearch) {
        // Back from the search: the found devices join the lists; the module stays as
        // the search left it.
        m_bBackFromSearch = false;
        refreshCombos();
        ui->barCodeCombo->setFocus();
        return;
    }
    loadCombos();
    m_service->btActivate(BT_MODE_IDLE);
    ui->barCodeCombo->setFocus();
    m_bEdited = false;
}

void BluetoothFavouritesScreen::showSearchScreen(bool)
{
    m_bBackFromSearch = true;
    m_searchScreen->showScreen(true);
}

void BluetoothFavouritesScreen::saveButtonClicked(bool)
{
    m_service->disconnectDevices();
    if (!save()) {
        m_bEdited = true;
        ScreenMessages::warn(tr("Warning"), tr("The favourites could not be saved. The stored "
                                               "favourites are unchanged."));
        return;
    }
    m_bEdited = false;
    ui->pushButtonBack->click();
}

void BluetoothFavouritesScreen::backButtonClicked()
{
    if (!m_bEdited) {
        onBackArrowClicked(true);
        return;
    }
    const int answer = ScreenMessages::run(
        this, QMessageBox::Warning, tr("Changes Not Saved"),
        tr("The current settings have not been saved. \nPress Save, or press Cancel to "
           "continue without saving.  "),
        QMessageBox::Save | QMessageBox::Cancel);
    if (answer == QMessageBox::Save) {
        m_bEdited = false;
        ui->pushButtonSave->click();
    } else {
        onBackArrowClicked(true);
    }
}

void BluetoothFavouritesScreen::disconnectAll(bool)
{
    m_service->disconnectDevices();
}

void BluetoothFavouritesScreen::edited()
{
    m_bEdited = true;
}

void BluetoothFavouritesScreen::clearCombos()
{
    ui->computerCombo->clear();
    ui->barCodeCombo->clear();
    ui->printerCombo->clear();
    ui->mobilePhoneCombo->clear();
}

void BluetoothFavouritesScreen::loadCombos()
{
    clearCombos();
    for (const auto &c : combos())
        c.second->addItem(m_service->deviceName(c.first), m_service->deviceId(c.first));
}

void BluetoothFavouritesScreen::refreshCombos()
{
    loadCombos();
    const QMap<QByteArray, QString> &found = m_service->devices();
    for (auto it = found.cbegin(); it != found.cend(); ++it) {
        for (const auto &c : combos())
            c.second->addItem(it.value(), it.key());
    }
}

bool BluetoothFavouritesScreen::save()
{
    for (const auto &c : combos()) {
        if (!m_service->setDeviceId(c.first, c.second->currentData().toByteArray()) ||
            !m_service->setDeviceName(c.first, c.second->currentText()))
            return false;
    }
    return true;
}

void BluetoothFavouritesScreen::retranslate()
{
    // The form calls the row "Mobile Device:"; files go to whatever device it names.
    ui->labelMobile->setText(tr("Data Transfer:"));
}

void BluetoothFavouritesScreen::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        retranslate();
    }
}
