#include "SerialNoEntry.h"
#include "ui_InfusionPumpSerialNoEntry.h"

#include "ScreenMessages.h"
#include "SetupData.h"

SerialNoEntry::SerialNoEntry(QWidget *previousScreen, ScreenBase *nextScreen, QWidget *parent)
    : EntryScreen(previousScreen, nextScreen, parent), ui(new Ui::InfusionPumpSerialNoEntry)
{
    setUp();
}

SerialNoEntry::SerialNoEntry(QWidget *previousScreen, TestScreen *testScreen, QWidget *parent)
    : EntryScreen(previousScreen, testScreen, parent), ui(new Ui::InfusionPumpSerialNoEntry)
{
    setUp();
}

SerialNoEntry::~SerialNoEntry()
{
    delete ui;
}

void SerialNoEntry::setUp()
{
    ui->setupUi(this);
    connect(ui->pushButtonBack, &QPushButton::clicked, this, &SerialNoEntry::onBackArrowClicked);
    connect(ui->pushButtonConfirm, &QPushButton::clicked, this, &SerialNoEntry::onConfirmClicked);
}

void SerialNoEntry::showScreen(bool state)
{
    ui->pinEdit->setText(SetupData()->vLoadSerialNum());
    ScreenBase::showScreen(state);
    ui->pinEdit->setFocus();
}

void SerialNoEntry::onConfirmClicked(bool state)
{
    if (!SetupData()->vSaveSerialNum(ui->pinEdit->text())) {
        // Stay here with the typed number, so nothing is lost and the operator can retry.
        ScreenMessages::warn(tr("Serial Number"), tr("The serial number could not be saved."));
        return;
    }
    showNextScreen(state);
}

void SerialNoEntry::changeEvent(QEvent *event)
{
    EntryScreen::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
