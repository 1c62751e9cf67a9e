#include "DrainModeScreen.h"

#include "ChannelRequests.h"
#include "DrainingScreen.h"
#include "ui_DrainMode.h"

#include <QKeyEvent>

DrainModeScreen::DrainModeScreen(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), m_drainingScreen(new DrainingScreen(this, nullptr)), ui(new Ui::DrainMode)
{
    ui->setupUi(this);
    ui->listChannelSelectionForDrain->setCurrentRow(0);
    connect(ui->pushButtonBackwardFromDrainMode, &QPushButton::clicked, this, &DrainModeScreen::onBackArrowClicked);
    ChannelRequests::connectDrain(this, &DrainModeScreen::startDraining);
    ChannelRequests::connectStop(this, &DrainModeScreen::stopPump);
}

DrainModeScreen::~DrainModeScreen()
{
    delete ui;
}

RotaryEncoderList *DrainModeScreen::channelList() const
{
    return ui->listChannelSelectionForDrain;
}

void DrainModeScreen::showScreen(bool)
{
    ScreenBase::showScreen(true);
    ui->listChannelSelectionForDrain->setFocus();
    ui->listChannelSelectionForDrain->setCurrentRow(0);
}

void DrainModeScreen::keyPressEvent(QKeyEvent *event)
{
    // Only the select key has a meaning here; other keys are dropped.
    event->accept();
    if (event->key() != Qt::Key_Escape)
        return;
    const int row = ui->listChannelSelectionForDrain->currentRow();
    if (row < 0 || row > DrainingScreen::allChannels)
        return;
    const auto choice = static_cast<unsigned short>(row);
    m_u16SelectedChannel = choice;
    m_drainingScreen->vSetDrainingChannel(choice);
    for (unsigned short channel : ChannelRequests::usableChannels(choice)) {
        emit stopPump(channel);
        emit startDraining(channel);
    }
    m_drainingScreen->showScreen(true);
}

void DrainModeScreen::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
