#include "EsaBootLoaderSim.h"
#include "EsaDownload.h"
#include "HostPinPage.h"
#include "IntelHexText.h"
#include "Pic18Simulator.h"
#include "PicDelay.h"
#include "PtyPair.h"
#include "TempRoot.h"
#include "TestRegistry.h"
#include "UpdaterProgressScreen.h"
#include "UpdaterStartup.h"
#include "UpdaterTestSupport.h"

#include "TtyHandler.h"

#include <QElapsedTimer>
#include <QMap>
#include <QTest>

#include <memory>

#include <sys/ioctl.h>
#include <sys/resource.h>

using namespace UpdaterTestSupport;

namespace {
// The progress screen with a simulated channel controller 3 on the pin page and both ESA
// boards on the serial line.
struct CommandBench
{
    explicit CommandBench(bool avrEnable = true) : page(std::make_shared<HostPinPage>()), pic(page, 3)
    {
        UpdaterStartup::configureSettings();
        writeSettings(true, avrEnable);
        page->install();
        pic.useAsDelaySource();
        pty.open(root.path("/dev/ttyAPP1"));
        boards.reset(new EsaBootLoaderSim(&pty, page));
        screen.reset(new UpdaterProgressScreen);
        screen->setWaitTimes(0, 0, 120000);
    }
    ~CommandBench() { HostPinPage::uninstall(); }

    // Every line of the power board idle: clock, data and the four resets released.
    bool linesIdle() const
    {
        return (page->read(0xB40) & 0xC400) == 0 && (page->read(0xB20) & 0x228000) == 0;
    }

    TempRoot root;
    std::shared_ptr<HostPinPage> page;
    Pic18Simulator pic;
    PtyPair pty;
    std::unique_ptr<EsaBootLoaderSim> boards;
    std::unique_ptr<UpdaterProgressScreen> screen;
};

// Processor time this process has used, user and system, in milliseconds.
qint64 processCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (qint64(usage.ru_utime.tv_sec) + usage.ru_stime.tv_sec) * 1000
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000;
}

} // namespace

class TestPicEsaCommands : public QObject
{
    Q_OBJECT
private slots:
    void programsAndDownloadsFromTheList()
    {
        CommandBench bench;
        bench.pic.setProgramMemory(0, QByteArray(0x10000, '\0'));
        QByteArray image;
        for (int i = 0; i < 700; ++i)
            image.append(char(i ^ 0x5A));
        QByteArray io;
        for (int i = 0; i < 300; ++i)
            io.append(char(i * 3));
        bench.root.writeFile("/tmp/firmware_update/ch3.hex", intelHexText(image, "\r\n"));
        bench.root.writeFile("/tmp/firmware_update/io.bin", io);

        QVERIFY(bench.screen->processCommandList({"PIC3:/ch3.hex", "ESA_IO_APP:/io.bin"}));

        QByteArray expected(0x10000, char(0xFF));
        expected.replace(0, image.size(), image);
        QVERIFY(bench.pic.programMemory() == expected);
        QCOMPARE(bench.pic.violations(), QStringList());
        QCOMPARE(bench.pic.state(), Pic18Simulator::Running);
        QCOMPARE(bench.boards->image(EsaBootLoaderSim::Io), io + QByteArray(84, '\x1a'));
        QVERIFY(bench.linesIdle());
        QCOMPARE(logLines(bench.screen->progressMessageWindow),
                 QStringList({"Updating PIC 3 with file: /ch3.hex", "Erasing PIC: ", "orange|99%",
                              "PIC Erase Complete", "Programming PIC: ", "orange|100%",
                              "Updating ESA IO Board Application with file: /io.bin",
                              "Finalising update, please wait"}));
    }

    void packageProgramsAllFourChannels()
    {
        CommandBench bench;
        // Four controllers on the one set of programming lines, each behind its own reset
        // line, all on the same clock.
        Pic18Simulator pic1(bench.page, 1), pic2(bench.page, 2), pic4(bench.page, 4);
        Pic18Simulator *pics[] = {&pic1, &pic2, &bench.pic, &pic4};
        PicDelay::setSource([&pics](qint64 ns) {
            for (Pic18Simulator *p : pics)
                p->advance(ns);
        });
        QMap<QString, QByteArray> files;
        QByteArray config;
        QList<QByteArray> images;
        for (int n = 1; n <= 4; ++n) {
            pics[n - 1]->setProgramMemory(0, QByteArray(0x10000, '\0'));
            QByteArray image;
            for (int i = 0; i < 200 * n + 33; ++i)
                image.append(char(i * n + 7));
            images << image;
            const QString name = QStringLiteral("ch%1.hex").arg(n);
            files.insert("firmware_update/" + name, intelHexText(image));
            config += QStringLiteral("PIC%1:/%2\n").arg(n).arg(name).toLatin1();
        }
        files.insert("firmware_update/update_config", config);
        makeDeviceFolders(bench.root);
        QVERIFY(makePackage(bench.root.path("/mnt/update/firmware_update.tar.bz2"), files));

        bench.screen->setUpdateType(2);
        bench.screen->F1Clicked();
        PicDelay::setSource({});
        const QStringList log = logLines(bench.screen->progressMessageWindow);
        QCOMPARE(log.at(log.size() - 2),
                 QString("green|Update complete, restart the system or press F1 to return to the main screen"));
        for (int n = 1; n <= 4; ++n) {
            QByteArray expected(0x10000, char(0xFF));
            expected.replace(0, images.at(n - 1).size(), images.at(n - 1));
            QVERIFY2(pics[n - 1]->programMemory() == expected, qPrintable(QString::number(n)));
            QCOMPARE(pics[n - 1]->violations(), QStringList());
            QCOMPARE(pics[n - 1]->state(), Pic18Simulator::Running);
            QVERIFY(log.contains(QStringLiteral("Updating PIC %1 with file: /ch%1.hex").arg(n)));
        }
        QVERIFY(bench.linesIdle());
    }

    // Refused before any line moved, with the reason on the screen: no erase, the old
    // firmware runs on.
    void unprogrammableHexLeavesOldFirmware_data()
    {
        QTest::addColumn<QByteArray>("hex");
        QTest::addColumn<QString>("reason");
        const QByteArray good = ":04010000DEADBEEFC3\n";
        QTest::newRow("bad checksum on the second line")
            << good + ":04010400DEADBEEFC4\n:00000001FF\n"
            << "line 2: bad checksum C4, should be BF";
        QTest::newRow("upper address 0x0001, then data")
            << good + ":020000040001F9\n:020000000102FB\n:00000001FF\n"
            << "line 3: record outside the controller's memory";
        QTest::newRow("16 bytes at 0xFFF8")
            << good + ":10FFF800000102030405060708090A0B0C0D0E0F81\n:00000001FF\n"
            << "line 2: record outside the controller's memory";
        QTest::newRow("past the end of the address space")
            << good + ":02000004FFFFFC\n:10FFF800000102030405060708090A0B0C0D0E0F81\n:00000001FF\n"
            << "line 3: record outside the controller's memory";
        QTest::newRow("only the end record")
            << QByteArray(":00000001FF\n") << "no program memory to write";
        QTest::newRow("only identification locations")
            << QByteArray(":020000040020DA\n:080000000102030405060708D4\n:00000001FF\n")
            << "no program memory to write";
        QTest::newRow("16 bytes at 0x400, then 8 others at 0x408")
            << QByteArray(
                   ":10040000101112131415161718191A1B1C1D1E1F74\n:08040800AAAAAAAAAAAAAAAA9C\n"
                   ":00000001FF\n")
            << "line 2: a second value for the byte at 0x0408";
    }
    void unprogrammableHexLeavesOldFirmware()
    {
        QFETCH(QByteArray, hex);
        QFETCH(QString, reason);
        CommandBench bench;
        bench.pic.setProgramMemory(0, QByteArray(0x10000, '\x42'));
        bench.root.writeFile("/tmp/firmware_update/ch3.hex", hex);
        QVERIFY(!bench.screen->processCommandList({"PIC3:/ch3.hex"}));
        QCOMPARE(bench.page->writeCount(), 0);
        QVERIFY(bench.pic.eraseKeys().isEmpty());
        QVERIFY(bench.pic.programMemory() == QByteArray(0x10000, '\x42'));
        QCOMPARE(bench.pic.state(), Pic18Simulator::Running);
        QCOMPARE(logLines(bench.screen->progressMessageWindow),
                 (QStringList{"Updating PIC 3 with file: /ch3.hex", "red|File refused - " + reason,
                              "red|PIC 3 left untouched",
                              "red|Failed - Updating PIC[3] with file /ch3.hex",
                              "Finalising update, please wait"}));
        QVERIFY(snapshot(bench.screen.get(),
                         QStringLiteral("updater_refused_hex_%1").arg(QTest::currentDataTag())));
    }

    // A fuse that did not take ends the command red with its address and both bytes; one
    // that did leaves the list green.
    void fusesReadBackThroughTheList_data()
    {
        QTest::addColumn<bool>("refused");
        QTest::newRow("fuse taken") << false;
        QTest::newRow("fuse write refused") << true;
    }
    void fusesReadBackThroughTheList()
    {
        QFETCH(bool, refused);
        CommandBench bench;
        bench.pic.setConfigurationWritesRefused(refused);
        bench.root.writeFile("/tmp/firmware_update/ch3.hex",
                             ":04010400DEADBEEFBF\n:020000040030CA\n:0100010002FC\n:00000001FF\n");
        QCOMPARE(bench.screen->processCommandList({"PIC3:/ch3.hex"}), !refused);
        QCOMPARE(
            bench.pic.configuration().toHex(),
            QByteArray(refused ? "ffffffffffffffffffffffffffff" : "ff02ffffffffffffffffffffffff"));
        QVERIFY(bench.linesIdle());
        const QStringList log = logLines(bench.screen->progressMessageWindow);
        const QStringList failed{
            "red|Configuration byte 0x300001 not written: asked 0x02, read 0xFF",
            "red|Failed - Updating PIC[3] with file /ch3.hex", "Finalising update, please wait"};
        const QStringList programmed{"Programming PIC: ", "orange|100%",
                                     "Finalising update, please wait"};
        QCOMPARE(log.mid(log.size() - 3), refused ? failed : programmed);
        QVERIFY(snapshot(bench.screen.get(), QStringLiteral("updater_fuse_%1").arg(refused)));
    }

    // An ESA download that fails says why on the screen, above the command's failure line.
    void esaFailureSaysWhy_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("reason");
        QTest::newRow("babble after 20 blocks")
            << 0 << "Noise from the ESA board in answer to block 20";
        QTest::newRow("block refused") << 1 << "The ESA board refused block 3 (NAK)";
        QTest::newRow("end refused") << 2 << "The ESA board refused the end of the transfer (NAK)";
        QTest::newRow("no answer") << 3 << "No answer from the ESA board to block 0 within 0.3 s";
    }
    void esaFailureSaysWhy()
    {
        QFETCH(int, fault);
        QFETCH(QString, reason);
        CommandBench bench;
        bench.screen->esaDownload()->setReplyTimeout(300);
        switch (fault) {
        case 0:
            bench.boards->setBabbleAfter(20);
            break;
        case 1:
            bench.boards->refuseBlock(3);
            break;
        case 2:
            bench.boards->setEndAnswer(EsaBootLoaderSim::EndNak);
            break;
        case 3:
            bench.boards->setNoAcknowledge(true);
            break;
        }
        bench.root.writeFile("/tmp/firmware_update/io.bin", QByteArray(64 * 128, '\x5c'));
        QVERIFY(!bench.screen->processCommandList({"ESA_IO_APP:/io.bin"}));
        QCOMPARE(
            logLines(bench.screen->progressMessageWindow),
            (QStringList{"Updating ESA IO Board Application with file: /io.bin", "red|" + reason,
                         "red|Failed - Updating ESA IO Board Application with file: /io.bin",
                         "Finalising update, please wait"}));
        QVERIFY(bench.linesIdle());
        QVERIFY(snapshot(bench.screen.get(), QStringLiteral("updater_esa_failure_%1").arg(fault)));
    }

    void unknownControllerIsNotErased()
    {
        CommandBench bench;
        bench.pic.setDeviceId(0x1234);
        bench.pic.setProgramMemory(0, QByteArray(0x10000, '\x42'));
        bench.root.writeFile("/tmp/firmware_update/ch3.hex", intelHexText(QByteArray(32, '\x01')));
        QVERIFY(!bench.screen->processCommandList({"PIC3:/ch3.hex"}));
        QVERIFY(bench.pic.eraseKeys().isEmpty());
        QVERIFY(bench.pic.programMemory() == QByteArray(0x10000, '\x42'));
        QVERIFY(bench.linesIdle());
        QCOMPARE(logLines(bench.screen->progressMessageWindow),
                 (QStringList{"Updating PIC 3 with file: /ch3.hex", "Erasing PIC: ", "orange|0% ",
                              "red|PIC not erased: Unknown PIC: 4660",
                              "red|Failed - Updating PIC[3] with file /ch3.hex", "Finalising update, please wait"}));
    }

    void strayByteOnAnIdleLineCostsNothing_data()
    {
        QTest::addColumn<bool>("avrEnable");
        QTest::newRow("ESA download enabled") << true;
        QTest::newRow("ESA download disabled") << false;
    }
    void strayByteOnAnIdleLineCostsNothing()
    {
        QFETCH(bool, avrEnable);
        CommandBench bench(avrEnable);
        // One byte before any download: it is read and dropped, and the program idles.
        QTest::ignoreMessage(QtDebugMsg, "unknown received: 55");
        bench.boards->sendUnasked("\x55");
        const qint64 cpuBefore = processCpuMs();
        QElapsedTimer wall;
        wall.start();
        QTest::qWait(1000);
        const qint64 cpu = processCpuMs() - cpuBefore;
        int waiting = -1;
        QCOMPARE(::ioctl(bench.screen->esaPort()->descriptor(), FIONREAD, &waiting), 0);
        QCOMPARE(waiting, 0);
        QVERIFY2(cpu < wall.elapsed() / 4, qPrintable(QStringLiteral("%1 ms CPU").arg(cpu)));
        // The dropped byte is no part of a later download.
        if (!avrEnable)
            return;
        bench.root.writeFile("/tmp/firmware_update/io.bin", QByteArray(10, '\x07'));
        QVERIFY(bench.screen->processCommandList({"ESA_IO_APP:/io.bin"}));
        QCOMPARE(bench.boards->image(EsaBootLoaderSim::Io), QByteArray(10, '\x07') + QByteArray(118, '\x1a'));
    }

    void unreachablePinsFailBeforeAnyLineMoves()
    {
        CommandBench bench;
        bench.page->setMapped(false);
        bench.root.writeFile("/tmp/firmware_update/ch3.hex", intelHexText(QByteArray(32, '\x01')));
        bench.root.writeFile("/tmp/firmware_update/m.eep", QByteArray(64, '\x02'));
        QVERIFY(!bench.screen->processCommandList({"PIC3:/ch3.hex", "ESA_M_EEP:/m.eep"}));
        QCOMPARE(bench.page->writeCount(), 0);
        QTest::qWait(100);
        QCOMPARE(bench.pty.received(), QByteArray());
        const QStringList log = logLines(bench.screen->progressMessageWindow);
        QVERIFY(log.contains("red|Failed - Updating PIC[3] with file /ch3.hex"));
        QVERIFY(log.contains("red|Failed - Updating ESA Measurement Board EEPROM with file: /m.eep"));
    }

    void programmingOutOfTimeReleasesTheLines()
    {
        CommandBench bench;
        bench.screen->setWaitTimes(0, 0, 0);
        bench.root.writeFile("/tmp/firmware_update/ch3.hex", intelHexText(QByteArray(32, '\x01')));
        QVERIFY(!bench.screen->processCommandList({"PIC3:/ch3.hex"}));
        QVERIFY(bench.linesIdle());
        QCOMPARE(bench.pic.state(), Pic18Simulator::Running);
    }
};

RONDIX_TEST(TestPicEsaCommands)
#include "tst_PicEsaCommands.moc"
