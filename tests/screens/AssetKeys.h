#pragma once

#include <QMessageBox>
#include <QString>

// The operator's keys on the manual asset details screen.
namespace AssetKeys {

// What a message box showed.
struct Box
{
    QString title;
    QString text;
    QString reason; // the informative text under it
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool shown = false;
};

// F4, then the select key on the box that answers it (its one button).
Box confirm();

// Chooses a verdict row with the encoder, from a field turnsToBox detents before the
// status box that shows fromRow.
void chooseVerdict(int row, int fromRow, int turnsToBox = 4);

} // namespace AssetKeys
