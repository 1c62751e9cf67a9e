#include "HostPinPage.h"
#include "Pic18Simulator.h"
#include "TempRoot.h"
#include "TestRegistry.h"
#include "UpdaterProgressScreen.h"
#include "UpdaterStartup.h"
#include "UpdaterTestSupport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTimer>
#include <QTest>

using namespace UpdaterTestSupport;

// A line of "update_config" -> the commands run, the lines of the log and the result.
class CommandListInterpreterTest : public QObject
{
    Q_OBJECT
private slots:
    void lines_data();
    void lines();
    void systemTypeOutlivesTheList();
    void picCommandWithoutTarget();
    void commandThatAsksReadsNothing();
    void fileEntryGoesOverTheSamePath_data();
    void fileEntryGoesOverTheSamePath();
    void esaPortClosedFailsAtOnce();
    void finalPause();
    void progressReplacesOnlyTheLastLine();
};

static const QString App = QStringLiteral("/usr/local/Trolltech/Qt-Target-version-optimised/Rondix");

// Every command of the root runs the shell script body in place of the recorder, with the
// command line as its one argument; the root puts the recorder back when it goes.
static bool runCommandsWith(const TempRoot &root, const QByteArray &body)
{
    const QString program = root.path("/exec");
    if (!root.writeFile("/exec", "#!/bin/sh\n" + body)
        || !QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner))
        return false;
    qputenv("INSTRUMENT_EXEC", QFile::encodeName(program));
    return true;
}

void CommandListInterpreterTest::lines_data()
{
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QStringList>("packageFiles");
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<bool>("result");

    const QStringList none;
    QTest::newRow("system only ends well")
        << QStringList{"SYSTEM:NAND", "SYSTEM:SDCARD"} << none << "" << false << none
        << QStringList{"System Type set to: NAND", "System Type set to: SDCARD"} << true;
    QTest::newRow("app on nand")
        << QStringList{"APP:/Rondix"} << QStringList{"/Rondix"} << "" << false
        << QStringList{"mount ubi0:rootfs -o remount,rw"} << QStringList{"Updating Application with file: /Rondix"}
        << true;
    QTest::newRow("app on sd card, remount fails: no copy")
        << QStringList{"SYSTEM:SDCARD", "APP:/Rondix"} << none << "1 ^mount / -o remount,rw$" << false
        << QStringList{"mount / -o remount,rw"}
        << QStringList{"System Type set to: SDCARD", "Updating Application with file: /Rondix",
                       "red|Failed - Updating Application with file: /Rondix"}
        << false;
    QTest::newRow("app missing or a folder: old program stays")
        << QStringList{"APP:/Rondix", "APP:/bin/"} << QStringList{"/bin/Rondix"} << "" << false
        << QStringList{"mount ubi0:rootfs -o remount,rw", "mount ubi0:rootfs -o remount,rw"}
        << QStringList{"Updating Application with file: /Rondix",
                       "red|Failed - Updating Application with file: /Rondix",
                       "Updating Application with file: /bin/",
                       "red|Failed - Updating Application with file: /bin/"}
        << false;
    QTest::newRow("unknown system type: app and kernel fail, nothing runs")
        << QStringList{"SYSTEM:sdcard", "KERNEL:/uImage", "APP:/Rondix"} << QStringList{"/uImage"} << "" << false
        << none
        << QStringList{"System Type error: Unknown Type: sdcard", "Updating kernel with file: /uImage",
                       "red|Failed - Updating kernel with file: /uImage",
                       "Updating Application with file: /Rondix",
                       "red|Failed - Updating Application with file: /Rondix"}
        << false;
    QTest::newRow("kernel on nand")
        << QStringList{"KERNEL:/uImage"} << QStringList{"/uImage"} << "" << false
        << QStringList{"flash_eraseall /dev/mtd0", "nandwrite /dev/mtd0 /tmp/firmware_update/uImage -p"}
        << QStringList{"Updating kernel with file: /uImage"} << true;
    QTest::newRow("kernel erase fails: nothing written")
        << QStringList{"KERNEL:/uImage"} << QStringList{"/uImage"} << "1 ^flash_eraseall" << false
        << QStringList{"flash_eraseall /dev/mtd0"}
        << QStringList{"Updating kernel with file: /uImage", "red|Failed - Updating kernel with file: /uImage"}
        << false;
    QTest::newRow("kernel missing: nothing erased")
        << QStringList{"KERNEL:/uImage"} << none << "" << false << none
        << QStringList{"Updating kernel with file: /uImage", "red|Failed - Updating kernel with file: /uImage"}
        << false;
    QTest::newRow("kernel on sd card")
        << QStringList{"SYSTEM:SDCARD", "KERNEL:/uImage"} << QStringList{"/uImage"} << "" << false
        << QStringList{"sdimage -f /tmp/firmware_update/uImage -d /dev/mmcblk0"}
        << QStringList{"System Type set to: SDCARD", "Updating kernel with file: /uImage"} << true;
    QTest::newRow("image on nand")
        << QStringList{"SYSTEM:NAND", "IMAGE:/rootfs.ubi"} << QStringList{"/rootfs.ubi"} << "" << false
        << QStringList{"cp /usr/bin/ubiformat /tmp", "cp /tmp/firmware_update/rootfs.ubi /tmp",
                       "flash_eraseall /dev/mtd1", "/tmp/ubiformat /dev/mtd1 -f /tmp/rootfs.ubi"}
        << QStringList{"System Type set to: NAND", "Updating root image with file: /rootfs.ubi"} << true;
    QTest::newRow("image after sd card: wrong type, nothing touched")
        << QStringList{"SYSTEM:SDCARD", "IMAGE:/rootfs.ubi"} << QStringList{"/rootfs.ubi"} << "" << false << none
        << QStringList{"System Type set to: SDCARD", "Updating root image with file: /rootfs.ubi",
                       "red|Failed - Updating root image with file: /rootfs.ubi", "red|Wrong System type"}
        << false;
    QTest::newRow("image below the top: nothing erased")
        << QStringList{"IMAGE:/img/rootfs.ubi"} << QStringList{"/img/rootfs.ubi"} << "" << false << none
        << QStringList{"Updating root image with file: /img/rootfs.ubi",
                       "red|Failed - Updating root image with file: /img/rootfs.ubi"}
        << false;
    QTest::newRow("image missing: nothing erased")
        << QStringList{"IMAGE:/rootfs.ubi"} << none << "" << false << none
        << QStringList{"Updating root image with file: /rootfs.ubi",
                       "red|Failed - Updating root image with file: /rootfs.ubi"}
        << false;
    QTest::newRow("image named like its tool: nothing copied, nothing erased")
        << QStringList{"IMAGE:/ubiformat"} << QStringList{"/ubiformat"} << "" << false << none
        << QStringList{"Updating root image with file: /ubiformat",
                       "red|Failed - Updating root image with file: /ubiformat"}
        << false;
    QTest::newRow("image tool copy fails: nothing erased")
        << QStringList{"IMAGE:/rootfs.ubi"} << QStringList{"/rootfs.ubi"} << "1 ^cp /tmp/firmware_update" << false
        << QStringList{"cp /usr/bin/ubiformat /tmp", "cp /tmp/firmware_update/rootfs.ubi /tmp"}
        << QStringList{"Updating root image with file: /rootfs.ubi",
                       "red|Failed - Updating root image with file: /rootfs.ubi"}
        << false;
    QTest::newRow("file")
        << QStringList{"FILE:/etc/app.conf"} << QStringList{"/etc/app.conf"} << "" << false
        << QStringList{"mount ubi0:rootfs -o remount,rw", "cp -a /tmp/firmware_update/etc/app.conf /etc/app.conf"}
        << QStringList{"Updating root files with folder: /etc/app.conf"} << true;
    QTest::newRow("file remount fails: no copy")
        << QStringList{"FILE:/etc"} << QStringList{"/etc/app.conf"} << "1 remount" << false << QStringList{"mount ubi0:rootfs -o remount,rw"}
        << QStringList{"Updating root files with folder: /etc", "red|Failed - Updating root files with folder: /etc"}
        << false;
    QTest::newRow("file climbing out: refused")
        << QStringList{"FILE:/../../etc/passwd", "FILE:etc/passwd", "FILE:/", "FILE:/.", "FILE:/.//"} << none
        << "" << false << none
        << QStringList{"Updating root files with folder: /../../etc/passwd",
                       "red|Failed - Updating root files with folder: /../../etc/passwd",
                       "Updating root files with folder: etc/passwd",
                       "red|Failed - Updating root files with folder: etc/passwd",
                       "Updating root files with folder: /", "red|Failed - Updating root files with folder: /",
                       "Updating root files with folder: /.", "red|Failed - Updating root files with folder: /.",
                       "Updating root files with folder: /.//",
                       "red|Failed - Updating root files with folder: /.//"}
        << false;
    QTest::newRow("script")
        << QStringList{"SCRIPT:/post.sh"} << none << "" << false << QStringList{"/tmp/firmware_update/post.sh"}
        << QStringList{"Running script file: /post.sh"} << true;
    QTest::newRow("script fails")
        << QStringList{"SCRIPT:/post.sh"} << none << "3 post.sh" << false
        << QStringList{"/tmp/firmware_update/post.sh"}
        << QStringList{"Running script file: /post.sh", "red|Failed - Running script file: /post.sh"} << false;
    QTest::newRow("script climbing out: refused")
        << QStringList{"SCRIPT:/../../bin/reboot"} << none << "" << false << none
        << QStringList{"Running script file: /../../bin/reboot",
                       "red|Failed - Running script file: /../../bin/reboot"}
        << false;
    QTest::newRow("name with blanks stays one argument")
        << QStringList{"SCRIPT:/my script.sh -rf /"} << none << "" << false
        << QStringList{"'/tmp/firmware_update/my script.sh -rf /'"}
        << QStringList{"Running script file: /my script.sh -rf /"} << true;
    QTest::newRow("bad lines")
        << QStringList{"", "APP", "SCRIPT:/at:12:00", "SYSTEM:NAND"} << none << "" << false << none
        << QStringList{"red|Bad command format.   ", "red|Bad command format.   ", "red|Bad command format.   ",
                       "System Type set to: NAND"}
        << false;
    QTest::newRow("unknown command")
        << QStringList{"VALVE:/x"} << none << "" << false << none << QStringList{"red|Unknown command: VALVE:/x"}
        << false;
    QTest::newRow("pic disabled")
        << QStringList{"PIC3:/ch.hex"} << QStringList{"/ch.hex"} << "" << false << none
        << QStringList{"red|Failed - PIC updates not enabled"} << false;
    QTest::newRow("pic outside 1..4 is unknown")
        << QStringList{"PIC5:/ch.hex", "PIC:/ch.hex"} << QStringList{"/ch.hex"} << "" << true << none
        << QStringList{"red|Unknown command: PIC5:/ch.hex", "red|Unknown command: PIC:/ch.hex"} << false;
    QTest::newRow("pic hex file missing")
        << QStringList{"PIC2:/ch.hex"} << none << "" << true << none
        << QStringList{"Updating PIC 2 with file: /ch.hex", "red|File refused - not in the package",
                       "red|PIC 2 left untouched", "red|Failed - Updating PIC[2] with file /ch.hex"}
        << false;
    QTest::newRow("esa disabled")
        << QStringList{"ESA_IO_APP:/io.bin", "ESA_M_EEP:/m.eep"} << QStringList{"/io.bin", "/m.eep"} << "" << false
        << none
        << QStringList{"Updating ESA IO Board Application with file: /io.bin", "red|Failed - AVR updates not enabled",
                       "red|Failed - Updating ESA IO Board Application with file: /io.bin",
                       "Updating ESA Measurement Board EEPROM with file: /m.eep",
                       "red|Failed - AVR updates not enabled",
                       "red|Failed - Updating ESA Measurement Board EEPROM with file: /m.eep"}
        << false;
}

void CommandListInterpreterTest::lines()
{
    QFETCH(QStringList, list);
    QFETCH(QStringList, packageFiles);
    QFETCH(QString, script);
    QFETCH(bool, enabled);
    QFETCH(QStringList, commands);
    QFETCH(QStringList, log);

    TempRoot root;
    UpdaterStartup::configureSettings();
    writeSettings(enabled, enabled);
    for (const QString &f : packageFiles)
        QVERIFY(root.writeFile("/tmp/firmware_update" + f, "content"));
    QVERIFY(root.writeFile(App, "old program"));
    root.setCommandScript(script);
    const auto screenOwner = progressScreen();
    UpdaterProgressScreen &screen = *screenOwner;

    const bool result = screen.processCommandList(list);
    QCOMPARE(logLines(screen.progressMessageWindow), log + QStringList{"Finalising update, please wait"});
    QCOMPARE(root.commands(), commands + QStringList{"sync"});
    QTEST(result, "result");
    // The program is replaced whole or not at all.
    const bool installed = list.contains("APP:/Rondix") && packageFiles.contains("/Rondix") && result;
    QCOMPARE(root.readFile(App), QByteArray(installed ? "content" : "old program"));
    QVERIFY(!QFile::exists(root.path(App + ".new")));
}

void CommandListInterpreterTest::systemTypeOutlivesTheList()
{
    TempRoot root;
    UpdaterStartup::configureSettings();
    const auto screenOwner = progressScreen();
    UpdaterProgressScreen &screen = *screenOwner;
    QCOMPARE(screen.systemType(), int(UpdaterProgressScreen::SystemNand));
    screen.processCommandList({"SYSTEM:SDCARD"});
    root.clearCommands();
    QVERIFY(!screen.processCommandList({"IMAGE:/rootfs.ubi"}));
    QCOMPARE(root.commands(), QStringList{"sync"});
}

void CommandListInterpreterTest::picCommandWithoutTarget()
{
    // Pin controller there but no channel controller answering: an enabled PIC command
    // shows the erase start, then names what answered (nothing: a data line held low)
    // instead of erasing, and its failure line.
    TempRoot root;
    auto page = std::make_shared<HostPinPage>();
    page->install();
    struct Uninstall { ~Uninstall() { HostPinPage::uninstall(); } } uninstall;
    UpdaterStartup::configureSettings();
    writeSettings(true, false);
    QVERIFY(root.writeFile("/tmp/firmware_update/ch.hex", ":04010000DEADBEEFC3\n:00000001FF\n"));
    const auto screenOwner = progressScreen();
    UpdaterProgressScreen &screen = *screenOwner;
    QVERIFY(!screen.processCommandList({"PIC3:/ch.hex"}));
    QCOMPARE(logLines(screen.progressMessageWindow),
             (QStringList{"Updating PIC 3 with file: /ch.hex", "Erasing PIC: ", "orange|0% ",
                          "red|PIC not erased: Unknown PIC: 0", "red|Failed - Updating PIC[3] with file /ch.hex",
                          "Finalising update, please wait"}));

    // A programmer that has not finished within the time limit fails the line.
    Pic18Simulator pic1(page, 1);
    pic1.useAsDelaySource();
    const auto late = progressScreen();
    late->setWaitTimes(0, 0, 0);
    QVERIFY(!late->processCommandList({"PIC1:/ch.hex"}));
    QCOMPARE(logLines(late->progressMessageWindow),
             (QStringList{"Updating PIC 1 with file: /ch.hex", "Erasing PIC: ", "orange|0% ",
                          "red|Failed - Updating PIC[1] with file /ch.hex", "Finalising update, please wait"}));

    // Without a reachable pin controller the line fails before anything is driven.
    page->setMapped(false);
    const int writes = page->writeCount();
    const auto unmapped = progressScreen();
    unmapped->setWaitTimes(0, 0, 60000);
    QVERIFY(!unmapped->processCommandList({"PIC2:/ch.hex"}));
    QCOMPARE(logLines(unmapped->progressMessageWindow),
             (QStringList{"Updating PIC 2 with file: /ch.hex", "red|Failed - Updating PIC[2] with file /ch.hex",
                          "Finalising update, please wait"}));
    QCOMPARE(page->writeCount(), writes);
}

void CommandListInterpreterTest::commandThatAsksReadsNothing()
{
    // Package scripts ask a question: the first fails on the missing answer, the second
    // goes on without it; the update carries on to its end either way. Should the input
    // ever be a pipe nobody writes again, each script gives up after 20 s on its own.
    TempRoot root;
    UpdaterStartup::configureSettings();
    QVERIFY(runCommandsWith(root, "( sleep 20; kill $$ ) & watchdog=$!\n"
                                  "read answer; rc=$?\n"
                                  "kill $watchdog\n"
                                  "echo \"$1 $rc\" >> \"$INSTRUMENT_ROOT/asked\"\n"
                                  "case \"$1\" in *must*) exit $rc ;; esac\n"));
    const auto screenOwner = progressScreen();
    UpdaterProgressScreen &screen = *screenOwner;
    // Each command is named in the debug log before the update waits for it.
    QTest::ignoreMessage(QtDebugMsg, "running: /tmp/firmware_update/must_answer.sh");
    QTest::ignoreMessage(QtDebugMsg, "running: /tmp/firmware_update/may_answer.sh");
    QElapsedTimer t;
    t.start();
    const bool result = screen.processCommandList({"SCRIPT:/must_answer.sh", "SCRIPT:/may_answer.sh"});
    const qint64 took = t.elapsed();
    QVERIFY(!result);
    QVERIFY2(took < 15000, qPrintable(QString::number(took)));
    QCOMPARE(root.readFile("/asked"),
             QByteArray("/tmp/firmware_update/must_answer.sh 1\n/tmp/firmware_update/may_answer.sh 1\nsync 1\n"));
    QCOMPARE(logLines(screen.progressMessageWindow),
             (QStringList{"Running script file: /must_answer.sh", "red|Failed - Running script file: /must_answer.sh",
                          "Running script file: /may_answer.sh", "Finalising update, please wait"}));
}

void CommandListInterpreterTest::fileEntryGoesOverTheSamePath_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QStringList>("packageFiles");
    QTest::addColumn<QStringList>("systemFiles");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QStringList>("afterwards"); // files of the running system with "new" content
    QTest::addColumn<bool>("result");

    const QStringList none;
    const QString remount = "mount ubi0:rootfs -o remount,rw";
    QTest::newRow("folder onto its folder")
        << "/etc/init.d" << QStringList{"/etc/init.d/S99app", "/etc/init.d/S10net"}
        << QStringList{"/etc/init.d/S10net", "/etc/init.d/S50old"}
        << QStringList{remount, "cp -a /tmp/firmware_update/etc/init.d/. /etc/init.d"}
        << QStringList{"/etc/init.d/S10net", "/etc/init.d/S99app"} << true;
    QTest::newRow("folder named with a slash")
        << "/etc/init.d/" << QStringList{"/etc/init.d/S99app"} << QStringList{"/etc/init.d/S50old"}
        << QStringList{remount, "cp -a /tmp/firmware_update/etc/init.d/. /etc/init.d/"}
        << QStringList{"/etc/init.d/S99app"} << true;
    QTest::newRow("folder not there yet")
        << "/etc/init.d" << QStringList{"/etc/init.d/S99app"} << QStringList{"/etc/motd"}
        << QStringList{remount, "cp -a /tmp/firmware_update/etc/init.d/. /etc/init.d"}
        << QStringList{"/etc/init.d/S99app"} << true;
    QTest::newRow("file onto its file")
        << "/etc/app.conf" << QStringList{"/etc/app.conf"} << QStringList{"/etc/app.conf"}
        << QStringList{remount, "cp -a /tmp/firmware_update/etc/app.conf /etc/app.conf"}
        << QStringList{"/etc/app.conf"} << true;
    QTest::newRow("file onto a folder: refused")
        << "/etc/app.conf" << QStringList{"/etc/app.conf"} << QStringList{"/etc/app.conf/x"} << none << none
        << false;
    QTest::newRow("folder onto a file: refused")
        << "/etc/init.d" << QStringList{"/etc/init.d/S99app"} << QStringList{"/etc/init.d"} << none << none
        << false;
    QTest::newRow("not in the package: refused") << "/etc/init.d" << none << none << none << none << false;
}

void CommandListInterpreterTest::fileEntryGoesOverTheSamePath()
{
    QFETCH(QString, argument);
    QFETCH(QStringList, packageFiles);
    QFETCH(QStringList, systemFiles);
    QFETCH(QStringList, commands);
    QFETCH(QStringList, afterwards);

    // The copy runs for real, below the root; every other command only succeeds.
    TempRoot root;
    UpdaterStartup::configureSettings();
    QVERIFY(runCommandsWith(root, "echo \"$1\" >> \"$INSTRUMENT_EXEC_LOG\"\n"
                                  "eval \"set -- $1\"\n"
                                  "[ \"$1\" = cp ] || exit 0\n"
                                  "exec cp \"$2\" \"$INSTRUMENT_ROOT$3\" \"$INSTRUMENT_ROOT$4\"\n"));
    for (const QString &f : packageFiles)
        QVERIFY(root.writeFile("/tmp/firmware_update" + f, "new"));
    for (const QString &f : systemFiles)
        QVERIFY(root.writeFile(f, "old"));
    const auto screenOwner = progressScreen();
    const bool result = screenOwner->processCommandList({"FILE:" + argument});

    QTEST(result, "result");
    QCOMPARE(root.commands(), commands + QStringList{"sync"});
    QStringList logged{"Updating root files with folder: " + argument};
    if (!result)
        logged << "red|Failed - Updating root files with folder: " + argument;
    QCOMPARE(logLines(screenOwner->progressMessageWindow), logged + QStringList{"Finalising update, please wait"});
    for (const QString &f : afterwards)
        QCOMPARE(root.readFile(f), QByteArray("new"));
    // Nothing lands inside a folder under its own name; what the package does not hold
    // stays as it was.
    QVERIFY(!QFileInfo::exists(root.path("/etc/init.d/init.d")));
    QVERIFY(!QFileInfo::exists(root.path("/etc/app.conf/app.conf")));
    for (const QString &f : systemFiles)
        if (!afterwards.contains(f))
            QCOMPARE(root.readFile(f), QByteArray("old"));
}

void CommandListInterpreterTest::esaPortClosedFailsAtOnce()
{
    TempRoot root;
    UpdaterStartup::configureSettings();
    writeSettings(false, true);
    QVERIFY(root.writeFile("/tmp/firmware_update/m.bin", "image"));
    const auto screenOwner = progressScreen();
    UpdaterProgressScreen &screen = *screenOwner;
    QVERIFY(!screen.processCommandList({"ESA_M_APP:/m.bin"}));
    QCOMPARE(logLines(screen.progressMessageWindow),
             (QStringList{"Updating ESA Measurement Board Application with file: /m.bin",
                          "red|Failed - serial port to the ESA boards not open",
                          "red|Failed - Updating ESA Measurement Board Application with file: /m.bin",
                          "Finalising update, please wait"}));
}

void CommandListInterpreterTest::finalPause()
{
    // The list ends with a pause during which the screen keeps working: the scroll keys
    // act while it lasts.
    TempRoot root;
    UpdaterStartup::configureSettings();
    const auto screenOwner = progressScreen();
    UpdaterProgressScreen &screen = *screenOwner;
    screen.setWaitTimes(300, 0, 60000);
    bool ranDuringPause = false;
    QTimer::singleShot(50, &screen, [&] { ranDuringPause = true; });
    QElapsedTimer t;
    t.start();
    QVERIFY(screen.processCommandList({"SYSTEM:NAND"}));
    QVERIFY(t.elapsed() >= 300);
    QVERIFY(ranDuringPause);
}

void CommandListInterpreterTest::progressReplacesOnlyTheLastLine()
{
    TempRoot root;
    UpdaterStartup::configureSettings();
    const auto screenOwner = progressScreen();
    UpdaterProgressScreen &screen = *screenOwner;
    screen.blockErased(7); // on an empty log the percentage is the only line
    QCOMPARE(logLines(screen.progressMessageWindow), QStringList{"orange|7%"});
    screen.blockErased(99);
    QCOMPARE(logLines(screen.progressMessageWindow), QStringList{"orange|99%"});
    screen.picEraseComplete();
    screen.picLineProgrammed(5);
    screen.picLineProgrammed(100);
    QCOMPARE(logLines(screen.progressMessageWindow),
             (QStringList{"orange|99%", "PIC Erase Complete", "Programming PIC: ", "orange|100%"}));
    screen.picEraseError();
    QCOMPARE(logLines(screen.progressMessageWindow).mid(4), (QStringList{"red|PIC Erase Error", "red| "}));
}

RONDIX_TEST(CommandListInterpreterTest)
#include "tst_CommandListInterpreter.moc"
