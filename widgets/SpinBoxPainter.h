#pragma once

class QAbstractSpinBox;
class QStyleOptionSpinBox;

// Draws an encoder spin box: no buttons, no frame (its edit field shows the value) and,
// while focused, an outline in blue (edit mode) or red (navigate mode).
namespace SpinBoxPainter {
void paint(QAbstractSpinBox *spinBox, QStyleOptionSpinBox &option, bool editMode);
}
