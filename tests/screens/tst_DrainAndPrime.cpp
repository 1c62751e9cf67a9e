#include "DrainModeScreen.h"
#include "DrainingScreen.h"
#include "InfusionPumpPowerBoardManager.h"
#include "PowerBoardSim.h"
#include "PrimeModeScreen.h"
#include "PrimingScreen.h"
#include "RotaryEncoderList.h"
#include "ScreenArea.h"
#include "TestRegistry.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTranslator>

using namespace GuiTest;

namespace {
// The requests a screen raises, in the order raised: "stop 0", "drain 0", "prime 0".
struct Requests : QObject
{
    QStringList log;
    template<class Screen>
    void watch(Screen *screen, void (Screen::*signal)(unsigned short), const QString &name)
    {
        connect(screen, signal, this, [this, name](unsigned short c) { log << name + ' ' + QString::number(c); });
    }
};

QString labelText(QWidget *screen, const char *name)
{
    return screen->findChild<QLabel *>(name)->text();
}

// A parent screen for the menus under test, as the main menu is.
struct Root : ScreenBase
{
    Root() : ScreenBase(nullptr, nullptr) {}
};

// Translates one context into capitals, standing in for a translation file.
class UpperCaseTranslator : public QTranslator
{
public:
    explicit UpperCaseTranslator(const char *context) : m_context(context) {}
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return m_context == context ? QString::fromLatin1(source).toUpper() : QString();
    }
    bool isEmpty() const override { return false; }

private:
    QByteArray m_context;
};
} // namespace

class TestDrainAndPrime : public QObject
{
    Q_OBJECT
private slots:
    void drainAllDrainsUsableChannelsAndPrimesThemOnLeaving()
    {
        ScreenArea area;
        area.startBoard([](PowerBoardSim &sim) {
            sim.setAbsent(1, true);
            sim.setAbsent(3, true);
        });
        auto *root = new Root;
        auto *menu = new DrainModeScreen(root, nullptr);
        DrainingScreen *draining = menu->drainingScreen();
        Requests raised;
        raised.watch(menu, &DrainModeScreen::stopPump, "stop");
        raised.watch(menu, &DrainModeScreen::startDraining, "drain");
        raised.watch(draining, &DrainingScreen::stopPump, "stop");
        raised.watch(draining, &DrainingScreen::startPriming, "prime");
        QVERIFY(area.activate());
        QVERIFY(area.settle());
        QCOMPARE(area.board()->getChannelStatus(1), ushort(0));

        menu->showScreen(true);
        turn(-1); // from "Channel 1" back to "Drain All"
        QCOMPARE(menu->channelList()->currentRow(), 4);
        key(Qt::Key_Escape);
        QCOMPARE(area.current(), draining);
        QCOMPARE(labelText(draining, "label_Draining_Channel"), QString("Draining All Channels"));
        QCOMPARE(raised.log, QStringList({"stop 0", "drain 0", "stop 2", "drain 2"}));
        QTRY_COMPARE_WITH_TIMEOUT(area.requestsByChannel(), QStringList({"0 I3", "0 I7", "2 I3", "2 I7"}), 10000);
        QCOMPARE(area.sim().controller(0).status(), SimController::Drain);

        raised.log.clear();
        area.sim().clearCommands();
        key(Qt::Key_F1);
        QCOMPARE(raised.log, QStringList({"stop 0", "prime 0", "stop 2", "prime 2"}));
        QCOMPARE(area.current(), menu);
        QCOMPARE(menu->channelList()->currentRow(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(area.requestsByChannel(), QStringList({"0 I3", "0 I6", "2 I3", "2 I6"}), 10000);
        QCOMPARE(area.sim().controller(2).status(), SimController::Prime);

        key(Qt::Key_F1);
        QCOMPARE(area.current(), root);
    }

    void singleChannel_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QStringList>("onSelect");
        QTest::addColumn<QStringList>("onLeave");
        QTest::newRow("Channel 1, usable") << 0 << "Channel: 1" << QStringList({"0 I3", "0 I7"})
                                           << QStringList({"0 I3", "0 I6"});
        QTest::newRow("Channel 3, absent") << 2 << "Channel 3 not fitted" << QStringList() << QStringList();
        QTest::newRow("Channel 4, usable") << 3 << "Channel: 4" << QStringList({"3 I3", "3 I7"})
                                           << QStringList({"3 I3", "3 I6"});
    }
    void singleChannel()
    {
        QFETCH(int, row);
        QFETCH(QString, label);
        QFETCH(QStringList, onSelect);
        QFETCH(QStringList, onLeave);
        ScreenArea area;
        area.startBoard([](PowerBoardSim &sim) { sim.setAbsent(2, true); });
        auto *menu = new DrainModeScreen(new Root, nullptr);
        QVERIFY(area.activate());
        QVERIFY(area.settle());
        menu->showScreen(true);
        turn(row);
        key(Qt::Key_Escape);
        QCOMPARE(area.current(), menu->drainingScreen());
        QCOMPARE(labelText(menu->drainingScreen(), "label_Draining_Channel"), label);
        // The select key, F2, F3 and F4 do nothing on the draining screen.
        keys({Qt::Key_Escape, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4});
        QCOMPARE(area.current(), menu->drainingScreen());
        QTRY_COMPARE_WITH_TIMEOUT(area.requests(), onSelect, 10000);
        area.sim().clearCommands();
        key(Qt::Key_F1);
        QCOMPARE(area.current(), menu);
        QTRY_COMPARE_WITH_TIMEOUT(area.requests(), onLeave, 10000);
        // Nothing more arrives once the line is quiet again (a poll at most).
        QTest::qWait(1500);
        QCOMPARE(area.requests(), onLeave);
    }

    void drainMenuWheelWrapsAndReopensOnChannel1()
    {
        ScreenArea area;
        auto *menu = new DrainModeScreen(new Root, nullptr);
        QVERIFY(area.activate());
        menu->showScreen(true);
        RotaryEncoderList *list = menu->channelList();
        turn(-1);
        QCOMPARE(list->currentRow(), 4);
        turn(1);
        QCOMPARE(list->currentRow(), 0);
        turn(3);
        keys({Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F6, Qt::Key_F7});
        QCOMPARE(area.current(), menu);
        QCOMPARE(list->currentRow(), 3);
        menu->showScreen(true);
        QCOMPARE(list->currentRow(), 0);
    }

    void drainingLabelEmptiedOnLanguageChange()
    {
        ScreenArea area;
        auto *menu = new DrainModeScreen(new Root, nullptr);
        menu->drainingScreen()->vSetDrainingChannel(4);
        UpperCaseTranslator translator("DrainMode");
        QApplication::installTranslator(&translator);
        QApplication::removeTranslator(&translator);
        QApplication::processEvents();
        QCOMPARE(labelText(menu->drainingScreen(), "label_Draining_Channel"), QString());
        QCOMPARE(menu->channelList()->item(4)->text(), QString("Drain All"));
        QApplication::installTranslator(&translator);
        QApplication::processEvents();
        QCOMPARE(menu->channelList()->item(4)->text(), QString("DRAIN ALL"));
        QCOMPARE(labelText(menu, "label_MSG_Prime"), QString("DRAIN"));
        QApplication::removeTranslator(&translator);
        QApplication::processEvents();
    }

    void primingPageRaisesNothing()
    {
        ScreenArea area;
        area.startBoard();
        auto *root = new Root;
        auto *priming = new PrimingScreen(root, nullptr);
        Requests raised;
        raised.watch(priming, &PrimingScreen::stopPump, "stop");
        raised.watch(priming, &PrimingScreen::startPriming, "prime");
        QVERIFY(area.activate());
        QVERIFY(area.settle());
        priming->showScreen(true);
        const QString instruction =
            "Prime system: connect infusion pump and prime the system until air in the drain disappears.";
        QCOMPARE(labelText(priming, "label_Priming_Channel"), instruction);
        keys({Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_Escape});
        QCOMPARE(area.current(), priming);
        key(Qt::Key_F1);
        QCOMPARE(area.current(), root);
        QTest::qWait(1500);
        QVERIFY(raised.log.isEmpty());
        QCOMPARE(area.requests(), QStringList());

        // A language change keeps the instruction, now translated.
        priming->showScreen(true);
        UpperCaseTranslator translator("PrimingScreen");
        QApplication::installTranslator(&translator);
        QApplication::processEvents();
        QCOMPARE(labelText(priming, "label_Priming_Channel"), instruction.toUpper());
        QApplication::removeTranslator(&translator);
        QApplication::processEvents();
    }

    void primeMenu_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QStringList>("raised");
        QTest::newRow("Prime All") << 4 << "Priming All Channels"
                                   << QStringList({"stop 0", "prime 0", "stop 1", "prime 1", "stop 2", "prime 2",
                                                   "stop 3", "prime 3"});
        QTest::newRow("Channel 2") << 1 << "Channel: 2" << QStringList({"stop 1", "prime 1"});
    }
    void primeMenu()
    {
        QFETCH(int, row);
        QFETCH(QString, label);
        QFETCH(QStringList, raised);
        ScreenArea area;
        auto *root = new Root;
        auto *menu = new PrimeModeScreen(root, nullptr);
        Requests requests;
        requests.watch(menu, &PrimeModeScreen::stopPump, "stop");
        requests.watch(menu, &PrimeModeScreen::startPriming, "prime");
        QVERIFY(area.activate());
        menu->showScreen(true);
        turn(row);
        key(Qt::Key_Escape);
        QCOMPARE(requests.log, raised);
        QCOMPARE(area.current(), menu->primingScreen());
        QCOMPARE(labelText(menu->primingScreen(), "label_Priming_Channel"), label);
        key(Qt::Key_F1);
        QCOMPARE(area.current(), menu);
        key(Qt::Key_F1);
        QCOMPARE(area.current(), root);
    }
};

RONDIX_TEST(TestDrainAndPrime)
#include "tst_DrainAndPrime.moc"
