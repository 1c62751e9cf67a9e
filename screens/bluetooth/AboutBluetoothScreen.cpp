#include "AboutBluetoothScreen.h"

#include "BluetoothFavourites.h"
#include "BtReplyParser.h"
#include "ui_AboutBluetoothScreen.h"

AboutBluetoothScreen::AboutBluetoothScreen(QWidget *previousScreen, QWidget *parent)
    : AboutScreenBase(previousScreen, parent), ui(new Ui::AboutBluetoothScreen)
{
    ui->setupUi(this);
    connect(ui->pushButtonBackFromDetails, &QPushButton::clicked, this,
            &AboutBluetoothScreen::onBackArrowClicked);
    connect(BluetoothFavourites::getInstance(), &BluetoothFavourites::btInfoReceived, this,
            &AboutBluetoothScreen::processBtInfo);
}

AboutBluetoothScreen::~AboutBluetoothScreen()
{
    delete ui;
}

void AboutBluetoothScreen::showScreen(bool check)
{
    BluetoothFavourites::getInstance()->btGetInfo();
    ScreenBase::showScreen(check);
}

void AboutBluetoothScreen::processBtInfo(QByteArray packet)
{
    if (packet.isEmpty())
        return;
    const int code = quint8(packet.at(0));
    QString text = QString::fromLatin1(packet.mid(1));
    // A banner of several lines shows its first; a text that starts with a line end is
    // kept whole, to be joined into one line below.
    const int lineEnd = text.indexOf(QLatin1Char('\n'));
    if (lineEnd > 0)
        text.truncate(lineEnd);
    text = text.simplified();
    switch (code) {
    case BT_EVENT_BDADDR:
        ui->BT_ID_label->setText(text);
        break;
    case BT_EVENT_BT_NAME:
        ui->BT_name_label->setText(text);
        break;
    case BT_EVENT_WRAP:
        ui->BT_VERSION_label->setText(text);
        break;
    default:
        break;
    }
}

void AboutBluetoothScreen::changeEvent(QEvent *event)
{
    AboutScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        // The values are the module's, not the form's.
        const QString name = ui->BT_name_label->text();
        const QString id = ui->BT_ID_label->text();
        const QString version = ui->BT_VERSION_label->text();
        ui->retranslateUi(this);
        ui->BT_name_label->setText(name);
        ui->BT_ID_label->setText(id);
        ui->BT_VERSION_label->setText(version);
    }
}
