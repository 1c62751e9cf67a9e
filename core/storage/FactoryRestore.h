#pragma once

#include <QString>
#include <QStringList>

// What a factory restore does to the data partition. Each step is separate, so the
// restore screen runs only what the operator ticked and lists what could not be done.
namespace FactoryRestore
{

// Empties the settings file but for the instrument's serial number, which is written
// back as stored ("XXX-XXXX" when none was). False, with the file as it was, when the
// new file could not be written.
// Whatever is in the file's place is replaced: a file over the read bound or garbage, a
// link or a folder; the serial number is kept where it can be read within the bound (of
// a larger file, in its beginning).
bool restoreSettings();

// Removes everything inside a folder of the data partition (device paths, such as
// "/mnt/data/testResults" in "/mnt/data") and keeps the folder. Links inside are removed
// as links; a folder that is itself a link, or that leads out of the data partition, is
// not entered at all. What could not be removed is appended to notRemoved, named
// relative to the data folder ("testResults/PUMP-1_2024").
void emptyDataFolder(const QString &dataFolder, const QString &folder, QStringList &notRemoved);

} // namespace FactoryRestore
