#include "AbortFailMenu.h"
#include "ui_AbortFailMenu.h"

#include <QEvent>
#include <QKeyEvent>

AbortFailMenu::AbortFailMenu(QWidget *previous, QWidget *parent)
    : ScreenBase(previous, parent), ui(new Ui::AbortFailMenu)
{
    ui->setupUi(this);
    connect(ui->pushButtonRestartTest, &QPushButton::clicked, this,
            &AbortFailMenu::onRestartTestClicked);
    connect(ui->pushButtonNextTest, &QPushButton::clicked, this, &AbortFailMenu::onNextTestClicked);
    connect(ui->pushButtonEndProtocol, &QPushButton::clicked, this,
            &AbortFailMenu::onEndProtocolClicked);
    connect(ui->pushButtonAbortProtocol, &QPushButton::clicked, this,
            &AbortFailMenu::onAbortProtocolClicked);
}

AbortFailMenu::~AbortFailMenu()
{
    delete ui;
}

RotaryEncoderList *AbortFailMenu::list() const
{
    return ui->listMainMenuList;
}

void AbortFailMenu::vSetChannel(unsigned short channel)
{
    if (channel < 4)
        m_channel = channel;
}

void AbortFailMenu::showScreen(bool check)
{
    ScreenBase::showScreen(check);
    ui->listMainMenuList->setFocus();
    m_openedFor = m_channel;
    m_option[m_openedFor] = NO_OPTION;
}

void AbortFailMenu::choose(Option option)
{
    m_option[m_openedFor] = option;
    onBackArrowClicked(true);
}

void AbortFailMenu::onRestartTestClicked()
{
    choose(RESTART_TEST);
}

void AbortFailMenu::onRestartProtocolClicked()
{
    choose(RESTART_PROTOCOL);
}

void AbortFailMenu::onNextTestClicked()
{
    choose(NEXT_TEST);
}

void AbortFailMenu::onEndProtocolClicked()
{
    choose(END_PROTOCOL);
}

void AbortFailMenu::onAbortProtocolClicked()
{
    choose(ABORT_PROTOCOL);
}

void AbortFailMenu::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape) {
        ScreenBase::keyPressEvent(event);
        return;
    }
    // Taking the focus makes the list's first row current without marking it: only a
    // row the operator sees marked is taken.
    const QListWidgetItem *row = ui->listMainMenuList->currentItem();
    if (!row || !row->isSelected())
        return;
    switch (ui->listMainMenuList->row(row)) {
    case RESTART_TEST:
        onRestartTestClicked();
        break;
    case RESTART_PROTOCOL:
        onRestartProtocolClicked();
        break;
    case NEXT_TEST:
        onNextTestClicked();
        break;
    case END_PROTOCOL:
        onEndProtocolClicked();
        break;
    case ABORT_PROTOCOL:
        onAbortProtocolClicked();
        break;
    default:
        break;
    }
}

void AbortFailMenu::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
