#include "PrimeModeScreen.h"

#include "ChannelRequests.h"
#include "PrimingScreen.h"
#include "ui_InfusionPump_PrimeModeScreen.h"

#include <QKeyEvent>

PrimeModeScreen::PrimeModeScreen(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), m_primingScreen(new PrimingScreen(this, nullptr)),
      ui(new Ui::InfusionPump_PrimeModeScreen)
{
    ui->setupUi(this);
    connect(ui->pushButtonBackwardFromPrimeMode, &QPushButton::clicked, this, &PrimeModeScreen::onBackArrowClicked);
    ChannelRequests::connectPrime(this, &PrimeModeScreen::startPriming);
    ChannelRequests::connectStop(this, &PrimeModeScreen::stopPump);
}

PrimeModeScreen::~PrimeModeScreen()
{
    delete ui;
}

RotaryEncoderList *PrimeModeScreen::channelList() const
{
    return ui->listChannelSelectionForPrime;
}

void PrimeModeScreen::showScreen(bool)
{
    ScreenBase::showScreen(true);
    ui->listChannelSelectionForPrime->setFocus();
    ui->listChannelSelectionForPrime->setCurrentRow(0);
}

void PrimeModeScreen::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    if (event->key() != Qt::Key_Escape)
        return;
    const int row = ui->listChannelSelectionForPrime->currentRow();
    if (row < 0 || row > ChannelRequests::allChannels)
        return;
    const auto choice = static_cast<unsigned short>(row);
    m_primingScreen->vSetPrimingChannel(choice);
    // Every chosen channel is asked; the board manager acts only on usable ones.
    for (unsigned short channel = 0; channel < ChannelRequests::allChannels; ++channel) {
        if (choice == ChannelRequests::allChannels || choice == channel) {
            emit stopPump(channel);
            emit startPriming(channel);
        }
    }
    m_primingScreen->showScreen(true);
    m_primingScreen->setFocus();
}

void PrimeModeScreen::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
