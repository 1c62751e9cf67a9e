#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QVariant>

#include <memory>

class QSettings;

// The one way a change reaches the settings file. QSettings on its own replaces the file
// with whatever it managed to write when the data partition is nearly full (an empty or
// one-key file, and still no error), so here it only edits a scratch copy outside the
// data partition. The copy is parsed again from disk to check that it holds every key it
// must, and only then replaces the settings file through AtomicFile. A change that
// cannot be written whole leaves the old file as it was, and commit() says so.
//
//     SettingsWriter settings;
//     settings.setValue(key, value);
//     if (!settings.commit()) ... tell the operator
class SettingsWriter
{
public:
    // Takes a copy of the settings file as it is now.
    SettingsWriter();
    ~SettingsWriter();
    SettingsWriter(const SettingsWriter &) = delete;
    SettingsWriter &operator=(const SettingsWriter &) = delete;

    void setValue(const QString &key, const QVariant &value);
    QVariant value(const QString &key, const QVariant &defaultValue = QVariant()) const;
    // Drops every key (a factory restore writes back what it keeps). The commit then
    // replaces whatever is in the settings file's place, even what could not be read.
    void clear();

    // Replaces the settings file with the edited copy. False, with the file untouched,
    // when the file could not be read (unless cleared), the copy is not whole or the
    // write failed.
    bool commit();

    // One key in one call.
    static bool write(const QString &key, const QVariant &value);
    // Writes those values the file does not hold already (a missing key differs); true
    // when the file holds them all afterwards. Values that keep being refreshed cost the
    // flash nothing while they stay the same.
    static bool writeChanged(const QVariantMap &values);

private:
    // Starts the scratch copy with content.
    void startCopy(const QByteArray &content);
    bool isWhole(const QByteArray &content, const QVariantMap &expected) const;

    QTemporaryDir m_scratch;
    std::unique_ptr<QSettings> m_settings;
    bool m_cleared = false;
};
