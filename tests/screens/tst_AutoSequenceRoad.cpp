#include "AutoRunBench.h"
#include "OcclusionManualTest.h"
#include "PowerBoardSim.h"
#include "StoredSamples.h"
#include "TestRegistry.h"
#include "TestResultElementFlowTest.h"
#include "TestSequenceElementFlowTest.h"
#include "TestSequenceElementPCATest.h"
#include "TestSequenceElementUserTest.h"

#include <QPlainTextEdit>

class TestAutoSequenceRoad : public QObject
{
    Q_OBJECT
private slots:
    // Four runs at once against the power board, in real time: a flow, PCA and user
    // sequence passing on channel 1; a flow step judged out of its limits and ended
    // on channel 2; a flow step stopped by the live watch and aborted on channel 3; an
    // occlusion step stopped at its upper pressure and skipped on channel 4, which
    // stores it as failed and fails the asset.
    void fourRunsThroughThePowerBoard()
    {
        Bench b; // a fresh device root; ticks run on the summary's own timer here
        QVERIFY(b.area.settle());
        QVERIFY(storeSequence("ward A", {1, 2, 0}, [](int i, TestSequenceElement *e) {
            if (i == 0) {
                auto *flow = static_cast<TestSequenceElementFlowTest *>(e);
                flow->setting.u32ElapseTimeSetting = 3;
                flow->setting.u16SamplingWindowSetting = 30;
                flow->limits = TestSequencePassFailLimits();
                flow->limits.limitType = TestSequencePassFailLimits::AVERAGE_FLOW;
                flow->limits.flowTarget = 100.0f;
                flow->limits.flowUpperPct = 10;
                flow->limits.flowLowerPct = 10;
            } else if (i == 1) {
                auto *pca = static_cast<TestSequenceElementPCATest *>(e);
                pca->setting.u32ElapseTimeSetting = 3;
                pca->setting.fBasalFlowRateSetting = 10.0f;
                pca->limits.bolusTarget = 0.0f;
            } else {
                static_cast<TestSequenceElementUserTest *>(e)->testText = "Door latch";
            }
        }));
        QVERIFY(storeSequence("ward B", {1}, [](int, TestSequenceElement *e) {
            auto *flow = static_cast<TestSequenceElementFlowTest *>(e);
            flow->setting.u32ElapseTimeSetting = 3;
            flow->limits.limitType = TestSequencePassFailLimits::AVERAGE_FLOW;
            flow->limits.flowTarget = 50.0f;
        }));
        QVERIFY(storeSequence("ward C", {1}, [](int, TestSequenceElement *e) {
            auto *flow = static_cast<TestSequenceElementFlowTest *>(e);
            flow->setting.u32ElapseTimeSetting = 60;
            flow->limits.limitType = TestSequencePassFailLimits::INSTANT_FLOW;
            flow->limits.flowTarget = 100.0f;
        }));
        QVERIFY(storeSequence("ward D", {3}, [](int, TestSequenceElement *e) {
            e->limits.upperPressure = 100.0f;
            e->limits.lowerPressure = 0.0f;
        }));

        // Each asset confirmed in turn; each first step's settings reach its channel.
        const char *const wards[] = {"ward A", "ward B", "ward C", "ward D"};
        const char *const testType[] = {"00", "00", "00", "01"};
        for (unsigned short c = 0; c < 4; ++c) {
            b.area.sim().clearCommands();
            b.confirmAsset(c, wards[c]);
            QCOMPARE(int(b.board->getChannelAutoState(c)), 3);
            QTRY_VERIFY_WITH_TIMEOUT(b.area.requests().contains(QStringLiteral("%1 IF5 00").arg(c)), 10000);
            QVERIFY(b.area.requests().contains(QStringLiteral("%1 IF1 %2").arg(c).arg(testType[c])));
        }
        // The first step's running screen of the last channel confirmed is in front.
        QCOMPARE(b.area.current(), static_cast<QWidget *>(b.summary->getOcclusionRunningScreen()));

        // The green key of each channel's running screen: stop, then start.
        for (unsigned short c = 0; c < 4; ++c) {
            b.board->vSetStopRsq(c);
            b.board->vSetStartFlowRateRsq(c);
        }

        // Channel 3: three readings in the band, then the pump speeds up.
        QTRY_VERIFY_WITH_TIMEOUT(b.data().getTestData(2).u32ElapseTime >= 5, 20000);
        b.area.sim().controller(2).pump().rate = 300.0;
        QTRY_COMPARE_WITH_TIMEOUT(int(b.board->getChannelAutoState(2)), 5, 10000);
        // Stopped and primed after its start ("I2").
        const auto sinceStart = [&b](int c) {
            QStringList own = b.area.requests().filter(QRegularExpression(QStringLiteral("^%1 ").arg(c)));
            return own.mid(own.lastIndexOf(QStringLiteral("%1 I2").arg(c)) + 1);
        };
        QTRY_COMPARE_WITH_TIMEOUT(sinceStart(2), QStringList({"2 I3", "2 I6"}), 10000);
        QVERIFY(b.data().getTestData(2).u32ElapseTime < 60);

        // Channel 2 is judged out of its limits when its three seconds are up.
        QTRY_COMPARE_WITH_TIMEOUT(int(b.board->getChannelAutoState(1)), 5, 20000);
        QCOMPARE(results()->getCurrentTestResultSize(1), 0);
        // Channel 4's pressure passes 100 mmHg.
        QTRY_COMPARE_WITH_TIMEOUT(int(b.board->getChannelAutoState(3)), 5, 20000);
        QVERIFY(b.data().getTestData(3).s16Pressure_Peak > 100);
        QTRY_COMPARE_WITH_TIMEOUT(sinceStart(3), QStringList({"3 I3", "3 I6"}), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(b.row(3, "ElaspeTime"), QStringLiteral("<font color='red'>Stopped</font>"), 5000);

        // Channel 1: the flow step passed, the PCA step is set up (window 10 s for a
        // basal rate above 5 ml/h); the operator starts it.
        QTRY_COMPARE_WITH_TIMEOUT(results()->getCurrentTestResultSize(0), 1, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(b.data().getTestSetting(0).u8TestTypeSetting, quint8(2), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(b.area.requests().contains("0 IF4 0a 00"), 10000);
        QVERIFY(b.area.requests().contains("0 IF1 02"));
        QTRY_COMPARE_WITH_TIMEOUT(int(b.board->getChannelAutoState(0)), 3, 5000);
        b.board->vSetStopRsq(0);
        b.board->vSetStartFlowRateRsq(0);
        QTRY_COMPARE_WITH_TIMEOUT(results()->getCurrentTestResultSize(0), 2, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(b.data().getTestSetting(0).u8TestTypeSetting, quint8(3), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(int(b.board->getChannelAutoState(0)), 3, 5000);
        QCOMPARE(b.prompt()->findChild<QPlainTextEdit *>("testNameTextEdit")->toPlainText(),
                 QStringLiteral("Door latch"));
        QCOMPARE(b.prompt()->getChannelId(), (unsigned short)0);
        b.answerPrompt(TEST_PASS, 0.0);

        // The choices of the stopped channels.
        const int choices[] = {-1, AbortFailMenu::END_PROTOCOL, AbortFailMenu::ABORT_PROTOCOL,
                               AbortFailMenu::NEXT_TEST};
        for (unsigned short c = 1; c < 4; ++c) {
            b.menu()->vSetChannel(c);
            b.menu()->showScreen(true);
            b.choose(choices[c]);
        }
        for (unsigned short c = 0; c < 4; ++c)
            QTRY_VERIFY_WITH_TIMEOUT(!b.board->getChannelIsAutoMode(c), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(b.row(0, "ElaspeTime"), QStringLiteral("Ready"), 5000);

        // What was saved, read back from the files.
        const struct { int files; TEST_RESULT_STATUS overall; QList<int> types; QList<int> statuses; } saved[] = {
            {1, TEST_PASS, {1, 2, 0}, {1, 1, 1}}, {1, TEST_FAIL, {1}, {0}}, {0, TEST_PASS, {}, {}},
            {1, TEST_FAIL, {3}, {0}}};
        for (int c = 0; c < 4; ++c) {
            const QStringList files = QDir(TestResultManager::directory())
                .entryList({assetOf(c) + QStringLiteral("_*")}, QDir::Files);
            QCOMPARE(files.size(), saved[c].files);
            if (files.isEmpty())
                continue;
            QVERIFY(results()->openApplianceResult(files.first(), true));
            QCOMPARE(results()->getCurrentAssetStatus(), saved[c].overall);
            QCOMPARE(results()->getCurrentApplianceResultSequenceName(), QString(wards[c]));
            QCOMPARE(results()->getCurrentTestResultSize(), saved[c].types.size());
            for (int i = 0; i < saved[c].types.size(); ++i) {
                const TestResultElement *r = results()->getTestResultPtr(i);
                QCOMPARE(int(r->id), saved[c].types[i]);
                QCOMPARE(int(r->status), saved[c].statuses[i]);
                QCOMPARE(r->channelId, (unsigned short)(c + 1));
                QCOMPARE(r->channelSerialNumber, QStringLiteral("XXX-XXXX"));
            }
        }
        const auto *flow = dynamic_cast<const TestResultElementFlowTest *>(
            (results()->openApplianceResult(QDir(TestResultManager::directory())
                                                .entryList({"asset1_*"}, QDir::Files).first(), true),
             results()->getTestResultPtr(0)));
        QVERIFY(flow);
        const QString fault = storedSamplesFault(flow->samples, 3, flow->testData);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QVERIFY(qAbs(flow->testData.fFlowRate_Ave - 100.0f) <= 10.0f);
        QCOMPARE(flow->sequenceElement.setting.u32ElapseTimeSetting, 3);
    }
};

RONDIX_TEST(TestAutoSequenceRoad)
#include "tst_AutoSequenceRoad.moc"
