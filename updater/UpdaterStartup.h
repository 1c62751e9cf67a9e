#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

// The version text of the program; the main screen strips its "$" signs when it is built.
extern QString versionString;

// What the updater does before its window is built.
namespace UpdaterStartup {

// Names the settings (organisation "Wexholm", application "Updater") and places them under
// "/mnt/data/settings" (through the root prefix). Call before any settings object exists.
void configureSettings();

// Stores the options of the command line (arguments from index 1 on) in the settings;
// the last of two arguments for the same key wins. Unknown arguments are only reported.
void applyArguments(const QStringList &arguments);

// What lies outside the window on the display: a black screen beneath it that takes no
// focus. Shown at once; window stays on top and active, so the keys still reach it.
std::unique_ptr<QWidget> showBackground(QWidget *window);

} // namespace UpdaterStartup
