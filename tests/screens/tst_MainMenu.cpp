#include "AboutScreen.h"
#include "DataMenu.h"
#include "DrainModeScreen.h"
#include "InfusionPumpMainScreen.h"
#include "InfusionPumpPowerBoardManager.h"
#include "PowerBoardSim.h"
#include "PrimingScreen.h"
#include "RemoteControlScreen.h"
#include "RotaryEncoderList.h"
#include "ScreenArea.h"
#include "SetClockScreen.h"
#include "SetupScreen.h"
#include "SummaryManualScreen.h"
#include "TestRegistry.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTest>
#include <QTranslator>

using namespace GuiTest;

namespace {
class UpperCaseTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return QByteArray(context) == "InfusionPumpMainMenu" ? QString::fromLatin1(source).toUpper() : QString();
    }
    bool isEmpty() const override { return false; }
};

// How many screens of a kind the screen area holds.
template<class Screen>
int countOf(const ScreenArea &area)
{
    return area.stack()->findChildren<Screen *>().size();
}

QStringList rows(RotaryEncoderList *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}
} // namespace

class TestMainMenu : public QObject
{
    Q_OBJECT
private slots:
    void softKeysOpenTheirScreens()
    {
        ScreenArea area;
        area.startBoard(); // the summary reads the channels as soon as it is built
        auto *menu = new InfusionPumpMainScreen(nullptr, nullptr);
        QVERIFY(area.activate());
        menu->showScreen(true);
        QCOMPARE(area.current(), menu);
        auto *drain = area.stack()->findChild<DrainModeScreen *>();
        auto *priming = area.stack()->findChild<PrimingScreen *>();
        QVERIFY(drain && priming);

        key(Qt::Key_F2);
        QCOMPARE(area.current(), priming);
        key(Qt::Key_F1);
        QCOMPARE(area.current(), menu);
        QTRY_VERIFY(menu->findChild<RotaryEncoderList *>()->hasFocus());
        key(Qt::Key_F3);
        QCOMPARE(area.current(), drain);
        key(Qt::Key_F1);
        QCOMPARE(area.current(), menu);

        // F4 opens the About menu, built with the main menu. F1 builds the summary and
        // opens it.
        key(Qt::Key_F4);
        QCOMPARE(area.current(), area.stack()->findChild<AboutScreen *>());
        key(Qt::Key_F1);
        QCOMPARE(area.current(), menu);
        QCOMPARE(countOf<SummaryManualScreen>(area), 0);
        key(Qt::Key_F1);
        QCOMPARE(countOf<SummaryManualScreen>(area), 1);
        QCOMPARE(area.current(), menu->getSummaryManualScreen());
    }

    void selectOnRows()
    {
        ScreenArea area;
        area.startBoard();
        auto *menu = new InfusionPumpMainScreen(nullptr, nullptr);
        QVERIFY(area.activate());
        menu->showScreen(true);
        auto *list = menu->findChild<RotaryEncoderList *>("listMainMenuList");
        QCOMPARE(list->currentRow(), 0);
        // "Perform Test": built on the first select, the same instance afterwards and
        // from F1.
        QCOMPARE(countOf<SummaryManualScreen>(area), 0);
        key(Qt::Key_Escape);
        QCOMPARE(countOf<SummaryManualScreen>(area), 1);
        SummaryManualScreen *summary = menu->getSummaryManualScreen();
        QCOMPARE(area.current(), summary);
        key(Qt::Key_F1); // the summary's back key
        QCOMPARE(area.current(), menu);
        keys({Qt::Key_Escape, Qt::Key_F1});
        QCOMPARE(area.current(), menu);
        key(Qt::Key_F1); // "TEST"
        QCOMPARE(area.current(), summary);
        key(Qt::Key_F1);
        QCOMPARE(menu->getSummaryManualScreen(), summary);
        QCOMPARE(countOf<SummaryManualScreen>(area), 1);

        // "Remote Control" with no line to a PC: the operator is told, and neither remote
        // mode nor the remote screen comes up.
        turn(1);
        QCOMPARE(list->currentRow(), 1);
        {
            ModalAnswer refusal({Qt::Key_Escape});
            key(Qt::Key_Escape);
            QVERIFY(refusal.answered());
            QCOMPARE(refusal.dialogText(), QString("Error opening the PC connection"));
        }
        QCOMPARE(area.board()->m_DataManager.getRemoteControl(), 0u);
        QCOMPARE(countOf<RemoteControlScreen>(area), 0);
        QCOMPARE(area.current(), menu);

        turn(1);
        key(Qt::Key_Escape); // "Data"
        QCOMPARE(countOf<DataMenu>(area), 1);
        QCOMPARE(area.current(), menu->getDataMenuScreen());
        QCOMPARE(countOf<DataMenu>(area), 1);
        key(Qt::Key_F1);
        QCOMPARE(area.current(), menu);

        // The wheel wraps both ways.
        turn(2);
        QCOMPARE(list->currentRow(), 4);
        turn(1);
        QCOMPARE(list->currentRow(), 0);
        turn(-1);
        QCOMPARE(list->currentRow(), 4);
        QCOMPARE(area.current(), menu);
    }

    void drainAllFromTheMainMenu()
    {
        ScreenArea area;
        area.startBoard([](PowerBoardSim &sim) { sim.setAbsent(1, true); });
        auto *menu = new InfusionPumpMainScreen(nullptr, nullptr);
        QVERIFY(area.activate());
        QVERIFY(area.settle());
        menu->showScreen(true);
        key(Qt::Key_F3);
        turn(4);
        key(Qt::Key_Escape);
        QCOMPARE(area.current()->findChild<QLabel *>("label_Draining_Channel")->text(),
                 QString("Draining All Channels"));
        QTRY_COMPARE_WITH_TIMEOUT(area.requestsByChannel(), QStringList({"0 I3", "0 I7", "2 I3", "2 I7", "3 I3", "3 I7"}),
                                  10000);
        area.sim().clearCommands();
        keys({Qt::Key_F1, Qt::Key_F1});
        QCOMPARE(area.current(), menu);
        QTRY_COMPARE_WITH_TIMEOUT(area.requestsByChannel(), QStringList({"0 I3", "0 I6", "2 I3", "2 I6", "3 I3", "3 I6"}),
                                  10000);
    }

    void clockFollowsTheFormats()
    {
        ScreenArea area(ScreenArea::defaultSettings());
        auto *menu = new InfusionPumpMainScreen(nullptr, nullptr);
        auto *clockLabel = menu->findChild<QLabel *>("label_Clock");
        QCOMPARE(clockLabel->text(), QString()); // empty until the first tick
        QTRY_VERIFY(!clockLabel->text().isEmpty());
        QVERIFY2(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d \\d\\d\\.\\d\\d\\.\\d{4}$").match(clockLabel->text()).hasMatch(),
                 qPrintable(clockLabel->text()));
        SetClockScreen *clock = area.stack()->findChild<SetupScreen *>()->getClockScreen();
        clock->dateFormat = "yyyy|MM|dd";
        clock->timeFormat = "hh:mm:ss ap";
        QTRY_VERIFY_WITH_TIMEOUT(clockLabel->text().contains('|'), 5000);
        QVERIFY2(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d [ap]m \\d{4}\\|\\d\\d\\|\\d\\d$").match(clockLabel->text()).hasMatch(),
                 qPrintable(clockLabel->text()));
    }

    void retranslatedAtOnce()
    {
        ScreenArea area;
        auto *menu = new InfusionPumpMainScreen(nullptr, nullptr);
        UpperCaseTranslator translator;
        QApplication::installTranslator(&translator);
        QApplication::processEvents();
        QApplication::removeTranslator(&translator);
        QCOMPARE(rows(menu->findChild<RotaryEncoderList *>()),
                 QStringList({"PERFORM TEST", "REMOTE CONTROL", "DATA", "SETUP", "ABOUT"}));
        QCOMPARE(menu->findChild<QLabel *>("label_MSG_Prime")->text(), QString("MAIN MENU"));
        QCOMPARE(menu->findChild<QPushButton *>("pushButtonPrime")->text(), QString("PRIME"));
        QApplication::processEvents();
        QCOMPARE(rows(menu->findChild<RotaryEncoderList *>()),
                 QStringList({"Perform Test", "Remote Control", "Data", "Setup", "About"}));
        QCOMPARE(menu->findChild<QPushButton *>("pushButtonTest")->shortcut(), QKeySequence(Qt::Key_F1));
    }
};

RONDIX_TEST(TestMainMenu)
#include "tst_MainMenu.moc"
