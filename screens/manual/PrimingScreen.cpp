#include "PrimingScreen.h"

#include "ChannelRequests.h"
#include "ui_PrimingScreen.h"

PrimingScreen::PrimingScreen(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::PrimingScreen)
{
    ui->setupUi(this);
    connect(ui->pushButtonBackwardFromPrimeMode, &QPushButton::clicked, this, &PrimingScreen::onBackArrowClicked);
    ChannelRequests::connectStop(this, &PrimingScreen::stopPump);
    ChannelRequests::connectPrime(this, &PrimingScreen::startPriming);
}

PrimingScreen::~PrimingScreen()
{
    delete ui;
}

void PrimingScreen::vSetPrimingChannel(unsigned short channel)
{
    m_u16PrimingChannel = channel;
    ui->label_Priming_Channel->setText(channel == ChannelRequests::allChannels
                                           ? tr("Priming All Channels")
                                           : tr("Channel") + QStringLiteral(": ") + QString::number(channel + 1));
}

void PrimingScreen::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
