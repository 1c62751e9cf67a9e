#include "ImportSummary.h"
#include "ImportWarning.h"
#include "MedicalApplianceResult.h"
#include "TempRoot.h"
#include "TestRegistry.h"
#include "TestSequenceElementFlowTest.h"
#include "TestSequenceElementUserTest.h"
#include "TestSequenceManager.h"

#include <QBuffer>
#include <QDir>
#include <QTest>

#include <algorithm>

namespace {
const char *const DIR = "/mnt/data/testSequences/";

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text));
}

// A default user step and a default occlusion step, as an element list stream.
const QByteArray USER_AND_OCCLUSION = hex(
    "00 01 0000000000000000 00 00 0000000000000000 0000000000000000 0000000000000000 00 00"
    " 00000000 00000000"
    "03 01 0000000000005940 0a 0a 0000000000002440 0000000000002440 0000000000005940 0a 0a 00");

QByteArray sequenceFile(const QByteArray &nameUtf16, int nameBytes, const QByteArray &elements)
{
    QByteArray bytes = hex("0100 0100");
    bytes += char(nameBytes);
    bytes += QByteArray(3, 0);
    bytes += nameUtf16;
    bytes += char(elements.size() & 0xFF);
    bytes += char(elements.size() >> 8);
    bytes += QByteArray(2, 0);
    return bytes + elements;
}

// A sequences exchange file of (name, element list stream) entries.
QByteArray exchangeFile(const QList<QPair<QString, QByteArray>> &entries)
{
    QByteArray bytes = hex("0100 0100");
    for (const auto &entry : entries) {
        bytes += char(entry.first.size() * 2);
        bytes += QByteArray(3, 0);
        for (const QChar c : entry.first)
            bytes += QByteArray(1, char(c.unicode() & 0xFF)) + char(c.unicode() >> 8);
        bytes += char(entry.second.size());
        bytes += QByteArray(3, 0);
        bytes += entry.second;
    }
    return bytes;
}
} // namespace

class TestTestSequenceManager : public QObject
{
    Q_OBJECT
    TestSequenceManager *m = TestSequenceManager::getInstance();
    std::unique_ptr<TempRoot> root;
    QStringList warnings;

    // The sequence "Ward1": a user step then an occlusion step.
    void makeWard1()
    {
        QVERIFY(root->writeFile(QString(DIR) + "Ward1",
                                sequenceFile(hex("5700610072006400 3100"), 10, USER_AND_OCCLUSION)));
    }

private slots:
    void init()
    {
        root.reset(new TempRoot);
        QDir().mkpath(root->path(DIR));
        m->clearCurrentTestSequence();
        warnings.clear();
        ImportWarning::setHandler([this](const QString &title, const QString &text) {
            warnings << title + ": " + text;
        });
    }
    void cleanup()
    {
        ImportWarning::setHandler({});
        root.reset();
    }

    void newSequenceFileHoldsHeaderAndName()
    {
        m->insertTestElement(1, -1);
        QVERIFY(m->createNewTestSequence("A"));
        QCOMPARE(root->readFile(QString(DIR) + "A").toHex(' '), QByteArray("01 00 01 00 02 00 00 00 41 00"));
        QCOMPARE(m->getCurrentTestSequenceSize(), 1); // untouched

        QVERIFY(m->openTestSequence("A"));
        QCOMPARE(m->getCurrentTestSequenceName(), QString("A"));
        QCOMPARE(m->getCurrentTestSequenceSize(), 0);
        QVERIFY(m->isValidCurrentTestSequence());
        QVERIFY(m->openTestSequence("A", 2));
        QVERIFY(!m->isValidCurrentTestSequence(2));
    }

    void saveWritesTheElementBlock()
    {
        makeWard1();
        QVERIFY(m->openTestSequence("Ward1"));
        QCOMPARE(m->getCurrentTestSequenceSize(), 2);
        QStringList lines;
        m->getCurrentTestNames(lines);
        QCOMPARE(lines, QStringList({"1: User Test ", "2: Occlusion Test "}));
        root->writeFile(QString(DIR) + "Ward1", "stale");
        QVERIFY(m->saveCurrentTestSequence());
        QCOMPARE(root->readFile(QString(DIR) + "Ward1").toHex(' '),
                 sequenceFile(hex("5700610072006400 3100"), 10, USER_AND_OCCLUSION).toHex(' '));
    }

    void copyTakesTheNextFreeNumber()
    {
        makeWard1();
        QVERIFY(m->createNewTestSequence("Ward1_2"));
        QString name = "Ward1";
        QVERIFY(m->copyTestSequence(name));
        QCOMPARE(name, QString("Ward1_3"));
        QCOMPARE(m->getCurrentTestSequenceName(), QString("Ward1_3"));
        QCOMPARE(root->readFile(QString(DIR) + "Ward1_3").toHex(' '),
                 sequenceFile(hex("5700610072006400 3100 5f003300"), 14, USER_AND_OCCLUSION).toHex(' '));
        // A listed name holding "%2" (left by another system) stays text in the copy's.
        QVERIFY(root->writeFile(QString(DIR) + "W%2", hex("0100 0100 02000000 5700")));
        QString percent = "W%2";
        QVERIFY(m->copyTestSequence(percent));
        QCOMPARE(percent, QString("W2_2"));
    }

    void copyOfAnUnreadableSourceSavesNothing()
    {
        makeWard1();
        QVERIFY(m->openTestSequence("Ward1"));
        QString missing = "Nope";
        QVERIFY(!m->copyTestSequence(missing));
        QCOMPARE(missing, QString("Nope"));
        QVERIFY(!m->testSequenceExists("Nope_2"));
        QCOMPARE(m->getCurrentTestSequenceName(), QString("Ward1"));
        QCOMPARE(m->getCurrentTestSequenceSize(), 2);
    }

    void renameMovesTheNameInside()
    {
        makeWard1();
        QVERIFY(m->createNewTestSequence("Taken"));
        QVERIFY(!m->renameTestSequence("Ward1", "Taken"));
        QVERIFY(m->testSequenceExists("Ward1"));
        QVERIFY(m->renameTestSequence("Ward1", "B"));
        QVERIFY(!m->testSequenceExists("Ward1"));
        QCOMPARE(root->readFile(QString(DIR) + "B"),
                 sequenceFile(hex("4200"), 2, USER_AND_OCCLUSION));
        QCOMPARE(m->getTestSequenceList(), QStringList({"B", "Taken"}));
    }

    void badFilesChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<qint64>("size"); // sparse bytes after the content; -1: none
        const QByteArray whole = sequenceFile(hex("5700610072006400 3100"), 10, USER_AND_OCCLUSION);
        QTest::newRow("no file") << QByteArray() << qint64(-1);
        QTest::newRow("header only") << hex("0100 0100") << qint64(-1);
        QTest::newRow("cut name") << whole.left(9) << qint64(-1);
        QTest::newRow("name longer than the file") << hex("0100 0100 fffffff0 4100") << qint64(-1);
        // No sequence comes near a few megabytes: refused without being read.
        QTest::newRow("larger than any sequence") << whole << qint64(300 * 1024 * 1024);
    }

    void badFilesChangeNothing()
    {
        QFETCH(QByteArray, content);
        QFETCH(qint64, size);
        makeWard1();
        QVERIFY(m->openTestSequence("Ward1"));
        QVERIFY(m->openTestSequence("Ward1", 0));
        if (!content.isNull())
            root->writeFile(QString(DIR) + "Bad", content);
        if (size > 0)
            QVERIFY(QFile::resize(root->path(QString(DIR) + "Bad"), size));
        QVERIFY(!m->openTestSequence("Bad"));
        QVERIFY(!m->openTestSequence("Bad", 0));
        QCOMPARE(m->getCurrentTestSequenceName(), QString("Ward1"));
        QCOMPARE(m->getCurrentTestSequenceSize(), 2);
        QCOMPARE(m->getCurrentTestSequenceSize(0), 2);
    }

    void aLinkToADeviceIsNoSequence()
    {
        QVERIFY(QFile::link("/dev/zero", root->path(QString(DIR) + "Zero")));
        QVERIFY(!m->testSequenceExists("Zero"));
        QVERIFY(!m->getTestSequenceList().contains("Zero"));
        QVERIFY(!m->openTestSequence("Zero"));
        QString name = "Zero";
        QVERIFY(!m->copyTestSequence(name));
    }

    // One element that is not whole costs that element and what follows, not the file:
    // the editor shows the whole ones, and a channel refuses to run part of a sequence.
    void damagedFilesOpenAsFarAsTheyAreWhole_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("steps");
        const QByteArray name = hex("5700610072006400 3100");
        const QByteArray whole = sequenceFile(name, 10, USER_AND_OCCLUSION);
        QByteArray unknownSecond = whole;
        unknownSecond[22 + 46] = 9; // type of the occlusion step
        QTest::newRow("file cut in the last step") << whole.left(whole.size() - 1)
                                                   << QStringList{"1: User Test "};
        QTest::newRow("last step cut inside its block")
            << sequenceFile(name, 10, USER_AND_OCCLUSION.left(USER_AND_OCCLUSION.size() - 1))
            << QStringList{"1: User Test "};
        QTest::newRow("unknown type of the second step") << unknownSecond
                                                         << QStringList{"1: User Test "};
        QTest::newRow("unknown type of the first step")
            << sequenceFile(name, 10, hex("07") + USER_AND_OCCLUSION) << QStringList();
        QTest::newRow("bytes after the block") << whole + hex("00")
                                               << QStringList{"1: User Test ", "2: Occlusion Test "};
        QTest::newRow("element block length cut") << whole.left(20) << QStringList();
    }

    void damagedFilesOpenAsFarAsTheyAreWhole()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, steps);
        makeWard1();
        QVERIFY(m->openTestSequence("Ward1", 1));
        QVERIFY(root->writeFile(QString(DIR) + "Damaged", content));
        QVERIFY(m->openTestSequence("Damaged"));
        QCOMPARE(m->getCurrentTestSequenceName(), QString("Ward1"));
        QStringList lines;
        m->getCurrentTestNames(lines);
        QCOMPARE(lines, steps);
        QVERIFY(!m->openTestSequence("Damaged", 1));
        QCOMPARE(m->getCurrentTestSequenceSize(1), 2);
    }

    // Files left by an earlier system or copied in keep the names they came with: every
    // operation given a listed name finds that very file; only new files get clean names.
    void listedNamesWorkOnThatVeryFile()
    {
        // "Ward 1" and "Bed#2", each holding its own name and the two steps.
        QVERIFY(root->writeFile(QString(DIR) + "Ward 1",
                                sequenceFile(hex("5700610072006400 2000 3100"), 12, USER_AND_OCCLUSION)));
        QVERIFY(root->writeFile(QString(DIR) + "Bed#2",
                                sequenceFile(hex("4200650064002300 3200"), 10, USER_AND_OCCLUSION)));
        QCOMPARE(m->getTestSequenceList(), QStringList({"Bed#2", "Ward 1"}));
        for (const QString &listed : m->getTestSequenceList()) {
            QVERIFY(m->testSequenceExists(listed));
            QVERIFY(m->openTestSequence(listed, 2));
            QCOMPARE(m->getCurrentTestSequenceName(2), listed);
            QVERIFY(m->openTestSequence(listed));
            QCOMPARE(m->getCurrentTestSequenceSize(), 2);
        }
        QVERIFY(!m->testSequenceExists("Ward_1"));

        // Edited and saved, the listed file changes; no second file appears.
        QVERIFY(m->openTestSequence("Ward 1"));
        m->deleteTestElement(1);
        QVERIFY(m->saveCurrentTestSequence());
        QCOMPARE(root->readFile(QString(DIR) + "Ward 1"),
                 sequenceFile(hex("5700610072006400 2000 3100"), 12, USER_AND_OCCLUSION.left(46)));

        QString copy = "Ward 1";
        QVERIFY(m->copyTestSequence(copy));
        QCOMPARE(copy, QString("Ward_1_2"));
        QCOMPARE(root->readFile(QString(DIR) + "Ward_1_2"),
                 sequenceFile(hex("5700610072006400 5f00 3100 5f00 3200"), 16, USER_AND_OCCLUSION.left(46)));

        QVERIFY(m->renameTestSequence("Bed#2", "Bed 3"));
        QVERIFY(m->removeTestSequence("Ward 1"));
        QCOMPARE(m->getTestSequenceList(), QStringList({"Bed_3", "Ward_1_2"}));
        QVERIFY(m->openTestSequence("Bed_3"));
        QCOMPARE(m->getCurrentTestSequenceName(), QString("Bed 3"));
        // A name that is not one file of the directory finds nothing.
        for (const QString &bad : {QString(), QString("."), QString(".."), QString("../testSequences/Bed_3"),
                                   QString("Bed_3") + QChar(0)}) {
            QVERIFY(!m->testSequenceExists(bad));
            QVERIFY(!m->openTestSequence(bad));
            QVERIFY(!m->removeTestSequence(bad));
        }
        QCOMPARE(m->getTestSequenceList(), QStringList({"Bed_3", "Ward_1_2"}));
    }

    void namesStayInTheDirectory_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("fileName"); // empty: refused
        QTest::newRow("cleaned") << "ward 3/b (new)" << "ward_3b_new";
        QTest::newRow("parent path") << "../../etc/x" << "....etcx";
        QTest::newRow("dot dot") << ".." << "";
        QTest::newRow("dot") << "." << "";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("only forbidden") << "/?*" << "";
        QTest::newRow("blank") << "  " << "";
        // A NUL would cut the file name short; the listed name must lead back to the file.
        QTest::newRow("control characters") << QString("\tW") + QChar(0) + "3\x1e" << "W3";
        QTest::newRow("only control characters") << QString("\t") + QChar(0) << "";
        // Half a surrogate pair has no encoding on disk; it is stored as the replacement mark.
        QTest::newRow("unpaired surrogate") << QString("W") + QChar(0xd800) << QString("W") + QChar(0xfffd);
    }

    void namesStayInTheDirectory()
    {
        QFETCH(QString, name);
        QFETCH(QString, fileName);
        QCOMPARE(m->createNewTestSequence(name), !fileName.isEmpty());
        const QStringList files = QDir(root->path(DIR)).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(files, fileName.isEmpty() ? QStringList() : QStringList{fileName});
        QCOMPARE(QDir(root->path("/mnt/data")).entryList(QDir::Files), QStringList());
        if (fileName.isEmpty())
            return;
        QString copy = name;
        TestSequenceManager::makeValidName(copy);
        // The general cleaner agrees wherever the name holds only characters a file name can.
        const bool plain = std::all_of(name.begin(), name.end(), [](QChar c) {
            return c.unicode() >= 0x20 && !c.isSurrogate();
        });
        if (plain)
            QCOMPARE(copy, fileName);
        QVERIFY(m->openTestSequence(files.first()));
        QCOMPARE(m->getCurrentTestSequenceName(), name);
    }

    void failedSaveKeepsTheOldFile()
    {
        makeWard1();
        const QByteArray before = root->readFile(QString(DIR) + "Ward1");
        QVERIFY(m->openTestSequence("Ward1"));
        m->deleteTestElement(0);
        // The temporary file cannot be created: the save fails as a whole.
        QDir().mkpath(root->path(QString(DIR) + ".Ward1.part"));
        QVERIFY(!m->saveCurrentTestSequence());
        QCOMPARE(root->readFile(QString(DIR) + "Ward1"), before);
        QCOMPARE(m->getTestSequenceList(), QStringList({"Ward1"}));
    }

    void editingIgnoresBadIndexes()
    {
        m->insertTestElement(1, -1);   // [flow]
        m->insertTestElement(0, 5);    // past the end: appended [flow, user]
        m->insertTestElement(3, -1);   // front [occ, flow, user]
        m->insertTestElement(7, 0);    // unknown type: nothing
        auto ids = [this]() {
            QList<int> out;
            for (int i = 0; i < m->getCurrentTestSequenceSize(); ++i)
                out << m->getTestElementPtr(i)->id;
            return out;
        };
        QCOMPARE(ids(), QList<int>({3, 1, 0}));
        static_cast<TestSequenceElementFlowTest *>(m->getTestElementPtr(1))->setting.fFlowRateSetting = 5;
        m->copyTestElement(1);         // copy right after its original
        QCOMPARE(ids(), QList<int>({3, 1, 1, 0}));
        QCOMPARE(static_cast<TestSequenceElementFlowTest *>(m->getTestElementPtr(2))->setting.fFlowRateSetting, 5.0f);
        for (int bad : {-1, 4, 1000}) {
            m->deleteTestElement(bad);
            m->copyTestElement(bad);
            QVERIFY(!m->getTestElementPtr(bad));
            QVERIFY(!m->getTestElementPtr(bad, 0));
            auto *spare = new TestSequenceElementUserTest;
            QVERIFY(!m->replaceTestElement(bad, spare));
            delete spare;
        }
        QCOMPARE(ids(), QList<int>({3, 1, 1, 0}));
        QVERIFY(!m->getTestElementPtr(0, 4)); // no channel 4
        m->deleteTestElement(0);
        QCOMPARE(ids(), QList<int>({1, 1, 0}));
    }

    void exchangeFileRoundTrip()
    {
        makeWard1();
        QVERIFY(m->createNewTestSequence("A"));
        const QString path = root->path("/mnt/update/seq.vexd");
        QDir().mkpath(root->path("/mnt/update"));
        QCOMPARE(m->exportTestSequences(path, {"Ward1", "Missing", "A"}), 2);
        QFile exported(path);
        QVERIFY(exported.open(QIODevice::ReadOnly));
        const QByteArray bytes = exported.readAll();
        QCOMPARE(bytes.toHex(' '),
                 (hex("0100 0100 0a000000 5700610072006400 3100") + hex("55000000")
                  + USER_AND_OCCLUSION + hex("02000000 4100 ffffffff")).toHex(' '));

        // Into an instrument that has neither.
        TempRoot other;
        QBuffer in;
        in.setData(bytes);
        in.open(QIODevice::ReadOnly);
        QCOMPARE(importSummary(m->importTestSequences(in.readAll())), QString("stored 2 renamed 0 damaged 0 skipped 0"));
        QVERIFY(warnings.isEmpty());
        QCOMPARE(m->getTestSequenceList(), QStringList({"A", "Ward1"}));
        QCOMPARE(m->getCurrentTestSequenceName(), QString("A"));
        QCOMPARE(m->getCurrentTestSequenceSize(), 0);
        QVERIFY(m->openTestSequence("Ward1"));
        QCOMPARE(m->getCurrentTestSequenceSize(), 2);
    }

    void importStoresWhatItCan_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("report");
        const QByteArray first = hex("02000000 4100 ffffffff");
        QTest::newRow("results file") << hex("0100 0000") + first << QStringList()
                                       << "stored 0 renamed 0 damaged 0 skipped 0 wrong kind";
        QTest::newRow("empty file") << QByteArray() << QStringList()
                                    << "stored 0 renamed 0 damaged 0 skipped 0 wrong kind";
        QTest::newRow("header only") << hex("0100 0100") << QStringList()
                                     << "stored 0 renamed 0 damaged 0 skipped 0";
        QTest::newRow("second cut in its step")
            << hex("0100 0100") + first + hex("02000000 4200 05000000 0001") << QStringList{"A", "B"}
            << "stored 2 renamed 0 damaged 1 skipped 0";
        QTest::newRow("second cut in its name") << hex("0100 0100") + first + hex("04000000 42")
                                                << QStringList{"A"}
                                                << "stored 1 renamed 0 damaged 0 skipped 1";
        QTest::newRow("second of unknown type")
            << hex("0100 0100") + first + hex("02000000 4200 01000000 09") << QStringList{"A", "B"}
            << "stored 2 renamed 0 damaged 1 skipped 0";
        QTest::newRow("name that cleans to nothing")
            << hex("0100 0100 04000000 2e002e00 ffffffff 02000000 2300 ffffffff") + first
            << QStringList{"A"} << "stored 1 renamed 0 damaged 0 skipped 2";
    }

    void importStoresWhatItCan()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, stored);
        QFETCH(QString, report);
        QBuffer in;
        in.setData(content);
        in.open(QIODevice::ReadOnly);
        const ImportReport result = m->importTestSequences(in.readAll());
        QCOMPARE(importSummary(result), report);
        QCOMPARE(m->getTestSequenceList(), stored);
        QCOMPARE(warnings, result.wrongKind ? QStringList{"Warning: Incorrect File Format"} : QStringList());
        for (const QString &name : stored)
            QVERIFY(m->openTestSequence(name));
    }

    // Names are cleaned as the sequences come in, inside the files too; one that cleans
    // to a file this import has written already takes the next free number instead.
    void importedNamesAreCleanAndNeverOverwriteEachOther()
    {
        QVERIFY(m->createNewTestSequence("Ward_1"));   // replaced by the import's first
        QVERIFY(m->createNewTestSequence("Ward_1_2")); // taken: the second goes to _3
        const QByteArray user = USER_AND_OCCLUSION.left(46);
        QBuffer in;
        in.setData(exchangeFile({{"Ward 1", user}, {"Ward_1", QByteArray()}, {"Ward# 1", user}}));
        in.open(QIODevice::ReadOnly);
        QCOMPARE(importSummary(m->importTestSequences(in.readAll())), QString("stored 3 renamed 2 damaged 0 skipped 0"));
        QCOMPARE(m->getTestSequenceList(), QStringList({"Ward_1", "Ward_1_2", "Ward_1_3", "Ward_1_4"}));
        QCOMPARE(root->readFile(QString(DIR) + "Ward_1"),
                 sequenceFile(hex("5700610072006400 5f00 3100"), 12, user));
        QCOMPARE(root->readFile(QString(DIR) + "Ward_1_3").toHex(' '),
                 hex("0100 0100 10000000 5700610072006400 5f00 3100 5f00 3300 ffffffff").toHex(' '));
        QCOMPARE(root->readFile(QString(DIR) + "Ward_1_4"),
                 sequenceFile(hex("5700610072006400 5f00 3100 5f00 3400"), 16, user));
        QCOMPARE(m->getCurrentTestSequenceName(), QString("Ward_1_4"));
        QCOMPARE(m->getCurrentTestSequenceSize(), 0);
    }

    // The numbers go on past the ones a sequence of the file took under its own name.
    void importedNumbersSkipNamesTakenOnTheWay()
    {
        QVERIFY(m->createNewTestSequence("Bed_2"));
        QBuffer in;
        in.setData(exchangeFile({{"Bed", QByteArray()}, {"Bed", QByteArray()},
                                 {"Bed_4", QByteArray()}, {"Bed", QByteArray()},
                                 {"Bed", QByteArray()}}));
        in.open(QIODevice::ReadOnly);
        QCOMPARE(importSummary(m->importTestSequences(in.readAll())),
                 QString("stored 5 renamed 3 damaged 0 skipped 0"));
        QCOMPARE(m->getTestSequenceList(),
                 QStringList({"Bed", "Bed_2", "Bed_3", "Bed_4", "Bed_5", "Bed_6"}));
        QCOMPARE(m->getCurrentTestSequenceName(), QString("Bed_6"));
    }

    void openFromRecord()
    {
        MedicalApplianceResult record;
        record.testSequenceName = "R";
        record.testSequenceData = USER_AND_OCCLUSION;
        QVERIFY(m->openTestSequence(record, 3));
        QCOMPARE(m->getCurrentTestSequenceName(3), QString("R"));
        QVERIFY(m->isValidCurrentTestSequence(3));
        record.testSequenceData.chop(1);
        QVERIFY(!m->openTestSequence(record));
        QCOMPARE(m->getCurrentTestSequenceSize(), 0);
    }
};

RONDIX_TEST(TestTestSequenceManager)
#include "tst_TestSequenceManager.moc"
