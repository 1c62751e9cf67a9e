#include "SpinBoxPainter.h"

#include <QAbstractSpinBox>
#include <QStyleOptionSpinBox>
#include <QStylePainter>

namespace SpinBoxPainter {

void paint(QAbstractSpinBox *spinBox, QStyleOptionSpinBox &option, bool editMode)
{
    option.rect = spinBox->rect();
    option.buttonSymbols = QAbstractSpinBox::NoButtons;
    option.frame = false;
    option.stepEnabled = QAbstractSpinBox::StepNone;
    option.subControls &= ~(QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown);
    QStylePainter painter(spinBox);
    painter.drawComplexControl(QStyle::CC_SpinBox, option);
    if (!spinBox->hasFocus())
        return;
    painter.setPen(editMode ? Qt::blue : Qt::red);
    painter.setBrush(Qt::NoBrush);
    for (QStyle::SubControl control : {QStyle::SC_SpinBoxEditField, QStyle::SC_SpinBoxFrame}) {
        const QRect r = spinBox->style()->subControlRect(QStyle::CC_SpinBox, &option, control, spinBox);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

} // namespace SpinBoxPainter
