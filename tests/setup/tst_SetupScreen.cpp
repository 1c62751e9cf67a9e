#include "GuiTest.h"
#include "InfusionPumpMainScreen.h"
#include "RotaryEncoderList.h"
#include "SetupBench.h"
#include "SetupScreen.h"
#include "TestRegistry.h"

#include <QDir>
#include <QLabel>
#include <QTest>

using namespace GuiTest;

class TestSetupScreen : public QObject
{
    Q_OBJECT
private slots:
    void rowsOpenTheirScreensAndBackKeepsTheRow_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("screen");
        QTest::newRow("Time and Date") << 0 << "SetClockScreen";
        QTest::newRow("Serial Number") << 1 << "PinEntry";
        QTest::newRow("Test Sequences") << 2 << "TestSequenceScreen";
        QTest::newRow("Memory") << 3 << "MemoryUsage";
        QTest::newRow("Pressure Units") << 4 << "SetupPressureUnits";
        QTest::newRow("Language") << 5 << "SetupLanguage";
    }
    void rowsOpenTheirScreensAndBackKeepsTheRow()
    {
        QFETCH(int, row);
        QFETCH(QString, screen);
        SetupBench bench;
        QVERIFY(bench.openSetup());
        auto *list = bench.setup->findChild<RotaryEncoderList *>("listMainMenuList");
        QCOMPARE(list->currentRow(), 0);
        turn(row);
        key(Qt::Key_Escape);
        QCOMPARE(bench.area.current()->metaObject()->className(), qPrintable(screen));
        QVERIFY(bench.area.savePng(QDir::temp().filePath("setup-" + screen + ".png")));
        key(Qt::Key_F1);
        QCOMPARE(bench.area.current(), bench.setup);
        QVERIFY(list->hasFocus());
        QCOMPARE(list->selectedRow(), row);
        // The main menu and back: the row is still where the operator left it.
        key(Qt::Key_F1);
        QCOMPARE(bench.area.current(), bench.menu);
        key(Qt::Key_Escape);
        QCOMPARE(bench.area.current(), bench.setup);
        QCOMPARE(list->selectedRow(), row);
    }

    void theMenuAsTheOperatorSeesIt()
    {
        SetupBench bench;
        QVERIFY(bench.openSetup());
        auto *list = bench.setup->findChild<RotaryEncoderList *>("listMainMenuList");
        QStringList rows;
        for (int i = 0; i < list->count(); ++i)
            rows << list->item(i)->text();
        QCOMPARE(rows, QStringList({"Time and Date", "Serial Number", "Test Sequences", "Memory",
                                    "Pressure Units", "Language"}));
        QCOMPARE(bench.setupTitle(), QString("Setup"));
        QVERIFY(bench.area.savePng(QDir::temp().filePath("setup-SetupScreen.png")));

        // F2..F4 have no action; the wheel wraps.
        keys({Qt::Key_F2, Qt::Key_F3, Qt::Key_F4});
        QCOMPARE(bench.area.current(), bench.setup);
        turn(-1);
        QCOMPARE(list->selectedRow(), 5);
        turn(1);
        QCOMPARE(list->selectedRow(), 0);

        // With no row chosen the select key opens nothing.
        list->clearSelection();
        list->setCurrentItem(nullptr);
        key(Qt::Key_Escape);
        QCOMPARE(bench.area.current(), bench.setup);
    }
};

RONDIX_TEST(TestSetupScreen)
#include "tst_SetupScreen.moc"
