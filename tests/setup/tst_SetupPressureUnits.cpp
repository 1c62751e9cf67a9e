#include "DataManager.h"
#include "GuiTest.h"
#include "InfusionPumpMainScreen.h"
#include "InfusionPumpPowerBoardManager.h"
#include "ManualSetup.h"
#include "OcclusionManualTest.h"
#include "OcclusionManual_Setup.h"
#include "RotaryEncoderDoubleSpinBox.h"
#include "RotaryEncoderList.h"
#include "SetupBench.h"
#include "SetupPressureUnits.h"
#include "SetupScreen.h"
#include "SummaryManualScreen.h"
#include "TestRegistry.h"

#include <QLabel>
#include <QTest>

using namespace GuiTest;

namespace
{
QByteArray settingsWithUnit(int unit)
{
    return ScreenArea::defaultSettings() + "PressureUnits=" + QByteArray::number(unit) + "\n";
}

RotaryEncoderList *openUnits(SetupBench &bench)
{
    turn(4);
    key(Qt::Key_Escape);
    return bench.screen<SetupPressureUnits>()->findChild<RotaryEncoderList *>("listMainMenuList");
}
} // namespace

class TestSetupPressureUnits : public QObject
{
    Q_OBJECT
private slots:
    void opensOnTheUnitInForce()
    {
        SetupBench bench({settingsWithUnit(2), false});
        QVERIFY(bench.openSetup());
        RotaryEncoderList *list = openUnits(bench);
        QStringList rows;
        for (int i = 0; i < list->count(); ++i)
            rows << list->item(i)->text();
        QCOMPARE(rows, QStringList({"mmHg", "PSI", "Bar", "kPa"}));
        QCOMPARE(list->selectedRow(), 2);
        QVERIFY(list->hasFocus());
        // Choosing at once keeps the unit.
        key(Qt::Key_Escape);
        QCOMPARE(bench.area.current(), bench.setup);
        QCOMPARE(bench.area.board()->m_DataManager.getPressureUnits(), DataManager::UNITS_BAR);
        QCOMPARE(bench.setting("PressureUnits"), QString("2"));

        // Turned away and left with F1: nothing changes, and it opens on Bar again.
        key(Qt::Key_Escape);
        turn(1);
        key(Qt::Key_F1);
        QCOMPARE(bench.area.current(), bench.setup);
        QCOMPARE(bench.area.board()->m_DataManager.getPressureUnits(), DataManager::UNITS_BAR);
        QCOMPARE(bench.setting("PressureUnits"), QString("2"));
        key(Qt::Key_Escape);
        QCOMPARE(list->selectedRow(), 2);
    }

    void theChosenUnitIsStoredAndShownWhereverPressuresAre()
    {
        SetupBench bench;
        QVERIFY(bench.openSetup());
        openUnits(bench);
        turn(3);
        key(Qt::Key_Escape);
        QCOMPARE(bench.area.current(), bench.setup);
        QCOMPARE(bench.setting("PressureUnits"), QString("3"));
        QCOMPARE(bench.area.board()->m_DataManager.getPressureUnits(), DataManager::UNITS_KPA);

        SummaryManualScreen *summary = bench.menu->getSummaryManualScreen();
        summary->getFlowRateSetupScreen()->showScreen(true);
        QCOMPARE(summary->getFlowRateSetupScreen()
                     ->findChild<RotaryEncoderDoubleSpinBox *>("spinBoxBackPressureSetting")
                     ->suffix(),
                 QString(" kPa"));
        summary->getOcclusionSetupScreen()->showScreen(true);
        QCOMPARE(summary->getOcclusionSetupScreen()
                     ->findChild<RotaryEncoderDoubleSpinBox *>("spinBoxLimitUpper")
                     ->suffix(),
                 QString(" kPa"));
        summary->getOcclusionRunningScreen()->showScreen(true);
        QCOMPARE(
            summary->getOcclusionRunningScreen()->findChild<QLabel *>("label_MSG_Pressure")->text(),
            QString("Current kPa:"));

        // A restart reads the unit back.
        DataManager restarted;
        QCOMPARE(restarted.getPressureUnits(), DataManager::UNITS_KPA);
    }
};

RONDIX_TEST(TestSetupPressureUnits)
#include "tst_SetupPressureUnits.moc"
