#include "TempRoot.h"
#include "TestRegistry.h"
#include "UpdatePackage.h"
#include "UpdaterProgressScreen.h"
#include "UpdaterStartup.h"
#include "UpdaterTestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace UpdaterTestSupport;

// Each source's F1 steps: the commands run, the state reached and the message shown.
class UpdaterSourcesTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void sources_data();
    void sources();
    void finishedStateReturnsToMainScreen();
    void choosingAgainStartsFresh();
    void packageRun_data();
    void packageRun();
    void oldPackageFilesNeverUsed();
    void pcRunLeavesDriveEmpty();
};

namespace {
const QString NoPackage = QStringLiteral("red|Could not find update file, press F1 to return to the main screen");

QString lastLine(const QStringList &log)
{
    for (int i = log.size() - 1; i >= 0; --i) {
        if (!log.at(i).isEmpty() && log.at(i) != QLatin1String("red|") && log.at(i) != QLatin1String("green|"))
            return log.at(i);
    }
    return QString();
}
} // namespace

void UpdaterSourcesTest::init()
{
    UpdaterProgressScreen::currentDevicePart.clear();
}

void UpdaterSourcesTest::sources_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("message");

    const QString um = "umount /mnt/update";
    const QStringList connect{um, "modprobe fsl_usb2_udc", "modprobe g_mass_storage file=/mnt/ubiData/backfile"};
    const QStringList unload{um, "rmmod g_mass_storage", "rmmod fsl_usb2_udc"};
    QTest::newRow("pc: gadget exports the drive image")
        << 0 << 1 << "" << connect << 4
        << "Copy the update package (*firmware_update*.tar.bz2) to the unit's drive on the PC then press F1";
    QTest::newRow("pc: image mounted through the loop device, loop detached after")
        << 0 << 2 << "" << connect + unload + QStringList{"losetup -o 4096 /dev/loop0 /mnt/ubiData/backfile",
                                                           "mount -t vfat /dev/loop0 /mnt/update", um,
                                                           "losetup -d /dev/loop0"}
        << 3 << NoPackage;
    QTest::newRow("pc: gadget falls back to the partition")
        << 0 << 2 << "1 file=/mnt/ubiData/backfile"
        << connect + QStringList{"modprobe g_mass_storage file=/dev/mmcblk0p4"} + unload
               + QStringList{"mount /dev/mmcblk0p4 /mnt/update"}
        << 3 << NoPackage;
    QTest::newRow("pc: controller missing")
        << 0 << 1 << "1 fsl_usb2_udc" << QStringList{um, "modprobe fsl_usb2_udc"} << 3
        << "red|Failed to initialise USB Device Controller press F1 to return to the main screen";
    QTest::newRow("pc: no gadget")
        << 0 << 1 << "1 g_mass_storage"
        << connect + QStringList{"modprobe g_mass_storage file=/dev/mmcblk0p4"} << 3
        << "red|Failed to initialise PC connection press F1 to return to the main screen";
    QTest::newRow("pc: gadget will not unload")
        << 0 << 2 << "1 ^rmmod g_mass" << connect + QStringList{um, "rmmod g_mass_storage"} << 3
        << "red|Failed to close PC connection, press F1 to return to the main screen";
    QTest::newRow("pc: controller will not unload")
        << 0 << 2 << "1 ^rmmod fsl" << connect + unload << 3
        << "red|Failed to close USB device controller, press F1 to return to the main screen";
    QTest::newRow("pc: no loop device")
        << 0 << 2 << "1 ^losetup -o" << connect + unload + QStringList{"losetup -o 4096 /dev/loop0 /mnt/ubiData/backfile"}
        << 3 << "red|Failed to create loop device, press F1 to return to the main screen";
    QTest::newRow("pc: loop mount fails, loop detached")
        << 0 << 2 << "1 ^mount -t vfat"
        << connect + unload + QStringList{"losetup -o 4096 /dev/loop0 /mnt/ubiData/backfile",
                                          "mount -t vfat /dev/loop0 /mnt/update", "losetup -d /dev/loop0"}
        << 3 << "red|Failed to mount loop device, press F1 to return to the main screen";
    QTest::newRow("pc: partition mount fails")
        << 0 << 2 << "1 file=/mnt/ubiData/backfile\n1 ^mount /dev/mmcblk0p4"
        << connect + QStringList{"modprobe g_mass_storage file=/dev/mmcblk0p4"} + unload
               + QStringList{"mount /dev/mmcblk0p4 /mnt/update"}
        << 3 << "red|Failed to mount update drive, press F1 to return to the main screen";
    QTest::newRow("stick without partition table")
        << 1 << 1 << "" << QStringList{um, "mount /dev/sda /mnt/update"} << 3 << NoPackage;
    QTest::newRow("stick with partition table")
        << 1 << 1 << "1 ^mount /dev/sda /mnt/update$"
        << QStringList{um, "mount /dev/sda /mnt/update", "mount /dev/sda1 /mnt/update"} << 3 << NoPackage;
    QTest::newRow("no stick")
        << 1 << 1 << "1 ^mount" << QStringList{um, "mount /dev/sda /mnt/update", "mount /dev/sda1 /mnt/update"}
        << 3 << "red|Failed to mount update drive, press F1 to return to the main screen";
    QTest::newRow("sd card") << 2 << 1 << "" << QStringList{um, "mount /dev/mmcblk0p4 /mnt/update"} << 3
                             << NoPackage;
    QTest::newRow("no sd card")
        << 2 << 1 << "1 ^mount" << QStringList{um, "mount /dev/mmcblk0p4 /mnt/update"} << 3
        << "red|Failed to mount update drive, press F1 to return to the main screen";
}

void UpdaterSourcesTest::sources()
{
    QFETCH(int, type);
    QFETCH(int, presses);
    QFETCH(QString, script);
    TempRoot root;
    UpdaterStartup::configureSettings();
    root.setCommandScript(script);
    const auto screenOwner = progressScreen();
    UpdaterProgressScreen &screen = *screenOwner;
    screen.setUpdateType(type);
    for (int i = 0; i < presses; ++i)
        screen.F1Clicked();
    QTEST(root.commands(), "commands");
    QTEST(screen.state(), "state");
    QTEST(lastLine(logLines(screen.progressMessageWindow)), "message");
    QVERIFY(screen.F1Button->isEnabled());
}

void UpdaterSourcesTest::finishedStateReturnsToMainScreen()
{
    TempRoot root;
    UpdaterStartup::configureSettings();
    root.setCommandScript("1 ^mount");
    const auto screenOwner = progressScreen();
    UpdaterProgressScreen &screen = *screenOwner;
    QSignalSpy back(&screen, &UpdaterProgressScreen::requestChangeScreen);
    screen.setUpdateType(2);
    screen.F1Clicked();
    QCOMPARE(back.count(), 0);
    root.clearCommands();
    screen.F1Clicked();
    QCOMPARE(back.count(), 1);
    QCOMPARE(back.at(0).at(0).toInt(), 0);
    QCOMPARE(root.commands(), QStringList{"umount /mnt/update"});
    QCOMPARE(screen.state(), int(UpdaterProgressScreen::Finished));
}

void UpdaterSourcesTest::choosingAgainStartsFresh()
{
    TempRoot root;
    UpdaterStartup::configureSettings();
    root.setCommandScript("1 ^mount");
    const auto screenOwner = progressScreen();
    UpdaterProgressScreen &screen = *screenOwner;
    screen.setUpdateType(1);
    screen.F1Clicked();
    screen.setUpdateType(0);
    QCOMPARE(screen.state(), int(UpdaterProgressScreen::PcConnect));
    QCOMPARE(logLines(screen.progressMessageWindow),
             (QStringList{"Attach the unit to the PC via the USB cable provided then press F1", ""}));
    screen.setUpdateType(7);
    QCOMPARE(screen.state(), int(UpdaterProgressScreen::PcConnect));
}

void UpdaterSourcesTest::packageRun_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QByteArray>("archive"); // empty: a real package made by tar
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<bool>("extracted");
    QTest::addColumn<QString>("message");

    const QByteArray config("SYSTEM:NAND\n");
    const QString extractFailed = "red|Failed to extract update files, press F1 to return to the main screen";
    QTest::newRow("one package") << QStringList{"a_firmware_update_1.tar.bz2"} << QByteArray() << config << true
                                 << "green|Update complete, restart the system or press F1 to return to the main "
                                    "screen";
    QTest::newRow("upper case name") << QStringList{"FIRMWARE_UPDATE.TAR.BZ2"} << QByteArray() << config << true
                                     << "green|Update complete, restart the system or press F1 to return to the "
                                        "main screen";
    QTest::newRow("a failing line turns the end red")
        << QStringList{"firmware_update.tar.bz2"} << QByteArray() << QByteArray("SYSTEM:NAND\n\n") << true
        << "red|Some of the updates failed, press F1 to return to the main screen";
    QTest::newRow("name with blanks and a quote")
        << QStringList{"it's my firmware_update -C x.tar.bz2"} << QByteArray() << config << true
        << "green|Update complete, restart the system or press F1 to return to the main screen";
    QTest::newRow("two packages") << QStringList{"a_firmware_update.tar.bz2", "b_firmware_update.tar.bz2"}
                                  << QByteArray() << config << false << NoPackage;
    QTest::newRow("none") << QStringList{} << QByteArray() << config << false << NoPackage;
    QTest::newRow("corrupt archive") << QStringList{"firmware_update.tar.bz2"} << QByteArray("BZh91AY&SY garbage")
                                     << config << false << extractFailed;
    QTest::newRow("member climbing out")
        << QStringList{"firmware_update.tar.bz2"}
        << bzip2(tarMember("firmware_update/update_config", '0', "SYSTEM:NAND\n")
                 + tarMember("firmware_update/../../etc/profile", '0', "x") + tarEnd())
        << config << false << extractFailed;
    QTest::newRow("no command list") << QStringList{"firmware_update.tar.bz2"}
                                     << bzip2(tarMember("firmware_update/other", '0', "x") + tarEnd()) << config
                                     << true
                                     << "red|Failed to open update file, press F1 to return to the main screen";
    QTest::newRow("huge command list")
        << QStringList{"firmware_update.tar.bz2"} << QByteArray() << QByteArray(100 * 1024, '\n') << true
        << "red|Update file too large, press F1 to return to the main screen";
    QTest::newRow("too many lines")
        << QStringList{"firmware_update.tar.bz2"} << QByteArray() << QByteArray("SYSTEM:NAND\n").repeated(1001)
        << true << "red|Update file too large, press F1 to return to the main screen";
}

void UpdaterSourcesTest::packageRun()
{
    QFETCH(QStringList, names);
    QFETCH(QByteArray, archive);
    QFETCH(QByteArray, config);
    QFETCH(bool, extracted);
    TempRoot root;
    UpdaterStartup::configureSettings();
    makeDeviceFolders(root);
    for (const QString &n : names) {
        if (archive.isEmpty()) {
            QVERIFY(makePackage(root.path("/mnt/update/" + n), {{"firmware_update/update_config", config}}));
        } else {
            QVERIFY(root.writeFile("/mnt/update/" + n, archive));
        }
    }
    const auto screenOwner = progressScreen();
    UpdaterProgressScreen &screen = *screenOwner;
    screen.setUpdateType(2);
    screen.F1Clicked();

    QTEST(lastLine(logLines(screen.progressMessageWindow)), "message");
    QCOMPARE(screen.state(), int(UpdaterProgressScreen::Finished));
    QVERIFY(screen.F1Button->isEnabled());
    // The package is read in the program: no archiver runs.
    QVERIFY(root.commands().filter(QRegularExpression("^tar ")).isEmpty());
    QCOMPARE(QFileInfo::exists(root.path("/tmp/firmware_update")), extracted);
    if (!extracted)
        QVERIFY(!QFile::exists(root.path("/etc/profile")));
}

void UpdaterSourcesTest::oldPackageFilesNeverUsed()
{
    // A file an older package left in the unpack folder must not reach this run: the
    // package below has no command list, so the old one must not be found.
    TempRoot root;
    UpdaterStartup::configureSettings();
    makeDeviceFolders(root);
    QVERIFY(root.writeFile("/tmp/firmware_update/update_config", "SCRIPT:/old.sh\n"));
    QVERIFY(root.writeFile("/tmp/firmware_update/old.sh", "#!/bin/sh\n"));
    QVERIFY(makePackage(root.path("/mnt/update/firmware_update.tar.bz2"), {{"firmware_update/readme", "new"}}));
    const auto screenOwner = progressScreen();
    UpdaterProgressScreen &screen = *screenOwner;
    screen.setUpdateType(2);
    screen.F1Clicked();
    QCOMPARE(lastLine(logLines(screen.progressMessageWindow)),
             QString("red|Failed to open update file, press F1 to return to the main screen"));
    QVERIFY(!QFile::exists(root.path("/tmp/firmware_update/old.sh")));
    QCOMPARE(root.readFile("/tmp/firmware_update/readme"), QByteArray("new"));
    QVERIFY(root.commands().filter("old.sh").isEmpty());
}

void UpdaterSourcesTest::pcRunLeavesDriveEmpty()
{
    TempRoot root;
    UpdaterStartup::configureSettings();
    makeDeviceFolders(root);
    QVERIFY(makePackage(root.path("/mnt/update/firmware_update.tar.bz2"),
                        {{"firmware_update/update_config", "VALVE:/x\n"}}));
    QVERIFY(root.writeFile("/mnt/update/results.csv", "kept? no"));
    QVERIFY(root.writeFile("/mnt/update/firmware_update/copied.bin", "x"));
    QVERIFY(root.writeFile("/mnt/update/.hidden", "h"));
    QVERIFY(root.writeFile("/mnt/update/sub/file", "s"));
    const auto screenOwner = progressScreen();
    UpdaterProgressScreen &screen = *screenOwner;
    screen.setUpdateType(0);
    screen.F1Clicked();
    root.clearCommands();
    screen.F1Clicked();

    QCOMPARE(lastLine(logLines(screen.progressMessageWindow)),
             QString("red|Some of the updates failed, press F1 to return to the main screen"));
    QCOMPARE(QDir(root.path("/mnt/update")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             (QStringList{".hidden", "sub"}));
    QCOMPARE(root.commands(),
             (QStringList{"umount /mnt/update", "rmmod g_mass_storage", "rmmod fsl_usb2_udc",
                          "losetup -o 4096 /dev/loop0 /mnt/ubiData/backfile", "mount -t vfat /dev/loop0 /mnt/update",
                          "sync", "sync",
                          "umount /mnt/update", "losetup -d /dev/loop0"}));
}

RONDIX_TEST(UpdaterSourcesTest)
#include "tst_UpdaterSources.moc"
