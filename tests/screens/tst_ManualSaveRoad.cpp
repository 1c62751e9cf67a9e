#include "AssetKeys.h"
#include "GuiTest.h"
#include "InfusionPumpMainScreen.h"
#include "InfusionPumpPowerBoardManager.h"
#include "ManualAssetDetails.h"
#include "ManualSetup.h"
#include "OcclusionManualTest.h"
#include "OcclusionManual_Setup.h"
#include "PCAManual_Setup.h"
#include "PCARunningScreen.h"
#include "FlowRateRunningScreen.h"
#include "RotaryEncoderList.h"
#include "ScreenArea.h"
#include "SummaryManualScreen.h"
#include "TestRegistry.h"
#include "TestResultElementFlowTest.h"
#include "TestResultElementOccTest.h"
#include "TestResultElementPCATest.h"
#include "TestResultManager.h"

#include <QDir>
#include <QTest>

using namespace GuiTest;
using namespace AssetKeys;

namespace {
template<class Element>
const QVector<INFUSION_PUMP_REAL_TIME_DATA> *samplesOf(TestResultElement *element)
{
    auto *e = dynamic_cast<Element *>(element);
    return e ? &e->samples : nullptr;
}
} // namespace

class TestManualSaveRoad : public QObject
{
    Q_OBJECT
private slots:
    void wholeRoad_data()
    {
        QTest::addColumn<int>("channel");     // 0..3
        QTest::addColumn<int>("typeRow");     // the set-up's test type row
        QTest::addColumn<int>("elementType"); // of the stored result
        QTest::addColumn<int>("verdictRow");
        QTest::addColumn<int>("status");
        QTest::newRow("flow on channel 1, pass") << 0 << 0 << 1 << 0 << 1;
        QTest::newRow("occlusion on channel 3, fail") << 2 << 1 << 3 << 1 << 0;
        QTest::newRow("PCA on channel 4, information only") << 3 << 2 << 2 << 2 << 2;
    }

    // Main menu, "Perform Test", the channel, MANUAL, the test type, confirm, green,
    // a few seconds of measuring, red, back to the summary, SAVE, the asset entered on
    // the keyboard, the verdict, confirm: keys only, against the power board on the line.
    // Then the file as the result manager reads it.
    void wholeRoad()
    {
        QFETCH(int, channel);
        QFETCH(int, typeRow);
        QFETCH(int, elementType);
        QFETCH(int, verdictRow);
        QFETCH(int, status);
        ScreenArea area;
        InfusionPumpPowerBoardManager *board = area.startBoard();
        auto *menu = new InfusionPumpMainScreen(nullptr, nullptr);
        QVERIFY(area.activate());
        QVERIFY(area.settle());
        menu->showScreen(true);

        key(Qt::Key_F1); // "Perform Test"
        auto *summary = qobject_cast<SummaryManualScreen *>(area.current());
        QVERIFY(summary);
        turn(channel);
        QCOMPARE(summary->channelList()->currentRow(), channel);

        key(Qt::Key_F4); // MANUAL
        QVERIFY(qobject_cast<ManualSetup *>(area.current()));
        if (typeRow != 0) {
            key(Qt::Key_Escape);
            turn(typeRow == 1 ? -1 : 1); // a forward turn steps up the list, wrapping
            key(Qt::Key_Escape);
        }
        QWidget *setup = area.current();
        QCOMPARE(setup, typeRow == 0 ? static_cast<QWidget *>(summary->getFlowRateSetupScreen())
                     : typeRow == 1 ? static_cast<QWidget *>(summary->getOcclusionSetupScreen())
                                    : static_cast<QWidget *>(summary->getPCASetupScreen()));
        key(Qt::Key_F4); // confirm
        QWidget *running = area.current();
        QCOMPARE(running, typeRow == 0 ? static_cast<QWidget *>(summary->getFlowRateRunningScreen())
                       : typeRow == 1 ? static_cast<QWidget *>(summary->getOcclusionRunningScreen())
                                      : static_cast<QWidget *>(summary->getPCARunningScreen()));

        DataManager &data = board->m_DataManager;
        key(Qt::Key_F6); // green: start
        QTRY_VERIFY_WITH_TIMEOUT(data.m_vecRealTimeData[channel].size() >= 3, 20000);
        // SAVE while the test runs is refused; MANUAL leads back to the running test.
        key(Qt::Key_F1);
        QCOMPARE(area.current(), summary);
        ModalAnswer refusal({Qt::Key_Escape});
        key(Qt::Key_F2);
        QVERIFY(refusal.answered());
        QCOMPARE(refusal.dialogText(), QStringLiteral("No Valid Data to Save or test in progress"));
        QCOMPARE(area.current(), summary);
        key(Qt::Key_F4);
        QCOMPARE(area.current(), running);
        key(Qt::Key_F7); // red: stop
        QTRY_COMPARE_WITH_TIMEOUT(int(data.vGetTestRunningFlag(quint16(channel))), 0, 10000);
        key(Qt::Key_F1);
        QCOMPARE(area.current(), summary);
        const QVector<INFUSION_PUMP_REAL_TIME_DATA> measured = data.m_vecRealTimeData[channel];

        key(Qt::Key_F2); // SAVE
        auto *asset = qobject_cast<ManualAssetDetails *>(area.current());
        QVERIFY(asset);
        QCOMPARE(asset->getChannel(), quint16(channel));
        QTRY_VERIFY(asset->focusWidget() && asset->focusWidget()->hasFocus());
        QVERIFY(typeIntoFocusedField(QStringLiteral("PUMP 7")));
        turn(1);
        QVERIFY(typeIntoFocusedField(QStringLiteral("ACME")));
        turn(1);
        QVERIFY(typeIntoFocusedField(QStringLiteral("V2")));
        turn(1);
        QVERIFY(typeIntoFocusedField(QStringLiteral("SN9")));
        chooseVerdict(verdictRow, 0, 1);
        const Box box = confirm();
        QVERIFY(box.shown);
        QCOMPARE(box.text, QStringLiteral("Asset Saved Successfully"));
        QCOMPARE(area.current(), summary);

        const QStringList files = QDir(TestResultManager::directory()).entryList(QDir::Files);
        QCOMPARE(files.size(), 1);
        QVERIFY2(files.first().startsWith(QStringLiteral("PUMP7_")), qPrintable(files.first()));
        TestResultManager *results = TestResultManager::getInstance();
        results->deleteAllTestResults();
        QVERIFY(results->openApplianceResult(files.first(), true));
        const MedicalApplianceResult record = results->currentApplianceResult();
        QCOMPARE(record.applianceName, QStringLiteral("PUMP 7"));
        QCOMPARE(int(record.overallResult), status);
        QCOMPARE(record.make, QStringLiteral("ACME"));
        QCOMPARE(record.model, QStringLiteral("V2"));
        QCOMPARE(record.eut_serialNo, QStringLiteral("SN9"));
        QCOMPARE(record.serialNo, QStringLiteral("XXX-XXXX"));
        QCOMPARE(record.testSequenceName, QString(""));
        QVERIFY(record.testSequenceData.isNull());
        QCOMPARE(results->getCurrentTestResultSize(), 1);
        TestResultElement *element = results->getTestResultPtr(0);
        QCOMPARE(int(element->id), elementType);
        QCOMPARE(int(element->status), status);
        QCOMPARE(int(element->channelId), channel + 1);
        QCOMPARE(element->serialNumber, QStringLiteral("XXX-XXXX"));
        // The channel's controller's, as the About area keeps it in the settings.
        QCOMPARE(element->channelSerialNumber, QStringLiteral("PB2403-%1").arg(101 + channel));
        const QVector<INFUSION_PUMP_REAL_TIME_DATA> *samples = samplesOf<TestResultElementFlowTest>(element);
        if (!samples)
            samples = samplesOf<TestResultElementOccTest>(element);
        if (!samples)
            samples = samplesOf<TestResultElementPCATest>(element);
        QVERIFY(samples);
        QCOMPARE(samples->size(), measured.size());
        for (int s = 0; s < measured.size(); ++s) {
            QCOMPARE(samples->at(s).u32ElapseTime, measured.at(s).u32ElapseTime);
            QCOMPARE(samples->at(s).fVolume, measured.at(s).fVolume);
            QCOMPARE(samples->at(s).s16Pressure, measured.at(s).s16Pressure);
        }
        QCOMPARE(samples->last().u32ElapseTime, quint32(measured.size()));
    }
};

RONDIX_TEST(TestManualSaveRoad)
#include "tst_ManualSaveRoad.moc"
