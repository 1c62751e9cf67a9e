#include "DrainingScreen.h"

#include "ChannelRequests.h"
#include "ui_DrainingScreen.h"

DrainingScreen::DrainingScreen(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::DrainingScreen)
{
    ui->setupUi(this);
    connect(ui->pushButtonBackwardFromDraining, &QPushButton::clicked, this, &DrainingScreen::onBackArrowClicked);
    ChannelRequests::connectStop(this, &DrainingScreen::stopPump);
    ChannelRequests::connectPrime(this, &DrainingScreen::startPriming);
}

DrainingScreen::~DrainingScreen()
{
    delete ui;
}

void DrainingScreen::vSetDrainingChannel(unsigned short channel)
{
    m_u16DrainingChannel = channel;
    QString text;
    if (channel == allChannels)
        text = tr("Draining All Channels");
    else if (ChannelRequests::isUsable(channel))
        text = tr("Channel") + QStringLiteral(": ") + QString::number(channel + 1);
    else
        text = tr("Channel ") + QString::number(channel + 1) + tr(" not fitted");
    ui->label_Draining_Channel->setText(text);
}

void DrainingScreen::onBackArrowClicked(bool check)
{
    // Draining ends as start-up begins: stop, then prime. Statuses are read anew, so a
    // channel usable only now is primed too and one lost meanwhile is left alone.
    for (unsigned short channel : ChannelRequests::usableChannels(m_u16DrainingChannel)) {
        emit stopPump(channel);
        emit startPriming(channel);
    }
    ScreenBase::onBackArrowClicked(check);
}

void DrainingScreen::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
