#include "SetupPressureUnits.h"
#include "ui_SetupPressureUnits.h"

#include "MenuKeys.h"
#include "ScreenMessages.h"
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
    QList<std::function<void()>> rows;
    for (int unit = DataManager::UNITS_MMHG; unit <= DataManager::UNITS_KPA; ++unit)
        rows << [this, unit] { chooseUnit(DataManager::PRESSURE_UNITS(unit)); };
    if (!MenuKeys::selectRow(event, ui->listMainMenuList, rows))
        ScreenBase::keyPressEvent(event);
}

void SetupPressureUnits::chooseUnit(DataManager::PRESSURE_UNITS unit)
{
    if (!SetupData()->setPressureUnits(unit)) {
        ScreenMessages::warn(tr("Pressure Units"),
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
