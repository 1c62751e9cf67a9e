#include "SetupPressureUnits.h"
#include "ui_SetupPressureUnits.h"

#include "SequenceMessages.h"
#include "SetupData.h"

#include <QKeyEvent>

SetupPressureUnits::SetupPressureUnits(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::SetupPressureUnits)
{
    ui->setupUi(this);
    ui->listMainMenuList->clear();
    ui->listMainMenuList->addItems(DataManager::getPressureUnitsList());
    ui->listMainMenuList->setCurrentRow(0);
    connect(ui->pushButtonBack, &QPushButton::clicked, this,
            &SetupPressureUnits::onBackArrowClicked);
}

SetupPressureUnits::~SetupPressureUnits()
{
    delete ui;
}

void SetupPressureUnits::showScreen(bool state)
{
    // Left on another row, the list would offer a unit that is not in force.
    ui->listMainMenuList->setCurrentRow(int(SetupData()->getPressureUnits()));
    ScreenBase::showScreen(state);
    ui->listMainMenuList->setFocus();
}

void SetupPressureUnits::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape) {
        ScreenBase::keyPressEvent(event);
        return;
    }
    event->accept();
    const int row = ui->listMainMenuList->selectedRow();
    if (row < DataManager::UNITS_MMHG || row > DataManager::UNITS_KPA)
        return;
    if (!SetupData()->setPressureUnits(DataManager::PRESSURE_UNITS(row))) {
        SequenceMessages::warn(tr("Pressure Units"),
                               tr("The pressure unit could not be saved. It applies until the "
                                  "instrument is switched off."));
    }
    ui->pushButtonBack->click();
}

void SetupPressureUnits::applyUnitNames()
{
    const QStringList names = DataManager::getPressureUnitsList();
    for (int row = 0; row < names.size() && row < ui->listMainMenuList->count(); ++row)
        ui->listMainMenuList->item(row)->setText(names.at(row));
}

void SetupPressureUnits::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        applyUnitNames();
    }
}
