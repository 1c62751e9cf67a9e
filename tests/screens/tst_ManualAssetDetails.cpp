#include "AssetKeys.h"
#include "BluetoothFavourites.h"
#include "DataManager.h"
#include "GuiTest.h"
#include "LineEdit.h"
#include "ManualAssetDetails.h"
#include "ManualBench.h"
#include "RotaryEncoderComboBox.h"
#include "SummaryManualScreen.h"
#include "TestData.h"
#include "TestRegistry.h"
#include "TestResultElementFlowTest.h"
#include "TestResultElementOccTest.h"
#include "TestResultElementPCATest.h"
#include "TestResultManager.h"
#include "TestSequenceManager.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QtEndian>

using namespace GuiTest;
using namespace AssetKeys;

namespace {
// Channel test types as the settings number them.
enum { flowType = 0, occlusionType = 1, pcaType = 2, userType = 3 };

const QByteArray serialSettings = ScreenArea::defaultSettings()
    + "Serial_num=SN-0042\nSerialNumber_ch1=CH-0001\nSerialNumber_ch2=CH-0002\n"
      "SerialNumber_ch3=CH-0003\nSerialNumber_ch4=CH-0004\n";

// The channels are left unfitted, so the power board never writes over the data a test
// puts on them.
struct AssetBench : ManualBench
{
    explicit AssetBench(const QByteArray &settings = ScreenArea::defaultSettings())
        : ManualBench(settings, {0, 1, 2, 3})
    {
    }

    // A stopped test of the given type with one sample per second on the channel.
    void measure(unsigned short channel, int type, unsigned seconds)
    {
        static const int controllerType[] = {0, 1, 2, 0};
        static const int controllerStatus[] = {3, 5, 4, 3};
        data().vSetTestSetting_Type(channel, quint16(type));
        data().vSetTestRunningFlag(PicRunningData(channel, 1));
        for (unsigned s = 1; s <= seconds; ++s)
            data().vStoreTestData(TestData(channel, testDataReply(controllerType[type], controllerStatus[type],
                                                                  int(10 * s), s, 100 * s, 6000, 5900)));
        data().vSetTestRunningFlag(PicRunningData(channel, 0));
    }

    ManualAssetDetails *open(unsigned short channel)
    {
        ManualAssetDetails *screen = summary->getManualAsssetScreen();
        summary->showScreen(true);
        screen->setChannel(channel);
        screen->showScreen(true);
        return screen;
    }
};

QStringList resultFiles()
{
    return QDir(TestResultManager::directory()).entryList(QDir::Files, QDir::Name);
}

template<class T>
T *field(QWidget *screen, const char *name)
{
    return screen->findChild<T *>(QLatin1String(name));
}

QByteArray le32(quint32 v)
{
    QByteArray b(4, 0);
    qToLittleEndian(v, b.data());
    return b;
}

// A string as the result file holds it: byte length, then UTF-16 code units, low byte first.
QByteArray str(const QString &s)
{
    QByteArray b = le32(quint32(s.size() * 2));
    for (const QChar c : s)
        b.append(char(c.unicode() & 0xff)).append(char(c.unicode() >> 8));
    return b;
}
} // namespace

class TestManualAssetDetails : public QObject
{
    Q_OBJECT
private slots:
    void form()
    {
        AssetBench bench;
        ManualAssetDetails *screen = bench.open(2);
        QVERIFY(bench.area.activate());
        QCOMPARE(field<QLabel>(screen, "label_MSG_Prime")->text(), QStringLiteral("Manual Asset Details"));
        QCOMPARE(field<QLabel>(screen, "selectedChannel")->text(), QStringLiteral("3"));
        QCOMPARE(screen->getChannel(), quint16(2));
        auto *status = field<RotaryEncoderComboBox>(screen, "comboBox_status");
        QCOMPARE(status->count(), 3);
        QCOMPARE(status->itemText(2), QStringLiteral("Information Only"));
        QTRY_VERIFY(field<LineEdit>(screen, "assetLineEdit")->hasFocus());
        QVERIFY(bench.area.savePng(QDir::temp().filePath("ManualAssetDetails.png")));
    }

    void savesTheChannelsTest_data()
    {
        QTest::addColumn<int>("channel");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("serials");
        QTest::newRow("flow, channel 1, pass, no serial numbers") << 0 << int(flowType) << 0 << 1 << false;
        QTest::newRow("occlusion, channel 2, fail") << 1 << int(occlusionType) << 1 << 0 << true;
        QTest::newRow("PCA, channel 4, information only") << 3 << int(pcaType) << 2 << 2 << true;
        QTest::newRow("flow, channel 4, fail, no serial numbers") << 3 << int(flowType) << 1 << 0 << false;
    }
    void savesTheChannelsTest()
    {
        QFETCH(int, channel);
        QFETCH(int, type);
        QFETCH(int, row);
        QFETCH(int, status);
        QFETCH(bool, serials);
        AssetBench bench(serials ? serialSettings : ScreenArea::defaultSettings());
        bench.measure(quint16(channel), type, 5);
        const PCA_TEST_DATA bolus{1, 120.5f, 0.75f, 3};
        if (type == pcaType)
            bench.data().m_listPcaTestData[channel] = {bolus, PCA_TEST_DATA{2, 118.0f, 0.7f, 4}};
        ManualAssetDetails *screen = bench.open(quint16(channel));
        QVERIFY(bench.area.activate());
        screen->setAssetId(QStringLiteral("PUMP 17"));
        field<LineEdit>(screen, "makeLineEdit")->setText(QStringLiteral("Make A"));
        field<LineEdit>(screen, "modelLineEdit")->setText(QStringLiteral("M-2"));
        field<LineEdit>(screen, "serialLineEdit")->setText(QStringLiteral("E-77"));
        QTRY_VERIFY(field<LineEdit>(screen, "assetLineEdit")->hasFocus());
        chooseVerdict(row, 0);
        QCOMPARE(field<RotaryEncoderComboBox>(screen, "comboBox_status")->currentIndex(), row);

        const Box box = confirm();
        QVERIFY(box.shown);
        QCOMPARE(box.title, QStringLiteral("Save Asset"));
        QCOMPARE(box.text, QStringLiteral("Asset Saved Successfully"));
        QCOMPARE(box.icon, QMessageBox::Information);
        QCOMPARE(bench.area.current(), bench.summary);

        const QStringList files = resultFiles();
        QCOMPARE(files.size(), 1);
        QVERIFY(files.first().startsWith(QStringLiteral("PUMP17_")));
        TestResultManager *results = TestResultManager::getInstance();
        QVERIFY(results->openApplianceResult(files.first(), true));
        const MedicalApplianceResult record = results->currentApplianceResult();
        QCOMPARE(record.applianceName, QStringLiteral("PUMP 17"));
        QCOMPARE(int(record.overallResult), status);
        QCOMPARE(int(record.retestPeriod), 9);
        QCOMPARE(record.make, QStringLiteral("Make A"));
        QCOMPARE(record.model, QStringLiteral("M-2"));
        QCOMPARE(record.eut_serialNo, QStringLiteral("E-77"));
        const QString serial = serials ? QStringLiteral("SN-0042") : QStringLiteral("XXX-XXXX");
        const QString channelSerial = serials ? QStringLiteral("CH-000%1").arg(channel + 1) : QStringLiteral("XXX-XXXX");
        QCOMPARE(record.serialNo, serial);
        QCOMPARE(record.testSequenceName, QString(""));
        QVERIFY(record.testSequenceData.isNull());

        QCOMPARE(results->getCurrentTestResultSize(), 1);
        TestResultElement *element = results->getTestResultPtr(0);
        static const int resultType[] = {1, 3, 2};
        QCOMPARE(int(element->id), resultType[type]);
        QCOMPARE(int(element->status), status);
        QCOMPARE(int(element->channelId), channel + 1);
        QCOMPARE(element->serialNumber, serial);
        QCOMPARE(element->channelSerialNumber, channelSerial);

        QVector<INFUSION_PUMP_REAL_TIME_DATA> samples;
        INFUSION_PUMP_TEST_DATA last;
        TestSequencePassFailLimits limits;
        if (auto *flow = dynamic_cast<TestResultElementFlowTest *>(element)) {
            samples = flow->samples;
            last = flow->testData;
            limits = flow->sequenceElement.limits;
        } else if (auto *occ = dynamic_cast<TestResultElementOccTest *>(element)) {
            samples = occ->samples;
            last = occ->testData;
            limits = occ->sequenceElement.limits;
            QCOMPARE(int(occ->pumpType), 0);
        } else if (auto *pca = dynamic_cast<TestResultElementPCATest *>(element)) {
            samples = pca->samples;
            last = pca->testData;
            limits = pca->sequenceElement.limits;
            QCOMPARE(pca->boluses.size(), 2);
            QCOMPARE(pca->boluses.first().u16BolusCount, bolus.u16BolusCount);
            QCOMPARE(pca->boluses.first().fVolume_Bolus, bolus.fVolume_Bolus);
            QCOMPARE(pca->boluses.last().u32BolusDuration, 4u);
        } else {
            QFAIL("element of an unexpected class");
        }
        QCOMPARE(samples.size(), 5);
        for (int s = 0; s < 5; ++s) {
            QCOMPARE(samples.at(s).u32ElapseTime, quint32(s + 1));
            QCOMPARE(samples.at(s).fVolume, 0.1f * float(s + 1));
            QCOMPARE(int(samples.at(s).s16Pressure), s + 1);
        }
        QCOMPARE(last.u32ElapseTime, 5u);
        QCOMPARE(last.fVolume, 0.5f);
        // The limits this screen clears; the others keep a new element's defaults.
        if (type == flowType) {
            QCOMPARE(limits.flowTarget, 0.0f);
            QCOMPARE(int(limits.flowUpperPct), 0);
            QCOMPARE(int(limits.flowLowerPct), 0);
        } else if (type == occlusionType) {
            QCOMPARE(limits.upperPressure, 0.0f);
            QCOMPARE(limits.lowerPressure, 0.0f);
        } else {
            QCOMPARE(limits.bolusTarget, 0.0f);
            QCOMPARE(int(limits.bolusUpperPct), 0);
            QCOMPARE(int(limits.bolusLowerPct), 0);
        }
    }

    void resultFileBytes()
    {
        AssetBench bench(serialSettings);
        bench.measure(1, flowType, 2);
        ManualAssetDetails *screen = bench.open(1);
        QVERIFY(bench.area.activate());
        screen->setAssetId(QStringLiteral("A1"));
        field<LineEdit>(screen, "makeLineEdit")->setText(QStringLiteral("Mk"));
        QCOMPARE(confirm().text, QStringLiteral("Asset Saved Successfully"));
        const QStringList files = resultFiles();
        QCOMPARE(files.size(), 1);
        QFile file(TestResultManager::directory() + QLatin1Char('/') + files.first());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(TestResultManager::getInstance()->openApplianceResult(files.first(), false));
        const QDateTime saved = TestResultManager::getInstance()->getCurrentAssetDateTime();
        QCOMPARE(files.first(), saved.toString(QStringLiteral("'A1_'ddMMyyyy'_'hhmmss")));

        QByteArray expected = QByteArray::fromHex("01000000" "01");
        expected += le32(quint32(saved.date().toJulianDay())) + le32(quint32(saved.time().msecsSinceStartOfDay()));
        expected += char(saved.isDaylightTime() ? 1 : 0);
        expected += char(9);
        expected += str("A1") + str("") + str("") + str("") + str("") + str("") + str("SN-0042") + str("")
            + str("Mk") + str("") + str("") + str("");
        expected += QByteArray::fromHex("ffffffff"); // no sequence
        QCOMPARE(bytes.left(expected.size()).toHex(' '), expected.toHex(' '));
        // Then the one flow element as the results' byte array, to the end of the file.
        const QByteArray results = bytes.mid(expected.size());
        QCOMPARE(results.left(4), le32(quint32(results.size() - 4)));
        QCOMPARE(int(results.at(4)), 1);
    }

    void userTestIsRefused()
    {
        AssetBench bench;
        bench.measure(0, userType, 3);
        bench.open(0)->setAssetId(QStringLiteral("U1"));
        QVERIFY(bench.area.activate());
        const Box box = confirm();
        QVERIFY(box.shown);
        QCOMPARE(box.title, QStringLiteral("Save Asset"));
        QCOMPARE(box.text, QStringLiteral("Asset Failed to Save"));
        QCOMPARE(box.reason, QStringLiteral("A user test has no measurement to save."));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(bench.area.current(), bench.summary);
        QVERIFY(resultFiles().isEmpty());
        // The current record was reset all the same.
        QCOMPARE(TestResultManager::getInstance()->getCurrentAssetId(), QStringLiteral("U1"));
        QCOMPARE(TestResultManager::getInstance()->getCurrentTestResultSize(), 0);
    }

    void failedWriteIsReported()
    {
        AssetBench bench;
        bench.measure(2, flowType, 3);
        // Where the results directory should be there is a file: nothing can be written.
        QVERIFY(QDir(TestResultManager::directory()).removeRecursively());
        bench.area.root().writeFile("/mnt/data/testResults", "not a directory");
        bench.open(2)->setAssetId(QStringLiteral("W1"));
        QVERIFY(bench.area.activate());
        const Box box = confirm();
        QCOMPARE(box.text, QStringLiteral("Asset Failed to Save"));
        QCOMPARE(box.reason, QStringLiteral("The result could not be written. The data memory may be full."));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(bench.area.current(), bench.summary);
        // The element stays in the current record.
        QCOMPARE(TestResultManager::getInstance()->getCurrentTestResultSize(), 1);
    }

    void assetIdentityIsCleaned_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("filePrefix");
        QTest::newRow("scanner line end") << "PUMP 17\r\n" << "PUMP 17" << "PUMP17_";
        QTest::newRow("blanks and a tab around") << "  \tICU_12 " << "ICU_12" << "ICU_12_";
        QTest::newRow("path") << "../../etc/x" << "../../etc/x" << "etcx_";
        QTest::newRow("leading dot") << ".P1" << ".P1" << "P1_";
        QTest::newRow("control character inside") << QString("A\x01" "B") << "AB" << "AB_";
        QTest::newRow("parent directory") << ".." << ".." << "_";
        QTest::newRow("only a line end") << "\r\n" << "" << "_";
        QTest::newRow("empty") << "" << "" << "_";
        // The field holds no more than a file name can: three bytes a character here.
        const QString euros(TestResultManager::maxAssetIdLength, QChar(0x20AC));
        QTest::newRow("too long") << euros + "XYZ" << euros << euros + "_";
    }
    void assetIdentityIsCleaned()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(QString, filePrefix);
        AssetBench bench;
        bench.measure(0, flowType, 2);
        bench.open(0)->setAssetId(typed);
        QVERIFY(bench.area.activate());
        const Box box = confirm();
        const QStringList files = resultFiles();
        QCOMPARE(box.text, QStringLiteral("Asset Saved Successfully"));
        QCOMPARE(files.size(), 1);
        QVERIFY2(files.first().startsWith(filePrefix), qPrintable(files.first()));
        QCOMPARE(files.first().size(), filePrefix.size() + 15);
        QVERIFY(TestResultManager::getInstance()->openApplianceResult(files.first(), false));
        QCOMPARE(TestResultManager::getInstance()->getCurrentAssetId(), stored);
    }

    void automaticRunsAreLeftAlone()
    {
        AssetBench bench;
        bench.measure(0, flowType, 2);
        // Channel 2 is in the middle of an automatic run of asset AUTO1: its sequence,
        // its record and one finished step.
        TestSequenceManager *sequences = TestSequenceManager::getInstance();
        QVERIFY(sequences->createNewTestSequence(QStringLiteral("Ward")));
        QVERIFY(sequences->openTestSequence(QStringLiteral("Ward")));
        sequences->insertTestElement(1, 0);
        QVERIFY(sequences->saveCurrentTestSequence());
        QVERIFY(sequences->openTestSequence(QStringLiteral("Ward"), 1));
        TestResultManager *results = TestResultManager::getInstance();
        results->deleteAllTestResults(1);
        results->setAssetId(QStringLiteral("AUTO1"), 1);
        results->setCurrentOverallStatus(TEST_PASS, 1);
        results->setApplianceData(QStringLiteral("Mk"), QStringLiteral("Md"), QStringLiteral("S"), 1);
        results->addTestResult(new TestResultElementFlowTest, 1);
        const MedicalApplianceResult autoRecord = results->currentApplianceResult(1);
        QByteArray autoSequence;
        sequences->copyTestDataIntoByteArray(autoSequence, 1);
        QVERIFY(!autoSequence.isEmpty());
        // Its earlier save of the same asset in this very second, and the next two.
        const QDateTime now = QDateTime::currentDateTime();
        QStringList autoFiles;
        for (int s = 0; s < 3; ++s) {
            MedicalApplianceResult r;
            r.applianceName = QStringLiteral("AUTO1");
            r.testDate = now.addSecs(s);
            autoFiles << TestResultManager::fileNameFor(r);
            bench.area.root().writeFile("/mnt/data/testResults/" + autoFiles.last(), "automatic run");
        }

        bench.open(0)->setAssetId(QStringLiteral("AUTO1"));
        QVERIFY(bench.area.activate());
        const Box refused = confirm();
        QCOMPARE(refused.text, QStringLiteral("Asset Failed to Save"));
        QCOMPARE(refused.reason, QStringLiteral("This asset already has a result saved in this second. Save again."));
        QCOMPARE(resultFiles(), autoFiles);
        for (const QString &name : autoFiles) {
            QFile file(TestResultManager::directory() + QLatin1Char('/') + name);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("automatic run"));
        }
        QCOMPARE(results->currentApplianceResult(1), autoRecord);
        QCOMPARE(results->getCurrentTestResultSize(1), 1);
        QByteArray sequenceNow;
        sequences->copyTestDataIntoByteArray(sequenceNow, 1);
        QCOMPARE(sequenceNow, autoSequence);
        QCOMPARE(sequences->getCurrentTestSequenceName(1), QStringLiteral("Ward"));

        // A second later the manual save goes through, beside the automatic files.
        bench.summary->getManualAsssetScreen()->setAssetId(QStringLiteral("MAN1"));
        bench.open(0);
        QCOMPARE(confirm().text, QStringLiteral("Asset Saved Successfully"));
        QCOMPARE(resultFiles().size(), 4);
        QCOMPARE(results->currentApplianceResult(1), autoRecord);
    }

    void entriesStayAndBackSavesNothing()
    {
        AssetBench bench;
        bench.measure(1, flowType, 2);
        ManualAssetDetails *screen = bench.open(1);
        QVERIFY(bench.area.activate());
        QTRY_VERIFY(field<LineEdit>(screen, "assetLineEdit")->hasFocus());
        QVERIFY(typeIntoFocusedField(QStringLiteral("B7")));
        turn(1);
        QVERIFY(typeIntoFocusedField(QStringLiteral("ACME")));
        chooseVerdict(2, 0, 3);
        QCOMPARE(screen->getAssetId(), QStringLiteral("B7"));
        key(Qt::Key_F1);
        QCOMPARE(bench.area.current(), bench.summary);
        QVERIFY(resultFiles().isEmpty());

        // The entries stay; the verdict box opens again on what the limits make of the
        // test, here none: Pass.
        bench.open(1);
        QCOMPARE(screen->getAssetId(), QStringLiteral("B7"));
        QCOMPARE(field<LineEdit>(screen, "makeLineEdit")->text(), QStringLiteral("ACME"));
        QCOMPARE(field<RotaryEncoderComboBox>(screen, "comboBox_status")->currentIndex(), 0);
        QCOMPARE(confirm().text, QStringLiteral("Asset Saved Successfully"));
        bench.open(1);
        QCOMPARE(screen->getAssetId(), QStringLiteral("B7"));
        QCOMPARE(field<LineEdit>(screen, "makeLineEdit")->text(), QStringLiteral("ACME"));
        QCOMPARE(field<RotaryEncoderComboBox>(screen, "comboBox_status")->currentIndex(), 0);
    }

    // The verdict box opens on the verdict of the channel's manual limits for the test
    // measured (6.0 ml/h instantaneous, 5.9 average, 0.5 ml after 5 s of a 900 s test,
    // peak 0 mmHg; boluses of 0.75 and 0.7 ml); unconfirmed, that is what is saved.
    void verdictBoxOpensOnTheJudgedVerdict_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<quint32>("limitType");
        QTest::addColumn<float>("target"); // flow, bolus or upper pressure
        QTest::addColumn<int>("upperPct");
        QTest::addColumn<int>("lowerPct"); // or the lower pressure
        QTest::addColumn<int>("row");
        QTest::newRow("flow without limits") << int(flowType) << 0u << 0.0f << 0 << 0 << 0;
        QTest::newRow("instant in band") << int(flowType) << 0u << 6.0f << 5 << 5 << 0;
        QTest::newRow("instant out of band") << int(flowType) << 0u << 5.0f << 10 << 10 << 1;
        QTest::newRow("instant on the upper bound") << int(flowType) << 0u << 5.0f << 20 << 0 << 0;
        QTest::newRow("average out of band") << int(flowType) << 1u << 6.5f << 5 << 5 << 1;
        QTest::newRow("volume as expected by 5 s") << int(flowType) << 2u << 90.0f << 5 << 5 << 0;
        QTest::newRow("volume short of 5 s") << int(flowType) << 2u << 180.0f << 5 << 5 << 1;
        QTest::newRow("occlusion peak in") << int(occlusionType) << 0u << 300.0f << 0 << 0 << 0;
        QTest::newRow("occlusion peak below lower") << int(occlusionType) << 0u << 300.0f << 0 << 100 << 1;
        QTest::newRow("occlusion without limits") << int(occlusionType) << 0u << 0.0f << 0 << 100 << 0;
        QTest::newRow("boluses in band") << int(pcaType) << 0u << 0.75f << 10 << 10 << 0;
        QTest::newRow("a bolus out of band") << int(pcaType) << 0u << 0.5f << 10 << 10 << 1;
        QTest::newRow("boluses without limits") << int(pcaType) << 0u << 0.0f << 10 << 10 << 0;
    }
    void verdictBoxOpensOnTheJudgedVerdict()
    {
        QFETCH(int, type);
        QFETCH(quint32, limitType);
        QFETCH(float, target);
        QFETCH(int, upperPct);
        QFETCH(int, lowerPct);
        QFETCH(int, row);
        AssetBench bench;
        const unsigned short channel = 2;
        bench.data().vSetTestSetting_ElapseTime(channel, 900);
        bench.measure(channel, type, 5);
        bench.data().m_listPcaTestData[channel] = {PCA_TEST_DATA{1, 120.5f, 0.75f, 3},
                                                   PCA_TEST_DATA{2, 118.0f, 0.7f, 4}};
        TestSequencePassFailLimits limits = bench.data().getManualPassFailLimits(channel);
        limits.limitType = limitType;
        if (type == flowType) {
            limits.flowTarget = target;
            limits.flowUpperPct = quint8(upperPct);
            limits.flowLowerPct = quint8(lowerPct);
        } else if (type == occlusionType) {
            limits.upperPressure = target;
            limits.lowerPressure = float(lowerPct);
        } else {
            limits.bolusTarget = target;
            limits.bolusUpperPct = quint8(upperPct);
            limits.bolusLowerPct = quint8(lowerPct);
        }
        bench.data().setManualPassFailLimits(channel, limits);
        ManualAssetDetails *screen = bench.open(channel);
        QVERIFY(bench.area.activate());
        screen->setAssetId(QStringLiteral("V1"));
        QCOMPARE(field<RotaryEncoderComboBox>(screen, "comboBox_status")->currentIndex(), row);
        QCOMPARE(confirm().text, QStringLiteral("Asset Saved Successfully"));
        QCOMPARE(int(TestResultManager::getInstance()->currentApplianceResult().overallResult),
                 row == 0 ? 1 : 0);
    }

    // The operator keeps the choice: a test its limits fail is saved as passed when the
    // operator says so, and the next visit opens on the limits' verdict again.
    void operatorOverridesTheJudgedVerdict()
    {
        AssetBench bench;
        bench.measure(0, flowType, 5);
        TestSequencePassFailLimits limits = bench.data().getManualPassFailLimits(0);
        limits.limitType = 0;
        limits.flowTarget = 5.0f;
        limits.flowUpperPct = 10;
        limits.flowLowerPct = 10;
        bench.data().setManualPassFailLimits(0, limits);
        ManualAssetDetails *screen = bench.open(0);
        QVERIFY(bench.area.activate());
        screen->setAssetId(QStringLiteral("O1"));
        QTRY_VERIFY(field<LineEdit>(screen, "assetLineEdit")->hasFocus());
        QCOMPARE(field<RotaryEncoderComboBox>(screen, "comboBox_status")->currentIndex(), 1);
        chooseVerdict(0, 1);
        QCOMPARE(confirm().text, QStringLiteral("Asset Saved Successfully"));
        TestResultManager *results = TestResultManager::getInstance();
        QCOMPARE(int(results->currentApplianceResult().overallResult), 1);
        QCOMPARE(int(results->getTestResultPtr(0)->status), 1);
        bench.open(0);
        QCOMPARE(field<RotaryEncoderComboBox>(screen, "comboBox_status")->currentIndex(), 1);
    }

    // An occlusion test is stored with the pump type the channel was set up with, and
    // reads back so from the file.
    void occlusionKeepsItsPumpType_data()
    {
        QTest::addColumn<int>("setUp");
        QTest::addColumn<int>("stored");
        QTest::newRow("Manual") << 0 << 0;
        QTest::newRow("Auto Reverse") << 1 << 1;
    }
    void occlusionKeepsItsPumpType()
    {
        QFETCH(int, setUp);
        QFETCH(int, stored);
        AssetBench bench;
        bench.data().vSetOcclusionInfusionPumpType(1, quint8(setUp));
        bench.measure(1, occlusionType, 3);
        bench.open(1)->setAssetId(QStringLiteral("P1"));
        QVERIFY(bench.area.activate());
        QCOMPARE(confirm().text, QStringLiteral("Asset Saved Successfully"));
        const QStringList files = resultFiles();
        QCOMPARE(files.size(), 1);
        TestResultManager *results = TestResultManager::getInstance();
        results->deleteAllTestResults();
        QVERIFY(results->openApplianceResult(files.first(), true));
        auto *occ = dynamic_cast<TestResultElementOccTest *>(results->getTestResultPtr(0));
        QVERIFY(occ);
        QCOMPARE(int(occ->pumpType), stored);
        // Only the byte: the embedded step keeps a new step's defaults.
        QCOMPARE(int(occ->sequenceElement.setting.u8InfusionPumpType), 0);
    }

    void languageChangeEmptiesTheChannel()
    {
        AssetBench bench;
        bench.measure(0, flowType, 2);
        ManualAssetDetails *screen = bench.open(0);
        QVERIFY(bench.area.activate());
        screen->setAssetId(QStringLiteral("L1"));
        chooseVerdict(1, 0);
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(screen, &change);
        QCOMPARE(field<QLabel>(screen, "selectedChannel")->text(), QString());
        QCOMPARE(field<RotaryEncoderComboBox>(screen, "comboBox_status")->currentIndex(), 0);
        QCOMPARE(screen->getAssetId(), QStringLiteral("L1"));
        // Without a channel nothing is saved, and the operator is told so.
        QCOMPARE(confirm().text, QStringLiteral("Asset Failed to Save"));
        QVERIFY(resultFiles().isEmpty());
    }

    void barcode_data()
    {
        QTest::addColumn<QList<QByteArray>>("pieces"); // an empty piece: the gap runs out
        QTest::addColumn<QString>("asset");
        QTest::newRow("two pieces within the gap") << QList<QByteArray>{"PU", "MP9", ""} << "PUMP9";
        QTest::newRow("two pieces with a gap between") << QList<QByteArray>{"OLD", "", "NEW", ""} << "NEW";
        QTest::newRow("a zero byte ends the code") << QList<QByteArray>{QByteArray("AB\0XY", 5), ""} << "AB";
        QTest::newRow("line end of the scanner") << QList<QByteArray>{"X12\r\n", ""} << "X12";
        QTest::newRow("8-bit characters") << QList<QByteArray>{"\xc4" "1", ""} << QString::fromLatin1("\xc4" "1");
        // A scanner that never pauses: the field's longest identity is kept, the rest dropped.
        QTest::newRow("longer than the field")
            << QList<QByteArray>{QByteArray(70, 'A'), "0123456789", QByteArray(1 << 20, 'Z'), ""}
            << QString(70, QLatin1Char('A')) + QStringLiteral("0123456");
    }
    void barcode()
    {
        QFETCH(QList<QByteArray>, pieces);
        QFETCH(QString, asset);
        AssetBench bench;
        ManualAssetDetails *screen = bench.summary->getManualAsssetScreen();
        screen->setAssetId(QStringLiteral("typed"));
        auto *gap = screen->findChild<QTimer *>();
        QVERIFY(gap);
        QVERIFY(gap->isSingleShot());
        QCOMPARE(gap->interval(), 200);
        BluetoothFavourites *bt = BluetoothFavourites::getInstance();
        for (const QByteArray &piece : pieces) {
            if (piece.isEmpty()) {
                QVERIFY(gap->isActive());
                screen->btDataTimeout(); // what the timer does when the gap has run out
                gap->stop();
            } else {
                const QString before = screen->getAssetId();
                emit bt->btBarcodeDataReceived(piece);
                QCOMPARE(screen->getAssetId(), before); // nothing lands before the gap
            }
        }
        QCOMPARE(screen->getAssetId(), asset);
    }

    void barcodeLandsAfterTheGap()
    {
        AssetBench bench;
        ManualAssetDetails *screen = bench.summary->getManualAsssetScreen();
        bench.summary->showScreen(true); // another screen is shown
        emit BluetoothFavourites::getInstance()->btBarcodeDataReceived("S-1");
        QCOMPARE(screen->getAssetId(), QString());
        QTRY_COMPARE_WITH_TIMEOUT(screen->getAssetId(), QStringLiteral("S-1"), 5000);
    }
};

RONDIX_TEST(TestManualAssetDetails)
#include "tst_ManualAssetDetails.moc"
