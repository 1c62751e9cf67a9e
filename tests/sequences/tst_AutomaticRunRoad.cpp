#include "AbortFailMenu.h"
#include "AutoModeAssetDetails.h"
#include "FlowRateRunningScreen.h"
#include "GuiTest.h"
#include "InfusionPumpPowerBoardManager.h"
#include "OcclusionManualTest.h"
#include "PCARunningScreen.h"
#include "PowerBoardSim.h"
#include "ScreenArea.h"
#include "SimController.h"
#include "StoredSamples.h"
#include "StoredSequence.h"
#include "StreamHelper.h"
#include "SummaryManualScreen.h"
#include "TestRegistry.h"
#include "TestResultElementFlowTest.h"
#include "TestResultElementOccTest.h"
#include "TestResultElementPCATest.h"
#include "TestResultElementUserTest.h"
#include "TestResultManager.h"
#include "TestSequenceElementFlowTest.h"
#include "TestSequenceElementOccTest.h"
#include "TestSequenceElementPCATest.h"
#include "TestSequenceElementUserTest.h"
#include "TestSequenceManager.h"
#include "UserTestRunning.h"

#include <QDir>
#include <QLabel>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTest>

#include <functional>

using namespace GuiTest;
using Board = InfusionPumpPowerBoardManager;

namespace
{
enum Type : unsigned char { userType = 0, flowType = 1, pcaType = 2, occlusionType = 3 };

TestSequenceManager *sequences()
{
    return TestSequenceManager::getInstance();
}

TestResultManager *results()
{
    return TestResultManager::getInstance();
}

// A flow step of seconds that passes at the simulator's 100 ml/h.
void passingFlow(TestSequenceElement *e, unsigned seconds)
{
    auto *flow = static_cast<TestSequenceElementFlowTest *>(e);
    flow->setting.u32ElapseTimeSetting = seconds;
    flow->limits.limitType = TestSequencePassFailLimits::AVERAGE_FLOW;
    flow->limits.flowTarget = 100.0f;
    flow->limits.flowUpperPct = 10;
    flow->limits.flowLowerPct = 10;
}

// The element block of a stored sequence file, as the file holds it.
QByteArray storedElementBlock(ScreenArea &area, const QString &fileName)
{
    QByteArray file = area.root().readFile("/mnt/data/testSequences/" + fileName);
    QDataStream in(&file, QIODevice::ReadOnly);
    StreamHelper::setup(in);
    quint16 version = 0, kind = 0;
    QString name;
    QByteArray block;
    in >> version >> kind >> name >> block;
    return in.status() == QDataStream::Ok ? block : QByteArray();
}

// A step's settings and limits as bytes, to compare what ran with what was stored.
QByteArray stepBytes(const TestSequenceElement &step)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    StreamHelper::setup(out);
    step.serialize(out, true);
    return bytes;
}

QStringList resultFiles(const QString &asset)
{
    return QDir(TestResultManager::directory()).entryList({asset + "_*"}, QDir::Files);
}

QString labelOf(const QWidget *screen, const char *name)
{
    return screen->findChild<QLabel *>(name)->text();
}

// The instrument with the power board behind the summary, worked by keys only.
struct RoadBench {
    // clearsAfterStop: the controllers' firmware clears its readings on a stop instead
    // of reporting its last test's until the next start.
    explicit RoadBench(bool clearsAfterStop = false)
    {
        board = area.startBoard([clearsAfterStop](PowerBoardSim &sim) {
            for (int c = 0; c < 4; ++c) {
                sim.controller(c).pump().pressureRise = 250.0; // the alarm within 2 s
                sim.controller(c).setClearsAfterStop(clearsAfterStop);
            }
        });
        summary = new SummaryManualScreen(nullptr, nullptr);
    }

    bool start()
    {
        if (!board || !area.settle())
            return false;
        summary->showScreen(true);
        return area.activate();
    }

    QWidget *current() const { return area.current(); }

    // AUTO on the summary's current row, then the asset entered on the keyboard (over
    // what the last asset left in the fields) and the sequence chosen turnsToSequence
    // rows down the list, and F4.
    void enterAsset(const QString &asset, int turnsToSequence, const QString &make)
    {
        const int erase = 10;
        key(Qt::Key_F3);
        QVERIFY(qobject_cast<AutoModeAssetDetails *>(current()));
        QVERIFY(typeIntoFocusedField(asset, erase));
        turn(1);
        key(Qt::Key_Escape);
        turn(-turnsToSequence);
        key(Qt::Key_Escape);
        turn(1);
        QVERIFY(typeIntoFocusedField(make, erase));
        turn(2);
        QVERIFY(typeIntoFocusedField("SN9", erase));
        key(Qt::Key_F4);
    }

    // The green key on the running screen once it shows the step ready.
    void startStep(unsigned short channel)
    {
        auto *running = qobject_cast<TestScreen *>(current());
        QVERIFY(running);
        QCOMPARE(running->getChannelId(), channel);
        QTRY_COMPARE_WITH_TIMEOUT(int(board->getChannelAutoState(channel)), 3, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(area.requests().contains(QStringLiteral("%1 IF5 00").arg(channel)),
                                 10000);
        area.sim().clearCommands();
        key(Qt::Key_F6);
        QTRY_VERIFY_WITH_TIMEOUT(board->m_DataManager.vGetTestRunningFlag(channel), 10000);
    }

    ScreenArea area;
    Board *board = nullptr;
    SummaryManualScreen *summary = nullptr;
};
} // namespace

class TestAutomaticRunRoad : public QObject
{
    Q_OBJECT
private slots:
    // A whole run on channel 1 by keys: AUTO, the asset on the keyboard, the sequence
    // chosen, confirm; the flow, occlusion and PCA steps started with the green key on
    // the power board; the user step answered with a value; the result file holds the
    // asset, the sequence as it was stored and every step's result. Each step starts
    // whatever a stopped controller reports until the next start.
    void wholeRunOnOneChannel_data()
    {
        QTest::addColumn<bool>("clearsAfterStop");
        QTest::newRow("last test's readings kept") << false;
        QTest::newRow("readings cleared") << true;
    }
    void wholeRunOnOneChannel()
    {
        QFETCH(bool, clearsAfterStop);
        RoadBench b(clearsAfterStop);
        QVERIFY(storeSequence("another", {userType}, [](int, TestSequenceElement *) {}));
        QVERIFY(storeSequence("ward 7", {flowType, occlusionType, pcaType, userType},
                              [](int i, TestSequenceElement *e) {
                                  switch (i) {
                                  case 0:
                                      passingFlow(e, 3);
                                      break;
                                  case 1:
                                      e->limits.upperPressure =
                                          600.0f; // the alarm at 500 mmHg passes
                                      e->limits.lowerPressure = 100.0f;
                                      break;
                                  case 2: {
                                      auto *pca = static_cast<TestSequenceElementPCATest *>(e);
                                      pca->setting.u32ElapseTimeSetting = 3;
                                      pca->limits.bolusTarget = 0.0f;
                                      break;
                                  }
                                  default: {
                                      auto *user = static_cast<TestSequenceElementUserTest *>(e);
                                      user->testText = "Volume in the burette";
                                      user->units = "ml";
                                  }
                                  }
                              }));
        QVERIFY(b.start());

        b.enterAsset("PUMP7", 1, "ACME");
        QCOMPARE(b.current(), static_cast<QWidget *>(b.summary->getFlowRateRunningScreen()));
        b.startStep(0);
        QTRY_COMPARE_WITH_TIMEOUT(
            b.current(), static_cast<QWidget *>(b.summary->getOcclusionRunningScreen()), 20000);

        OcclusionManualTest *occlusion = b.summary->getOcclusionRunningScreen();
        QTRY_COMPARE_WITH_TIMEOUT(labelOf(occlusion, "label_OccTestStatus"),
                                  QStringLiteral("<font color='green'>Ready"), 10000);
        b.startStep(0);
        QTRY_COMPARE_WITH_TIMEOUT(labelOf(occlusion, "label_Pressure_Peak"),
                                  QStringLiteral("500.00"), 10000);
        key(Qt::Key_F6); // the alarm sounded
        QTRY_COMPARE_WITH_TIMEOUT(b.current(),
                                  static_cast<QWidget *>(b.summary->getPCARunningScreen()), 20000);

        b.startStep(0);
        UserTestRunning *prompt = b.summary->getUserTestScreen();
        QTRY_COMPARE_WITH_TIMEOUT(b.current(), static_cast<QWidget *>(prompt), 20000);
        QCOMPARE(labelOf(prompt, "label_Channel"), QStringLiteral("1"));
        turn(25); // 2.5 ml
        key(Qt::Key_F4);
        QTRY_COMPARE_WITH_TIMEOUT(b.current(), static_cast<QWidget *>(b.summary), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!b.board->getChannelIsAutoMode(0), 10000);

        // The file, read back.
        const QStringList files = resultFiles("PUMP7");
        QCOMPARE(files.size(), 1);
        QVERIFY(results()->openApplianceResult(files.first(), true));
        const MedicalApplianceResult record = results()->currentApplianceResult();
        QCOMPARE(record.applianceName, QStringLiteral("PUMP7"));
        QCOMPARE(record.overallResult, TEST_PASS);
        QCOMPARE(QStringList({record.make, record.model, record.eut_serialNo}),
                 QStringList({"ACME", "", "SN9"}));
        QCOMPARE(record.testSequenceName, QStringLiteral("ward 7"));
        const QByteArray block = storedElementBlock(b.area, "ward_7");
        QVERIFY(!block.isEmpty());
        QCOMPARE(record.testSequenceData, block);

        QVERIFY(sequences()->openTestSequence("ward_7"));
        QCOMPARE(results()->getCurrentTestResultSize(), 4);
        const int types[] = {flowType, occlusionType, pcaType, userType};
        for (int i = 0; i < 4; ++i) {
            const TestResultElement *r = results()->getTestResultPtr(i);
            QCOMPARE(int(r->id), types[i]);
            QCOMPARE(r->status, TEST_PASS);
            QCOMPARE(r->channelId, (unsigned short)1);
        }
        const auto *flow =
            dynamic_cast<const TestResultElementFlowTest *>(results()->getTestResultPtr(0));
        QVERIFY(flow);
        const QString flowFault = storedSamplesFault(flow->samples, 3, flow->testData);
        QVERIFY2(flowFault.isEmpty(), qPrintable(flowFault));
        QVERIFY(qAbs(flow->testData.fFlowRate_Ave - 100.0f) <= 10.0f);
        QCOMPARE(stepBytes(flow->sequenceElement), stepBytes(*sequences()->getTestElementPtr(0)));
        const auto *occ =
            dynamic_cast<const TestResultElementOccTest *>(results()->getTestResultPtr(1));
        QVERIFY(occ);
        QCOMPARE(occ->testData.s16Pressure_Peak, qint16(500));
        QCOMPARE(stepBytes(occ->sequenceElement), stepBytes(*sequences()->getTestElementPtr(1)));
        const auto *pca =
            dynamic_cast<const TestResultElementPCATest *>(results()->getTestResultPtr(2));
        QVERIFY(pca);
        const QString pcaFault = storedSamplesFault(pca->samples, 3, pca->testData);
        QVERIFY2(pcaFault.isEmpty(), qPrintable(pcaFault));
        QCOMPARE(stepBytes(pca->sequenceElement), stepBytes(*sequences()->getTestElementPtr(2)));
        const auto *user =
            dynamic_cast<const TestResultElementUserTest *>(results()->getTestResultPtr(3));
        QVERIFY(user);
        QCOMPARE(user->testName, QStringLiteral("Volume in the burette"));
        QCOMPARE(user->testUnits, QStringLiteral("ml"));
        QCOMPARE(user->result, 2.5f);
    }

    // Two runs at once: channel 2's occlusion step passes its upper pressure and is
    // stopped; the menu opens for it and "Next Test" moves it on to its flow step, while
    // channel 1's long flow step runs on untouched and is saved as it passed. The skipped
    // step is saved as failed and fails channel 2's asset, though its flow step passed.
    void menuChoiceActsOnItsChannelOnly()
    {
        RoadBench b;
        QVERIFY(storeSequence("long flow", {flowType},
                              [](int, TestSequenceElement *e) { passingFlow(e, 20); }));
        QVERIFY(storeSequence("occlusion then flow", {occlusionType, flowType},
                              [](int i, TestSequenceElement *e) {
                                  if (i == 0) {
                                      e->limits.upperPressure = 100.0f;
                                      e->limits.lowerPressure = 0.0f;
                                  } else {
                                      passingFlow(e, 3);
                                  }
                              }));
        QVERIFY(b.start());

        b.enterAsset("FIRST", 0, "A");
        b.startStep(0);
        key(Qt::Key_F1);
        QCOMPARE(b.current(), static_cast<QWidget *>(b.summary));
        turn(1); // channel 2's row
        b.enterAsset("SECOND", 1, "B");
        QCOMPARE(b.current(), static_cast<QWidget *>(b.summary->getOcclusionRunningScreen()));
        b.startStep(1);

        // Stopped at its limit, the menu comes up for channel 2 over its running screen.
        AbortFailMenu *menu = b.area.stack()->findChild<AbortFailMenu *>();
        QTRY_COMPARE_WITH_TIMEOUT(b.current(), static_cast<QWidget *>(menu), 10000);
        QCOMPARE(int(b.board->getChannelAutoState(1)), 5);
        // Stopped and primed after its start.
        const auto sinceStart = [&b]() {
            const QStringList own = b.area.requests().filter(QRegularExpression("^1 "));
            return own.mid(own.lastIndexOf("1 I2") + 1);
        };
        QTRY_COMPARE_WITH_TIMEOUT(sinceStart(), QStringList({"1 I3", "1 I6"}), 10000);
        QTest::qWait(1200); // a tick passes with the menu open
        QCOMPARE(int(b.board->getChannelAutoState(0)), 3);
        key(Qt::Key_F2); // Next Test
        QCOMPARE(b.current(), static_cast<QWidget *>(b.summary));
        QTRY_COMPARE_WITH_TIMEOUT(b.board->m_DataManager.getTestSetting(1).u8TestTypeSetting,
                                  quint8(0), 5000);
        QCOMPARE(int(b.board->getChannelAutoState(0)), 3);
        QVERIFY(b.board->m_DataManager.vGetTestRunningFlag(0));

        // Channel 2's flow step, opened from the summary with AUTO.
        key(Qt::Key_F3);
        b.startStep(1);
        for (int c = 0; c < 2; ++c)
            QTRY_VERIFY_WITH_TIMEOUT(!b.board->getChannelIsAutoMode(c), 40000);

        const struct {
            const char *asset;
            TEST_RESULT_STATUS overall;
            QList<int> types;
            QList<int> statuses;
        } saved[] = {{"FIRST", TEST_PASS, {flowType}, {TEST_PASS}},
                     {"SECOND", TEST_FAIL, {occlusionType, flowType}, {TEST_FAIL, TEST_PASS}}};
        for (int c = 0; c < 2; ++c) {
            const QStringList files = resultFiles(saved[c].asset);
            QCOMPARE(files.size(), 1);
            QVERIFY(results()->openApplianceResult(files.first(), true));
            QCOMPARE(results()->getCurrentAssetStatus(), saved[c].overall);
            QCOMPARE(results()->getCurrentTestResultSize(), saved[c].types.size());
            for (int i = 0; i < saved[c].types.size(); ++i) {
                QCOMPARE(int(results()->getTestResultPtr(i)->id), saved[c].types[i]);
                QCOMPARE(int(results()->getTestResultPtr(i)->status), saved[c].statuses[i]);
                QCOMPARE(results()->getTestResultPtr(i)->channelId, (unsigned short)(c + 1));
            }
        }
        const auto *first = dynamic_cast<const TestResultElementFlowTest *>(
            (results()->openApplianceResult(resultFiles("FIRST").first(), true),
             results()->getTestResultPtr(0)));
        QVERIFY(first);
        const QString fault = storedSamplesFault(first->samples, 20, first->testData);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
};

RONDIX_TEST(TestAutomaticRunRoad)
#include "tst_AutomaticRunRoad.moc"
