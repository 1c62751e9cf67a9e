#include "AtomicFile.h"
#include "FileUtils.h"
#include "TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {
void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}
} // namespace

class TestFileUtils : public QObject
{
    Q_OBJECT
private slots:
    // Whatever stands under a save's temporary name is replaced, never written through.
    void atomicWriteNeverGoesThroughWhatStandsUnderTheTemporaryName_data()
    {
        QTest::addColumn<bool>("link");
        QTest::newRow("leftover of a cut save") << false;
        QTest::newRow("link to another file") << true;
    }

    void atomicWriteNeverGoesThroughWhatStandsUnderTheTemporaryName()
    {
        QFETCH(bool, link);
        QTemporaryDir tmp;
        const QString target = tmp.path() + "/result";
        const QString temp = tmp.path() + "/.result.part";
        const QString outside = tmp.path() + "/outside";
        writeFile(outside, "keep");
        if (link)
            QVERIFY(QFile::link(outside, temp));
        else
            writeFile(temp, "leftover bytes, longer than the new content");

        QVERIFY(AtomicFile::write(target, "new"));
        QFile f(target);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("new"));
        QVERIFY(!QFileInfo(target).isSymLink());
        QVERIFY(!QFileInfo::exists(temp) && !QFileInfo(temp).isSymLink());
        QFile o(outside);
        QVERIFY(o.open(QIODevice::ReadOnly));
        QCOMPARE(o.readAll(), QByteArray("keep"));
    }

    void removeDirRemovesHiddenAndNestedButNeverFollowsLinks()
    {
        QTemporaryDir tmp;
        const QString tree = tmp.path() + "/tree";
        const QString outside = tmp.path() + "/outside";
        writeFile(tree + "/.hidden", "h");
        writeFile(tree + "/a/b/deep.txt", "deep");
        writeFile(tree + "/a/.hiddenDir/x", "x");
        writeFile(outside + "/keep.txt", "keep");
        QVERIFY(QFile::link(outside, tree + "/linkToOutside"));
        QVERIFY(QFile::link(tmp.path() + "/nowhere", tree + "/dangling"));

        QCOMPARE(FileUtils::dirSize(tree), quint64(1 + 4 + 1));
        QVERIFY(FileUtils::removeDir(tree));
        QVERIFY(!QFileInfo::exists(tree));
        QVERIFY(QFileInfo::exists(outside + "/keep.txt"));

        // A link given as the tree itself goes, its target stays.
        QVERIFY(QFile::link(outside, tmp.path() + "/topLink"));
        QVERIFY(FileUtils::removeDir(tmp.path() + "/topLink"));
        QVERIFY(!QFileInfo(tmp.path() + "/topLink").isSymLink());
        QVERIFY(QFileInfo::exists(outside + "/keep.txt"));
    }

    void removeDirContentsKeepsTheDirectory()
    {
        QTemporaryDir tmp;
        writeFile(tmp.path() + "/d/.h", "1");
        writeFile(tmp.path() + "/d/sub/f", "2");
        QVERIFY(FileUtils::removeDirContents(tmp.path() + "/d"));
        QVERIFY(QDir(tmp.path() + "/d").exists());
        QVERIFY(QDir(tmp.path() + "/d").isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System
                                                | QDir::NoDotAndDotDot));

        QVERIFY(FileUtils::removeDirContents(tmp.path() + "/missing"));
        QVERIFY(FileUtils::removeDir(tmp.path() + "/missing"));
        QVERIFY(!QFileInfo::exists(tmp.path() + "/missing"));
        QCOMPARE(FileUtils::dirSize(tmp.path() + "/missing"), quint64(0));
    }

    void removeStopsAtTheFirstFailure()
    {
        if (::geteuid() == 0)
            QSKIP("permissions do not stop root");
        QTemporaryDir tmp;
        const QString locked = tmp.path() + "/d/locked";
        writeFile(locked + "/f", "1");
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
        QVERIFY(!FileUtils::removeDir(tmp.path() + "/d"));
        QVERIFY(QFileInfo::exists(locked + "/f"));
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void dirUsageReportsTheFileSystem()
    {
        QTemporaryDir tmp;
        double total = -1, available = -1;
        QVERIFY(FileUtils::dirUsage(tmp.path(), total, available));
        const QStorageInfo info(tmp.path());
        QCOMPARE(total, double(info.bytesTotal()));
        QVERIFY(available > 0 && available <= total);

        total = available = -7;
        QVERIFY(!FileUtils::dirUsage(tmp.path() + "/missing", total, available));
        QCOMPARE(total, -7.0);
        QCOMPARE(available, -7.0);
    }

    // Only a regular file, and only up to the bound: a link (whatever it leads to), a
    // FIFO (whose open would wait for a writer), a device or a folder is refused without
    // being read, and so is a file one byte over.
    void readBoundedReadsRegularFilesWithinTheBound_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("read");
        QTest::addColumn<int>("refusal");
        const int none = int(FileUtils::ReadRefusal::None);
        const int notRegular = int(FileUtils::ReadRefusal::NotRegular);
        QTest::newRow("regular") << "regular" << true << none;
        QTest::newRow("exactly the bound") << "bound" << true << none;
        QTest::newRow("empty") << "empty" << true << none;
        QTest::newRow("one byte over") << "over" << false << int(FileUtils::ReadRefusal::TooLarge);
        QTest::newRow("link to a regular file") << "link" << false << notRegular;
        QTest::newRow("link to /dev/zero") << "zero" << false << notRegular;
        QTest::newRow("dangling link") << "dangling" << false << notRegular;
        QTest::newRow("FIFO") << "fifo" << false << notRegular;
        QTest::newRow("folder") << "folder" << false << notRegular;
        QTest::newRow("device") << "device" << false << notRegular;
        QTest::newRow("missing") << "missing" << false << int(FileUtils::ReadRefusal::Unreadable);
    }
    void readBoundedReadsRegularFilesWithinTheBound()
    {
        QFETCH(QString, kind);
        QFETCH(bool, read);
        QFETCH(int, refusal);
        constexpr qint64 bound = 100;
        QTemporaryDir tmp;
        const QByteArray content(bound, 'x');
        writeFile(tmp.path() + "/full", content);
        QString path = tmp.path() + "/f";
        QByteArray expected;
        if (kind == "regular") {
            expected = "abc";
            writeFile(path, expected);
        } else if (kind == "bound") {
            path = tmp.path() + "/full";
            expected = content;
        } else if (kind == "empty") {
            writeFile(path, QByteArray());
        } else if (kind == "over") {
            writeFile(path, content + 'y');
        } else if (kind == "link") {
            QVERIFY(QFile::link(tmp.path() + "/full", path));
        } else if (kind == "zero") {
            QVERIFY(QFile::link("/dev/zero", path));
        } else if (kind == "dangling") {
            QVERIFY(QFile::link(tmp.path() + "/nowhere", path));
        } else if (kind == "fifo") {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == "folder") {
            QVERIFY(QDir().mkpath(path));
        } else if (kind == "device") {
            path = "/dev/zero";
        }
        QByteArray data = "left over";
        FileUtils::ReadRefusal why = FileUtils::ReadRefusal::Unreadable;
        QCOMPARE(FileUtils::readBounded(path, bound, data, &why), read);
        QCOMPARE(int(why), refusal);
        QCOMPARE(data, expected);
    }

    void makeValidName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("typical") << "ward 3/b (new)" << "ward_3b_new";
        QTest::newRow("all dropped") << "`~!@#$%^&*()+=|:;<>,?/{}'\"[]\\x" << "x";
        QTest::newRow("dots and hyphens stay") << "a.b-c d" << "a.b-c_d";
        QTest::newRow("nothing left") << "/?*" << "_";
        QTest::newRow("empty") << "" << "_";
        QTest::newRow("dot") << "." << "_";
        QTest::newRow("dot dot via slash") << "/.." << "__";
        QTest::newRow("three dots") << "..." << "...";
    }
    void makeValidName()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        FileUtils::makeValidName(name);
        QCOMPARE(name, expected);
    }
};

RONDIX_TEST(TestFileUtils)
#include "tst_FileUtils.moc"
