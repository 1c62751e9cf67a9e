#pragma once

#include <QString>
#include <QTemporaryDir>

// A device root for one test: INSTRUMENT_ROOT points at a fresh temporary folder and
// INSTRUMENT_EXEC at the command recorder, whose log is read back with commands().
// The previous environment is restored on destruction.
class TempRoot
{
public:
    TempRoot();
    ~TempRoot();
    TempRoot(const TempRoot &) = delete;
    TempRoot &operator=(const TempRoot &) = delete;

    QString root() const { return m_dir.path(); }
    // A device path under this root ("/mnt/data/x" -> "<root>/mnt/data/x").
    QString path(const QString &devicePath) const;
    // Writes a file under the root, making its folders.
    bool writeFile(const QString &devicePath, const QByteArray &content) const;
    QByteArray readFile(const QString &devicePath) const;

    // The inode of a host file, 0 when there is none. A file replaced (as every settings
    // write does) has a new one.
    static quint64 inodeOf(const QString &hostPath);

    // Puts the built translations where the language screen looks for them
    // ("/home/translations").
    bool installTranslations() const;

    // Command lines the system ran since construction (or the last clearCommands()).
    QStringList commands() const;
    void clearCommands() const;
    // Scripted exit codes: lines "<code> <regular expression>".
    void setCommandScript(const QString &script) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_oldRoot, m_oldExec, m_oldLog, m_oldScript;
    bool m_hadRoot, m_hadExec, m_hadLog, m_hadScript;
};
