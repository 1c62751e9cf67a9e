#include "HostPinPage.h"
#include "IntelHexText.h"
#include "Pic18Simulator.h"
#include "PicDelay.h"
#include "PicProgrammer.h"
#include "PinLines.h"
#include "TestRegistry.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A programmer's pin page with one simulated controller on it, whose clock the
// programmer's waits advance.
struct Bench
{
    explicit Bench(int picNumber = 1) : page(std::make_shared<HostPinPage>()), pic(page, picNumber)
    {
        page->install();
        pic.useAsDelaySource();
    }
    ~Bench() { HostPinPage::uninstall(); }

    std::shared_ptr<HostPinPage> page;
    Pic18Simulator pic;
};

QString writeFile(const QTemporaryDir &dir, const QByteArray &text)
{
    const QString path = dir.filePath("ch.hex");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(text);
    return path;
}

void runJob(PicProgrammer &programmer, const QString &hexPath)
{
    QObject::connect(&programmer, &PicProgrammer::eraseDone, &programmer,
                     [&] { programmer.programPic(hexPath); });
    programmer.ev_pic_begin_erase();
    QTRY_VERIFY_WITH_TIMEOUT(programmer.isFinished(), 120000);
}
} // namespace

class TestPicProgrammer : public QObject
{
    Q_OBJECT
private slots:
    void writesRecordsIntoMemory_data()
    {
        QTest::addColumn<QByteArray>("hex");
        QTest::addColumn<QByteArray>("expectedAt");   // "address:hexbytes" pairs, blank separated
        QTest::addColumn<QByteArray>("configuration"); // 14 bytes
        QTest::addColumn<int>("rowWrites");

        const QByteArray blankConfig(14, char(0xFF));
        QTest::newRow("split at the row boundary")
            << QByteArray(":10003800101112131415161718191A1B1C1D1E1F40\n:00000001FF\n")
            << QByteArray("38:101112131415161718191a1b1c1d1e1f") << blankConfig << 2;
        // The device's own bytes at 0x100 and 0x203 (set up as 5A and A5) fill the odd
        // start and odd end and are written back unchanged.
        QTest::newRow("odd start and odd length")
            << QByteArray(":0301010011223395\n:03020000445566FC\n:00000001FF\n")
            << QByteArray("100:5a112233 200:445566a5") << blankConfig << 2;
        QTest::newRow("last bytes of program memory")
            << QByteArray(":10FFF000A0A1A2A3A4A5A6A7A8A9AAABACADAEAF89\n:00000001FF\n")
            << QByteArray("fff0:a0a1a2a3a4a5a6a7a8a9aaabacadaeaf") << blankConfig << 1;
        // Configuration never comes alone: a file must carry a program for the erase.
        const QByteArray program = ":04010400DEADBEEFBF\n";
        QTest::newRow("configuration bytes one by one")
            << program + ":020000040030CA\n:0E000000000F1E2D3C4B5A69788796A5B4C39D\n:00000001FF\n"
            << QByteArray("104:deadbeef") << QByteArray::fromHex("000f1e2d3c4b5a69788796a5b4c3") << 1;
        QTest::newRow("last configuration byte alone")
            << program + ":020000040030CA\n:01000D0040B2\n:00000001FF\n" << QByteArray("104:deadbeef")
            << QByteArray::fromHex("ffffffffffffffffffffffffff40") << 1;
        QTest::newRow("upper address back to program memory")
            << QByteArray(":020000040030CA\n:01000D0040B2\n:020000040000FA\n:04010400DEADBEEFBF\n:00000001FF\n")
            << QByteArray("104:deadbeef") << QByteArray::fromHex("ffffffffffffffffffffffffff40") << 1;
        QTest::newRow("identification and data EEPROM ignored")
            << program + ":020000040020DA\n:080000000102030405060708D4\n:0200000400F00A\n"
                         ":020000000909EC\n:00000001FF\n"
            << QByteArray("104:deadbeef") << blankConfig << 1;
        QTest::newRow("overlapping records that agree")
            << QByteArray(":10040000101112131415161718191A1B1C1D1E1F74\n:0804080018191A1B1C1D1E1F10\n"
                          ":00000001FF\n")
            << QByteArray("400:101112131415161718191a1b1c1d1e1f") << blankConfig << 2;
    }
    void writesRecordsIntoMemory()
    {
        QFETCH(QByteArray, hex);
        QFETCH(QByteArray, expectedAt);
        QFETCH(QByteArray, configuration);
        QFETCH(int, rowWrites);
        Bench bench;
        bench.pic.setProgramMemory(0x100, QByteArray::fromHex("5a"));
        bench.pic.setProgramMemory(0x203, QByteArray::fromHex("a5"));
        QByteArray expected = bench.pic.programMemory();
        for (const QByteArray &part : expectedAt.split(' ')) {
            if (part.isEmpty())
                continue;
            const QList<QByteArray> f = part.split(':');
            const QByteArray bytes = QByteArray::fromHex(f.at(1));
            expected.replace(f.at(0).toInt(nullptr, 16), bytes.size(), bytes);
        }
        QTemporaryDir dir;
        PicProgrammer programmer(1);
        programmer.programPic(writeFile(dir, hex));
        QVERIFY(programmer.isFinished());
        QVERIFY(programmer.isProgrammed());
        QCOMPARE(bench.pic.programMemory().toHex(), expected.toHex());
        QCOMPARE(bench.pic.configuration().toHex(), configuration.toHex());
        QCOMPARE(bench.pic.rowWrites(), rowWrites);
        QCOMPARE(bench.pic.violations(), QStringList());
        QCOMPARE(bench.pic.state(), Pic18Simulator::Running);
    }

    // Every configuration byte written is read back and compared in the bits the family
    // implements (the others read as 0 on the chip); a fuse that did not take fails the
    // job with its address, the byte asked for and the byte read.
    void configurationReadBack_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QByteArray>("implemented");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("reason");
        const QByteArray pic4620 = QByteArray::fromHex("00cf1f1f0087c5000fc00fe00f40");
        const QByteArray pic4680 = QByteArray::fromHex("00cf1f1f0086f5000fc00fe00f40");
        const QByteArray pic4685 = QByteArray::fromHex("00cf1f1f0086f5003fc03fe03f40");
        QTest::newRow("4620 takes its fuses, unimplemented bits read as 0")
            << 0x0C07 << pic4620 << false << QByteArray(":0E000000FFFFFFFFFFFFFFFFFFFFFFFFFFFF00")
            << "";
        QTest::newRow("4685 takes its fuses")
            << 0x2763 << pic4685 << false << QByteArray(":0E000000FF061E1EFF86B5FF3FC03FE03F40DB")
            << "";
        QTest::newRow("writes refused, every fuse already as asked")
            << 0x0C07 << pic4620 << true << QByteArray(":0E000000F0071F1F5583853C0FC00FE00F4017")
            << "";
        QTest::newRow("writes refused, oscillator fuse differs")
            << 0x0C07 << pic4620 << true << QByteArray(":0E000000FF021F1FFF87C5FF0FC00FE00F405C")
            << "Configuration byte 0x300001 not written: asked 0x02, read 0x07";
        // The boot block size bits of CONFIG4L: the 4680 has them, the 4620 does not.
        QTest::newRow("writes refused, 4680 boot block size differs")
            << 0x0E81 << pic4680 << true << QByteArray(":01000600B544")
            << "Configuration byte 0x300006 not written: asked 0xB5, read 0x85";
        QTest::newRow("writes refused, 4620 lacks the boot block size bits")
            << 0x0C07 << pic4620 << true << QByteArray(":01000600B544") << "";
    }
    void configurationReadBack()
    {
        QFETCH(int, id);
        QFETCH(QByteArray, implemented);
        QFETCH(bool, refused);
        QFETCH(QByteArray, record);
        QFETCH(QString, reason);
        Bench bench;
        bench.pic.setDeviceId(quint16(id));
        bench.pic.setImplementedConfigurationBits(implemented);
        bench.pic.setConfiguration(QByteArray::fromHex("00071f1f008385000fc00fe00f40"));
        bench.pic.setConfigurationWritesRefused(refused);
        QTemporaryDir dir;
        PicProgrammer programmer(1);
        programmer.programPic(
            writeFile(dir, ":04010400DEADBEEFBF\n:020000040030CA\n" + record + "\n:00000001FF\n"));
        QVERIFY(programmer.isFinished());
        QCOMPARE(programmer.isProgrammed(), reason.isEmpty());
        QCOMPARE(programmer.failureReason(), reason);
        QCOMPARE(bench.pic.violations(), QStringList());
        QCOMPARE(bench.pic.state(), Pic18Simulator::Running);
    }

    void wholeJobReplacesOldProgram()
    {
        Bench bench(3);
        bench.pic.setProgramMemory(0, QByteArray(0x10000, '\0')); // an old program everywhere
        const QByteArray config = QByteArray::fromHex("00 0f 1e 2d 3c 4b 5a 69 78 87 96 a5 b4 c3");
        bench.pic.setConfiguration(config);
        QByteArray image;
        for (int i = 0; i < 3000; ++i)
            image.append(char(i * 7 + 3));
        QTemporaryDir dir;
        const QString path = writeFile(dir, intelHexText(image));

        PicProgrammer programmer(3);
        QSignalSpy erased(&programmer, &PicProgrammer::eraseNextBlock);
        QSignalSpy done(&programmer, &PicProgrammer::eraseDone);
        QSignalSpy lines(&programmer, &PicProgrammer::lineProgrammed);
        runJob(programmer, path);

        QVERIFY(programmer.isProgrammed());
        QByteArray expected(0x10000, char(0xFF));
        expected.replace(0, image.size(), image);
        QVERIFY(bench.pic.programMemory() == expected);
        QCOMPARE(bench.pic.configuration(), config); // erase leaves the configuration
        QCOMPARE(bench.pic.eraseKeys(), QList<quint16>({0x0081, 0x0180, 0x0280, 0x0480, 0x0880}));
        QCOMPARE(bench.pic.violations(), QStringList());
        QCOMPARE(done.count(), 1);
        QCOMPARE(erased.count(), 127);
        QCOMPARE(erased.first().at(0).toInt(), 0);
        QCOMPARE(erased.last().at(0).toInt(), 99);
        QCOMPARE(lines.last().at(0).toInt(), 100);
        QCOMPARE(bench.pic.state(), Pic18Simulator::Running);
    }

    void faultsEndTheJobUnprogrammed_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<bool>("eraseFails");
        QTest::newRow("bit stuck low in program memory") << 0 << true;
        QTest::newRow("block that will not erase") << 1 << true;
        QTest::newRow("no target, data line pulled low") << 2 << true;
        QTest::newRow("no target, data line pulled high") << 3 << true;
        QTest::newRow("bit stuck high under the data") << 4 << false;
    }
    void faultsEndTheJobUnprogrammed()
    {
        QFETCH(int, fault);
        QFETCH(bool, eraseFails);
        Bench bench(2);
        bench.pic.setProgramMemory(0x0800, QByteArray(0x400, '\x12'));
        switch (fault) {
        case 0: bench.pic.setStuckBit(0x0a00, 3, false); break;
        case 1: bench.pic.setUnerasable(0x0800, 0x0BFF); break;
        case 2: bench.pic.setAbsent(false); break;
        case 3: bench.pic.setAbsent(true); break;
        case 4: bench.pic.setStuckBit(0x0005, 0, true); break;
        }
        QTemporaryDir dir;
        PicProgrammer programmer(2);
        QSignalSpy errors(&programmer, &PicProgrammer::eraseError);
        if (fault == 4) {
            // 0x0005 gets 0x00: the stuck bit reads back as 0x01.
            programmer.programPic(writeFile(dir, intelHexText(QByteArray(16, '\0'))));
        } else {
            runJob(programmer, writeFile(dir, intelHexText(QByteArray(16, '\0'))));
        }
        QVERIFY(programmer.isFinished());
        QVERIFY(!programmer.isProgrammed());
        QCOMPARE(errors.count(), eraseFails ? 1 : 0);
        // A byte that does not read back is named with both values.
        QCOMPARE(programmer.failureReason(),
                 fault == 4 ? QString("Verify failed at 0x0005: asked 0x00, read 0x01")
                            : QString());
        if (fault >= 2 && fault <= 3)
            QVERIFY(bench.pic.eraseKeys().isEmpty());
        QVERIFY(bench.pic.state() != Pic18Simulator::Programming);
        QCOMPARE(bench.pic.violations(), QStringList());
    }

    void badFileTouchesNothing_data()
    {
        QTest::addColumn<QByteArray>("hex");
        const QByteArray good = ":04010000DEADBEEFC3\n";
        QTest::newRow("no colon") << QByteArray("04010000DEADBEEFC3\n:00000001FF\n");
        QTest::newRow("not hexadecimal") << good + ":04010000DEADBEXFC3\n:00000001FF\n";
        QTest::newRow("count too large") << good + ":05010000DEADBEEFC3\n:00000001FF\n";
        QTest::newRow("checksum") << good + ":04010000DEADBEEFC4\n:00000001FF\n";
        QTest::newRow("segment address record") << good + ":020000021000EC\n:00000001FF\n";
        QTest::newRow("start address record") << good + ":0400000500000000F7\n:00000001FF\n";
        QTest::newRow("no end record") << good;
        QTest::newRow("data after the end") << good + ":00000001FF\n" + good;
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("past program memory") << good + ":020000040001F9\n:020000000102FB\n:00000001FF\n";
        QTest::newRow("crossing the end of program memory")
            << good + ":10FFF800000102030405060708090A0B0C0D0E0F81\n:00000001FF\n";
        QTest::newRow("running past the address space")
            << good + ":02000004FFFFFC\n:10FFF800000102030405060708090A0B0C0D0E0F81\n:00000001FF\n";
        // Nothing for program memory: the erase would leave the channel blank.
        QTest::newRow("only the end record") << QByteArray(":00000001FF\n");
        QTest::newRow("only identification locations")
            << QByteArray(":020000040020DA\n:080000000102030405060708D4\n:00000001FF\n");
        QTest::newRow("only configuration") << QByteArray(":020000040030CA\n:02000000000FEF\n:00000001FF\n");
        QTest::newRow("only data EEPROM") << QByteArray(":0200000400F00A\n:020000000909EC\n:00000001FF\n");
        QTest::newRow("overlapping records that differ")
            << QByteArray(":10040000101112131415161718191A1B1C1D1E1F74\n:08040800AAAAAAAAAAAAAAAA9C\n"
                          ":00000001FF\n");
    }
    void badFileTouchesNothing()
    {
        QFETCH(QByteArray, hex);
        Bench bench;
        bench.pic.setProgramMemory(0, QByteArray(0x10000, '\x33'));
        const QByteArray before = bench.pic.programMemory();
        QTemporaryDir dir;
        PicProgrammer programmer(1);
        programmer.programPic(writeFile(dir, hex));
        QVERIFY(programmer.isFinished());
        QVERIFY(!programmer.isProgrammed());
        QVERIFY2(programmer.failureReason().startsWith("File refused after the erase - "),
                 qPrintable(programmer.failureReason()));
        // Records outside the chip are found before the good record ahead of them is
        // written.
        QCOMPARE(bench.pic.rowWrites(), 0);
        QVERIFY(bench.pic.programMemory() == before);
        QCOMPARE(bench.pic.state(), Pic18Simulator::Running);
    }

    void eraseOnlyAKnownFamily_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("refused");
        QTest::newRow("PIC18F4620") << 0x0C07 << "";
        QTest::newRow("PIC18F4680") << 0x0E81 << "";
        QTest::newRow("PIC18F4682") << 0x2742 << "";
        QTest::newRow("PIC18F4685") << 0x277F << "";
        QTest::newRow("next to the PIC18F4620") << 0x0C20 << "Unknown PIC: 3104";
        QTest::newRow("another chip") << 0x1234 << "Unknown PIC: 4660";
    }
    void eraseOnlyAKnownFamily()
    {
        QFETCH(int, id);
        QFETCH(QString, refused);
        Bench bench(4);
        bench.pic.setDeviceId(quint16(id));
        bench.pic.setProgramMemory(0, QByteArray(0x10000, '\x42'));
        PicProgrammer programmer(4);
        QSignalSpy errors(&programmer, &PicProgrammer::eraseError);
        programmer.ev_pic_begin_erase();
        QCOMPARE(programmer.refusedDevice(), refused);
        if (refused.isEmpty()) {
            QCOMPARE(bench.pic.eraseKeys().size(), 5);
            QVERIFY(!programmer.isFinished());
            return;
        }
        // Refused before the first erase key: the old program stays.
        QVERIFY(programmer.isFinished());
        QVERIFY(!programmer.isProgrammed());
        QCOMPARE(errors.count(), 1);
        QVERIFY(bench.pic.eraseKeys().isEmpty());
        QVERIFY(bench.pic.programMemory() == QByteArray(0x10000, '\x42'));
        QCOMPARE(bench.pic.state(), Pic18Simulator::Running);
    }

    void shortWaitsSpoilTheWrite()
    {
        // The simulated controller holds the programmer to the programming minimums: with
        // every wait cut to a tenth, the row is not written and verify fails.
        Bench bench;
        PicDelay::setSource([&](qint64 ns) { bench.pic.advance(ns / 10); });
        QTemporaryDir dir;
        PicProgrammer programmer(1);
        programmer.programPic(writeFile(dir, ":04010000DEADBEEFC3\n:00000001FF\n"));
        QVERIFY(!programmer.isProgrammed());
        QVERIFY(bench.pic.programMemory() == QByteArray(0x10000, char(0xFF)));
        QVERIFY(!bench.pic.violations().isEmpty());
    }

    void resetHoldsUntilTheTimerReleases()
    {
        Bench bench;
        PicProgrammer programmer(1);
        QCOMPARE(bench.pic.state(), Pic18Simulator::Running);
        programmer.ev_pic_reset(false);
        QCOMPARE(bench.pic.state(), Pic18Simulator::Reset);
        QTest::qWait(100);
        QCOMPARE(bench.pic.state(), Pic18Simulator::Reset);
        programmer.ev_pic_reset(true);
        QCOMPARE(bench.pic.state(), Pic18Simulator::Reset);
        QTRY_COMPARE_WITH_TIMEOUT(bench.pic.state(), Pic18Simulator::Running, 10000);
        QCOMPARE(bench.page->read(PinLines::Reset1.doe) & PinLines::Reset1.mask, 0u); // released
    }

    void readGivesIdConfigurationAndEeprom()
    {
        Bench bench;
        bench.pic.setDeviceId(0x0C05);
        bench.pic.setConfiguration(QByteArray::fromHex("c00f1e2d3c4b5a69788796a5b4c3"));
        bench.pic.setProgramMemory(0, QByteArray::fromHex("000102030405060708090a0b0c0d0e0f"));
        bench.pic.setDataEeprom(0, QByteArray::fromHex("f0e1d2c3b4a5968778695a4b3c2d1e0f"));
        PicProgrammer programmer(1);
        programmer.ev_pic_read();
        QCOMPARE(PicProgrammer::deviceId(), quint16(0x0C05));
        // Two bytes past the last configuration byte read as zero.
        QCOMPARE(PicProgrammer::deviceConfig().toHex(),
                 QByteArray("c00f1e2d3c4b5a69788796a5b4c30000"));
        // The data EEPROM bytes are read last, over the program memory bytes.
        QCOMPARE(PicProgrammer::readPicData().toHex(),
                 QByteArray("f0e1d2c3b4a5968778695a4b3c2d1e0f"));
        QCOMPARE(bench.pic.violations(), QStringList());
        QCOMPARE(bench.pic.state(), Pic18Simulator::Running);
    }

    void eepromByteWrittenAndReadBack_data()
    {
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("stored");
        QTest::newRow("first byte") << 0x000 << 0x5A << true;
        QTest::newRow("high address byte") << 0x2C7 << 0x00 << true;
        QTest::newRow("last byte") << 0x3FF << 0xA5 << true;
        // The chip would take 0x400 as 0x000.
        QTest::newRow("past the end refused") << 0x400 << 0x5A << false;
    }
    void eepromByteWrittenAndReadBack()
    {
        QFETCH(int, address);
        QFETCH(int, value);
        QFETCH(bool, stored);
        Bench bench;
        QByteArray before;
        for (int i = 0; i < 1024; ++i)
            before.append(char(i * 13 + 1));
        bench.pic.setDataEeprom(0, before);
        QByteArray expected = before;
        if (stored)
            expected[address] = char(value);
        PicProgrammer programmer(1);
        programmer.vWritePicEeprom(quint16(address), quint8(value));
        QCOMPARE(bench.pic.dataEeprom().toHex(), expected.toHex());
        QCOMPARE(bench.pic.eepromWrites(), stored ? 1 : 0);
        QCOMPARE(bench.pic.state(), Pic18Simulator::Running);
        QCOMPARE(int(programmer.u8ReadPicEeprom(quint16(address))), stored ? value : 0xFF);
        QCOMPARE(bench.pic.violations(), QStringList());
        QCOMPARE(bench.pic.state(), Pic18Simulator::Running);
    }

    void eepromWriteWithNoControllerEnds()
    {
        // A floating-high data line reads as a write that never ends.
        Bench bench;
        bench.pic.setAbsent(true);
        PicProgrammer programmer(1);
        const qint64 start = bench.pic.now();
        programmer.vWritePicEeprom(1, 2);
        const qint64 waited = bench.pic.now() - start;
        QVERIFY2(waited >= 50000000 && waited < 1000000000, QByteArray::number(waited));
        QVERIFY(bench.pic.state() != Pic18Simulator::Programming);
    }

    void eepromCopyRestoredIntoTheSameController()
    {
        Bench bench(2);
        QByteArray contents;
        for (int i = 0; i < 1024; ++i)
            contents.append(char(i ^ (i >> 8) ^ 0x3C));
        bench.pic.setDataEeprom(0, contents);
        PicProgrammer programmer(2);
        programmer.vGetEepromCopy();
        QCOMPARE(PicProgrammer::eepromCopy().toHex(), contents.toHex());
        bench.pic.setDataEeprom(0, QByteArray(1024, '\0'));
        programmer.vRestoreEeprom();
        QCOMPARE(bench.pic.dataEeprom().toHex(), contents.toHex());
        QCOMPARE(bench.pic.eepromWrites(), 1024);
        QCOMPARE(bench.pic.violations(), QStringList());
        QCOMPARE(bench.pic.state(), Pic18Simulator::Running);
    }

    void restoreNeedsACopyOfThatController_data()
    {
        QTest::addColumn<bool>("copyOfAnother");
        QTest::newRow("copy of another channel") << true;
        QTest::newRow("latest copy failed") << false;
    }
    void restoreNeedsACopyOfThatController()
    {
        QFETCH(bool, copyOfAnother);
        Bench bench(2);
        Pic18Simulator other(bench.page, 1);
        PicDelay::setSource([&](qint64 ns) {
            bench.pic.advance(ns);
            other.advance(ns);
        });
        other.setDataEeprom(0, QByteArray(1024, '\x11'));
        PicProgrammer programmer(2);
        if (copyOfAnother) {
            PicProgrammer(1).vGetEepromCopy();
            QCOMPARE(PicProgrammer::eepromCopy(), QByteArray(1024, '\x11'));
        } else {
            programmer.vGetEepromCopy();
            bench.page->setMapped(false);
            programmer.vGetEepromCopy();
            bench.page->setMapped(true);
        }
        bench.pic.setDataEeprom(0, QByteArray(1024, '\x77'));
        programmer.vRestoreEeprom();
        QCOMPARE(bench.pic.dataEeprom(), QByteArray(1024, '\x77'));
        QCOMPARE(bench.pic.eepromWrites(), 0);
        QCOMPARE(other.eepromWrites(), 0);
    }

    void rowEraseClearsEightRows_data()
    {
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("end");
        QTest::newRow("row start") << 0x1040 << 0x1040 << 0x1240;
        QTest::newRow("inside a row") << 0x1075 << 0x1040 << 0x1240;
        QTest::newRow("up to the end of program memory") << 0xFF00 << 0xFF00 << 0x10000;
    }
    void rowEraseClearsEightRows()
    {
        QFETCH(int, address);
        QFETCH(int, first);
        QFETCH(int, end);
        Bench bench;
        bench.pic.setProgramMemory(0, QByteArray(0x10000, '\0'));
        QByteArray expected(0x10000, '\0');
        expected.replace(first, end - first, QByteArray(end - first, char(0xFF)));
        PicProgrammer programmer(1);
        programmer.vEraseProgramMemory(quint32(address));
        QVERIFY(bench.pic.programMemory() == expected);
        QCOMPARE(bench.pic.rowErases().size(), (end - first) / 64);
        QCOMPARE(bench.pic.violations(), QStringList());
        QCOMPARE(bench.pic.state(), Pic18Simulator::Running);
    }

    void operationsWithoutAControllerTouchNoLine_data()
    {
        QTest::addColumn<int>("operation");
        QTest::newRow("read") << 0;
        QTest::newRow("row erase") << 1;
        QTest::newRow("EEPROM read") << 2;
        QTest::newRow("EEPROM write") << 3;
        QTest::newRow("EEPROM copy") << 4;
    }
    void operationsWithoutAControllerTouchNoLine()
    {
        QFETCH(int, operation);
        Bench bench;
        PicProgrammer programmer(5); // no such channel: no reset line to enter programming by
        const int writes = bench.page->writeCount();
        switch (operation) {
        case 0: programmer.ev_pic_read(); break;
        case 1: programmer.vEraseProgramMemory(0); break;
        case 2: QCOMPARE(int(programmer.u8ReadPicEeprom(0)), 0xFF); break;
        case 3: programmer.vWritePicEeprom(0, 0); break;
        case 4: programmer.vGetEepromCopy(); break;
        }
        QCOMPARE(bench.page->writeCount(), writes);
    }

    void deviceNames_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("valid");
        QTest::newRow("4620") << 0x0C07 << "PIC18F4620 version 7" << true;
        QTest::newRow("4680") << 0x0E81 << "PIC18F4680 version 1" << false;
        QTest::newRow("4682") << 0x2742 << "PIC18F4682 version 2" << false;
        QTest::newRow("4685") << 0x277F << "PIC18F4685 version 31" << false;
        QTest::newRow("unknown") << 0x1234 << "Unknown PIC: 4660" << false;
    }
    void deviceNames()
    {
        QFETCH(int, id);
        QTEST(PicProgrammer::pGetPicIdStr(static_cast<unsigned short>(id)), "name");
        QTEST(PicProgrammer::u8ValidPicId(static_cast<unsigned short>(id)), "valid");
    }

    void realWaitsLastAtLeastTheirTime()
    {
        PicDelay::setSource({});
        QElapsedTimer t;
        t.start();
        PicDelay::wait(PicProgrammer::delayNanoseconds(PicProgrammer::ProgrammingTime));
        QVERIFY(t.nsecsElapsed() >= 1000000);
        t.restart();
        for (int i = 0; i < 100; ++i)
            PicDelay::wait(PicProgrammer::delayNanoseconds(PicProgrammer::ClockHalfPeriod));
        QVERIFY(t.nsecsElapsed() >= 100 * 40);
    }
};

RONDIX_TEST(TestPicProgrammer)
#include "tst_PicProgrammer.moc"
