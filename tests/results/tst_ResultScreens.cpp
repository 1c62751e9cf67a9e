#include "DataManager.h"
#include "GuiTest.h"
#include "InfusionPumpPowerBoardManager.h"
#include "ScreenArea.h"
#include "TestRegistry.h"
#include "TestResultElementFlowTest.h"
#include "TestResultElementOccTest.h"
#include "TestResultElementPCATest.h"
#include "TestResultElementUserTest.h"
#include "ViewDataFlowTestResult.h"
#include "ViewDataOccTestResult.h"
#include "ViewDataPCATest.h"
#include "ViewDataUserTestResult.h"
#include "ViewResultsGraph.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>
#include <QTranslator>

#include <limits>

using namespace GuiTest;

namespace
{
QString text(const QWidget *screen, const char *label)
{
    return screen->findChild<QLabel *>(QLatin1String(label))->text();
}

QVector<INFUSION_PUMP_REAL_TIME_DATA> endingAt(const QList<quint32> &elapsed)
{
    QVector<INFUSION_PUMP_REAL_TIME_DATA> out;
    for (quint32 s : elapsed) {
        INFUSION_PUMP_REAL_TIME_DATA sample;
        sample.u32ElapseTime = s;
        out << sample;
    }
    return out;
}

// Every text of the flow and occlusion result screens in capitals.
class CapitalsTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        const QByteArray screen(context);
        return screen == "ViewDataFlowTestResult" || screen == "ViewDataOccTestResult"
                   ? QString::fromLatin1(source).toUpper()
                   : QString();
    }
    bool isEmpty() const override { return false; }
};

TestResultElementPCATest pcaWithBoluses(int count)
{
    TestResultElementPCATest pca;
    for (int n = 0; n < count; ++n) {
        PCA_TEST_DATA bolus;
        bolus.u16BolusCount = quint16(n + 1);
        bolus.fVolume_Bolus = 0.5f * (n + 1);
        pca.boluses << bolus;
    }
    return pca;
}

// What the status row shows: the word in its colour and which mark, or "none".
QString statusShown(const QWidget *screen)
{
    const auto *word = screen->findChild<QLabel *>("status_label");
    const auto *mark = screen->findChild<QLabel *>("tick_cross_label");
    if (word->isHidden() && mark->isHidden())
        return "none";
    const QPixmap pixmap = mark->pixmap(Qt::ReturnByValue);
    if (word->isHidden() || mark->isHidden() || pixmap.isNull())
        return "partly";
    const QImage image = pixmap.toImage();
    const QImage tick = QImage(":/Resources/tick.png").convertToFormat(image.format());
    return word->text() + " " + word->styleSheet() + (image == tick ? " tick" : " cross");
}
} // namespace

// The four screens of one stored test: values in the instrument's number formats and
// the operator's pressure unit, the verdict, and the keys.
class TestResultScreens : public QObject
{
    Q_OBJECT
private slots:
    void flowValuesAndDuration_data()
    {
        QTest::addColumn<float>("mean");
        QTest::addColumn<QString>("meanShown");
        QTest::addColumn<QList<quint32>>("elapsed");
        QTest::addColumn<QString>("duration");
        QTest::newRow("12.5, 3725 s")
            << 12.5f << "12.5" << QList<quint32>{3724, 3725} << "01:02:05";
        QTest::newRow("0, 0 s") << 0.0f << "0" << QList<quint32>{0} << "00:00:00";
        QTest::newRow("one third") << 1.0f / 3 << "0.333333" << QList<quint32>{59} << "00:00:59";
        QTest::newRow("exponent form")
            << 1234567.0f << "1.23457e+06" << QList<quint32>{1} << "00:00:01";
        QTest::newRow("small") << 0.00001f << "1e-05" << QList<quint32>{1} << "00:00:01";
        // A duration is no time of day: past a day the hours go on counting.
        QTest::newRow("over a day") << 1.0f << "1" << QList<quint32>{90000} << "25:00:00";
        QTest::newRow("no samples") << 1.0f << "1" << QList<quint32>{} << "00:00:00";
    }
    void flowValuesAndDuration()
    {
        QFETCH(float, mean);
        QFETCH(QString, meanShown);
        QFETCH(QList<quint32>, elapsed);
        QFETCH(QString, duration);
        ScreenArea area;
        auto *list = new ScreenBase(nullptr, nullptr);
        auto *screen = new ViewDataFlowTestResult(list, nullptr);
        TestResultElementFlowTest flow;
        flow.channelId = 4;
        flow.testData.fFlowRate_Ave = mean;
        flow.testData.fFlowRate_Peak = mean;
        flow.testData.fFlowRate_Min = mean;
        flow.testData.fVolume = mean;
        flow.samples = endingAt(elapsed);
        screen->setTestData(&flow);
        for (const char *value : {"label_Mean_FlowRate", "label_Peak_FlowRate",
                                  "label_Min_FlowRate", "label_FlowRateTest_Volume"})
            QCOMPARE(text(screen, value), meanShown);
        QCOMPARE(text(screen, "label_FlowRateTest_Duration"), duration);
        QCOMPARE(text(screen, "label_Selected_Channel"), QString("4"));
    }

    void verdicts_data()
    {
        QTest::addColumn<QList<int>>("statuses");
        QTest::addColumn<QString>("shown");
        QTest::newRow("fail") << QList<int>{0} << "Fail color: rgb(255, 0, 0); cross";
        QTest::newRow("pass") << QList<int>{1} << "Pass color: rgb(0, 170, 0); tick";
        QTest::newRow("information only") << QList<int>{2} << "none";
        QTest::newRow("not answered") << QList<int>{3} << "none";
        QTest::newRow("unknown byte") << QList<int>{200} << "none";
        QTest::newRow("pass after information only")
            << QList<int>{2, 1} << "Pass color: rgb(0, 170, 0); tick";
        QTest::newRow("fail after pass") << QList<int>{1, 0} << "Fail color: rgb(255, 0, 0); cross";
    }
    void verdicts()
    {
        QFETCH(QList<int>, statuses);
        QFETCH(QString, shown);
        ScreenArea area;
        auto *list = new ScreenBase(nullptr, nullptr);
        auto *flow = new ViewDataFlowTestResult(list, nullptr);
        auto *occ = new ViewDataOccTestResult(list, nullptr);
        auto *pca = new ViewDataPCATest(list, nullptr);
        auto *user = new ViewDataUserTestResult(list, nullptr);
        for (int status : statuses) {
            flow->setStatus(TEST_RESULT_STATUS(status));
            occ->setStatus(TEST_RESULT_STATUS(status));
            pca->setStatus(TEST_RESULT_STATUS(status));
            user->setStatus(TEST_RESULT_STATUS(status));
        }
        for (QWidget *screen : QList<QWidget *>{flow, occ, pca, user})
            QCOMPARE(statusShown(screen), shown);
    }

    // A new language gives the fixed texts anew; the values and the verdict shown stay,
    // the verdict in the new language.
    void languageChangeKeepsTheValues()
    {
        ScreenArea area;
        area.startBoard();
        auto *list = new ScreenBase(nullptr, nullptr);
        auto *flow = new ViewDataFlowTestResult(list, nullptr);
        auto *occ = new ViewDataOccTestResult(list, nullptr);
        TestResultElementFlowTest flowTest;
        flowTest.status = TEST_PASS;
        flowTest.testData.fFlowRate_Ave = 12.5f;
        flow->setTestData(&flowTest);
        TestResultElementOccTest occTest;
        occTest.status = TEST_INFORMATION_ONLY;
        occTest.testData.s16Pressure_Peak = 300;
        occ->setTestData(&occTest);
        CapitalsTranslator capitals;
        QCoreApplication::installTranslator(&capitals);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(text(flow, "label_MSG_Mean"), QString("MEAN ML/H:"));
        QCOMPARE(text(flow, "label_Mean_FlowRate"), QString("12.5"));
        QCOMPARE(statusShown(flow), QString("PASS color: rgb(0, 170, 0); tick"));
        QCOMPARE(text(occ, "label_MSG_peak"), QString("PEAK mmHg:"));
        QCOMPARE(text(occ, "label_peak_pressure"), QString("300.00"));
        QCOMPARE(text(occ, "label_pump_type"), QString("MANUAL"));
        QCOMPARE(statusShown(occ), QString("none"));
        QCoreApplication::removeTranslator(&capitals);
        QCoreApplication::sendPostedEvents();
    }

    void occlusionPressuresInTheOperatorsUnit_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("peak");
        QTest::addColumn<int>("backOff");
        QTest::addColumn<QStringList>("shown"); // captions and values
        QTest::newRow("mmHg") << int(DataManager::UNITS_MMHG) << 300 << 45
                              << QStringList{"Peak mmHg:", "300.00", "Back-Off mmHg:", "45.00"};
        QTest::newRow("PSI") << int(DataManager::UNITS_PSI) << 250 << -20
                             << QStringList{"Peak PSI:", "4.83", "Back-Off PSI:", "-0.39"};
        QTest::newRow("Bar") << int(DataManager::UNITS_BAR) << 250 << -20
                             << QStringList{"Peak Bar:", "0.33", "Back-Off Bar:", "-0.03"};
        QTest::newRow("kPa") << int(DataManager::UNITS_KPA) << 250 << 0
                             << QStringList{"Peak kPa:", "33.33", "Back-Off kPa:", "0.00"};
        QTest::newRow("mmHg, negative")
            << int(DataManager::UNITS_MMHG) << -20 << -20
            << QStringList{"Peak mmHg:", "-20.00", "Back-Off mmHg:", "-20.00"};
    }
    void occlusionPressuresInTheOperatorsUnit()
    {
        QFETCH(int, unit);
        QFETCH(int, peak);
        QFETCH(int, backOff);
        QFETCH(QStringList, shown);
        ScreenArea area;
        area.startBoard();
        auto *list = new ScreenBase(nullptr, nullptr);
        auto *screen = new ViewDataOccTestResult(list, nullptr);
        QVERIFY(area.board()->m_DataManager.setPressureUnits(DataManager::PRESSURE_UNITS(unit)));
        TestResultElementOccTest occ;
        occ.testData.s16Pressure_Peak = qint16(peak);
        occ.testData.s16Pressure_BackOff = qint16(backOff);
        screen->setTestData(&occ);
        QCOMPARE(QStringList({text(screen, "label_MSG_peak"), text(screen, "label_peak_pressure"),
                              text(screen, "label_MSG_backOff"), text(screen, "label_backOff")}),
                 shown);
    }

    void occlusionPumpTypeUnitChangeAndGraph()
    {
        ScreenArea area;
        area.startBoard();
        DataManager &data = area.board()->m_DataManager;
        auto *list = new ScreenBase(nullptr, nullptr);
        auto *screen = new ViewDataOccTestResult(list, nullptr);
        QVERIFY(area.activate());
        TestResultElementOccTest occ;
        occ.channelId = 2;
        occ.testData.s16Pressure_Peak = 250;
        for (unsigned char type : {0, 1, 7}) {
            occ.pumpType = type;
            screen->setTestData(&occ);
            QCOMPARE(text(screen, "label_pump_type"),
                     QString(type == 0 ? "Manual" : "Auto-Reverse"));
        }
        screen->showScreen(true);
        QVERIFY(data.setPressureUnits(DataManager::UNITS_KPA));
        screen->setTestData(&occ);
        QCOMPARE(text(screen, "label_MSG_peak"), QString("Peak kPa:"));
        QCOMPARE(text(screen, "label_peak_pressure"), QString("33.33"));
        key(Qt::Key_F2);
        QCOMPARE(area.current(), screen->graphScreen());
        key(Qt::Key_F1);
        QCOMPARE(area.current(), screen);
        keys({Qt::Key_F3, Qt::Key_F4, Qt::Key_F6, Qt::Key_F7, Qt::Key_Escape});
        QCOMPARE(area.current(), screen);
        key(Qt::Key_F1);
        QCOMPARE(area.current(), list);
    }

    void pcaBolusRowsAndWheel()
    {
        ScreenArea area;
        auto *list = new ScreenBase(nullptr, nullptr);
        auto *screen = new ViewDataPCATest(list, nullptr);
        QVERIFY(area.activate());
        const auto *table = screen->findChild<QTableWidget *>("dataTable");
        TestResultElementPCATest three = pcaWithBoluses(3);
        three.boluses[2].fFlowRate_Bolus = 1234567.0f;
        three.boluses[2].u32BolusDuration = 65;
        screen->setTestData(&three);
        screen->showScreen(true);
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(table->item(2, 0)->text(), QString("1.5"));
        QCOMPARE(table->item(2, 1)->text(), QString("1.23457e+06"));
        QCOMPARE(table->item(2, 2)->text(), QString("00:01:05"));
        QCOMPARE(screen->currentRow(), 0);
        turn(-1);
        QCOMPARE(screen->currentRow(), 2);
        QCOMPARE(table->selectedItems().first()->row(), 2);
        turn(1);
        QCOMPARE(screen->currentRow(), 0);
        wheel(360);
        QCOMPARE(screen->currentRow(), 1);
        wheel(0);
        QCOMPARE(screen->currentRow(), 0);
        turn(1);

        // Fewer boluses replace the rows; none leaves an empty table the wheel cannot move.
        TestResultElementPCATest one = pcaWithBoluses(1);
        screen->setTestData(&one);
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(screen->currentRow(), 0);
        TestResultElementPCATest none = pcaWithBoluses(0);
        screen->setTestData(&none);
        QCOMPARE(table->rowCount(), 0);
        QCOMPARE(text(screen, "label_Duration"), QString("00:00:00"));
        turn(1);
        QVERIFY(table->selectedItems().isEmpty());
        keys({Qt::Key_F3, Qt::Key_F4, Qt::Key_Escape});
        QCOMPARE(area.current(), screen);
        key(Qt::Key_F2);
        QCOMPARE(area.current(), screen->graphScreen());
        key(Qt::Key_F1);
        key(Qt::Key_F1);
        QCOMPARE(area.current(), list);
    }

    void userValueOnlyWithAUnit_data()
    {
        QTest::addColumn<QString>("units");
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("shown"); // empty: no value row
        QTest::newRow("no unit") << "" << 7.0f << "";
        QTest::newRow("2.5 ml") << "ml" << 2.5f << "2.50";
        QTest::newRow("beyond the box") << "ml" << 2000000.0f << "1000000.00";
        QTest::newRow("below the box")
            << "ml" << -std::numeric_limits<float>::max() << "-1000000.00";
    }
    void userValueOnlyWithAUnit()
    {
        QFETCH(QString, units);
        QFETCH(float, value);
        QFETCH(QString, shown);
        ScreenArea area;
        auto *list = new ScreenBase(nullptr, nullptr);
        auto *screen = new ViewDataUserTestResult(list, nullptr);
        QVERIFY(area.activate());
        // After a test with a unit, so a hidden value row is hidden anew.
        TestResultElementUserTest before;
        before.testUnits = "s";
        screen->setTestData(&before);
        TestResultElementUserTest user;
        user.channelId = 1;
        user.testName = "Door alarm sounds";
        user.testUnits = units;
        user.result = value;
        screen->setTestData(&user);
        screen->showScreen(true);
        const auto *box = screen->findChild<QDoubleSpinBox *>("resultBox");
        const auto *unit = screen->findChild<QLineEdit *>("unitLineEdit");
        QCOMPARE(box->isVisible(), !shown.isEmpty());
        QCOMPARE(unit->isVisible(), !shown.isEmpty());
        if (!shown.isEmpty()) {
            QCOMPARE(box->text(), shown);
            QCOMPARE(unit->text(), units);
        }
        QCOMPARE(text(screen, "label_Channel"), QString("1"));
        QCOMPARE(screen->findChild<QPlainTextEdit *>("testNameTextEdit")->toPlainText(),
                 QString("Door alarm sounds"));
        // Nothing here takes the focus or a key but back.
        turn(1);
        keys({Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_Escape, Qt::Key_F6});
        QCOMPARE(area.current(), screen);
        QCOMPARE(QApplication::focusWidget(), screen);
        key(Qt::Key_F1);
        QCOMPARE(area.current(), list);
    }
};

RONDIX_TEST(TestResultScreens)
#include "tst_ResultScreens.moc"
