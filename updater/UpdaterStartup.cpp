#include "UpdaterStartup.h"

#include "UpdaterPath.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSettings>

QString versionString = QStringLiteral("$Version: 2.1 $");

namespace UpdaterStartup {

void configureSettings()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Wexholm"));
    QCoreApplication::setApplicationName(QStringLiteral("Updater"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       UpdaterPath::path(QStringLiteral("/mnt/data/settings")));
}

void applyArguments(const QStringList &arguments)
{
    QSettings settings;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        qDebug().noquote() << QString::number(i) + QStringLiteral(": ") + a;
        if (a == QLatin1String("--pic-enable"))
            settings.setValue(QStringLiteral("PicEnable"), true);
        else if (a == QLatin1String("--pic-disable"))
            settings.setValue(QStringLiteral("PicEnable"), false);
        else if (a == QLatin1String("--avr-enable"))
            settings.setValue(QStringLiteral("AvrEnable"), true);
        else if (a == QLatin1String("--avr-disable"))
            settings.setValue(QStringLiteral("AvrEnable"), false);
        else if (a == QLatin1String("Kovinta") || a == QLatin1String("Halvetor")
                 || a == QLatin1String("Grindal"))
            settings.setValue(QStringLiteral("ProductName"), a);
        else
            qDebug().noquote() << QStringLiteral("unknown command line argument: ") + a;
    }
    settings.sync();
}

} // namespace UpdaterStartup
