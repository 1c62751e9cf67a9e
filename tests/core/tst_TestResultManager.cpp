#include "ImportSummary.h"
#include "ImportWarning.h"
#include "StreamHelper.h"
#include "TempRoot.h"
#include "TestRegistry.h"
#include "TestResultElementFlowTest.h"
#include "TestResultElementOccTest.h"
#include "TestResultElementPCATest.h"
#include "TestResultElementUserTest.h"
#include "TestResultFactory.h"
#include "TestResultManager.h"
#include "TestSequenceManager.h"

#include <QBuffer>
#include <QDir>
#include <QTest>
#include <QTextStream>
#include <QTranslator>

#include <sys/stat.h>

namespace {
const QString DIR = "/mnt/data/testResults/";

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text));
}

QByteArray recordBytes(const MedicalApplianceResult &record)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    StreamHelper::setup(out);
    out << record;
    return bytes;
}

MedicalApplianceResult record(const QString &asset, const QList<TestResultElement *> &results)
{
    MedicalApplianceResult r;
    r.overallResult = TEST_PASS;
    r.testDate = QDateTime(QDate(2024, 3, 5), QTime(9, 4, 30));
    r.retestPeriod = 9;
    r.applianceName = asset;
    r.testSequenceName = "Ward1";
    r.testResultsData = TestResultFactory::toByteArray(results);
    return r;
}

TestResultElementUserTest *userResult(const QString &text, const QString &units, float value,
                                      TEST_RESULT_STATUS status)
{
    auto *user = new TestResultElementUserTest;
    user->testName = text;
    user->testUnits = units;
    user->result = value;
    user->status = status;
    return user;
}

// Stands in for the Italian translation of the test type names.
class ItalianTypeNames : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (QByteArray(context) != "TestElementDetails")
            return QString();
        return QByteArray(source) == "Flow Rate Test" ? QStringLiteral("Test portata")
               : QByteArray(source) == "User Test"    ? QStringLiteral("Test utente")
                                                      : QString();
    }
    bool isEmpty() const override { return false; }
};
} // namespace

class TestTestResultManager : public QObject
{
    Q_OBJECT
    TestResultManager *m = TestResultManager::getInstance();
    std::unique_ptr<TempRoot> root;
    QStringList warnings;

    // Stores a result file as the instrument would have written it.
    void storeFile(const QString &fileName, const MedicalApplianceResult &r)
    {
        QVERIFY(root->writeFile(DIR + fileName, hex("0100 0000") + recordBytes(r)));
    }

    QStringList files() const
    {
        return QDir(root->path(DIR)).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    QString csvOfCurrent(bool withResults)
    {
        QString text;
        QTextStream out(&text);
        m->sendCurrentApplianceCSVToStream(out, withResults);
        out.flush();
        return text;
    }

private slots:
    void init()
    {
        root.reset(new TempRoot);
        QDir().mkpath(root->path(DIR));
        m->deleteAllTestResults();
        for (unsigned short ch = 0; ch < 4; ++ch)
            m->deleteAllTestResults(ch);
        TestSequenceManager::getInstance()->clearCurrentTestSequence();
        warnings.clear();
        ImportWarning::setHandler([this](const QString &title, const QString &text) {
            warnings << title + ": " + text;
        });
    }
    void cleanup()
    {
        ImportWarning::setHandler({});
        TestResultManager::setPressureDisplay({}, {});
        root.reset();
    }

    void fileNames_data()
    {
        QTest::addColumn<QString>("asset");
        QTest::addColumn<QDateTime>("date");
        QTest::addColumn<QString>("fileName");
        const QDateTime date(QDate(2024, 3, 5), QTime(9, 4, 30));
        QTest::newRow("blank dropped") << "PUMP 17" << date << "PUMP17_05032024_090430";
        QTest::newRow("underscore kept") << "ICU_12" << date << "ICU_12_05032024_090430";
        QTest::newRow("path dropped") << "../a/b*c" << QDateTime(QDate(987, 12, 31), QTime(23, 0))
                                      << "abc_31120987_230000";
        // A leading dot would hide the file from every listing.
        QTest::newRow("leading dots dropped") << ".P 1" << date << "P1_05032024_090430";
        QTest::newRow("percent signs stay text") << "A%2%1" << date << "A21_05032024_090430";
        QTest::newRow("control characters dropped")
            << QString("P\t1") + QChar(0) + "\x7f" << date << "P1_05032024_090430";
        // An identity that cleans to nothing is saved all the same, named by its date.
        QTest::newRow("empty") << "" << date << "_05032024_090430";
        QTest::newRow("nothing left") << "#?/ " << date << "_05032024_090430";
        QTest::newRow("dot dot") << ".." << date << "_05032024_090430";
        QTest::newRow("no date") << "P" << QDateTime() << "";
    }

    void fileNames()
    {
        QFETCH(QString, asset);
        QFETCH(QDateTime, date);
        QFETCH(QString, fileName);
        MedicalApplianceResult r;
        r.applianceName = asset;
        r.testDate = date;
        QCOMPARE(TestResultManager::fileNameFor(r), fileName);
        m->setAssetId(asset);
        QCOMPARE(m->getCurrentAssetId(), asset); // the record keeps it as typed
    }

    void manualSave()
    {
        root->writeFile("/mnt/data/kovinta.ini", "[General]\nSerial_num=SN-7\n");
        TestSequenceManager::getInstance()->clearCurrentTestSequence();
        m->deleteAllTestResults();
        m->setAssetId("PUMP 17");
        m->setCurrentOverallStatus(TEST_PASS);
        TestResultElementUserTest *user = userResult("T", "", 0, TEST_PASS);
        m->setCurrentTestResult(user);
        m->storeCurrentTestResult();
        m->storeCurrentTestResult(); // a second store must not list it twice
        QCOMPARE(m->getCurrentTestResultSize(), 1);
        m->setApplianceData("Mk", "Md", "E1");
        m->setApplianceResults();
        QVERIFY(m->saveCurrentApplianceResult());

        const QDateTime saved = m->getCurrentAssetDateTime();
        const QString name = "PUMP17_" + saved.toString("ddMMyyyy_hhmmss");
        QCOMPARE(files(), QStringList{name});
        const QByteArray bytes = root->readFile(DIR + name);
        QCOMPARE(bytes.left(5).toHex(' '), QByteArray("01 00 00 00 01"));
        QCOMPARE(bytes.mid(14).toHex(' '),
                 hex("09 0e000000 500055004d005000200031003700"
                     " 00000000 00000000 00000000 00000000 00000000"
                     " 08000000 53004e002d003700 00000000"
                     " 04000000 4d006b00 04000000 4d006400 04000000 45003100"
                     " 00000000 ffffffff"
                     " 1e000000 00 01 0000 ffffffff ffffffff 02000000 5400 00000000"
                     " 0000000000000000")
                     .toHex(' '));
        QCOMPARE(bytes.size(), 4 + recordBytes(m->currentApplianceResult()).size());

        QVERIFY(m->openApplianceResult(name, true));
        QCOMPARE(m->getCurrentAssetId(), QString("PUMP 17"));
        QCOMPARE(m->getTestResultPtr(0)->getCustomName(), QString("T"));
    }

    void automaticRunOnAChannel()
    {
        root->writeFile("/mnt/data/kovinta.ini", "[General]\nSerial_num=SN-7\n");
        const QByteArray flowStep = hex("01 01 0000000000005940 0a 0a 0000000000002440 0000000000002440"
                                        " 0000000000005940 0a 0a 0000000000005940 0000 1e00 84030000 00 00");
        root->writeFile("/mnt/data/testSequences/Ward1",
                        hex("0100 0100 0a000000 5700610072006400 3100 38000000") + flowStep);
        TestSequenceManager *sequences = TestSequenceManager::getInstance();
        sequences->createNewTestSequence("Other");
        QVERIFY(sequences->openTestSequence("Other")); // the current sequence stays out of it
        QVERIFY(sequences->openTestSequence("Ward1", 1));
        QVERIFY(sequences->isValidCurrentTestSequence(1));
        m->deleteAllTestResults(1);
        m->setCurrentOverallStatus(TEST_PASS, 1);
        m->setAssetId("ICU 3", 1);
        m->setApplianceData("Mk", "Md", "E1", 1);
        auto *flow = static_cast<TestResultElementFlowTest *>(TestResultFactory::createElement(1));
        flow->channelId = 2;
        m->setCurrentTestResult(flow, 1);
        m->storeCurrentTestResult(1);
        m->setCurrentOverallStatus(TEST_FAIL, 1);
        m->setApplianceResults(1);
        QVERIFY(m->saveCurrentApplianceResult(1));
        QCOMPARE(m->getCurrentTestResultSize(), 0); // the current list is another one

        const QString name = "ICU3_" + m->getCurrentAssetDateTime(1).toString("ddMMyyyy_hhmmss");
        QCOMPARE(files(), QStringList{name});
        QVERIFY(m->openApplianceResult(name, true));
        const MedicalApplianceResult r = m->currentApplianceResult();
        QCOMPARE(r.overallResult, TEST_FAIL);
        QCOMPARE(r.testSequenceName, QString("Ward1"));
        QCOMPARE(r.testSequenceData, flowStep);
        QCOMPARE(r.serialNo, QString("SN-7"));
        QCOMPARE(m->getTestResultPtr(0)->channelId, quint16(2));
    }

    void demonstrationRecords()
    {
        m->createTestData(2, 700, 0);
        const QStringList names = files();
        QCOMPARE(names.size(), 2);
        QVERIFY(names.at(0).startsWith("testAsset_0_"));
        QVERIFY(m->openApplianceResult(names.at(0), true));
        QCOMPARE(m->getCurrentAssetStatus(), TEST_FAIL); // every third asset fails
        QStringList kinds;
        QCOMPARE(m->getCurrentTestResultNames(kinds), 3);
        QCOMPARE(kinds, QStringList({"Occlusion Test", "PCA Test", "Flow Rate Test"}));
        QCOMPARE(static_cast<TestResultElementOccTest *>(m->getTestResultPtr(0))->samples.size(), 60);
        QCOMPARE(static_cast<TestResultElementPCATest *>(m->getTestResultPtr(1))->samples.size(), 600);
        QCOMPARE(static_cast<TestResultElementFlowTest *>(m->getTestResultPtr(2))->samples.size(), 700);
        QVERIFY(m->openApplianceResult(names.at(1), false));
        QCOMPARE(m->getCurrentAssetStatus(), TEST_PASS);
    }

    void listingNamesAssetsFromFileNamesAlone()
    {
        storeFile("ICU_12_05032024_090430", record("ICU_12", {}));
        root->writeFile(DIR + "junk", "not a result at all");
        root->writeFile(DIR + ".PUMP1_05032024_090430.part", "left by a power cut");
        QDir().mkpath(root->path(DIR + "aDirectory"));
        // Regular files alone: no link, not even to a result, and no FIFO.
        QVERIFY(QFile::link("/dev/zero", root->path(DIR + "Zero_05032024_090430")));
        QVERIFY(QFile::link(root->path(DIR + "ICU_12_05032024_090430"),
                            root->path(DIR + "Alias_05032024_090430")));
        QCOMPARE(::mkfifo(QFile::encodeName(root->path(DIR + "Fifo_05032024_090430")), 0600), 0);
        const QMap<QString, QString> list = m->getApplianceResultList();
        QCOMPARE(list.keys(), QStringList({"ICU_12_05032024_090430", "junk"}));
        QCOMPARE(list.value("ICU_12_05032024_090430"), QString("ICU_12"));
        QCOMPARE(list.value("junk"), QString("junk"));
    }

    void openWithOrWithoutResults()
    {
        QList<TestResultElement *> results{userResult("A", "", 0, TEST_PASS),
                                           userResult("B", "", 0, TEST_FAIL)};
        storeFile("P_05032024_090430", record("P", results));
        qDeleteAll(results);
        QVERIFY(m->openApplianceResult("P_05032024_090430", false));
        QCOMPARE(m->getCurrentTestResultSize(), 0);
        QCOMPARE(m->getCurrentApplianceResultSequenceName(), QString("Ward1"));
        QVERIFY(m->openApplianceResult("P_05032024_090430", true));
        QStringList names;
        QCOMPARE(m->getCurrentTestResultNames(names), 2);
        QCOMPARE(names, QStringList({"User Test", "User Test"}));

        // The head alone: every field but the results, and the current record untouched.
        storeFile("Q_06032024_101500", record("Q", {}));
        MedicalApplianceResult head;
        QVERIFY(m->readApplianceResultHead("P_05032024_090430", head));
        MedicalApplianceResult expected = record("P", {});
        QCOMPARE(head, expected);
        QVERIFY(m->readApplianceResultHead("Q_06032024_101500", head));
        QCOMPARE(head.applianceName, QString("Q"));
        QCOMPARE(m->getCurrentAssetId(), QString("P"));
        QCOMPARE(m->getCurrentTestResultSize(), 2);
    }

    void badFilesChangeNothing_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<qint64>("size"); // sparse bytes after the content; -1: none
        QList<TestResultElement *> one{userResult("X", "", 0, TEST_PASS)};
        const QByteArray whole = hex("0100 0000") + recordBytes(record("X", one));
        qDeleteAll(one);
        QTest::newRow("missing") << "none" << QByteArray() << qint64(-1);
        QTest::newRow("outside the directory") << "../kovinta.ini" << QByteArray() << qint64(-1);
        QTest::newRow("cut before the results") << "cut" << whole.left(40) << qint64(-1);
        QTest::newRow("header only") << "header" << hex("0100 0000") << qint64(-1);
        QTest::newRow("huge string length") << "huge" << hex("0100 0000 01 b68a2500 00922f02 00 09 feffff7f 4100")
                                            << qint64(-1);
        // Hundreds of megabytes after a whole record: refused without being read.
        QTest::newRow("larger than any result") << "large" << whole << qint64(300 * 1024 * 1024);
    }

    void badFilesChangeNothing()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QFETCH(qint64, size);
        root->writeFile("/mnt/data/kovinta.ini", "[General]\n");
        QList<TestResultElement *> results{userResult("Good", "", 0, TEST_PASS)};
        storeFile("Good_05032024_090430", record("Good", results));
        qDeleteAll(results);
        QVERIFY(m->openApplianceResult("Good_05032024_090430", true));
        if (!content.isNull())
            root->writeFile(DIR + fileName, content);
        if (size > 0)
            QVERIFY(QFile::resize(root->path(DIR + fileName), size));
        QVERIFY(!m->openApplianceResult(fileName, true));
        MedicalApplianceResult head;
        head.applianceName = "untouched";
        QVERIFY(!m->readApplianceResultHead(fileName, head));
        QCOMPARE(head.applianceName, QString("untouched"));
        QCOMPARE(m->getCurrentAssetId(), QString("Good"));
        QCOMPARE(m->getCurrentTestResultSize(), 1);
        QVERIFY(!m->removeApplianceResult("../kovinta.ini"));
        QVERIFY(QFile::exists(root->path("/mnt/data/kovinta.ini")));
    }

    void aLinkToADeviceIsNoResult()
    {
        QVERIFY(QFile::link("/dev/zero", root->path(DIR + "Z_05032024_090430")));
        QVERIFY(!m->openApplianceResult("Z_05032024_090430", true));
        MedicalApplianceResult head;
        QVERIFY(!m->readApplianceResultHead("Z_05032024_090430", head));
    }

    // One result that is not whole costs that result and what follows, not the record:
    // the operator still sees the asset and every whole test.
    void damagedFilesShowTheAssetAndEveryWholeTest_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("tests");
        QList<TestResultElement *> two{userResult("A", "", 0, TEST_PASS), userResult("B", "", 0, TEST_PASS)};
        const MedicalApplianceResult r = record("Bed 4", two);
        qDeleteAll(two);
        const QByteArray whole = hex("0100 0000") + recordBytes(r);
        MedicalApplianceResult cutInside = r;
        cutInside.testResultsData.chop(1);
        MedicalApplianceResult unknown = r;
        unknown.testResultsData[unknown.testResultsData.size() / 2] = 9; // type of the second
        QTest::newRow("last result cut inside the list") << hex("0100 0000") + recordBytes(cutInside)
                                                        << QStringList{"A"};
        QTest::newRow("file cut in the last result") << whole.left(whole.size() - 1) << QStringList{"A"};
        QTest::newRow("unknown type of the second") << hex("0100 0000") + recordBytes(unknown)
                                                    << QStringList{"A"};
        QTest::newRow("file cut in the first result") << whole.left(whole.size() - 33) << QStringList();
        QTest::newRow("file cut in the list's length") << whole.left(whole.size() - 62) << QStringList();
        QTest::newRow("bytes after the record") << whole + hex("01") << QStringList{"A", "B"};
    }

    void damagedFilesShowTheAssetAndEveryWholeTest()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, tests);
        QVERIFY(root->writeFile(DIR + "Bed4_05032024_090430", content));
        MedicalApplianceResult head;
        QVERIFY(m->readApplianceResultHead("Bed4_05032024_090430", head));
        QCOMPARE(head.applianceName, QString("Bed 4"));
        QVERIFY(m->openApplianceResult("Bed4_05032024_090430", true));
        QCOMPARE(m->getCurrentAssetId(), QString("Bed 4"));
        QCOMPARE(m->getCurrentApplianceResultSequenceName(), QString("Ward1"));
        QStringList texts;
        for (int i = 0; i < m->getCurrentTestResultSize(); ++i)
            texts << m->getTestResultPtr(i)->getCustomName();
        QCOMPARE(texts, tests);
    }

    void listsIgnoreBadIndexes()
    {
        m->addTestResult(userResult("A", "", 0, TEST_PASS));
        m->addTestResult(userResult("B", "", 0, TEST_PASS), 3);
        for (int bad : {-1, 1, 99}) {
            QVERIFY(!m->getTestResultPtr(bad));
            QVERIFY(!m->getTestResultPtr(bad, 3));
            m->deleteTestResult(bad);
            m->deleteTestResult(bad, 3);
        }
        QCOMPARE(m->getCurrentTestResultSize(), 1);
        QCOMPARE(m->getCurrentTestResultSize(3), 1);
        // Channel 4 does not exist: nothing is stored, nothing crashes.
        m->setAssetId("Z", 4);
        QVERIFY(!m->getTestResultPtr(0, 4));
        QVERIFY(!m->saveCurrentApplianceResult(4));
        m->deleteTestResult(0);
        QCOMPARE(m->getCurrentTestResultSize(), 0);
    }

    void savesReplaceWholeOrNotAtAll()
    {
        storeFile("P_05032024_090430", record("P", {}));
        const QByteArray before = root->readFile(DIR + "P_05032024_090430");
        QVERIFY(m->openApplianceResult("P_05032024_090430", true));
        m->setCurrentOverallStatus(TEST_FAIL);
        QDir().mkpath(root->path(DIR + ".P_05032024_090430.part"));
        QVERIFY(!m->saveCurrentApplianceResult());
        QCOMPARE(root->readFile(DIR + "P_05032024_090430"), before);
        QDir(root->path(DIR)).rmdir(".P_05032024_090430.part");
        QVERIFY(m->saveCurrentApplianceResult());
        QCOMPARE(root->readFile(DIR + "P_05032024_090430").at(4), char(0));
        QCOMPARE(files(), QStringList{"P_05032024_090430"});

        // An identity with nothing left for a file name is stored under its date alone.
        m->setAssetId("?*");
        QVERIFY(m->saveCurrentApplianceResult());
        QCOMPARE(files(), QStringList({"P_05032024_090430", "_05032024_090430"}));
    }

    void csvFlowAndUserResults()
    {
        auto *flow = new TestResultElementFlowTest;
        flow->status = TEST_PASS;
        flow->testData.fFlowRate_Ave = 5.5f;
        flow->testData.fFlowRate_Peak = 6.25f;
        flow->testData.fFlowRate_Min = 4;
        flow->testData.fVolume = 12.5f;
        flow->testData.u32ElapseTime = 900;
        QList<TestResultElement *> results{
            flow, userResult("Check alarm", "", 0, TEST_FAIL),
            userResult("Weight", "g", 1.5f, TEST_INFORMATION_ONLY),
            userResult("Not answered", "", 0, TEST_NOT_ANSWERED)};
        MedicalApplianceResult r = record("PUMP 17", results);
        r.overallResult = TEST_INFORMATION_ONLY;
        qDeleteAll(results);
        storeFile("PUMP17_05032024_090430", r);
        QVERIFY(m->openApplianceResult("PUMP17_05032024_090430", true));
        QCOMPARE(csvOfCurrent(true),
                 QString("Tested on,Tue Mar 5 09:04:30 2024\n"
                         "Asset ID,PUMP 17\n"
                         "Test Sequence,Ward1\n"
                         "Overall Result,Pass\n"
                         "Results:\n"
                         "Flow Rate Test,Status:,Pass,Flow Avg:,5.50,Flow Peak:,6.25,Flow Min:,4.00,"
                         "Volume:,12.50,Duration:,00:15:00,Limit Type:,Average Flow,Target:,100.00,"
                         "Upper % Limit:,10.00,Lower % Limit:,10.00\n"
                         "User Test,Status:,Fail,Text:,Check alarm,,,\n"
                         "User Test,Status:,Information Only,Text:,Weight,Result:,1.50,g\n"
                         "User Test,Status:,Fail,Text:,Not answered,,,\n"
                         "\n"));
        QCOMPARE(csvOfCurrent(false),
                 QString("Tested on,Tue Mar 5 09:04:30 2024\nAsset ID,PUMP 17\n"
                         "Test Sequence,Ward1\nOverall Result,Pass\n\n"));
    }

    // The test type names listed and written follow the language in force, also after a
    // change of language once they were first used.
    void typeNamesFollowTheLanguage()
    {
        QList<TestResultElement *> results{new TestResultElementFlowTest,
                                           userResult("Check alarm", "", 0, TEST_PASS)};
        storeFile("PUMP17_05032024_090430", record("PUMP 17", results));
        qDeleteAll(results);
        QVERIFY(m->openApplianceResult("PUMP17_05032024_090430", true));
        const auto namesAndCsv = [this] {
            QStringList names;
            m->getCurrentTestResultNames(names);
            const QStringList lines = csvOfCurrent(true).split('\n');
            for (const QString &line : lines.mid(5, 2))
                names << line.section(',', 0, 0);
            return names;
        };
        {
            ItalianTypeNames italian;
            QCoreApplication::installTranslator(&italian);
            const QStringList shown = namesAndCsv();
            QCoreApplication::removeTranslator(&italian);
            QCOMPARE(shown,
                     QStringList({"Test portata", "Test utente", "Test portata", "Test utente"}));
        }
        QCOMPARE(namesAndCsv(),
                 QStringList({"Flow Rate Test", "User Test", "Flow Rate Test", "User Test"}));
    }

    void csvOcclusionAndPcaResults()
    {
        auto *occ = new TestResultElementOccTest;
        occ->pumpType = 1;
        occ->status = TEST_FAIL;
        occ->testData.s16Pressure_Peak = 100;
        occ->testData.s16Pressure_BackOff = -50;
        occ->testData.fVolume = 0.25f;
        auto *pca = new TestResultElementPCATest;
        pca->status = TEST_PASS;
        pca->testData.fVolume = 20;
        pca->testData.u32ElapseTime = 86400 + 61; // a duration past a day wraps
        PCA_TEST_DATA bolus;
        bolus.fVolume_Bolus = 0.5f;
        bolus.fFlowRate_Bolus = 360;
        bolus.u32BolusDuration = 5;
        pca->boluses << bolus << bolus;
        QList<TestResultElement *> results{occ, pca};
        MedicalApplianceResult r = record("A", results);
        r.overallResult = TEST_FAIL;
        qDeleteAll(results);
        storeFile("A_05032024_090430", r);
        QVERIFY(m->openApplianceResult("A_05032024_090430", true));
        TestResultManager::setPressureDisplay([](float mmHg) { return float(mmHg * 0.0193367747); },
                                              [] { return QString("PSI"); });
        QCOMPARE(csvOfCurrent(true),
                 QString("Tested on,Tue Mar 5 09:04:30 2024\nAsset ID,A\nTest Sequence,Ward1\n"
                         "Overall Result,Fail\nResults:\n"
                         "Occlusion Test,Status:,Fail,Pump Type:,Auto-Reverse,Peak Pressure:,1.93,PSI,"
                         "Back-Off Pressure:,-0.97,PSI,Volume:,0.25,Upper Pressure Limit:,0.19,PSI,"
                         "Lower Pressure Limit:,0.19,PSI\n"
                         "PCA Test,Status:,Pass,Volume:,20.00,Duration:,00:01:01,"
                         "Bolus Volume Target:,100.00,Upper % Limit:,10.00,Lower % Limit:,10.00\n"
                         ",Bolus 0,Bolus Volume:,0.50,Bolus Flow Rate:,360.00,Bolus Duration:,00:00:05\n"
                         ",Bolus 1,Bolus Volume:,0.50,Bolus Flow Rate:,360.00,Bolus Duration:,00:00:05\n"
                         "\n"));
    }

    void csvQuotesFieldsThatWouldBreakTheLine()
    {
        QList<TestResultElement *> results{userResult("Press \"stop\"\nthen wait", "ml, total", 2, TEST_PASS)};
        MedicalApplianceResult r = record("Bed 4, \"left\"", results);
        qDeleteAll(results);
        storeFile("x", r);
        QVERIFY(m->openApplianceResult("x", true));
        const QStringList lines = csvOfCurrent(true).split('\n');
        QCOMPARE(lines.at(1), QString("Asset ID,\"Bed 4, \"\"left\"\"\""));
        QCOMPARE(lines.at(5), QString("User Test,Status:,Pass,Text:,\"Press \"\"stop\"\""));
        QCOMPARE(lines.at(6), QString("then wait\",Result:,2.00,\"ml, total\""));
    }

    // Text from outside that a spreadsheet would run as a formula stays text: an apostrophe
    // goes before it, then it is quoted as any text is. Numbers the instrument writes,
    // negative ones too, stay numbers.
    void csvTextCannotBecomeAFormula_data()
    {
        QTest::addColumn<QString>("asset");
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<QString>("userTest");
        QTest::addColumn<QString>("units");
        QTest::addColumn<QString>("csv");
        const QString plain = "Tested on,Tue Mar 5 09:04:30 2024\n"
                              "Asset ID,%1\nTest Sequence,%2\nOverall Result,Pass\nResults:\n"
                              "User Test,Status:,Pass,Text:,%3,Result:,-2.50,%4\n\n";
        QTest::newRow("link")
            << "=HYPERLINK(\"http://x.example/a?b\",\"x\")" << "Ward1" << "Check" << "ml"
            << plain.arg("\"'=HYPERLINK(\"\"http://x.example/a?b\"\",\"\"x\"\")\"", "Ward1",
                         "Check", "ml");
        QTest::newRow("command")
            << "=cmd|' /C calc'!A0" << "Ward1" << "Check" << "ml"
            << plain.arg("'=cmd|' /C calc'!A0", "Ward1", "Check", "ml");
        QTest::newRow("plus, minus, at")
            << "+1" << "-Ward" << "@SUM(A1:A9)" << "ml"
            << plain.arg("'+1", "'-Ward", "'@SUM(A1:A9)", "ml");
        QTest::newRow("tab, carriage return")
            << "\tx" << "Ward1" << "\r=1+1" << "=u"
            << plain.arg("'\tx", "Ward1", "\"'\r=1+1\"", "'=u");
        QTest::newRow("a sign inside stays") << "PUMP-0815" << "W=1" << "a+b" << "ml/h"
                                             << plain.arg("PUMP-0815", "W=1", "a+b", "ml/h");
        QTest::newRow("empty") << "" << "" << "" << "-" << plain.arg("", "", "", "'-");
    }
    void csvTextCannotBecomeAFormula()
    {
        QFETCH(QString, asset);
        QFETCH(QString, sequence);
        QFETCH(QString, userTest);
        QFETCH(QString, units);
        QList<TestResultElement *> results{userResult(userTest, units, -2.5f, TEST_PASS)};
        MedicalApplianceResult r = record(asset, results);
        r.testSequenceName = sequence;
        qDeleteAll(results);
        storeFile("x", r);
        QVERIFY(m->openApplianceResult("x", true));
        QTEST(csvOfCurrent(true), "csv");
    }

    void importStoresWhatItCan_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("report");
        QList<TestResultElement *> results{userResult("U", "", 0, TEST_PASS)};
        const QByteArray a = recordBytes(record("A", results));
        qDeleteAll(results);
        const QByteArray b = recordBytes(record("B", {}));
        MedicalApplianceResult bad = record("C", {});
        bad.testResultsData = hex("07");
        QTest::newRow("two records") << hex("0100 0000") + a + b
                                     << QStringList{"A_05032024_090430", "B_05032024_090430"}
                                     << "stored 2 renamed 0 damaged 0 skipped 0";
        QTest::newRow("sequences file") << hex("0100 0100") + a << QStringList()
                                        << "stored 0 renamed 0 damaged 0 skipped 0 wrong kind";
        QTest::newRow("too short for a header") << hex("01") << QStringList()
                                                << "stored 0 renamed 0 damaged 0 skipped 0 wrong kind";
        QTest::newRow("header only") << hex("0100 0000") << QStringList()
                                     << "stored 0 renamed 0 damaged 0 skipped 0";
        QTest::newRow("second cut in its results") << hex("0100 0000") + a + b.left(b.size() - 1)
                                                   << QStringList{"A_05032024_090430", "B_05032024_090430"}
                                                   << "stored 2 renamed 0 damaged 1 skipped 0";
        QTest::newRow("second cut before its results") << hex("0100 0000") + a + b.left(30)
                                                       << QStringList{"A_05032024_090430"}
                                                       << "stored 1 renamed 0 damaged 0 skipped 1";
        QTest::newRow("second of unknown type") << hex("0100 0000") + a + recordBytes(bad) + b
                                                << QStringList{"A_05032024_090430", "B_05032024_090430",
                                                               "C_05032024_090430"}
                                                << "stored 3 renamed 0 damaged 1 skipped 0";
    }

    void importStoresWhatItCan()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, stored);
        QFETCH(QString, report);
        QBuffer in;
        in.setData(content);
        in.open(QIODevice::ReadOnly);
        const ImportReport result = m->importApplianceResults(in.readAll());
        QCOMPARE(importSummary(result), report);
        QCOMPARE(files(), stored);
        QCOMPARE(warnings, result.wrongKind ? QStringList{"Warning: Incorrect File Format"} : QStringList());
        for (const QString &file : stored)
            QVERIFY(m->openApplianceResult(file, true));
    }

    // A record is stored as far as its test list is whole: the file holds the whole
    // results only, byte for byte.
    void importKeepsTheWholeResultsOfADamagedRecord()
    {
        QList<TestResultElement *> one{userResult("A", "", 0, TEST_PASS)};
        MedicalApplianceResult r = record("P", one);
        qDeleteAll(one);
        MedicalApplianceResult damaged = r;
        damaged.testResultsData += hex("00 01"); // a second user result, cut
        QBuffer in;
        in.setData(hex("0100 0000") + recordBytes(damaged));
        in.open(QIODevice::ReadOnly);
        QCOMPARE(importSummary(m->importApplianceResults(in.readAll())), QString("stored 1 renamed 0 damaged 1 skipped 0"));
        QCOMPARE(root->readFile(DIR + "P_05032024_090430"), hex("0100 0000") + recordBytes(r));
    }

    // Records whose identity cleans to nothing or whose date is not valid are stored
    // under the same form with what there is; they never replace another record, and
    // importing them again does not add copies.
    void importNamesRecordsThatCannotNameThemselves()
    {
        MedicalApplianceResult hashes = record("###", {});
        MedicalApplianceResult percents = record("%%%", {});
        percents.overallResult = TEST_FAIL;
        MedicalApplianceResult noDate = record("P 1", {});
        noDate.testDate = QDateTime();
        MedicalApplianceResult neither = record("#", {});
        neither.testDate = QDateTime();
        const QByteArray exchange = hex("0100 0000") + recordBytes(hashes) + recordBytes(percents)
            + recordBytes(noDate) + recordBytes(neither);
        const QStringList names{"P1_00000000_000000", "_00000000_000000", "_05032024_090430",
                                "_05032024_090430_2"};
        for (int round = 0; round < 2; ++round) {
            QBuffer in;
            in.setData(exchange);
            in.open(QIODevice::ReadOnly);
            QCOMPARE(importSummary(m->importApplianceResults(in.readAll())), QString("stored 4 renamed 4 damaged 0 skipped 0"));
            QCOMPARE(files(), names);
        }
        QCOMPARE(root->readFile(DIR + "_05032024_090430"), hex("0100 0000") + recordBytes(hashes));
        QCOMPARE(root->readFile(DIR + "_05032024_090430_2"), hex("0100 0000") + recordBytes(percents));
        QCOMPARE(root->readFile(DIR + "P1_00000000_000000"), hex("0100 0000") + recordBytes(noDate));
        const QMap<QString, QString> list = m->getApplianceResultList();
        QCOMPARE(list.value("P1_00000000_000000"), QString("P1"));
        QCOMPARE(list.value("_05032024_090430"), QString());
        QVERIFY(m->openApplianceResult("_00000000_000000", true));
        QCOMPARE(m->getCurrentAssetId(), QString("#"));
    }

    // Records without an identity go to the first of "_<date>", "_<date>_2", ... that
    // names no file or holds that very record, whatever the store already holds there:
    // files of other records of the same size or of another, gaps in the numbers, and
    // records that come again within one import.
    void importNumbersRecordsAroundWhatIsStored_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("imported");
        QTest::addColumn<QStringList>("after");
        // Each is "<number>:<record>"; records a, b, c and o are of one size, l is longer.
        QTest::newRow("others of the same size, a gap")
            << QStringList{"1:o", "3:l"} << "abc" << QStringList{"1:o", "2:a", "3:l", "4:b", "5:c"};
        QTest::newRow("one already there, further up")
            << QStringList{"1:o", "2:b"} << "ab" << QStringList{"1:o", "2:b", "3:a"};
        QTest::newRow("a free name below the same record")
            << QStringList{"3:a"} << "aa" << QStringList{"1:a", "3:a"};
        QTest::newRow("of another size, matched later")
            << QStringList{"1:l", "2:o"} << "bla" << QStringList{"1:l", "2:o", "3:b", "4:a"};
        QTest::newRow("again within the import")
            << QStringList() << "abab" << QStringList{"1:a", "2:b"};
    }
    void importNumbersRecordsAroundWhatIsStored()
    {
        QFETCH(QStringList, stored);
        QFETCH(QString, imported);
        QFETCH(QStringList, after);
        QMap<QChar, MedicalApplianceResult> records;
        for (const char letter : {'a', 'b', 'c', 'o', 'l'}) {
            MedicalApplianceResult r = record("", {});
            r.serialNo = QString(letter == 'l' ? "SN-long" : "SN-") + letter;
            records.insert(QChar(letter), r);
        }
        const auto name = [](const QString &number) {
            return number == "1" ? QString("_05032024_090430") : "_05032024_090430_" + number;
        };
        for (const QString &file : stored)
            storeFile(name(file.section(':', 0, 0)), records.value(file.at(2)));
        QByteArray exchange = hex("0100 0000");
        for (const QChar letter : imported)
            exchange += recordBytes(records.value(letter));
        QCOMPARE(m->importApplianceResults(exchange).stored, imported.size());
        QStringList names;
        for (const QString &file : after) {
            names << name(file.section(':', 0, 0));
            QCOMPARE(root->readFile(DIR + names.last()),
                     hex("0100 0000") + recordBytes(records.value(file.at(2))));
        }
        names.sort();
        QCOMPARE(files(), names);
    }

    void exportsWriteWhatIsStored()
    {
        QList<TestResultElement *> results{userResult("U", "", 0, TEST_PASS)};
        const MedicalApplianceResult a = record("A", results);
        qDeleteAll(results);
        storeFile("A_05032024_090430", a);
        storeFile("B_05032024_090430", record("B", {}));
        QDir().mkpath(root->path("/mnt/update"));
        const QString vexd = root->path("/mnt/update/results.vexd");
        QCOMPARE(m->exportApplianceResults(vexd, {"A_05032024_090430", "gone", "B_05032024_090430"}), 2);
        QFile file(vexd);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), hex("0100 0000") + recordBytes(a) + recordBytes(record("B", {})));

        const QString csv = root->path("/mnt/update/results.csv");
        QCOMPARE(m->exportApplianceResultsCSV(csv, {"B_05032024_090430", "A_05032024_090430"}), 2);
        QFile text(csv);
        QVERIFY(text.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(text.readAll()),
                 QString("Tested on,Tue Mar 5 09:04:30 2024\nAsset ID,B\nTest Sequence,Ward1\n"
                         "Overall Result,Pass\nResults:\n\n"
                         "Tested on,Tue Mar 5 09:04:30 2024\nAsset ID,A\nTest Sequence,Ward1\n"
                         "Overall Result,Pass\nResults:\nUser Test,Status:,Pass,Text:,U,,,\n\n"));
        QCOMPARE(m->exportApplianceResults(root->path("/no/such/dir/x.vexd"), {}), -1);
    }
};

RONDIX_TEST(TestTestResultManager)
#include "tst_TestResultManager.moc"
