#include "DataManager.h"
#include "DataMenu.h"
#include "DataTransfer.h"
#include "DialogAnswers.h"
#include "GuiTest.h"
#include "ResultsBench.h"
#include "TestRegistry.h"
#include "TestResultElementUserTest.h"
#include "TestResultManager.h"
#include "ViewData.h"
#include "ViewDataAssetDetails.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>

#include <sys/stat.h>

using namespace GuiTest;

namespace
{
QDateTime at(int year, int month, int day, int hour = 9)
{
    return QDateTime(QDate(year, month, day), QTime(hour, 0));
}

// Results whose day-first date texts sort otherwise than their dates, two taken at the
// same moment, verdicts of every kind, and a file that is no result.
bool storeMixed(ResultsBench &bench)
{
    if (!bench.store({resultRecord("Alpha", at(2024, 3, 2), TEST_FAIL),
                      resultRecord("Bravo", at(2024, 1, 15), TEST_PASS),
                      resultRecord("Charlie", at(2024, 3, 2, 8), TEST_INFORMATION_ONLY),
                      resultRecord("Delta", at(2023, 2, 2), TEST_NOT_ANSWERED),
                      resultRecord("Foxtrot", at(2024, 3, 2), TEST_PASS)}))
        return false;
    QFile junk(bench.resultPath("Echo_01012024_090000"));
    return junk.open(QIODevice::WriteOnly) && junk.write("not a result") > 0;
}
} // namespace

class TestViewData : public QObject
{
    Q_OBJECT
private slots:
    void sortOrders_data()
    {
        QTest::addColumn<int>("presses");
        QTest::addColumn<int>("state");
        QTest::addColumn<QStringList>("assets");
        // A row that cannot be read has no date and leads the ascending order; results
        // taken at the same moment keep the order they had.
        QTest::newRow("shown: date ascending")
            << 0 << int(ViewData::DATE_ASCENDING)
            << QStringList{"Echo", "Delta", "Bravo", "Charlie", "Alpha", "Foxtrot"};
        QTest::newRow("date descending")
            << 1 << int(ViewData::DATE_DESCENDING)
            << QStringList{"Alpha", "Foxtrot", "Charlie", "Bravo", "Delta", "Echo"};
        QTest::newRow("asset ascending")
            << 2 << int(ViewData::ASSET_ASCENDING)
            << QStringList{"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot"};
        QTest::newRow("asset descending")
            << 3 << int(ViewData::ASSET_DESCENDING)
            << QStringList{"Foxtrot", "Echo", "Delta", "Charlie", "Bravo", "Alpha"};
        QTest::newRow("date ascending again")
            << 4 << int(ViewData::DATE_ASCENDING)
            << QStringList{"Echo", "Delta", "Bravo", "Charlie", "Foxtrot", "Alpha"};
    }
    void sortOrders()
    {
        QFETCH(int, presses);
        QFETCH(int, state);
        QFETCH(QStringList, assets);
        ResultsBench bench;
        QVERIFY(storeMixed(bench));
        QVERIFY(bench.openList());
        turn(2);
        for (int i = 0; i < presses; ++i)
            key(Qt::Key_F4);
        QCOMPARE(bench.list()->sortState(), state);
        QCOMPARE(bench.column(0), assets);
        // The highlight keeps its place, whatever result is there now.
        QCOMPARE(bench.chosenRow(), 2);
    }

    void rowsShowDateAndVerdict()
    {
        ResultsBench bench;
        QVERIFY(bench.data().vSaveDateFormat("MM.dd.yyyy"));
        QVERIFY(storeMixed(bench));
        QVERIFY(bench.store({resultRecord("NoUnderscore", at(2022, 12, 24), TEST_PASS)}));
        QVERIFY(QFile::rename(bench.resultPath("NoUnderscore_24122022_090000"),
                              bench.resultPath("Plain")));
        QVERIFY(bench.openList());
        QCOMPARE(bench.column(0),
                 QStringList({"Echo", "Plain", "Delta", "Bravo", "Charlie", "Alpha", "Foxtrot"}));
        QCOMPARE(bench.column(1), QStringList({"", "12.24.2022", "02.02.2023", "01.15.2024",
                                               "03.02.2024", "03.02.2024", "03.02.2024"}));
        QCOMPARE(bench.column(2),
                 QStringList({"", "Pass", "Info", "Pass", "Info", "Fail", "Pass"}));
        QCOMPARE(bench.chosenRow(), 0);
        turn(-1); // the last row, scrolled into view
        QVERIFY(bench.area.savePng(QDir::temp().filePath("ViewData.png")));
    }

    // A link (to /dev/zero, or even to a result) or a FIFO in the results folder is no row:
    // listing it would read without end, or wait for a writer, when its date is shown.
    void onlyRegularFilesAreRows()
    {
        ResultsBench bench;
        QVERIFY(bench.store({resultRecord("Alpha", at(2024, 3, 2), TEST_PASS)}));
        QVERIFY(QFile::link("/dev/zero", bench.resultPath("Zero_01012024_090000")));
        QVERIFY(QFile::link(bench.resultPath("Alpha_02032024_090000"),
                            bench.resultPath("Alias_02032024_090000")));
        QCOMPARE(::mkfifo(QFile::encodeName(bench.resultPath("Fifo_01012024_090000")), 0600), 0);
        QVERIFY(bench.openList());
        QCOMPARE(bench.column(0), QStringList({"Alpha"}));
        QCOMPARE(bench.column(2), QStringList({"Pass"}));
    }

    // A zero-filled file reads as a record without a date: it is listed as a damaged file
    // is, without a date or a verdict of its own, and opens without one.
    void aZeroFilledFileIsListedAsDamaged()
    {
        ResultsBench bench;
        QVERIFY(bench.store({resultRecord("Alpha", at(2024, 3, 2), TEST_PASS)}));
        QFile zeros(bench.resultPath("Zero_01012024_090000"));
        QVERIFY(zeros.open(QIODevice::WriteOnly));
        QCOMPARE(zeros.write(QByteArray(512, '\0')), qint64(512));
        zeros.close();
        QVERIFY(bench.openList());
        QCOMPARE(bench.column(0), QStringList({"Zero", "Alpha"}));
        QCOMPARE(bench.column(1), QStringList({"", "02.03.2024"}));
        QCOMPARE(bench.column(2), QStringList({"", "Pass"}));
        key(Qt::Key_Escape);
        ViewDataAssetDetails *details = bench.list()->assetDetailsScreen();
        QVERIFY(details);
        QCOMPARE(bench.area.current(), details);
        const auto *date = details->findChild<QLabel *>("testDate_value_label");
        QVERIFY(date);
        QCOMPARE(date->text(), QString());
    }

    void highlightWrapsOneRowPerTurn()
    {
        ResultsBench bench;
        QVERIFY(storeMixed(bench));
        QVERIFY(bench.openList());
        turn(-1);
        QCOMPARE(bench.chosenRow(), 5);
        turn(1);
        QCOMPARE(bench.chosenRow(), 0);
        wheel(360); // three detents in one event
        QCOMPARE(bench.chosenRow(), 1);
        wheel(0); // counts as a step back
        QCOMPARE(bench.chosenRow(), 0);
        // Every showing starts at the first row, date ascending.
        turn(3);
        key(Qt::Key_F4);
        keys({Qt::Key_F1, Qt::Key_F2});
        QCOMPARE(bench.list()->sortState(), int(ViewData::DATE_ASCENDING));
        QCOMPARE(bench.chosenRow(), 0);
    }

    void resultsThatCannotBeOpenedAreReported()
    {
        ResultsBench bench;
        QVERIFY(storeMixed(bench));
        QVERIFY(bench.openList());
        TestResultManager::getInstance()->deleteAllTestResults();

        // The first row is the file that is no result: a message, nothing opened.
        QCOMPARE(
            dialogs(press(Qt::Key_Escape), {button(QMessageBox::Ok)}),
            QStringList{"The appliance result could not be opened.\nThe list has been updated."});
        QCOMPARE(bench.area.current(), bench.list());
        QVERIFY(!bench.list()->assetDetailsScreen());

        // A result deleted behind the list's back is gone from it after the message.
        turn(1);
        QVERIFY(QFile::remove(bench.resultPath("Delta_02022023_090000")));
        QCOMPARE(dialogs(press(Qt::Key_F2), {button(QMessageBox::Ok)}).size(), 1);
        QCOMPARE(bench.column(0), QStringList({"Echo", "Bravo", "Charlie", "Alpha", "Foxtrot"}));
        QCOMPARE(bench.chosenRow(), 0);
        QCOMPARE(dialogs(press(Qt::Key_F3), {button(QMessageBox::Ok)}).size(), 1);
        QVERIFY(!bench.list()->transferScreen());
    }

    void transferHandsOverTheHighlightedResultAlone()
    {
        ResultsBench bench;
        QVERIFY(storeMixed(bench));
        QVERIFY(bench.openList());
        turn(2);
        key(Qt::Key_F3);
        DataTransfer *transfer = bench.list()->transferScreen();
        QVERIFY(transfer);
        QVERIFY(transfer != bench.dataMenu()->transferScreen());
        QCOMPARE(transfer->fileList(), QStringList{"Bravo_15012024_090000"});
        QCOMPARE(TestResultManager::getInstance()->getCurrentAssetId(), QString("Bravo"));
        QCOMPARE(transfer->previousScreen(), bench.list());
    }

    void anEmptyStoreOffersOnlyBackAndSort()
    {
        ResultsBench bench;
        QVERIFY(bench.openList());
        QCOMPARE(bench.list()->dataTableSize(), 0);
        keys({Qt::Key_Escape, Qt::Key_F2, Qt::Key_F3, Qt::Key_F6, Qt::Key_F7});
        QCOMPARE(bench.area.current(), bench.list());
        QVERIFY(!bench.list()->assetDetailsScreen());
        QVERIFY(!bench.list()->transferScreen());
        key(Qt::Key_F4);
        QCOMPARE(bench.list()->sortState(), int(ViewData::DATE_DESCENDING));
        turn(-1);
        QCOMPARE(bench.list()->rememberedRow(), -1);
        turn(1);
        QCOMPARE(bench.list()->rememberedRow(), 0);
        key(Qt::Key_F1);
        QCOMPARE(bench.area.current(), bench.dataMenu());
    }
};

RONDIX_TEST(TestViewData)
#include "tst_ViewData.moc"
