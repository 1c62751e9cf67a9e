#include "MarloxScreenManager.h"
#include "TempRoot.h"
#include "TestRegistry.h"
#include "UpdaterMainScreen.h"
#include "UpdaterProgressScreen.h"
#include "UpdaterStartup.h"

#include <QStackedWidget>
#include <QTest>

class UpdaterStartupTest : public QObject
{
    Q_OBJECT
private slots:
    void argumentsStored_data();
    void argumentsStored();
    void valuesPersistAcrossRuns();
    void screenManagerPages();
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

RONDIX_TEST(UpdaterStartupTest)
#include "tst_UpdaterStartup.moc"
