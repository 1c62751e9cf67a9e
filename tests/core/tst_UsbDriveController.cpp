#include "TempRoot.h"
#include "TestRegistry.h"
#include "UsbDriveController.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace
{

const QStringList unloadAll = {"rmmod g_mass_storage", "rmmod g_serial", "rmmod fsl_usb2_udc"};
const QStringList closeStorage = {"rmmod g_mass_storage", "rmmod fsl_usb2_udc"};
const QStringList closeSerial = {"umount /mnt/update", "losetup -d /dev/loop0", "rmmod g_serial",
                                 "rmmod fsl_usb2_udc"};
const QStringList mountImage = {"umount /mnt/update",
                                "losetup -o 4096 /dev/loop0 /mnt/ubiData/backfile",
                                "mount -t vfat /dev/loop0 /mnt/update"};
const QStringList loadSerial = {"modprobe fsl_usb2_udc", "modprobe g_serial"};
const QStringList exportImage = {"modprobe fsl_usb2_udc",
                                 "modprobe g_mass_storage file=/mnt/ubiData/backfile"};

QStringList operator+(const char *line, const QStringList &rest)
{
    return QStringList{line} + rest;
}

// A controller brought to its start by real switches, each answered as script says.
void reach(UsbDriveController &usb, const TempRoot &root, const QList<int> &modes,
           const QString &script)
{
    root.setCommandScript(script);
    for (int mode : modes)
        usb.setMode(mode);
    root.setCommandScript(QString());
    root.clearCommands();
}

} // namespace

class TestUsbDriveController : public QObject
{
    Q_OBJECT
private slots:
    void switches_data()
    {
        QTest::addColumn<QList<int>>("path");
        QTest::addColumn<QString>("pathScript");
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("request");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<int>("mode");

        const QList<int> fresh, exported{1}, serial{1, 0};
        const auto add = [](const char *name, const QList<int> &path, const char *pathScript,
                            const char *script, int request, const QStringList &commands,
                            int mode) {
            QTest::newRow(name) << path << QString(pathScript) << QString(script) << request
                                << commands << mode;
        };
        add("2 to 1, the start-up export", fresh, "", "", 1, "sync" + unloadAll + exportImage, 1);
        add("2 to 0 before any export mounts the image", fresh, "", "", 0,
            "sync" + unloadAll + mountImage + loadSerial, 0);
        add("1 to 0", exported, "", "", 0, "sync" + closeStorage + mountImage + loadSerial, 0);
        add("0 to 1", serial, "", "", 1, "sync" + closeSerial + exportImage, 1);
        add("0 to 0 only syncs", serial, "", "", 0, QStringList{"sync"}, 0);
        add("1 to 1 only syncs", exported, "", "", 1, QStringList{"sync"}, 1);
        add("an unknown mode", serial, "", "", 5, QStringList{"sync"}, 2);
        add("an unknown mode from 2 unloads first", fresh, "", "", 3, "sync" + unloadAll, 2);
        add("image not exportable: the partition is", serial, "", "1 file=/mnt/ubiData/backfile", 1,
            "sync" + closeSerial + exportImage +
                QStringList{"modprobe g_mass_storage file=/dev/mmcblk0p6"},
            1);
        add("the exported partition is mounted whole", exported, "1 file=/mnt/ubiData/backfile", "",
            0,
            "sync" + closeStorage +
                QStringList{"umount /mnt/update", "umount /mnt/update",
                            "mount /dev/mmcblk0p6 /mnt/update"} +
                loadSerial,
            0);
        add("neither drive exportable", serial, "", "1 ^modprobe g_mass_storage", 1,
            "sync" + closeSerial + exportImage +
                QStringList{"modprobe g_mass_storage file=/dev/mmcblk0p6"},
            2);
        add("a failed serial unload is overridden by the loads", serial, "", "1 ^rmmod g_serial", 1,
            "sync" + closeSerial + exportImage, 1);
        add("a drive still mounted here is never exported", serial, "", "1 ^umount", 1,
            QStringList{"sync", "umount /mnt/update"}, 2);
        add("controller refused on the way to 1", serial, "", "1 ^modprobe fsl", 1,
            "sync" + closeSerial + QStringList{"modprobe fsl_usb2_udc"}, 2);
        add("mass storage will not unload: nothing else runs", exported, "",
            "1 ^rmmod g_mass_storage", 0, QStringList{"sync", "rmmod g_mass_storage"}, 2);
        add("controller will not unload", exported, "", "1 ^rmmod fsl", 0, "sync" + closeStorage,
            2);
        add("loop device refused", exported, "", "1 ^losetup", 0,
            "sync" + closeStorage + mountImage.mid(0, 2), 2);
        add("mount refused", exported, "", "1 ^mount -t", 0, "sync" + closeStorage + mountImage, 2);
        add("controller refused on the way to 0", exported, "", "1 ^modprobe fsl", 0,
            "sync" + closeStorage + mountImage + QStringList{"modprobe fsl_usb2_udc"}, 2);
        add("serial gadget refused", exported, "", "1 ^modprobe g_serial", 0,
            "sync" + closeStorage + mountImage + loadSerial, 2);
        add("after a failed mount the attached loop device is used again", serial, "1 ^mount -t",
            "", 0,
            "sync" + unloadAll +
                QStringList{"umount /mnt/update", "mount -t vfat /dev/loop0 /mnt/update"} +
                loadSerial,
            0);
        add("a drive left mounted in mode 2 is unmounted before its export", serial,
            "1 ^modprobe g_serial", "", 1,
            "sync" + unloadAll + QStringList{"umount /mnt/update", "losetup -d /dev/loop0"} +
                exportImage,
            1);
    }
    void switches()
    {
        QFETCH(QList<int>, path);
        QFETCH(QString, pathScript);
        QFETCH(QString, script);
        QFETCH(int, request);
        QFETCH(int, mode);
        TempRoot root;
        UsbDriveController usb;
        reach(usb, root, path, pathScript);
        root.setCommandScript(script);
        QCOMPARE(usb.setMode(request), mode);
        QTEST(root.commands(), "commands");
        QCOMPARE(usb.getMode(), mode);
        QCOMPARE(usb.getUsbDeviceDrivePath(), mode == 0 ? root.path("/mnt/update") : QString());
    }

    // The stick shares the mount point with the transfer drive; once it is closed the
    // drive is back there, or the mode says it is not.
    void memoryStick_data()
    {
        QTest::addColumn<QString>("openScript");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QStringList>("openCommands");
        QTest::addColumn<QString>("closeScript");
        QTest::addColumn<QStringList>("closeCommands");
        QTest::addColumn<int>("mode");

        const QStringList remount = {"umount /mnt/update", "mount -t vfat /dev/loop0 /mnt/update"};
        QTest::newRow("a stick without partitions")
            << "" << true << QStringList{"umount /mnt/update", "mount /dev/sda /mnt/update"} << ""
            << remount << 0;
        QTest::newRow("a partitioned stick")
            << "1 ^mount /dev/sda /" << true
            << QStringList{"umount /mnt/update", "mount /dev/sda /mnt/update",
                           "mount /dev/sda1 /mnt/update"}
            << "" << remount << 0;
        QTest::newRow("no stick") << "1 ^mount /dev/sda" << false
                                  << QStringList{"umount /mnt/update", "mount /dev/sda /mnt/update",
                                                 "mount /dev/sda1 /mnt/update"}
                                  << "1 ^umount" << remount << 0;
        QTest::newRow("a stick that stays mounted")
            << "" << true << QStringList{"umount /mnt/update", "mount /dev/sda /mnt/update"}
            << "1 ^umount" << QStringList{"umount /mnt/update"} << 2;
        QTest::newRow("the drive does not come back")
            << "" << true << QStringList{"umount /mnt/update", "mount /dev/sda /mnt/update"}
            << "1 ^mount -t vfat" << remount << 2;
    }
    void memoryStick()
    {
        QFETCH(bool, opened);
        QFETCH(QString, closeScript);
        QFETCH(int, mode);
        TempRoot root;
        UsbDriveController usb;
        reach(usb, root, {1, 0}, QString());
        const QString mountPoint = root.path("/mnt/update");

        QFETCH(QString, openScript);
        root.setCommandScript(openScript);
        QCOMPARE(usb.openUsbStick(), opened);
        QTEST(root.commands(), "openCommands");
        QCOMPARE(usb.getUsbStickDrivePath(), opened ? mountPoint : QString());
        // While the stick sits on the mount point the transfer drive is not reachable.
        QCOMPARE(usb.getUsbDeviceDrivePath(), QString());

        root.clearCommands();
        root.setCommandScript(closeScript);
        QCOMPARE(usb.closeUsbStick(), closeScript != "1 ^umount");
        QTEST(root.commands(), "closeCommands");
        QCOMPARE(usb.getUsbStickDrivePath(), QString());
        QCOMPARE(usb.getMode(), mode);
        QCOMPARE(usb.getUsbDeviceDrivePath(), mode == 0 ? mountPoint : QString());
    }

    // Only the transfer drive in mode 0 is ever emptied: never a stick, never a drive
    // the PC holds.
    void erasingTheDrive()
    {
        TempRoot root;
        const auto fill = [&root] {
            return root.writeFile("/mnt/update/Results_1.vexd", "r") &&
                   root.writeFile("/mnt/update/.hidden", "h") &&
                   root.writeFile("/mnt/update/folder/inner.csv", "c");
        };
        const QDir drive(root.path("/mnt/update"));
        const auto entries = [&drive] {
            return drive.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size();
        };
        UsbDriveController usb;
        QVERIFY(fill());
        usb.eraseExternalDrive(); // mode 2
        QCOMPARE(entries(), 3);
        usb.setMode(1);
        usb.eraseExternalDrive();
        QCOMPARE(entries(), 3);
        usb.setMode(0);
        QVERIFY(usb.openUsbStick());
        usb.eraseExternalDrive();
        QCOMPARE(entries(), 3);
        usb.closeUsbStick();
        usb.eraseExternalDrive();
        QCOMPARE(entries(), 0);
        QVERIFY(drive.exists());
    }
};

RONDIX_TEST(TestUsbDriveController)
#include "tst_UsbDriveController.moc"
