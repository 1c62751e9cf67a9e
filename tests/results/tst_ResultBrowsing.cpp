#include "DataManager.h"
#include "DataMenu.h"
#include "DialogAnswers.h"
#include "GuiTest.h"
#include "InfusionPumpMainScreen.h"
#include "ResultsBench.h"
#include "RotaryEncoderList.h"
#include "TestRegistry.h"
#include "TestResultElementFlowTest.h"
#include "TestResultElementOccTest.h"
#include "TestResultElementPCATest.h"
#include "TestResultElementUserTest.h"
#include "ViewData.h"
#include "ViewDataAssetDetails.h"
#include "ViewDataFlowTestResult.h"
#include "ViewDataOccTestResult.h"
#include "ViewDataPCATest.h"
#include "ViewDataTestResults.h"
#include "ViewDataUserTestResult.h"
#include "ViewResultsGraph.h"

#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>

using namespace GuiTest;

namespace
{
QString text(const QWidget *screen, const char *label)
{
    return screen->findChild<QLabel *>(QLatin1String(label))->text();
}

QVector<INFUSION_PUMP_REAL_TIME_DATA> samples(quint32 last)
{
    QVector<INFUSION_PUMP_REAL_TIME_DATA> out;
    for (quint32 s = 1; s <= last; ++s) {
        INFUSION_PUMP_REAL_TIME_DATA sample;
        sample.u32ElapseTime = s;
        sample.s16Pressure = qint16(s % 300);
        sample.fVolume = s / 100.0f;
        sample.fFlowRate_Ave = 100.0f;
        out << sample;
    }
    return out;
}

// A sequence of a flow test, a user test, an occlusion test and a PCA test.
QList<TestResultElement *> everyType()
{
    auto *flow = new TestResultElementFlowTest;
    flow->status = TEST_PASS;
    flow->channelId = 3;
    flow->testData.fFlowRate_Ave = 12.5f;
    flow->testData.fFlowRate_Peak = 1234567.0f;
    flow->testData.fFlowRate_Min = 1.0f / 3;
    flow->testData.fVolume = 0.00001f;
    flow->samples = samples(3725);
    auto *user = new TestResultElementUserTest;
    user->status = TEST_FAIL;
    user->channelId = 3;
    user->testName = "Alarm audible at one metre";
    user->testUnits = "dB";
    user->result = 2.5f;
    auto *occ = new TestResultElementOccTest;
    occ->status = TEST_INFORMATION_ONLY;
    occ->channelId = 3;
    occ->pumpType = 1;
    occ->testData.s16Pressure_Peak = 250;
    occ->testData.s16Pressure_BackOff = -20;
    occ->testData.fVolume = 0.25f;
    occ->samples = samples(60);
    auto *pca = new TestResultElementPCATest;
    pca->status = TEST_PASS;
    pca->channelId = 3;
    pca->testData.fVolume = 12.5f;
    pca->samples = samples(65);
    for (quint16 n = 1; n <= 2; ++n) {
        PCA_TEST_DATA bolus;
        bolus.u16BolusCount = n;
        bolus.fVolume_Bolus = n == 1 ? 0.1f : 100.0f;
        bolus.fFlowRate_Bolus = 250.0f * n;
        bolus.u32BolusDuration = 65 * n;
        pca->boluses << bolus;
    }
    return {flow, user, occ, pca};
}
} // namespace

// The operator's road from the main menu's "Data" down to each test of a stored result
// and back, by keys alone.
class TestResultBrowsing : public QObject
{
    Q_OBJECT
private slots:
    void everyResultScreenByKeys()
    {
        ResultsBench bench;
        bench.data().setPressureUnits(DataManager::UNITS_PSI);
        QVERIFY(bench.store({resultRecord("ICU-7", QDateTime(QDate(2024, 3, 5), QTime(14, 4, 30)),
                                          TEST_PASS, everyType(), "Ward 3 check")}));
        QVERIFY(bench.openList());
        QCOMPARE(bench.column(0), QStringList{"ICU-7"});
        QCOMPARE(bench.column(1), QStringList{"05.03.2024"});
        QCOMPARE(bench.column(2), QStringList{"Pass"});

        key(Qt::Key_Escape);
        ViewDataAssetDetails *details = bench.list()->assetDetailsScreen();
        QCOMPARE(bench.area.current(), details);
        QCOMPARE(text(details, "asset_value_label"), QString("ICU-7"));
        QCOMPARE(text(details, "testDate_value_label"), QString("05.03.2024\n14:04:30"));
        QCOMPARE(text(details, "seq_value_label"), QString("Ward 3 check"));
        QVERIFY(bench.area.savePng(QDir::temp().filePath("ViewDataAssetDetails.png")));

        key(Qt::Key_Escape);
        ViewDataTestResults *tests = details->testResultsScreen();
        QCOMPARE(bench.area.current(), tests);
        auto *rows = tests->findChild<RotaryEncoderList *>("resultsList");
        QStringList names;
        for (int i = 0; i < rows->count(); ++i)
            names << rows->item(i)->text();
        QCOMPARE(names, QStringList({"Flow Rate Test", "User Test", "Occlusion Test", "PCA Test"}));
        QCOMPARE(rows->selectedRow(), 0);
        QVERIFY(bench.area.savePng(QDir::temp().filePath("ViewDataTestResults.png")));

        // Flow: six significant digits, the duration of the last sample.
        key(Qt::Key_Escape);
        ViewDataFlowTestResult *flow = tests->flowScreen();
        QCOMPARE(bench.area.current(), flow);
        QCOMPARE(text(flow, "label_Selected_Channel"), QString("3"));
        QCOMPARE(text(flow, "label_Mean_FlowRate"), QString("12.5"));
        QCOMPARE(text(flow, "label_Peak_FlowRate"), QString("1.23457e+06"));
        QCOMPARE(text(flow, "label_Min_FlowRate"), QString("0.333333"));
        QCOMPARE(text(flow, "label_FlowRateTest_Volume"), QString("1e-05"));
        QCOMPARE(text(flow, "label_FlowRateTest_Duration"), QString("01:02:05"));
        QCOMPARE(text(flow, "status_label"), QString("Pass"));
        QVERIFY(bench.area.savePng(QDir::temp().filePath("ViewDataFlowTestResult.png")));
        key(Qt::Key_F2);
        QCOMPARE(bench.area.current(), flow->graphScreen());
        key(Qt::Key_F1);
        QCOMPARE(bench.area.current(), flow);
        QCOMPARE(text(flow, "label_Mean_FlowRate"), QString("12.5"));
        key(Qt::Key_F1);
        QCOMPARE(bench.area.current(), tests);
        QCOMPARE(rows->selectedRow(), 0);

        // User: the prompt, the value with two decimals and its unit.
        turn(1);
        key(Qt::Key_Escape);
        ViewDataUserTestResult *user = tests->userScreen();
        QCOMPARE(bench.area.current(), user);
        QCOMPARE(user->findChild<QPlainTextEdit *>("testNameTextEdit")->toPlainText(),
                 QString("Alarm audible at one metre"));
        QCOMPARE(user->findChild<QDoubleSpinBox *>("resultBox")->text(), QString("2.50"));
        QCOMPARE(user->findChild<QLineEdit *>("unitLineEdit")->text(), QString("dB"));
        QCOMPARE(text(user, "status_label"), QString("Fail"));
        QVERIFY(bench.area.savePng(QDir::temp().filePath("ViewDataUserTestResult.png")));
        keys({Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F6, Qt::Key_F7, Qt::Key_Escape});
        turn(1);
        QCOMPARE(bench.area.current(), user);
        key(Qt::Key_F1);

        // Occlusion: pressures in the operator's unit, two decimals.
        turn(2);
        key(Qt::Key_Escape);
        ViewDataOccTestResult *occ = tests->occlusionScreen();
        QCOMPARE(bench.area.current(), occ);
        QCOMPARE(text(occ, "label_MSG_peak"), QString("Peak PSI:"));
        QCOMPARE(text(occ, "label_peak_pressure"), QString("4.83"));
        QCOMPARE(text(occ, "label_MSG_backOff"), QString("Back-Off PSI:"));
        QCOMPARE(text(occ, "label_backOff"), QString("-0.39"));
        QCOMPARE(text(occ, "label_pump_type"), QString("Auto-Reverse"));
        QCOMPARE(text(occ, "label_bolus_volume"), QString("0.25"));
        QVERIFY(bench.area.savePng(QDir::temp().filePath("ViewDataOccTestResult.png")));
        key(Qt::Key_F2);
        QCOMPARE(bench.area.current(), occ->graphScreen());
        key(Qt::Key_F1);
        QCOMPARE(bench.area.current(), occ);
        key(Qt::Key_F1);

        // PCA: a row per bolus.
        turn(3);
        key(Qt::Key_Escape);
        ViewDataPCATest *pca = tests->pcaScreen();
        QCOMPARE(bench.area.current(), pca);
        QCOMPARE(text(pca, "label_Volume"), QString("12.5"));
        QCOMPARE(text(pca, "label_Duration"), QString("00:01:05"));
        const auto *boluses = pca->findChild<QTableWidget *>("dataTable");
        QCOMPARE(boluses->rowCount(), 2);
        QCOMPARE(boluses->item(0, 0)->text(), QString("0.1"));
        QCOMPARE(boluses->item(1, 0)->text(), QString("100"));
        QCOMPARE(boluses->item(1, 1)->text(), QString("500"));
        QCOMPARE(boluses->item(0, 2)->text(), QString("00:01:05"));
        QVERIFY(bench.area.savePng(QDir::temp().filePath("ViewDataPCATest.png")));
        keys({Qt::Key_F1, Qt::Key_F1, Qt::Key_F1, Qt::Key_F1, Qt::Key_F1});
        QCOMPARE(bench.area.current(), bench.mainMenu);
    }
};

RONDIX_TEST(TestResultBrowsing)
#include "tst_ResultBrowsing.moc"
