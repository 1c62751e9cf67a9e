#pragma once

class DataManager;
class QDoubleSpinBox;
class QLayout;
class QPushButton;
class QSpinBox;

// What the four element settings forms share: view-only mode, the duration boxes and
// the pressure boxes in the operator's unit.
namespace ElementForm
{

// The operator's pressure unit and its conversions.
const DataManager &data();

// View-only disables every widget of the entry area and the confirm key, whose image
// goes too; editing gives both back.
void setViewOnly(QLayout *entryArea, QPushButton *confirm, bool viewOnly);

// A duration in whole seconds as hours, minutes and seconds of a day (whole days drop
// out, as the boxes hold at most 23:59:59), and back.
void showDuration(unsigned int seconds, QSpinBox *hours, QSpinBox *minutes, QSpinBox *secs);
unsigned int enteredDuration(const QSpinBox *hours, const QSpinBox *minutes, const QSpinBox *secs);

// Unit suffix, range (already in the operator's unit), step and decimals of a pressure
// box. Decimals come last, so the range ends up rounded to them.
void setupPressureBox(QDoubleSpinBox *box, float maximum, float minimum);

} // namespace ElementForm
