#include "MarloxScreenManager.h"
#include "TempRoot.h"
#include "TestRegistry.h"
#include "UpdaterMainScreen.h"
#include "UpdaterProgressScreen.h"
#include "UpdaterStartup.h"

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QStackedWidget>
#include <QTest>

#include <memory>

class UpdaterStartupTest : public QObject
{
    Q_OBJECT
private slots:
    void argumentsStored_data();
    void argumentsStored();
    void valuesPersistAcrossRuns();
    void productNameIsText();
    void screenManagerPages();
    void blackOutsideTheWindow();
};

static const QString SettingsFile = QStringLiteral("/mnt/data/settings/Wexholm/Updater.conf");

void UpdaterStartupTest::argumentsStored_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("versionLine");
    QTest::addColumn<bool>("pic");
    QTest::addColumn<bool>("avr");
    QTest::newRow("none on a new device") << QStringList{"updater"} << QByteArray()
                                          << "Unknown Updater Version: 2.1 " << false << false;
    QTest::newRow("enable and product")
        << QStringList{"updater", "--pic-enable", "--avr-enable", "Kovinta"}
        << QByteArray("[General]\nAvrEnable=true\nPicEnable=true\nProductName=Kovinta\n")
        << "Kovinta Updater Version: 2.1 " << true << true;
    QTest::newRow("last one wins")
        << QStringList{"updater", "--pic-enable", "--pic-disable", "--avr-disable", "--avr-enable", "Halvetor",
                       "Grindal"}
        << QByteArray("[General]\nAvrEnable=true\nPicEnable=false\nProductName=Grindal\n")
        << "Grindal Updater Version: 2.1 " << false << true;
    QTest::newRow("program path never examined")
        << QStringList{"--pic-enable"} << QByteArray() << "Unknown Updater Version: 2.1 " << false << false;
    QTest::newRow("unknown names and case")
        << QStringList{"updater", "kovinta", "KOVINTA", "Kovinta2", "--PIC-ENABLE", "-pic-enable"} << QByteArray()
        << "Unknown Updater Version: 2.1 " << false << false;
}

void UpdaterStartupTest::argumentsStored()
{
    QFETCH(QStringList, arguments);
    TempRoot root;
    UpdaterStartup::configureSettings();
    if (arguments.contains("kovinta"))
        QTest::ignoreMessage(QtDebugMsg, "unknown command line argument: kovinta");
    UpdaterStartup::applyArguments(arguments);
    QTEST(root.readFile(SettingsFile), "file");

    UpdaterProgressScreen progress;
    QTEST(progress.picUpdateEnabled(), "pic");
    QTEST(progress.avrUpdateEnabled(), "avr");
    UpdaterMainScreen screen;
    QTEST(screen.versionLabel->text(), "versionLine");
}

// The settings file is outside text: a name in it that looks like markup shows as written.
void UpdaterStartupTest::productNameIsText()
{
    TempRoot root;
    UpdaterStartup::configureSettings();
    QVERIFY(root.writeFile(SettingsFile, "[General]\nProductName=<b>x</b>\n"));
    UpdaterMainScreen screen;
    QCOMPARE(screen.versionLabel->textFormat(), Qt::PlainText);
    QCOMPARE(screen.versionLabel->text(), QString("<b>x</b> Updater Version: 2.1 "));
}

void UpdaterStartupTest::valuesPersistAcrossRuns()
{
    TempRoot root;
    UpdaterStartup::configureSettings();
    UpdaterStartup::applyArguments({"updater", "--pic-enable", "Grindal"});
    UpdaterStartup::applyArguments({"updater"});
    {
        UpdaterProgressScreen progress;
        QVERIFY(progress.picUpdateEnabled());
        UpdaterMainScreen screen;
        QCOMPARE(screen.versionLabel->text(), QString("Grindal Updater Version: 2.1 "));
    }
    UpdaterStartup::applyArguments({"updater", "--pic-disable"});
    UpdaterProgressScreen progress;
    QVERIFY(!progress.picUpdateEnabled());
    QCOMPARE(root.readFile(SettingsFile), QByteArray("[General]\nPicEnable=false\nProductName=Grindal\n"));
}

void UpdaterStartupTest::screenManagerPages()
{
    TempRoot root;
    UpdaterStartup::configureSettings();
    MarloxScreenManager manager(nullptr, Qt::CustomizeWindowHint | Qt::FramelessWindowHint);
    QStackedWidget *stack = manager.stackedWidget();
    QVERIFY(!manager.isVisible());
    QVERIFY(stack->isVisible());
    QVERIFY(!stack->parentWidget());
    QCOMPARE(stack->geometry(), QRect(3, 31, 281, 208));
    QVERIFY(stack->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(stack->count(), 2);
    QCOMPARE(stack->widget(0), static_cast<QWidget *>(manager.mainScreen()));
    QCOMPARE(stack->widget(1), static_cast<QWidget *>(manager.progressScreen()));
    QCOMPARE(stack->currentIndex(), 0);
}

void UpdaterStartupTest::blackOutsideTheWindow()
{
    TempRoot root;
    UpdaterStartup::configureSettings();
    MarloxScreenManager manager(nullptr, Qt::CustomizeWindowHint | Qt::FramelessWindowHint);
    QStackedWidget *stack = manager.stackedWidget();
    const std::unique_ptr<QWidget> background = UpdaterStartup::showBackground(stack);
    QVERIFY(QTest::qWaitForWindowExposed(background.get()));
    QVERIFY(QTest::qWaitForWindowActive(stack));

    // The whole screen, black, beneath the window and never holding the keys.
    QCOMPARE(background->geometry(), QGuiApplication::primaryScreen()->geometry());
    const QImage image = background->grab().toImage();
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black));
    QCOMPARE(image.pixelColor(300, 20), QColor(Qt::black));
    QVERIFY(background->windowFlags() & Qt::WindowDoesNotAcceptFocus);
    QVERIFY(background->windowFlags() & Qt::WindowStaysOnBottomHint);
    QCOMPARE(QApplication::activeWindow(), static_cast<QWidget *>(stack));

    // The instrument's F1 still reaches the main page.
    QTest::keyClick(stack, Qt::Key_F1);
    QTRY_COMPARE_WITH_TIMEOUT(stack->currentIndex(), 1, 10000);
    QCOMPARE(QApplication::activeWindow(), static_cast<QWidget *>(stack));
    if (!qEnvironmentVariableIsEmpty("RONDIX_SCREENSHOTS")) {
        // The display as the operator sees it: the window at its place on the black screen.
        QImage display = image.copy(0, 0, 320, 240);
        QPainter(&display).drawPixmap(stack->pos(), stack->grab());
        display.save(qEnvironmentVariable("RONDIX_SCREENSHOTS") + "/updater_display.png");
    }
}

RONDIX_TEST(UpdaterStartupTest)
#include "tst_UpdaterStartup.moc"
