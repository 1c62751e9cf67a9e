#include "MarloxScreenManager.h"
#include "UpdaterStartup.h"

#include <QApplication>

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

    // No pointer on the instrument's display; outside the window the screen stays black,
    // which is what the display shows where no window lies.
    QApplication::setOverrideCursor(Qt::BlankCursor);
    return app.exec();
}
