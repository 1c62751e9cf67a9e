#pragma once

#include <QString>

// The boxes of the transfer screens: modal, no parent, a title bar without window
// buttons and one Ok key; texts come translated.
namespace TransferMessages
{

// Title "Warning" with the warning icon.
void warn(const QString &text);

// The information icon and the given title.
void inform(const QString &title, const QString &text);

} // namespace TransferMessages
