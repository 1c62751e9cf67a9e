#pragma once

#include <QString>

#include <functional>

// The "Incorrect File Format" box of the exchange-file imports. The core cannot show a
// box itself; the screen layer installs the one that does (a modal message box with a
// warning icon and one OK button). Until then the warning goes to the log.
namespace ImportWarning {

using Handler = std::function<void(const QString &title, const QString &text)>;

// An empty handler restores the log line.
void setHandler(Handler handler);

// Shows the format warning ("Warning", "Incorrect File Format", translated).
void showFormatWarning();

} // namespace ImportWarning
