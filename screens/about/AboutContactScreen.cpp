#include "AboutContactScreen.h"
#include "ui_AboutContactScreen.h"

AboutContactScreen::AboutContactScreen(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::AboutContactScreen)
{
    ui->setupUi(this);
    connect(ui->pushButtonBackFromContact, &QPushButton::clicked, this,
            &AboutContactScreen::onBackArrowClicked);
}

AboutContactScreen::~AboutContactScreen()
{
    delete ui;
}

QAbstractButton *AboutContactScreen::detailsButton() const
{
    return ui->pushButtonAboutDetails;
}

QAbstractButton *AboutContactScreen::calibrationButton() const
{
    return ui->pushButtonAboutCal;
}

void AboutContactScreen::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
