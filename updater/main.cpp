#include "MarloxScreenManager.h"
#include "UpdaterStartup.h"

#include <QApplication>
#include <QStackedWidget>
#include <QWidget>

#include <memory>

int main(int argc, char **argv)
{
    // The forms give their text sizes in points for the instrument's display at 72 dots
    // per inch; at a desktop's 96 the titles and key labels no longer fit their boxes.
    if (!qEnvironmentVariableIsSet("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "72");
    QApplication app(argc, argv);
    UpdaterStartup::configureSettings();
    UpdaterStartup::applyArguments(app.arguments());

    // Built after the arguments are stored: the screens read the settings when built.
    MarloxScreenManager manager(nullptr, Qt::CustomizeWindowHint | Qt::FramelessWindowHint);

    // No pointer on the instrument's display, and black where the window does not lie.
    QApplication::setOverrideCursor(Qt::BlankCursor);
    const std::unique_ptr<QWidget> background = UpdaterStartup::showBackground(manager.stackedWidget());
    return app.exec();
}
