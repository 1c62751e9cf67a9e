#include "TestRegistry.h"
#include "UpdatePackage.h"
#include "UpdaterTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace UpdaterTestSupport;

class UpdatePackageTest : public QObject
{
    Q_OBJECT
private slots:
    void findsByPatternIgnoringCase();
    void acceptsRealPackage();
    void refusesMembers_data();
    void refusesMembers();
    void refusesDamagedArchives_data();
    void refusesDamagedArchives();
};

void UpdatePackageTest::findsByPatternIgnoringCase()
{
    QTemporaryDir dir;
    for (const char *n : {"b_firmware_update_2.tar.bz2", "A_FIRMWARE_UPDATE.TAR.BZ2", ".firmware_update.tar.bz2",
                          "firmware_update.tar.gz", "firmware_update.tar.bz2.part", "notes.txt"}) {
        QFile f(dir.filePath(n));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QDir().mkdir(dir.filePath("c_firmware_update.tar.bz2"));
    QCOMPARE(UpdatePackage::find(dir.path()),
             (QStringList{"A_FIRMWARE_UPDATE.TAR.BZ2", "b_firmware_update_2.tar.bz2", "c_firmware_update.tar.bz2"}));
}

void UpdatePackageTest::acceptsRealPackage()
{
    QTemporaryDir dir;
    const QString archive = dir.filePath("x_firmware_update.tar.bz2");
    QVERIFY(makePackage(archive, {{"firmware_update/update_config", "APP:/Rondix\n"},
                                  {"firmware_update/Rondix", QByteArray(300000, 'x')},
                                  {"firmware_update/etc/init.d/app", "#!/bin/sh\n"},
                                  {"firmware_update/empty/", {}}}));
    QString why;
    QVERIFY2(UpdatePackage::checkArchive(archive, &why), qPrintable(why));

    // The same archive as two concatenated compressed streams, and with padding after it.
    const QByteArray tarBytes = tarMember("firmware_update/a", '0', QByteArray(100000, 'a'))
                                + tarMember("firmware_update/b", '0', "b") + tarEnd();
    const QString split = dir.filePath("split.tar.bz2");
    QFile s(split);
    QVERIFY(s.open(QIODevice::WriteOnly));
    s.write(bzip2(tarBytes.left(51200)) + bzip2(tarBytes.mid(51200)) + QByteArray(512, '\0'));
    s.close();
    QVERIFY2(UpdatePackage::checkArchive(split, &why), qPrintable(why));

    // Members under "./" (an archive made with "tar cjf x ./firmware_update"), an inner
    // link and a hard link inside the package, GNU long names and extended headers.
    const QByteArray longName = "firmware_update/" + QByteArray(150, 'n');
    const QByteArray pax = "30 path=firmware_update/paxed\n";
    const QByteArray tar = tarMember("./", '5') + tarMember("./firmware_update/", '5')
                           + tarMember("./firmware_update/lib.so.1", '0', "elf")
                           + tarMember("./firmware_update/lib.so", '2', {}, "lib.so.1")
                           + tarMember("firmware_update/copy", '1', {}, "firmware_update/lib.so.1")
                           + tarMember("././@LongLink", 'L', longName + '\0') + tarMember("short", '0', "x")
                           + tarMember("PaxHeader", 'x', pax) + tarMember("ignored", '0', "y") + tarEnd();
    QVERIFY2(UpdatePackage::checkTar(tar, &why), qPrintable(why));
}

void UpdatePackageTest::refusesMembers_data()
{
    QTest::addColumn<QByteArray>("tar");
    QTest::addColumn<QString>("reason");
    const QByteArray ok = tarMember("firmware_update/update_config", '0', "APP:/a\n");
    QTest::newRow("absolute") << ok + tarMember("/etc/passwd", '0', "x") + tarEnd() << "outside the package";
    QTest::newRow("dot dot") << ok + tarMember("firmware_update/../../etc/passwd", '0', "x") + tarEnd()
                             << "outside the package";
    QTest::newRow("beside the folder") << ok + tarMember("other/x", '0', "x") + tarEnd() << "outside firmware_update";
    QTest::newRow("absolute link") << ok + tarMember("firmware_update/l", '2', {}, "/etc") + tarEnd()
                                   << "link pointing outside";
    QTest::newRow("climbing link") << ok + tarMember("firmware_update/l", '2', {}, "a/../../etc") + tarEnd()
                                   << "link pointing outside";
    QTest::newRow("hard link outside") << ok + tarMember("firmware_update/h", '1', {}, "etc/shadow") + tarEnd()
                                       << "link pointing outside";
    QTest::newRow("device node") << ok + tarMember("firmware_update/sda", '4') + tarEnd() << "special file";
    QTest::newRow("fifo") << ok + tarMember("firmware_update/p", '6') + tarEnd() << "special file";
    QTest::newRow("long name climbing") << ok + tarMember("././@LongLink", 'L', "firmware_update/../../x\0")
                                                  + tarMember("firmware_update/x", '0', "x") + tarEnd()
                                        << "outside the package";
    QTest::newRow("extended path absolute")
        << ok + tarMember("PaxHeader", 'x', "18 path=/etc/x123\n") + tarMember("firmware_update/x", '0', "x")
               + tarEnd()
        << "outside the package";
}

void UpdatePackageTest::refusesMembers()
{
    QFETCH(QByteArray, tar);
    QFETCH(QString, reason);
    QString why;
    QVERIFY(!UpdatePackage::checkTar(tar, &why));
    QVERIFY2(why.contains(reason), qPrintable(why));
    // The same bytes as a compressed file on a drive.
    QTemporaryDir dir;
    QFile f(dir.filePath("p.tar.bz2"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bzip2(tar));
    f.close();
    QVERIFY(!UpdatePackage::checkArchive(f.fileName(), &why));
    QVERIFY2(why.contains(reason), qPrintable(why));
}

void UpdatePackageTest::refusesDamagedArchives_data()
{
    QTest::addColumn<QByteArray>("file");
    const QByteArray member = tarMember("firmware_update/update_config", '0', QByteArray(2000, 'a'));
    const QByteArray whole = bzip2(member + tarEnd());
    QByteArray badChecksum = member + tarEnd();
    badChecksum[0] = 'g';
    QByteArray flipped = whole;
    flipped[whole.size() / 2] = char(flipped[whole.size() / 2] ^ 0x55);
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("not compressed") << member + tarEnd();
    QTest::newRow("compressed data cut") << whole.left(whole.size() - 10);
    QTest::newRow("compressed data damaged") << flipped;
    QTest::newRow("member cut short") << bzip2(member.left(1024));
    QTest::newRow("no end marker after member data cut") << bzip2(member.left(512));
    QTest::newRow("header checksum wrong") << bzip2(badChecksum);
    QTest::newRow("random bytes") << bzip2(QByteArray(4096, '\x7f'));
}

void UpdatePackageTest::refusesDamagedArchives()
{
    QFETCH(QByteArray, file);
    QTemporaryDir dir;
    QFile f(dir.filePath("p.tar.bz2"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(file);
    f.close();
    QString why;
    QVERIFY(!UpdatePackage::checkArchive(f.fileName(), &why));
    QVERIFY(!why.isEmpty());
}

RONDIX_TEST(UpdatePackageTest)
#include "tst_UpdatePackage.moc"
