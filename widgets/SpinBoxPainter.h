#pragma once

class QAbstractSpinBox;
class QStyleOptionSpinBox;

// Draws an encoder spin box: the style's spin box without buttons or frame and, while
// focused, an outline in blue (edit mode) or red (navigate mode).
namespace SpinBoxPainter {
void paint(QAbstractSpinBox *spinBox, QStyleOptionSpinBox &option, bool editMode);
}
