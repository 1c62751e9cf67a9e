#include "FactoryRestore.h"
#include "SettingsConstants.h"
#include "SettingsWriter.h"
#include "SmallPartition.h"
#include "TempRoot.h"
#include "TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

namespace
{
const QString DATA = QStringLiteral("/mnt/data");
const QString RESULTS = QStringLiteral("/mnt/data/testResults");

QStringList entries(const TempRoot &root, const QString &devicePath)
{
    return QDir(root.path(devicePath))
        .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden | QDir::System,
                   QDir::Name);
}
} // namespace

class TestFactoryRestore : public QObject
{
    Q_OBJECT
private slots:
    void settingsKeepOnlyTheSerialNumber_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("serial kept")
            << QByteArray("[General]\nDate_format=MM.dd.yyyy\nSerial_num=KV-0815\n"
                          "PressureUnits=3\n[BluetoothFavourites]\nBarCode\\Id=00:1c\n")
            << QByteArray("[General]\nSerial_num=KV-0815\n");
        QTest::newRow("no serial stored")
            << QByteArray("[General]\nLanguageFile=/home/translations/kovinta_pl.qm\n")
            << QByteArray("[General]\nSerial_num=XXX-XXXX\n");
        QTest::newRow("no settings file")
            << QByteArray() << QByteArray("[General]\nSerial_num=XXX-XXXX\n");
    }
    void settingsKeepOnlyTheSerialNumber()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        TempRoot root;
        if (!before.isEmpty())
            QVERIFY(root.writeFile("/mnt/data/kovinta.ini", before));
        else
            QVERIFY(QDir().mkpath(root.path(DATA)));
        QVERIFY(FactoryRestore::restoreSettings());
        QCOMPARE(root.readFile("/mnt/data/kovinta.ini"), after);
    }

    // Whatever lies where the settings file belongs, the restore leaves a regular file
    // holding the serial number alone (the old one where it can be read within the 1 MiB
    // bound, of a larger file in its beginning, otherwise the default), what a link led
    // to stays as it was, and every later save works.
    void anyOldSettingsFileIsReplaced_data()
    {
        QTest::addColumn<QString>("old");
        QTest::addColumn<QString>("serial");
        QTest::newRow("over the read bound") << "large" << "KV-0815";
        QTest::newRow("over the read bound, serial past it") << "large, serial late" << "XXX-XXXX";
        QTest::newRow("over the read bound, serial cut by it") << "large, serial cut" << "XXX-XXXX";
        QTest::newRow("garbage") << "garbage" << "XXX-XXXX";
        QTest::newRow("garbage around the serial") << "garbage serial" << "KV-0815";
        QTest::newRow("link to /dev/zero") << "zero" << "XXX-XXXX";
        QTest::newRow("link to a settings file") << "link" << "XXX-XXXX";
        QTest::newRow("dangling link") << "dangling" << "XXX-XXXX";
        QTest::newRow("empty folder") << "folder" << "XXX-XXXX";
        QTest::newRow("folder holding files") << "full folder" << "XXX-XXXX";
    }
    void anyOldSettingsFileIsReplaced()
    {
        QFETCH(QString, old);
        QFETCH(QString, serial);
        TempRoot root;
        const QString file = "/mnt/data/kovinta.ini";
        const QString path = root.path(file);
        const QByteArray elsewhere("[General]\nSerial_num=KV-4711\nPressureUnits=3\n");
        QVERIFY(root.writeFile("/elsewhere/kovinta.ini", elsewhere));
        QVERIFY(QDir().mkpath(root.path(DATA)));
        if (old.startsWith("large")) {
            const QByteArray serialLine("Serial_num=KV-0815\n");
            QByteArray large("[General]\n");
            if (old == "large")
                large += serialLine;
            const int bound = 1024 * 1024;
            // Cut by the bound: the entry's beginning alone would read as "KV-08".
            const int before = old == "large, serial cut" ? bound - 5 : bound + 1;
            while (large.size() < before - 59)
                large += "; padding padding padding padding padding padding padding\n";
            large += QByteArray(before - large.size() - 1, ';') + '\n';
            if (old != "large")
                large += serialLine;
            while (large.size() <= bound)
                large += "; padding padding padding padding padding padding padding\n";
            QVERIFY(root.writeFile(file, large));
        } else if (old == "garbage") {
            QVERIFY(root.writeFile(file, QByteArray("\x00\xff[[=\x01\n\x7f==]\x00", 12)));
        } else if (old == "garbage serial") {
            QVERIFY(root.writeFile(file, QByteArray("\xff\xfe[[\n\x01==\n[General]\n"
                                                    "Serial_num=KV-0815\n\x00\x02]]\n",
                                                    44)));
        } else if (old == "zero") {
            QVERIFY(QFile::link("/dev/zero", path));
        } else if (old == "link") {
            QVERIFY(QFile::link(root.path("/elsewhere/kovinta.ini"), path));
        } else if (old == "dangling") {
            QVERIFY(QFile::link(root.path("/nowhere"), path));
        } else {
            QVERIFY(QDir().mkpath(path));
            if (old == "full folder")
                QVERIFY(root.writeFile(file + "/inner/x", "x"));
        }

        QVERIFY(FactoryRestore::restoreSettings());
        const QFileInfo info(path);
        QVERIFY(info.isFile() && !info.isSymLink());
        QCOMPARE(root.readFile(file), "[General]\nSerial_num=" + serial.toLatin1() + "\n");
        QCOMPARE(root.readFile("/elsewhere/kovinta.ini"), elsewhere);

        QVERIFY(SettingsWriter::write(SETTINGS_KEY_PRESSURE_UNITS, 2));
        QVERIFY(SettingsWriter::write(SETTINGS_KEY_DATE_FORMAT, "MM.dd.yyyy"));
        const QSettings saved(settingsPath(), QSettings::NativeFormat);
        QCOMPARE(saved.value(SETTINGS_KEY_SERIAL_NUM).toString(), serial);
        QCOMPARE(saved.value(SETTINGS_KEY_PRESSURE_UNITS).toInt(), 2);
        QCOMPARE(saved.value(SETTINGS_KEY_DATE_FORMAT).toString(), QString("MM.dd.yyyy"));
    }

    void aFullPartitionLeavesTheSettingsAsTheyWere()
    {
        TempRoot root;
        SmallPartition partition(root.path(DATA));
        if (!partition.mounted())
            QSKIP("mounting a tmpfs is not allowed here");
        const QByteArray before("[General]\nSerial_num=KV-0815\nPressureUnits=3\n");
        QVERIFY(root.writeFile("/mnt/data/kovinta.ini", before));
        QVERIFY(partition.fillUp());
        QVERIFY(!FactoryRestore::restoreSettings());
        QCOMPARE(root.readFile("/mnt/data/kovinta.ini"), before);
    }

    void emptiesTheFolderAndKeepsIt()
    {
        TempRoot root;
        QVERIFY(root.writeFile("/mnt/data/testResults/PUMP-1_01022024_101010", "r"));
        QVERIFY(root.writeFile("/mnt/data/testResults/.hidden", "h"));
        QVERIFY(root.writeFile("/mnt/data/testResults/sub/deep", "d"));
        QVERIFY(root.writeFile("/mnt/data/outside/keep", "k"));
        QVERIFY(root.writeFile("/mnt/data/testSequences/SEQ", "s"));
        // Links inside go as links; what they point at stays.
        QVERIFY(QFile::link(root.path("/mnt/data/outside"),
                            root.path("/mnt/data/testResults/toOutside")));
        QVERIFY(QFile::link(root.path("/nowhere"), root.path("/mnt/data/testResults/dangling")));

        QStringList notRemoved;
        FactoryRestore::emptyDataFolder(DATA, RESULTS, notRemoved);
        QCOMPARE(notRemoved, QStringList());
        QVERIFY(QFileInfo(root.path(RESULTS)).isDir());
        QCOMPARE(entries(root, RESULTS), QStringList());
        QCOMPARE(entries(root, "/mnt/data/outside"), QStringList({"keep"}));
        QCOMPARE(entries(root, "/mnt/data/testSequences"), QStringList({"SEQ"}));

        // A folder that was never made is empty already.
        FactoryRestore::emptyDataFolder(DATA, "/mnt/data/never", notRemoved);
        QCOMPARE(notRemoved, QStringList());
    }

    void aFolderThatIsALinkIsNotEntered_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("out of the data folder") << "/elsewhere";
        QTest::newRow("the data folder itself") << "/mnt/data";
        QTest::newRow("a sibling folder") << "/mnt/data/testSequences";
    }
    void aFolderThatIsALinkIsNotEntered()
    {
        QFETCH(QString, target);
        TempRoot root;
        QVERIFY(root.writeFile("/elsewhere/precious", "p"));
        QVERIFY(root.writeFile("/mnt/data/testSequences/SEQ", "s"));
        QVERIFY(root.writeFile("/mnt/data/kovinta.ini", "[General]\n"));
        QVERIFY(QFile::link(root.path(target), root.path(RESULTS)));

        QStringList notRemoved;
        FactoryRestore::emptyDataFolder(DATA, RESULTS, notRemoved);
        QCOMPARE(notRemoved, QStringList({"testResults"}));
        QCOMPARE(entries(root, "/elsewhere"), QStringList({"precious"}));
        QCOMPARE(entries(root, "/mnt/data/testSequences"), QStringList({"SEQ"}));
        QVERIFY(QFileInfo::exists(root.path("/mnt/data/kovinta.ini")));
    }

    void listsWhatCouldNotBeRemovedAndGoesOn()
    {
        TempRoot root;
        QVERIFY(root.writeFile("/mnt/data/testResults/A_01022024_101010", "a"));
        QVERIFY(root.writeFile("/mnt/data/testResults/Z_01022024_101010", "z"));
        // A mount point cannot be removed: its contents go, the folder stays and is named.
        SmallPartition busy(root.path("/mnt/data/testResults/busy"));
        if (!busy.mounted())
            QSKIP("mounting a tmpfs is not allowed here");
        QVERIFY(busy.fillPages(1));

        QStringList notRemoved{"Settings"};
        FactoryRestore::emptyDataFolder(DATA, RESULTS, notRemoved);
        QCOMPARE(notRemoved, QStringList({"Settings", "testResults/busy"}));
        QCOMPARE(entries(root, RESULTS), QStringList({"busy"}));
    }
};

RONDIX_TEST(TestFactoryRestore)
#include "tst_FactoryRestore.moc"
