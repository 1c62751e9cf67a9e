#include "SettingsWriter.h"

#include "AtomicFile.h"
#include "FileUtils.h"
#include "SettingsConstants.h"
#include "SettingsReader.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {
constexpr qint64 MAX_SETTINGS_BYTES = SettingsReader::maxFileBytes;

bool writeWhole(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const bool written = file.write(content) == content.size() && file.flush();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

QVariantMap contentOf(const QSettings &settings)
{
    QVariantMap map;
    for (const QString &key : settings.allKeys())
        map.insert(key, settings.value(key));
    return map;
}
} // namespace

SettingsWriter::SettingsWriter()
{
    const QString path = settingsPath();
    QByteArray old;
    if (QFileInfo::exists(path) && !FileUtils::readBounded(path, MAX_SETTINGS_BYTES, old))
        return;
    // An entry no reader takes is not carried over either.
    bool changed = false;
    const QByteArray kept = SettingsReader::keptContent(old, false, &changed);
    startCopy(changed ? kept : old);
}

void SettingsWriter::startCopy(const QByteArray &content)
{
    const QString copy = m_scratch.filePath(QStringLiteral("edit.ini"));
    if (!m_scratch.isValid() || !writeWhole(copy, content))
        return;
    m_settings.reset(new QSettings(copy, QSettings::NativeFormat));
}

SettingsWriter::~SettingsWriter() = default;

void SettingsWriter::setValue(const QString &key, const QVariant &value)
{
    if (m_settings)
        m_settings->setValue(key, value);
}

QVariant SettingsWriter::value(const QString &key, const QVariant &defaultValue) const
{
    return m_settings ? m_settings->value(key, defaultValue) : defaultValue;
}

void SettingsWriter::clear()
{
    // What is kept owes nothing to the old file, so it can be written even where that
    // file could not be read: too large, garbage, a link or a folder in its place.
    if (!m_settings)
        startCopy(QByteArray());
    if (m_settings)
        m_settings->clear();
    m_cleared = true;
}

bool SettingsWriter::isWhole(const QByteArray &content, const QVariantMap &expected) const
{
    // A path no QSettings has seen yet, so the check parses the bytes on disk rather
    // than a copy QSettings keeps cached.
    const QString checkPath = m_scratch.filePath(QStringLiteral("check.ini"));
    if (!writeWhole(checkPath, content))
        return false;
    QSettings check(checkPath, QSettings::NativeFormat);
    return check.status() == QSettings::NoError && contentOf(check) == expected;
}

bool SettingsWriter::commit()
{
    if (!m_settings)
        return false;
    const QVariantMap expected = contentOf(*m_settings);
    const QString copy = m_settings->fileName();
    m_settings->sync();
    const bool synced = m_settings->status() != QSettings::AccessError;
    m_settings.reset();
    QByteArray content;
    if (!synced || !FileUtils::readBounded(copy, MAX_SETTINGS_BYTES, content)
        || !isWhole(content, expected))
        return false;

    const QString path = settingsPath();
    const QFileInfo before(path);
    const bool existed = before.exists();
    const QDateTime oldTime = before.lastModified();
    QDir().mkpath(before.absolutePath());
    // The rename cannot replace a folder; after a clear nothing in it is kept. A link is
    // replaced itself, never what it leads to.
    if (m_cleared && before.isDir() && !before.isSymLink() && !FileUtils::removeDir(path))
        return false;
    if (!AtomicFile::write(path, content))
        return false;
    // QSettings takes a file of the size and time (to the millisecond) of one it has
    // read before for that file, so writes within a millisecond of one another must not
    // look alike: each is dated at least a millisecond after the one it replaces (unless
    // the clock was set back, which dates it apart anyway).
    const QDateTime newTime = QFileInfo(path).lastModified();
    if (existed && newTime <= oldTime && newTime.msecsTo(oldTime) < 1000) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            file.setFileTime(oldTime.addMSecs(1), QFileDevice::FileModificationTime);
    }
    return true;
}

bool SettingsWriter::write(const QString &key, const QVariant &value)
{
    SettingsWriter settings;
    settings.setValue(key, value);
    return settings.commit();
}

bool SettingsWriter::writeChanged(const QVariantMap &values)
{
    QVariantMap changed;
    {
        const SettingsReader stored;
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            if (!stored.contains(it.key()) || stored.value(it.key()) != it.value())
                changed.insert(it.key(), it.value());
        }
    }
    if (changed.isEmpty())
        return true;
    SettingsWriter settings;
    for (auto it = changed.cbegin(); it != changed.cend(); ++it)
        settings.setValue(it.key(), it.value());
    return settings.commit();
}
