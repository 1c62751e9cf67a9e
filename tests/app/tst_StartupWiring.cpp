#include "GuiTest.h"
#include "ImportWarning.h"
#include "InfusionPumpPowerBoardManager.h"
#include "ScreenArea.h"
#include "StartupWiring.h"
#include "StreamHelper.h"
#include "TestRegistry.h"
#include "TestResultElementOccTest.h"
#include "TestResultFactory.h"
#include "TestResultManager.h"

#include <QBuffer>
#include <QDir>
#include <QMessageBox>
#include <QTest>
#include <QTextStream>

namespace {
QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text));
}
} // namespace

// What the program wires at start-up, seen where the operator meets it.
class TestStartupWiring : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        ImportWarning::setHandler({});
        TestResultManager::setPressureDisplay({}, {});
    }

    // Saves cut off by a power cut leave hidden part files: nothing lists them, but they
    // count against the memory warning. Start-up removes them, and nothing else.
    void leftoversOfCutSavesGo()
    {
        TempRoot root;
        const QStringList dirs{"/mnt/data/", "/mnt/data/testSequences/", "/mnt/data/testResults/"};
        for (const QString &dir : dirs) {
            QVERIFY(root.writeFile(dir + ".kept.part", "left by a power cut"));
            QVERIFY(root.writeFile(dir + "kept.part", "a stored file of that name"));
            QVERIFY(root.writeFile(dir + ".hidden", "not ours"));
        }
        StartupWiring::removeLeftovers();
        for (const QString &dir : dirs)
            QCOMPARE(QDir(root.path(dir)).entryList(QDir::Files | QDir::Hidden),
                     QStringList({".hidden", "kept.part"}));
    }

    // The CSV gives pressures in the operator's unit, and an exchange file of the wrong
    // kind shows the warning box, without anything installed by a test.
    void csvUnitsAndFormatWarningReachTheOperator()
    {
        ScreenArea area;
        QVERIFY(area.startBoard());
        StartupWiring::connectCore();
        QVERIFY(area.board()->m_DataManager.setPressureUnits(DataManager::UNITS_KPA));

        auto *occ = new TestResultElementOccTest;
        occ->status = TEST_PASS;
        occ->testData.s16Pressure_Peak = 300;
        occ->testData.s16Pressure_BackOff = 30;
        occ->sequenceElement.limits.upperPressure = 450;
        occ->sequenceElement.limits.lowerPressure = 150;
        MedicalApplianceResult record;
        record.overallResult = TEST_INFORMATION_ONLY;
        record.testDate = QDateTime(QDate(2024, 3, 5), QTime(9, 4, 30));
        record.applianceName = "P";
        record.testResultsData = TestResultFactory::toByteArray({occ});
        delete occ;
        QByteArray file = hex("0100 0000");
        {
            QDataStream out(&file, QIODevice::Append);
            StreamHelper::setup(out);
            out << record;
        }
        QVERIFY(area.root().writeFile("/mnt/data/testResults/P_05032024_090430", file));
        TestResultManager *results = TestResultManager::getInstance();
        QVERIFY(results->openApplianceResult("P_05032024_090430", true));
        QString csv;
        QTextStream out(&csv);
        results->sendCurrentApplianceCSVToStream(out, true);
        out.flush();
        QCOMPARE(csv, QString("Tested on,Tue Mar 5 09:04:30 2024\nAsset ID,P\nTest Sequence,\n"
                              "Overall Result,Pass\nResults:\n"
                              "Occlusion Test,Status:,Pass,Pump Type:,Manual,"
                              "Peak Pressure:,40.00,kPa,Back-Off Pressure:,4.00,kPa,Volume:,0.00,"
                              "Upper Pressure Limit:,60.00,kPa,Lower Pressure Limit:,20.00,kPa\n\n"));

        QVERIFY(area.activate());
        QString title;
        bool warningIcon = false;
        GuiTest::ModalAnswer answer([&](QWidget *box) {
            title = box->windowTitle();
            auto *messageBox = qobject_cast<QMessageBox *>(box);
            warningIcon = messageBox && messageBox->icon() == QMessageBox::Warning;
            if (qEnvironmentVariableIsSet("RONDIX_PNG_DIR"))
                GuiTest::savePng(box, qEnvironmentVariable("RONDIX_PNG_DIR") + "/format-warning.png");
            GuiTest::key(Qt::Key_Escape);
        });
        QBuffer sequences;
        sequences.setData(hex("0100 0100 02000000 4100 ffffffff"));
        sequences.open(QIODevice::ReadOnly);
        QVERIFY(results->importApplianceResults(sequences.readAll()).wrongKind);
        QVERIFY(answer.answered());
        QCOMPARE(title, QString("Warning"));
        QVERIFY(warningIcon);
        QCOMPARE(answer.dialogText(), QString("Incorrect File Format"));
    }
};

RONDIX_TEST(TestStartupWiring)
#include "tst_StartupWiring.moc"
