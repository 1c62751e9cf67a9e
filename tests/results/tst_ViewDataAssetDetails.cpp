#include "DataManager.h"
#include "DialogAnswers.h"
#include "GuiTest.h"
#include "ResultsBench.h"
#include "RotaryEncoderList.h"
#include "TestRegistry.h"
#include "TestSequenceEdit.h"
#include "TestSequenceManager.h"
#include "ViewData.h"
#include "ViewDataAssetDetails.h"
#include "ViewDataTestResults.h"

#include <QFile>
#include <QLabel>
#include <QTest>

using namespace GuiTest;

namespace
{
QDateTime at(int day, int hour)
{
    return QDateTime(QDate(2024, 3, day), QTime(hour, 15, 0));
}

// Two results of one asset and one of another; the list opens on the oldest.
bool storeThree(ResultsBench &bench)
{
    return bench.store({resultRecord("Pump 1", at(4, 16), TEST_PASS, {}, "Ward1"),
                        resultRecord("Pump 1", at(5, 9), TEST_FAIL, {}, "Gone"),
                        resultRecord("Pump 2", at(3, 11), TEST_PASS, {}, "")});
}

QString text(const QWidget *screen, const char *label)
{
    return screen->findChild<QLabel *>(QLatin1String(label))->text();
}
} // namespace

class TestViewDataAssetDetails : public QObject
{
    Q_OBJECT
private slots:
    void showsTheHeadInTheOperatorsFormats()
    {
        ResultsBench bench;
        QVERIFY(bench.data().vSaveTimeFormat("hh:mm ap"));
        QVERIFY(storeThree(bench));
        QVERIFY(bench.openList());
        turn(1);
        key(Qt::Key_F2);
        ViewDataAssetDetails *details = bench.list()->assetDetailsScreen();
        QCOMPARE(bench.area.current(), details);
        QCOMPARE(text(details, "asset_value_label"), QString("Pump 1"));
        QCOMPARE(text(details, "testDate_value_label"), QString("04.03.2024\n04:15 pm"));
        QCOMPARE(text(details, "seq_value_label"), QString("Ward1"));
        QCOMPARE(details->filename(), QString("Pump1_04032024_161500"));
        turn(1); // the encoder does nothing here
        keys({Qt::Key_F6, Qt::Key_F7});
        QCOMPARE(bench.area.current(), details);
        key(Qt::Key_Escape);
        QCOMPARE(bench.area.current(), details->testResultsScreen());
        key(Qt::Key_F1);
        QCOMPARE(bench.area.current(), details);
        QCOMPARE(text(details, "asset_value_label"), QString("Pump 1"));
    }

    // The sequence is the one stored under the result's name now, shown view only.
    void seqShowsTheStoredSequenceViewOnly()
    {
        ResultsBench bench;
        TestSequenceManager *sequences = TestSequenceManager::getInstance();
        QVERIFY(sequences->createNewTestSequence("Ward1"));
        QVERIFY(sequences->openTestSequence(QString("Ward1")));
        sequences->insertTestElement(1, -1);
        sequences->insertTestElement(3, 0);
        QVERIFY(sequences->saveCurrentTestSequence());
        sequences->clearCurrentTestSequence();
        QVERIFY(storeThree(bench));
        QVERIFY(bench.openList());
        turn(1);
        key(Qt::Key_Escape);
        ViewDataAssetDetails *details = bench.list()->assetDetailsScreen();
        key(Qt::Key_F3);
        TestSequenceEdit *editor = details->sequenceScreen();
        QVERIFY(editor);
        QCOMPARE(bench.area.current(), editor);
        QVERIFY(editor->isViewOnlyMode());
        QCOMPARE(editor->getTestSequenceName(), QString("Ward1"));
        QCOMPARE(editor->findChild<RotaryEncoderList *>("testList")->count(), 2);
        key(Qt::Key_F1);
        QCOMPARE(bench.area.current(), details);

        // A sequence no longer stored, or none named: a message, and the details stay.
        for (int row : {2, 0}) {
            key(Qt::Key_F1);
            turn(row);
            key(Qt::Key_Escape);
            const QString name = row == 2 ? "Gone" : "";
            QCOMPARE(dialogs(press(Qt::Key_F3), {button(QMessageBox::Ok)}),
                     QStringList{"Test sequence not found: " + name});
            QCOMPARE(bench.area.current(), details);
        }
    }

    void deleteRemovesExactlyTheViewedFile()
    {
        ResultsBench bench;
        QVERIFY(storeThree(bench));
        QVERIFY(bench.openList());
        turn(2);
        key(Qt::Key_Escape);
        ViewDataAssetDetails *details = bench.list()->assetDetailsScreen();
        QCOMPARE(details->filename(), QString("Pump1_05032024_091500"));

        BoxSeen seen;
        QCOMPARE(dialogs(press(Qt::Key_F4), {button(QMessageBox::Cancel, &seen)}).size(), 1);
        QCOMPARE(seen.title, QString("Delete Appliance Result"));
        QCOMPARE(seen.text,
                 QString("The current appliance result will be deleted. \nPress Ok to confirm"));
        QCOMPARE(seen.icon, QMessageBox::Warning);
        QCOMPARE(bench.area.current(), details);
        QCOMPARE(bench.files().size(), 3);

        QCOMPARE(dialogs(press(Qt::Key_F4), {button(QMessageBox::Ok)}).size(), 1);
        QCOMPARE(bench.files(), QStringList({"Pump1_04032024_161500", "Pump2_03032024_111500"}));
        QCOMPARE(bench.area.current(), bench.list());
        QCOMPARE(bench.column(0), QStringList({"Pump2", "Pump1"}));
        QCOMPARE(bench.chosenRow(), 0);
    }

    // The select key pressed once more by habit keeps the result: the question opens on
    // Cancel.
    void deleteOpensOnCancel()
    {
        ResultsBench bench;
        QVERIFY(storeThree(bench));
        QVERIFY(bench.openList());
        key(Qt::Key_Escape);
        BoxSeen seen;
        QCOMPARE(dialogs(press(Qt::Key_F4), {selectAsOpened(&seen)}).size(), 1);
        QCOMPARE(seen.defaultButton, QMessageBox::Cancel);
        QCOMPARE(seen.focused, QMessageBox::Cancel);
        QCOMPARE(bench.files().size(), 3);
        QCOMPARE(bench.area.current(), bench.list()->assetDetailsScreen());
    }

    void aFailedDeleteIsReported()
    {
        ResultsBench bench;
        QVERIFY(storeThree(bench));
        QVERIFY(bench.openList());
        key(Qt::Key_Escape);
        // Gone before the operator confirms: nothing was deleted, and the operator is told.
        QVERIFY(QFile::remove(bench.resultPath("Pump2_03032024_111500")));
        QCOMPARE(dialogs(press(Qt::Key_F4), {button(QMessageBox::Ok), button(QMessageBox::Ok)}),
                 QStringList({"The current appliance result will be deleted. \nPress Ok to confirm",
                              "The appliance result could not be deleted."}));
        QCOMPARE(bench.area.current(), bench.list());
        QCOMPARE(bench.column(0), QStringList({"Pump1", "Pump1"}));
    }
};

RONDIX_TEST(TestViewDataAssetDetails)
#include "tst_ViewDataAssetDetails.moc"
