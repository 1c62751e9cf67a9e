#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <memory>

class QSettings;
class QTemporaryDir;

// The one way a setting is read from the settings file. QSettings on its own parses a
// file of any size and holds every value whole, so one line of a few hundred kilobytes
// (a list of thousands of items) costs tens of megabytes in each reader. Here only the
// file's first maxFileBytes are read, and an entry longer than maxEntryBytes reads as
// absent: its reader takes its default.
//
//     const SettingsReader settings;
//     settings.value(key, defaultValue)
class SettingsReader
{
public:
    // The settings file holds a few kilobytes; anything near this is not one.
    static constexpr qint64 maxFileBytes = 1024 * 1024;
    // An entry, key and value as the file holds them. The longest the program writes
    // (a remembered device's name, escaped) stays well below it.
    static constexpr int maxEntryBytes = 4096;

    // Reads the settings file as it is now. A link, a folder or anything else that is
    // not a regular file in its place reads as no file at all.
    SettingsReader();
    ~SettingsReader();
    SettingsReader(const SettingsReader &) = delete;
    SettingsReader &operator=(const SettingsReader &) = delete;

    QVariant value(const QString &key, const QVariant &defaultValue = QVariant()) const;
    bool contains(const QString &key) const;

    // The settings file content as it is read: every entry longer than maxEntryBytes left
    // out (a section header that long with the entries under it), a section header
    // without its closing bracket closed. When cut is true the content is the beginning
    // of a larger file, and its last entry, which may be cut short, is left out too.
    // changed, when given, says whether the result differs from the file as QSettings
    // would read it (always when cut).
    static QByteArray keptContent(const QByteArray &content, bool cut, bool *changed = nullptr);

private:
    // Only where something was left out: the kept content, for QSettings to parse.
    std::unique_ptr<QTemporaryDir> m_scratch;
    std::unique_ptr<QSettings> m_settings;
};
