#include "MarloxScreenManager.h"
#include "TempRoot.h"
#include "TestRegistry.h"
#include "UpdaterMainScreen.h"
#include "UpdaterProgressScreen.h"
#include "UpdaterStartup.h"
#include "UpdaterTestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTextDocument>
#include <QTimer>
#include <QTest>

using namespace UpdaterTestSupport;

// A whole update as the operator runs it: a real package copied to the transfer drive,
// the PC source chosen and stepped with the instrument's keys.
class UpdaterWholeRunTest : public QObject
{
    Q_OBJECT
private slots:
    void updateFromPcWithKeys();
};

void UpdaterWholeRunTest::updateFromPcWithKeys()
{
    TempRoot root;
    UpdaterStartup::configureSettings();
    UpdaterStartup::applyArguments({"updater", "Kovinta", "--pic-disable", "--avr-disable"});
    makeDeviceFolders(root);
    const QString app = "/usr/local/Trolltech/Qt-Target-version-optimised/Rondix";
    QVERIFY(root.writeFile(app, "#!/bin/sh\necho old program\n"));
    QVERIFY(QFile::setPermissions(root.path(app), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                      | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                                                      | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                                      | QFileDevice::ExeOther));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("TtyHandler: cannot open"));
    MarloxScreenManager manager(nullptr, Qt::CustomizeWindowHint | Qt::FramelessWindowHint);
    QStackedWidget *stack = manager.stackedWidget();
    UpdaterProgressScreen *progress = manager.progressScreen();
    stack->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(stack));
    QCOMPARE(manager.mainScreen()->versionLabel->text(), QString("Kovinta Updater Version: 2.1 "));
    QVERIFY(snapshot(stack, "updater_main"));

    // A key press clicks its button after the button's short press animation.
    QTest::keyClick(stack, Qt::Key_F1);
    QTRY_COMPARE_WITH_TIMEOUT(stack->currentIndex(), 1, 10000);
    QTest::keyClick(stack, Qt::Key_F1);
    QTRY_COMPARE_WITH_TIMEOUT(progress->state(), int(UpdaterProgressScreen::PcInstall), 10000);

    // The PC copies the package onto the exported drive; its files carry mode 0644, as an
    // archive made on a PC may.
    const QByteArray config = "SYSTEM:NAND\n"
                              "APP:/Rondix\n"
                              "KERNEL:/uImage\n"
                              "IMAGE:/rootfs.ubi\n"
                              "FILE:/etc/init.d\n"
                              "SCRIPT:/post.sh\n";
    QVERIFY(makePackage(root.path("/mnt/update/instrument_firmware_update_2.1.tar.bz2"),
                        {{"firmware_update/update_config", config},
                         {"firmware_update/Rondix", "#!/bin/sh\necho new program\n"},
                         {"firmware_update/uImage", QByteArray(5000, 'k')},
                         {"firmware_update/rootfs.ubi", QByteArray(20000, 'r')},
                         {"firmware_update/etc/init.d/S99app", "#!/bin/sh\n"},
                         {"firmware_update/post.sh", "#!/bin/sh\n"}}));
    root.clearCommands();

    // While the run pauses at its end, F1 is disabled: pressing it starts nothing.
    bool pressedDuringPause = false;
    bool f1EnabledDuringPause = true;
    QTextDocument *log = progress->progressMessageWindow->document();
    connect(log, &QTextDocument::contentsChanged, this, [&] {
        if (pressedDuringPause || !log->toPlainText().contains("Finalising update"))
            return;
        pressedDuringPause = true;
        f1EnabledDuringPause = progress->F1Button->isEnabled();
        QTimer::singleShot(0, stack, [stack] { QTest::keyClick(stack, Qt::Key_F1); });
    });
    QTest::keyClick(stack, Qt::Key_F1);
    QTRY_COMPARE_WITH_TIMEOUT(progress->state(), int(UpdaterProgressScreen::Finished), 60000);
    QVERIFY(pressedDuringPause);
    QVERIFY(!f1EnabledDuringPause);
    disconnect(log, nullptr, this, nullptr);
    QCOMPARE(root.commands(),
             (QStringList{"umount /mnt/update", "rmmod g_mass_storage", "rmmod fsl_usb2_udc",
                          "losetup -o 4096 /dev/loop0 /mnt/ubiData/backfile",
                          "mount -t vfat /dev/loop0 /mnt/update",
                          "mount ubi0:rootfs -o remount,rw",
                          "flash_eraseall /dev/mtd0",
                          "nandwrite /dev/mtd0 /tmp/firmware_update/uImage -p",
                          "cp /usr/bin/ubiformat /tmp",
                          "cp /tmp/firmware_update/rootfs.ubi /tmp",
                          "flash_eraseall /dev/mtd1",
                          "/tmp/ubiformat /dev/mtd1 -f /tmp/rootfs.ubi",
                          "mount ubi0:rootfs -o remount,rw",
                          "cp -a /tmp/firmware_update/etc/init.d/. /etc/init.d",
                          "/tmp/firmware_update/post.sh",
                          "sync", "sync", "umount /mnt/update", "losetup -d /dev/loop0"}));
    QCOMPARE(logLines(progress->progressMessageWindow),
             (QStringList{"Attach the unit to the PC via the USB cable provided then press F1", "",
                          "Initialising PC connection",
                          "Copy the update package (*firmware_update*.tar.bz2) to the unit's drive on the PC then "
                          "press F1",
                          "", "Processing update", "", "Extracting update", "",
                          "System Type set to: NAND",
                          "Updating Application with file: /Rondix",
                          "Updating kernel with file: /uImage",
                          "Updating root image with file: /rootfs.ubi",
                          "Updating root files with folder: /etc/init.d",
                          "Running script file: /post.sh",
                          "Finalising update, please wait",
                          "Removing temporary files", "",
                          "green|Update complete, restart the system or press F1 to return to the main screen",
                          "green|"}));
    // The package unpacked, the new program runs, and the drive is empty again for the
    // operator.
    QCOMPARE(QFileInfo(root.path("/tmp/firmware_update/Rondix")).permissions() & QFileDevice::ExeOwner, 0);
    QProcess program;
    program.start(root.path(app), QStringList());
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(program.readAllStandardOutput(), QByteArray("new program\n"));
    QVERIFY(QDir(root.path("/mnt/update")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    QVERIFY(snapshot(stack, "updater_progress"));

    // The scroll keys move the log; F1 goes back to the source choice.
    QScrollBar *bar = progress->progressMessageWindow->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    const int bottom = bar->value();
    QTest::keyClick(stack, Qt::Key_F3);
    QTRY_VERIFY_WITH_TIMEOUT(bar->value() < bottom, 10000);
    QTest::keyClick(stack, Qt::Key_F4);
    QTRY_COMPARE_WITH_TIMEOUT(bar->value(), bottom, 10000);
    QTest::keyClick(stack, Qt::Key_F1);
    QTRY_COMPARE_WITH_TIMEOUT(stack->currentIndex(), 0, 10000);

    // The main page's F3 chooses the SD card and shows its prompt on a fresh log.
    QTest::keyClick(stack, Qt::Key_F3);
    QTRY_COMPARE_WITH_TIMEOUT(stack->currentIndex(), 1, 10000);
    QCOMPARE(progress->state(), int(UpdaterProgressScreen::SdCard));
    QCOMPARE(logLines(progress->progressMessageWindow).first(),
             QString("Insert an SD card holding the update package (*firmware_update*.tar.bz2) then press F1"));
    QVERIFY(snapshot(stack, "updater_prompt"));
}

RONDIX_TEST(UpdaterWholeRunTest)
#include "tst_UpdaterWholeRun.moc"
