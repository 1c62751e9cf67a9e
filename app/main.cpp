#include "InfusionPumpPowerBoardManager.h"
#include "ScreenBase.h"
#include "StartupLogging.h"
#include "StartupPlaceholders.h"

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

    QApplication app(argc, argv);
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

    InfusionPumpPowerBoardManager board(QStringLiteral("/dev/ttyAPP1"));
    ScreenBase::board = &board;

    QWidget *mainMenu = createMainMenuScreen();

    QApplication::changeOverrideCursor(Qt::BlankCursor);
    stackedWidget->show();

    for (int i = 1; i < argc; ++i)
        qDebug("%d: %s", i, argv[i]);

    startUsbController();

    splash.finish(mainMenu ? mainMenu : stackedWidget);
    return app.exec();
}
