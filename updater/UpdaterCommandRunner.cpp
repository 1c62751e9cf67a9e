#include "UpdaterCommandRunner.h"

#include <QDebug>
#include <QProcess>
#include <QRegularExpression>

namespace UpdaterCommandRunner {
namespace {

int execute(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    // Nobody answers a command: one that asks for input reads end-of-file and goes on or
    // fails, instead of waiting for ever on a pipe nobody writes.
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForStarted(-1))
        return -1;
    process.waitForFinished(-1);
    if (process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}

} // namespace

QString commandLine(const QString &program, const QStringList &arguments)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./=:,+@%-]+$"));
    QStringList parts;
    for (const QString &a : QStringList{program} + arguments) {
        if (plain.match(a).hasMatch()) {
            parts << a;
        } else {
            QString q = a;
            q.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
            parts << QLatin1Char('\'') + q + QLatin1Char('\'');
        }
    }
    return parts.join(QLatin1Char(' '));
}

int run(const QString &program, const QStringList &arguments)
{
    // A command may take long (a flash write has no time limit): the log says which one
    // the update is waiting for.
    qDebug().noquote() << "running:" << commandLine(program, arguments);
    const QString exec = QString::fromLocal8Bit(qgetenv("INSTRUMENT_EXEC"));
    if (!exec.isEmpty())
        return execute(exec, QStringList{commandLine(program, arguments)});
    return execute(program, arguments);
}

} // namespace UpdaterCommandRunner
