#include "PinEntry.h"
#include "ui_InfusionPumpPinEntry.h"

PinEntry::PinEntry(QWidget *previousScreen, ScreenBase *nextScreen, QWidget *parent)
    : EntryScreen(previousScreen, nextScreen, parent), ui(new Ui::InfusionPumpPinEntry)
{
    setUp();
}

PinEntry::PinEntry(QWidget *previousScreen, TestScreen *testScreen, QWidget *parent)
    : EntryScreen(previousScreen, testScreen, parent), ui(new Ui::InfusionPumpPinEntry)
{
    setUp();
}

PinEntry::~PinEntry()
{
    delete ui;
}

void PinEntry::setUp()
{
    ui->setupUi(this);
    connect(ui->pushButtonBack, &QPushButton::clicked, this, &PinEntry::onBackArrowClicked);
    connect(ui->pushButtonConfirm, &QPushButton::clicked, this, &PinEntry::onConfirmClicked);
}

void PinEntry::setPin(const QString &pin)
{
    m_pin = pin;
}

void PinEntry::showScreen(bool state)
{
    ScreenBase::showScreen(state);
    ui->pinEdit->clear();
    ui->pinEdit->setFocus();
}

void PinEntry::onConfirmClicked(bool state)
{
    // Emptied first: the PIN must not wait in the field while the next screen is open.
    const bool match = ui->pinEdit->text() == m_pin;
    ui->pinEdit->clear();
    if (match)
        showNextScreen(state);
}

void PinEntry::changeEvent(QEvent *event)
{
    EntryScreen::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
