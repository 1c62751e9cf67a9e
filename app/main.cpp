#include "DevicePaths.h"
#include "InfusionPumpMainScreen.h"
#include "InfusionPumpPowerBoardManager.h"
#include "ScreenBase.h"
#include "StartupLogging.h"
#include "StartupWiring.h"
#include "UsbDriveController.h"
#include "WheelToFocus.h"

#include <QApplication>
#include <QDebug>
#include <QFont>
#include <QPalette>
#include <QPixmap>
#include <QSplashScreen>
#include <QStackedWidget>

int main(int argc, char **argv)
{
    installAbortHandler();
    qInstallMessageHandler(myMessageOutput);

    // The instrument's display counts 72 dots per inch, so a point is a pixel in its
    // forms; a desktop would otherwise scale every text up by a third.
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "72");
    QApplication app(argc, argv);
    // A desktop's mouse wheel turns the focus widget, as the encoder does.
    WheelToFocus wheelToFocus;
    app.installEventFilter(&wheelToFocus);
    Q_INIT_RESOURCE(resources);
    QFont font(QStringLiteral("Arial"));
    font.setItalic(false);
    QApplication::setFont(font);
    // The instrument has no pointer, and its screen is white behind every page.
    QApplication::setOverrideCursor(Qt::BlankCursor);
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Window, Qt::white);
    QApplication::setPalette(palette);

    QSplashScreen splash(QPixmap(QStringLiteral(":/Resources/splash.png")));
    splash.show();

    auto *stackedWidget = new QStackedWidget;
    ScreenBase::stackedWidget = stackedWidget;
    stackedWidget->setMinimumSize(290, 201);
    // The whole display; a desktop window opens at the same size.
    stackedWidget->resize(320, 240);

    StartupWiring::removeLeftovers();
    InfusionPumpPowerBoardManager board(DevicePaths::powerBoardLine);
    ScreenBase::board = &board;
    StartupWiring::connectCore();

    // The main menu places itself in the screen area.
    auto *mainMenu = new InfusionPumpMainScreen(nullptr, nullptr);

    QApplication::changeOverrideCursor(Qt::BlankCursor);
    stackedWidget->show();

    for (int i = 1; i < argc; ++i)
        qDebug("%d: %s", i, argv[i]);

    // Creating the controller exports the transfer drive; the switch back brings the PC
    // serial gadget with the drive mounted locally. Start-up goes on whatever mode the
    // port reached.
    UsbDriveController::getInstance()->setMode(0);

    // The main menu is a page of the screen area; the splash waits for that window.
    splash.finish(mainMenu->window());
    return app.exec();
}
