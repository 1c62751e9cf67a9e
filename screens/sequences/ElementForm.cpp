#include "ElementForm.h"

#include "DataManager.h"
#include "InfusionPumpPowerBoardManager.h"
#include "ManualTestArithmetic.h"
#include "ScreenBase.h"
#include "UtilityFunctions.h"

#include <QDoubleSpinBox>
#include <QIcon>
#include <QKeySequence>
#include <QLayout>
#include <QPushButton>
#include <QSpinBox>

namespace ElementForm
{

namespace
{
constexpr unsigned int secondsPerDay = 24 * 3600;
}

const DataManager &data()
{
    return ScreenBase::board->m_DataManager;
}

void setViewOnly(QLayout *entryArea, QPushButton *confirm, bool viewOnly)
{
    UtilityFunctions::setLayoutEnabled(entryArea, !viewOnly);
    confirm->setEnabled(!viewOnly);
    if (viewOnly) {
        confirm->setIcon(QIcon());
    } else {
        confirm->setIcon(QIcon(QStringLiteral(":/Resources/select.bmp")));
        confirm->setShortcut(QKeySequence(QStringLiteral("F4")));
    }
}

void showDuration(unsigned int seconds, QSpinBox *hours, QSpinBox *minutes, QSpinBox *secs)
{
    const auto split = ManualTestArithmetic::splitDuration(int(seconds % secondsPerDay));
    hours->setValue(split.hours);
    minutes->setValue(split.minutes);
    secs->setValue(split.seconds);
}

unsigned int enteredDuration(const QSpinBox *hours, const QSpinBox *minutes, const QSpinBox *secs)
{
    return unsigned(
        ManualTestArithmetic::joinDuration(hours->value(), minutes->value(), secs->value()));
}

void setupPressureBox(QDoubleSpinBox *box, float maximum, float minimum)
{
    const DataManager::PRESSURE_UNIT_DETAILS details = data().getPressureUnitDetails();
    box->setSuffix(QStringLiteral(" ") + details.unitName);
    box->setMaximum(maximum);
    box->setMinimum(minimum);
    box->setSingleStep(details.stepValue);
    box->setDecimals(details.decimals);
}

} // namespace ElementForm
