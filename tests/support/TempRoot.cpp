#include "TempRoot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace {
void save(const char *name, QByteArray &value, bool &had)
{
    had = qEnvironmentVariableIsSet(name);
    value = qgetenv(name);
}
void restore(const char *name, const QByteArray &value, bool had)
{
    if (had)
        qputenv(name, value);
    else
        qunsetenv(name);
}
} // namespace

TempRoot::TempRoot()
{
    save("INSTRUMENT_ROOT", m_oldRoot, m_hadRoot);
    save("INSTRUMENT_EXEC", m_oldExec, m_hadExec);
    save("INSTRUMENT_EXEC_LOG", m_oldLog, m_hadLog);
    save("INSTRUMENT_EXEC_SCRIPT", m_oldScript, m_hadScript);
    qputenv("INSTRUMENT_ROOT", QFile::encodeName(m_dir.path()));
    qputenv("INSTRUMENT_EXEC", EXEC_RECORDER_PATH);
    qputenv("INSTRUMENT_EXEC_LOG", QFile::encodeName(m_dir.path() + "/exec.log"));
    qunsetenv("INSTRUMENT_EXEC_SCRIPT");
}

TempRoot::~TempRoot()
{
    restore("INSTRUMENT_ROOT", m_oldRoot, m_hadRoot);
    restore("INSTRUMENT_EXEC", m_oldExec, m_hadExec);
    restore("INSTRUMENT_EXEC_LOG", m_oldLog, m_hadLog);
    restore("INSTRUMENT_EXEC_SCRIPT", m_oldScript, m_hadScript);
}

QString TempRoot::path(const QString &devicePath) const
{
    return m_dir.path() + devicePath;
}

bool TempRoot::writeFile(const QString &devicePath, const QByteArray &content) const
{
    const QString p = path(devicePath);
    QDir().mkpath(QFileInfo(p).absolutePath());
    QFile f(p);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(content) == content.size();
}

bool TempRoot::installTranslations() const
{
    const QDir built(QStringLiteral(TRANSLATIONS_BUILD_DIR));
    const QStringList files = built.entryList({QStringLiteral("*.qm")}, QDir::Files);
    if (files.isEmpty() || !QDir().mkpath(path("/home/translations")))
        return false;
    for (const QString &file : files) {
        const QString target = path("/home/translations/") + file;
        QFile::remove(target);
        if (!QFile::copy(built.filePath(file), target))
            return false;
    }
    return true;
}

QByteArray TempRoot::readFile(const QString &devicePath) const
{
    QFile f(path(devicePath));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList TempRoot::commands() const
{
    QFile f(m_dir.path() + "/exec.log");
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromLocal8Bit(f.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void TempRoot::clearCommands() const
{
    QFile::remove(m_dir.path() + "/exec.log");
}

void TempRoot::setCommandScript(const QString &script) const
{
    const QString p = m_dir.path() + "/exec.script";
    QFile f(p);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(script.toLocal8Bit());
    qputenv("INSTRUMENT_EXEC_SCRIPT", QFile::encodeName(p));
}

quint64 TempRoot::inodeOf(const QString &hostPath)
{
    struct stat st {};
    return ::stat(QFile::encodeName(hostPath).constData(), &st) == 0 ? quint64(st.st_ino) : 0;
}
