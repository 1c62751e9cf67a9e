#include "CommandRunner.h"

#include <QProcess>
#include <QRegularExpression>

namespace CommandRunner {
namespace {

int execute(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted(-1))
        return -1;
    process.waitForFinished(-1);
    if (process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}

int viaRecorder(const QString &line)
{
    const QString exec = QString::fromLocal8Bit(qgetenv("INSTRUMENT_EXEC"));
    if (exec.isEmpty())
        return -2;
    return execute(exec, QStringList{line});
}

} // namespace

QString commandLine(const QString &program, const QStringList &arguments)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./=:,+@%-]+$"));
    QStringList parts{program};
    for (const QString &a : arguments) {
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

int runShell(const QString &line)
{
    const int recorded = viaRecorder(line);
    if (recorded != -2)
        return recorded;
    return execute(QStringLiteral("/bin/sh"), QStringList{QStringLiteral("-c"), line});
}

int run(const QString &program, const QStringList &arguments)
{
    const int recorded = viaRecorder(commandLine(program, arguments));
    if (recorded != -2)
        return recorded;
    return execute(program, arguments);
}

} // namespace CommandRunner
