#pragma once

class QWidget;

// Moves the focus from a field to the next (forward) or previous field of its window,
// as a turn of the encoder does in navigate mode. Composite fields (spin boxes, date
// edits) count once: their inner editors are skipped.
namespace FocusChain {
void move(QWidget *from, bool forward);
}
