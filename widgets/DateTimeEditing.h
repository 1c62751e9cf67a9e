#pragma once

class QAbstractSpinBox;
class QKeyEvent;

// What the encoder's date and time fields share: the select key toggles an edit flag
// (white while editing, grey otherwise); a turn steps the current section while
// editing and moves the focus otherwise.
namespace DateTimeEditing {

// Toggles the flag when the key is the select key; returns true when it was taken.
bool toggleOnSelect(QAbstractSpinBox *field, bool &editFlag, QKeyEvent *event);

} // namespace DateTimeEditing
