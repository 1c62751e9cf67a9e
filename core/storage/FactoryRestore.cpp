#include "FactoryRestore.h"

#include "DevicePath.h"
#include "FileUtils.h"
#include "SettingsConstants.h"
#include "SettingsReader.h"
#include "SettingsWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace FactoryRestore
{

bool restoreSettings()
{
    // Read as every reader reads it, so that of a file over the read bound the serial
    // number its beginning holds is kept.
    const QString serial =
        SettingsReader().value(SETTINGS_KEY_SERIAL_NUM, SETTINGS_DEFAULT_SERIAL_NUM).toString();
    SettingsWriter settings;
    settings.clear();
    settings.setValue(SETTINGS_KEY_SERIAL_NUM, serial);
    return settings.commit();
}

void emptyDataFolder(const QString &dataFolder, const QString &folder, QStringList &notRemoved)
{
    const QString name = QDir(dataFolder).relativeFilePath(folder);
    const QFileInfo info(DevicePath::path(folder));
    if (!info.exists() && !info.isSymLink())
        return; // nothing was ever stored there
    // The folder must be the data partition's own: a link could lead the removal into
    // any tree of the system.
    const QString data = QFileInfo(DevicePath::path(dataFolder)).canonicalFilePath();
    if (info.isSymLink() || !info.isDir() || data.isEmpty() ||
        info.canonicalFilePath() != data + QLatin1Char('/') + name) {
        notRemoved << name;
        return;
    }
    const QFileInfoList entries = QDir(info.filePath())
                                      .entryInfoList(QDir::NoDotAndDotDot | QDir::System |
                                                         QDir::Hidden | QDir::AllDirs | QDir::Files,
                                                     QDir::Name);
    for (const QFileInfo &entry : entries) {
        const bool removed = entry.isDir() && !entry.isSymLink()
                                 ? FileUtils::removeDir(entry.filePath())
                                 : QFile::remove(entry.filePath());
        if (!removed)
            notRemoved << name + QLatin1Char('/') + entry.fileName();
    }
}

} // namespace FactoryRestore
