#include "SpinBoxPainter.h"

#include <QAbstractSpinBox>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSpinBox>

namespace SpinBoxPainter {

void paint(QAbstractSpinBox *spinBox, QStyleOptionSpinBox &option, bool editMode)
{
    option.rect = spinBox->rect();
    option.buttonSymbols = QAbstractSpinBox::NoButtons;
    option.frame = false;
    option.stepEnabled = QAbstractSpinBox::StepNone;
    option.subControls &= ~(QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown);
    // Without frame and buttons the style has nothing of the box itself to draw (its
    // edit field paints the value), except the buttons' divider, which it still puts on
    // the top-left corner as a stray grey pixel: the style is not asked.
    if (!spinBox->hasFocus())
        return;
    QPainter painter(spinBox);
    painter.setPen(editMode ? Qt::blue : Qt::red);
    painter.setBrush(Qt::NoBrush);
    for (QStyle::SubControl control : {QStyle::SC_SpinBoxEditField, QStyle::SC_SpinBoxFrame}) {
        const QRect r = spinBox->style()->subControlRect(QStyle::CC_SpinBox, &option, control, spinBox);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

} // namespace SpinBoxPainter
