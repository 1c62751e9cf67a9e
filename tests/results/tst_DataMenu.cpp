#include "BluetoothFavouritesScreen.h"
#include "DataMenu.h"
#include "DataTransfer.h"
#include "GuiTest.h"
#include "InfusionPumpMainScreen.h"
#include "ResultsBench.h"
#include "RotaryEncoderList.h"
#include "TestRegistry.h"
#include "ViewData.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace GuiTest;

class TestDataMenu : public QObject
{
    Q_OBJECT

    static RotaryEncoderList *rows(DataMenu *menu)
    {
        return menu->findChild<RotaryEncoderList *>("MenuList");
    }

    // Main menu, "Data".
    static DataMenu *open(ResultsBench &bench)
    {
        if (!bench.area.activate())
            return nullptr;
        bench.mainMenu->findChild<RotaryEncoderList *>("listMainMenuList")->setCurrentRow(2);
        key(Qt::Key_Escape);
        return bench.area.current() == bench.dataMenu() ? bench.dataMenu() : nullptr;
    }

private slots:
    void rowsAndKeysOpenEachScreenOnce()
    {
        ResultsBench bench;
        DataMenu *menu = open(bench);
        QVERIFY(menu);
        QCOMPARE(rows(menu)->selectedRow(), 0);
        QVERIFY(bench.area.savePng(QDir::temp().filePath("DataMenu.png")));

        // The select key on a row and the soft key of that row open the same screen.
        const QList<std::function<QWidget *()>> children{[menu] { return menu->viewScreen(); },
                                                         [menu] { return menu->transferScreen(); },
                                                         [menu] { return menu->btScreen(); }};
        const QList<int> softKeys{Qt::Key_F2, Qt::Key_F3, Qt::Key_F4};
        for (int row = 0; row < 3; ++row) {
            rows(menu)->setCurrentRow(row);
            key(Qt::Key_Escape);
            QWidget *child = children.at(row)();
            QVERIFY(child);
            QCOMPARE(static_cast<ScreenBase *>(child)->previousScreen(), menu);
            QCOMPARE(bench.area.current(), child);
            key(Qt::Key_F1);
            QCOMPARE(bench.area.current(), menu);
            rows(menu)->setCurrentRow(2 - row); // whatever row is highlighted
            key(softKeys.at(row));
            QCOMPARE(children.at(row)(), child);
            key(Qt::Key_F1);
        }
        keys({Qt::Key_F6, Qt::Key_F7});
        QCOMPARE(bench.area.current(), menu);

        // Back and in again: the highlight stays where it was left.
        rows(menu)->setCurrentRow(1);
        key(Qt::Key_F1);
        QCOMPARE(bench.area.current(), bench.mainMenu);
        key(Qt::Key_Escape);
        QCOMPARE(bench.area.current(), menu);
        QCOMPARE(rows(menu)->selectedRow(), 1);
        turn(1);
        QCOMPARE(rows(menu)->selectedRow(), 2);
    }

    void transferTakesEveryStoredResultAfresh()
    {
        ResultsBench bench;
        DataMenu *menu = open(bench);
        QVERIFY(menu);
        key(Qt::Key_F3);
        QCOMPARE(menu->transferScreen()->fileList(), QStringList());
        key(Qt::Key_F1);

        const QDateTime taken(QDate(2024, 3, 5), QTime(9, 4, 30));
        QVERIFY(bench.store({resultRecord("bed", taken, TEST_PASS),
                             resultRecord("Bed", taken, TEST_FAIL),
                             resultRecord("ICU", taken, TEST_PASS)}));
        key(Qt::Key_F3);
        // By file name, upper case before lower case.
        QCOMPARE(
            menu->transferScreen()->fileList(),
            QStringList({"Bed_05032024_090430", "ICU_05032024_090430", "bed_05032024_090430"}));
        key(Qt::Key_F1);
        QVERIFY(QFile::remove(bench.resultPath("ICU_05032024_090430")));
        rows(menu)->setCurrentRow(1);
        key(Qt::Key_Escape);
        QCOMPARE(menu->transferScreen()->fileList(),
                 QStringList({"Bed_05032024_090430", "bed_05032024_090430"}));
    }
};

RONDIX_TEST(TestDataMenu)
#include "tst_DataMenu.moc"
