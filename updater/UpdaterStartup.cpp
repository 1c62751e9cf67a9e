#include "UpdaterStartup.h"

#include "UpdaterPath.h"

#include <QCoreApplication>
#include <QDebug>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QSettings>
#include <QWidget>

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

std::unique_ptr<QWidget> showBackground(QWidget *window)
{
    auto background = std::make_unique<QWidget>(
        nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint | Qt::WindowDoesNotAcceptFocus);
    background->setAttribute(Qt::WA_ShowWithoutActivating);
    background->setFocusPolicy(Qt::NoFocus);
    QPalette palette = background->palette();
    palette.setColor(QPalette::Window, Qt::black);
    background->setPalette(palette);
    background->setAutoFillBackground(true);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        background->setGeometry(screen->geometry());
    background->show();
    // Window systems that stack a new window on top put this one there.
    window->raise();
    window->activateWindow();
    return background;
}

} // namespace UpdaterStartup
