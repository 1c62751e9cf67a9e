#pragma once

#include <Qt>

class QWidget;

// Delivers a turn of the rotary encoder to a widget (normally the focus widget): to the
// widget, then up through its parents until one takes it, stopping at the window. Qt 5
// propagates only spontaneous wheel events, and the encoder's are sent by the program.
namespace WheelDelivery {
bool deliver(QWidget *target, int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
}
