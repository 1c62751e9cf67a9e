#include "TestRegistry.h"
#include "UpdatePackage.h"
#include "UpdaterTestSupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace UpdaterTestSupport;

namespace
{

// A folder with a package on its "drive", things an escaping member could reach, and the
// folder the package unpacks into.
struct Bench {
    Bench()
    {
        QDir().mkpath(path("drive"));
        QDir().mkpath(path("tmp"));
        write("victim", "precious");
        write("tmp/victim", "precious too");
    }
    QString path(const QString &relative) const { return dir.path() + '/' + relative; }
    void write(const QString &relative, const QByteArray &content) const
    {
        QDir().mkpath(QFileInfo(path(relative)).absolutePath());
        QFile f(path(relative));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(content), content.size());
    }
    QString folder() const { return path("tmp/firmware_update"); }
    QString package() const { return path("drive/p_firmware_update.tar.bz2"); }
    bool unpack(QString *why, const UpdatePackage::Limits &limits = UpdatePackage::Limits()) const
    {
        return UpdatePackage::unpack(package(), folder(), why, limits);
    }

    // Every entry below the bench (links not followed) with its kind and content.
    QStringList snapshot() const
    {
        QStringList out;
        QDirIterator it(dir.path(),
                        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString p = it.next();
            const QFileInfo info = it.fileInfo();
            QString what = p.mid(dir.path().size());
            if (info.isSymLink()) {
                what += " -> " + info.symLinkTarget();
            } else if (info.isFile()) {
                QFile f(p);
                f.open(QIODevice::ReadOnly);
                what +=
                    ' ' + QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1).toHex();
            } else if (!info.isDir()) {
                what += " special";
            }
            out << what;
        }
        out.sort();
        return out;
    }

    QTemporaryDir dir;
};

const QByteArray Config = tarMember("firmware_update/update_config", '0', "SYSTEM:NAND\n");

mode_t modeOf(const QString &path)
{
    struct stat st;
    return lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode : 0;
}

} // namespace

class UpdatePackageTest : public QObject
{
    Q_OBJECT
private slots:
    void findsByPatternIgnoringCase();
    void unpacksRealPackage();
    void unpacksWhatTarWrites();
    void refusesHostilePackages_data();
    void refusesHostilePackages();
    void refusesDamagedArchives_data();
    void refusesDamagedArchives();
    void replacesOldFolderWithoutFollowingLinks();
};

void UpdatePackageTest::findsByPatternIgnoringCase()
{
    QTemporaryDir dir;
    for (const char *n :
         {"b_firmware_update_2.tar.bz2", "A_FIRMWARE_UPDATE.TAR.BZ2", ".firmware_update.tar.bz2",
          "firmware_update.tar.gz", "firmware_update.tar.bz2.part", "notes.txt"}) {
        QFile f(dir.filePath(n));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QDir().mkdir(dir.filePath("c_firmware_update.tar.bz2"));
    QCOMPARE(UpdatePackage::find(dir.path()),
             (QStringList{"A_FIRMWARE_UPDATE.TAR.BZ2", "b_firmware_update_2.tar.bz2",
                          "c_firmware_update.tar.bz2"}));
}

void UpdatePackageTest::unpacksRealPackage()
{
    Bench bench;
    QVERIFY(makePackage(bench.package(), {{"firmware_update/update_config", "APP:/Rondix\n"},
                                          {"firmware_update/Rondix", QByteArray(300000, 'x')},
                                          {"firmware_update/etc/init.d/app", "#!/bin/sh\n"},
                                          {"firmware_update/empty/", {}}}));
    QString why;
    QVERIFY2(bench.unpack(&why), qPrintable(why));
    QCOMPARE(QDir(bench.folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
             (QStringList{"Rondix", "empty", "etc", "update_config"}));
    QFile program(bench.folder() + "/Rondix");
    QVERIFY(program.open(QIODevice::ReadOnly));
    QCOMPARE(program.readAll(), QByteArray(300000, 'x'));
    QCOMPARE(QFile(bench.folder() + "/etc/init.d/app").size(), 10);
}

void UpdatePackageTest::unpacksWhatTarWrites()
{
    // Forms an archiver may legitimately write: members under "./", an inner link and a
    // hard link, GNU long names, extended headers, modes; the data as two concatenated
    // compressed streams with padding after them, as parallel compressors write it.
    Bench bench;
    const QByteArray longName = "firmware_update/" + QByteArray(150, 'n');
    // Set-id bits and write for others are not kept.
    const QByteArray script =
        tarMember("./firmware_update/run.sh", '0', "#!/bin/sh\n", {}, "0004777");
    const QByteArray tar = tarMember("./", '5') + tarMember("./firmware_update/", '5') + script +
                           tarMember("./firmware_update/lib.so.1", '0', QByteArray(100000, 'e')) +
                           tarMember("./firmware_update/lib.so", '2', {}, "lib.so.1") +
                           tarMember("firmware_update/copy", '1', {}, "firmware_update/lib.so.1") +
                           tarMember("././@LongLink", 'L', longName + '\0') +
                           tarMember("short", '0', "long") +
                           paxHeader({{"path", "firmware_update/paxed"}}) +
                           tarMember("ignored", '0', "pax") + tarEnd();
    bench.write("drive/p_firmware_update.tar.bz2",
                bzip2(tar.left(51200)) + bzip2(tar.mid(51200)) + QByteArray(512, '\0'));
    QString why;
    QVERIFY2(bench.unpack(&why), qPrintable(why));
    const QString f = bench.folder();
    QCOMPARE(QFileInfo(f + "/lib.so").symLinkTarget(),
             QFileInfo(f + "/lib.so.1").absoluteFilePath());
    QCOMPARE(QFileInfo(f + "/copy").size(), 100000);
    QCOMPARE(QFile(f + '/' + QByteArray(150, 'n')).size(), 4);
    QCOMPARE(QFile(f + "/paxed").size(), 3);
    QCOMPARE(modeOf(f + "/run.sh") & 07777, mode_t(0755));
}

void UpdatePackageTest::refusesHostilePackages_data()
{
    QTest::addColumn<QByteArray>("tar");
    QTest::addColumn<QString>("reason");

    // Hidden in the data of a member whose extended header says it has none.
    const QByteArray rootLink = tarMember("firmware_update", '2', {}, "/");
    QTest::newRow("pax size differs from ustar size")
        << Config + paxHeader({{"size", "0"}}) + tarMember("firmware_update/a", '0', rootLink) +
               tarMember("firmware_update/etc/passwd", '0', "x") + tarEnd()
        << "is not a folder";
    QTest::newRow("pax GNU.sparse.name") << Config + paxHeader({{"GNU.sparse.name", "evil"}}) +
                                                tarMember("firmware_update/x", '0', "x") + tarEnd()
                                         << "outside firmware_update";
    QTest::newRow("old GNU header with a prefix")
        << Config + oldGnuMember("evil", "firmware_update", "x") + tarEnd()
        << "outside firmware_update";
    QTest::newRow("top-level symlink")
        << tarMember("firmware_update", '2', {}, ".") + Config + tarEnd() << "is not a folder";
    QTest::newRow("top-level file")
        << tarMember("firmware_update", '0', "x") + tarEnd() << "is not a folder";
    QTest::newRow("symlink out, then a file through it")
        << Config + tarMember("firmware_update/l", '2', {}, "../..") +
               tarMember("firmware_update/l/evil", '0', "x") + tarEnd()
        << "link pointing outside";
    QTest::newRow("inner symlink, then a file through it")
        << Config + tarMember("firmware_update/sub/", '5') +
               tarMember("firmware_update/l", '2', {}, "sub") +
               tarMember("firmware_update/l/evil", '0', "x") + tarEnd()
        << "symlink";
    QTest::newRow("hard link out")
        << Config + tarMember("firmware_update/h", '1', {}, "../victim") + tarEnd()
        << "link pointing outside";
    QTest::newRow("hard link to a later file")
        << Config + tarMember("firmware_update/h", '1', {}, "firmware_update/later") + tarEnd()
        << "hard link";
    QTest::newRow("device node") << Config + tarMember("firmware_update/tty", '3') + tarEnd()
                                 << "special file";
    QTest::newRow("fifo") << Config + tarMember("firmware_update/p", '6') + tarEnd()
                          << "special file";
    QTest::newRow("bomb past the size bound")
        << Config + tarMember("firmware_update/zeros", '0', QByteArray(3 * 1024 * 1024, '\0')) +
               tarEnd()
        << "more than";
    QByteArray many = Config;
    for (int i = 0; i < 60; ++i)
        many += tarMember("firmware_update/f" + QByteArray::number(i), '0', "x");
    QTest::newRow("too many members") << many + tarEnd() << "more than 50 members";
    QTest::newRow("absolute") << Config + tarMember("/victim", '0', "x") + tarEnd()
                              << "outside the package";
    QTest::newRow("dot dot") << Config + tarMember("firmware_update/../../victim", '0', "x") +
                                    tarEnd()
                             << "outside the package";
    QTest::newRow("beside the folder")
        << Config + tarMember("other/x", '0', "x") + tarEnd() << "outside firmware_update";
    QTest::newRow("absolute link")
        << Config + tarMember("firmware_update/l", '2', {}, "/etc") + tarEnd()
        << "link pointing outside";
    QTest::newRow("climbing link")
        << Config + tarMember("firmware_update/l", '2', {}, "a/../../etc") + tarEnd()
        << "link pointing outside";
    QTest::newRow("long name climbing")
        << Config + tarMember("././@LongLink", 'L', "firmware_update/../../x\0") +
               tarMember("firmware_update/x", '0', "x") + tarEnd()
        << "outside the package";
    QTest::newRow("extended path absolute")
        << Config + paxHeader({{"path", "/victim"}}) + tarMember("firmware_update/x", '0', "x") +
               tarEnd()
        << "outside the package";
}

void UpdatePackageTest::refusesHostilePackages()
{
    QFETCH(QByteArray, tar);
    QFETCH(QString, reason);
    Bench bench;
    bench.write("drive/p_firmware_update.tar.bz2", bzip2(tar));
    const QStringList before = bench.snapshot();
    UpdatePackage::Limits limits;
    limits.maxBytes = 2 * 1024 * 1024;
    limits.maxMembers = 50;
    QString why;
    QVERIFY(!bench.unpack(&why, limits));
    QVERIFY2(why.contains(reason), qPrintable(why));
    // Nothing outside the folder, and not the folder either.
    QCOMPARE(bench.snapshot(), before);

    // The next, sound package unpacks as if nothing had happened.
    QVERIFY(makePackage(bench.package(), {{"firmware_update/update_config", "SYSTEM:NAND\n"}}));
    QVERIFY2(bench.unpack(&why, limits), qPrintable(why));
    QCOMPARE(QDir(bench.folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"update_config"});
}

void UpdatePackageTest::refusesDamagedArchives_data()
{
    QTest::addColumn<QByteArray>("file");
    const QByteArray member =
        tarMember("firmware_update/update_config", '0', QByteArray(2000, 'a'));
    const QByteArray whole = bzip2(member + tarEnd());
    QByteArray badChecksum = member + tarEnd();
    badChecksum[0] = 'g';
    QByteArray flipped = whole;
    flipped[whole.size() / 2] = char(flipped[whole.size() / 2] ^ 0x55);
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("not compressed") << member + tarEnd();
    QTest::newRow("compressed twice") << bzip2(whole);
    QTest::newRow("compressed data cut") << whole.left(whole.size() - 10);
    // Cut where only the padding after the archive's end marker was.
    const QByteArray padded = bzip2(member + tarEnd() + QByteArray(1024 * 1024, '\0'));
    QTest::newRow("compressed data cut after the end marker") << padded.left(padded.size() - 10);
    QTest::newRow("compressed data damaged") << flipped;
    QTest::newRow("member cut short") << bzip2(member.left(1024));
    QTest::newRow("member data missing") << bzip2(member.left(512));
    QTest::newRow("header checksum wrong") << bzip2(badChecksum);
    QTest::newRow("random bytes") << bzip2(QByteArray(4096, '\x7f'));
}

void UpdatePackageTest::refusesDamagedArchives()
{
    QFETCH(QByteArray, file);
    Bench bench;
    bench.write("drive/p_firmware_update.tar.bz2", file);
    QString why;
    QVERIFY(!bench.unpack(&why));
    QVERIFY(!why.isEmpty());
    QVERIFY(!QFileInfo::exists(bench.folder()));
}

void UpdatePackageTest::replacesOldFolderWithoutFollowingLinks()
{
    // What a package of an earlier run, or anyone, left in the folder's place.
    Bench bench;
    bench.write("kept/data", "must stay");
    QVERIFY(makePackage(bench.package(), {{"firmware_update/update_config", "SYSTEM:NAND\n"}}));
    QString why;
    for (const QString &target : {bench.path("kept"), QString(".")}) {
        QVERIFY(QFile::link(target, bench.folder()));
        QVERIFY2(bench.unpack(&why), qPrintable(why));
        QVERIFY(!QFileInfo(bench.folder()).isSymLink());
        QCOMPARE(QDir(bench.folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"update_config"});
        QVERIFY(UpdatePackage::removeTree(bench.folder()));
    }
    // A folder holding a link to a folder outside: the link goes, not what it points to.
    bench.write("tmp/firmware_update/old", "old");
    QVERIFY(QFile::link(bench.path("kept"), bench.path("tmp/firmware_update/inner")));
    QVERIFY2(bench.unpack(&why), qPrintable(why));
    QCOMPARE(QDir(bench.folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"update_config"});
    QCOMPARE(QDir(bench.path("kept")).entryList(QDir::Files), QStringList{"data"});
    QCOMPARE(QFileInfo(bench.path("victim")).size(), 8);
    QCOMPARE(QFileInfo(bench.path("tmp/victim")).size(), 12);
}

RONDIX_TEST(UpdatePackageTest)
#include "tst_UpdatePackage.moc"
