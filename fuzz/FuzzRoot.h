#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdlib>

// One device root for a whole fuzzing run, so the managers read and write only there.
inline QString fuzzRoot()
{
    // In memory where the system has it: every save syncs, which a disk makes slow.
    static QTemporaryDir dir(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/rondix-fuzz-XXXXXX")
                                                       : QDir::tempPath() + "/rondix-fuzz-XXXXXX");
    static const bool set = [] {
        qputenv("INSTRUMENT_ROOT", QFile::encodeName(dir.path()));
        // Keep the log quiet: hostile input makes the readers complain on every run.
        qputenv("QT_LOGGING_RULES", "*.debug=false;*.warning=false");
        return true;
    }();
    Q_UNUSED(set);
    return dir.path();
}

inline void writeFuzzFile(const QString &path, const uint8_t *data, size_t size)
{
    QDir().mkpath(path.left(path.lastIndexOf('/')));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char *>(data), qint64(size));
}
