#include "AbortFailMenu.h"
#include "GuiTest.h"
#include "RotaryEncoderList.h"
#include "ScreenArea.h"
#include "TestRegistry.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace GuiTest;

namespace
{
// The menu with the screen it returns to, in a shown and active screen area.
struct MenuBench {
    MenuBench()
        : previous(new ScreenBase(nullptr, nullptr)), menu(new AbortFailMenu(previous, nullptr))
    {
        previous->showScreen(true);
    }

    // Opens the menu for a channel, as the summary does.
    void open(unsigned short channel)
    {
        menu->vSetChannel(channel);
        menu->showScreen(true);
    }

    // Every channel's stored choice, read as the summary reads them.
    QList<int> options()
    {
        QList<int> all;
        for (unsigned short c = 0; c < 4; ++c) {
            menu->vSetChannel(c);
            all.append(menu->getOption());
        }
        return all;
    }

    ScreenArea area;
    ScreenBase *previous;
    AbortFailMenu *menu;
};

const int none = AbortFailMenu::NO_OPTION;
} // namespace

class TestAbortFailMenu : public QObject
{
    Q_OBJECT
private slots:
    void form()
    {
        MenuBench b;
        QCOMPARE(b.menu->findChild<QLabel *>("label_MSG_Prime")->text(),
                 QStringLiteral("Abort / Fail Menu"));
        QStringList rows;
        for (int i = 0; i < b.menu->list()->count(); ++i)
            rows << b.menu->list()->item(i)->text();
        QCOMPARE(rows, QStringList({"Restart Test", "Restart Protocol", "Next Test", "End Protocol",
                                    "Abort Protocol"}));
        QCOMPARE(b.menu->list()->currentRow(), -1);
        QCOMPARE(b.menu->list()->geometry(), QRect(10, 20, 271, 141));
        const struct {
            const char *name;
            const char *text;
            const char *key;
            int x;
        } keys[] = {{"pushButtonRestartTest", "Restart\nTest", "F1", 0},
                    {"pushButtonNextTest", "Next\nTest", "F2", 70},
                    {"pushButtonEndProtocol", "End\nProtocol", "F3", 140},
                    {"pushButtonAbortProtocol", "Abort\nProtocol", "F4", 210}};
        for (const auto &k : keys) {
            auto *button = b.menu->findChild<QPushButton *>(k.name);
            QVERIFY2(button, k.name);
            QCOMPARE(button->text(), QString(k.text));
            QCOMPARE(button->shortcut(), QKeySequence(k.key));
            QCOMPARE(button->geometry(), QRect(k.x, 171, 70, 30));
            QCOMPARE(button->focusPolicy(), Qt::NoFocus);
        }
        QCOMPARE(b.options(), QList<int>({none, none, none, none}));
    }

    // The operator's keys on the menu opened for channel 3: what is stored for it, and
    // whether the menu returns to the summary. The other channels keep what they held.
    void keys_data()
    {
        QTest::addColumn<QList<int>>("turns"); // encoder turns before the key; none: no turn
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("option");
        QTest::newRow("F1 Restart Test")
            << QList<int>{} << int(Qt::Key_F1) << int(AbortFailMenu::RESTART_TEST);
        QTest::newRow("F2 Next Test")
            << QList<int>{} << int(Qt::Key_F2) << int(AbortFailMenu::NEXT_TEST);
        QTest::newRow("F3 End Protocol")
            << QList<int>{} << int(Qt::Key_F3) << int(AbortFailMenu::END_PROTOCOL);
        QTest::newRow("F4 Abort Protocol")
            << QList<int>{} << int(Qt::Key_F4) << int(AbortFailMenu::ABORT_PROTOCOL);
        QTest::newRow("select, no row yet") << QList<int>{} << int(Qt::Key_Escape) << none;
        QTest::newRow("select row 0")
            << QList<int>{1} << int(Qt::Key_Escape) << int(AbortFailMenu::RESTART_TEST);
        QTest::newRow("select row 1, Restart Protocol")
            << QList<int>{1, 1} << int(Qt::Key_Escape) << int(AbortFailMenu::RESTART_PROTOCOL);
        QTest::newRow("select row 4, turned back")
            << QList<int>{1, -1} << int(Qt::Key_Escape) << int(AbortFailMenu::ABORT_PROTOCOL);
        QTest::newRow("green") << QList<int>{1} << int(Qt::Key_F6) << none;
        QTest::newRow("red") << QList<int>{1} << int(Qt::Key_F7) << none;
    }
    void keys()
    {
        QFETCH(QList<int>, turns);
        QFETCH(int, key);
        QFETCH(int, option);
        MenuBench b;
        QVERIFY(b.area.activate());
        b.open(1);
        GuiTest::key(Qt::Key_F2); // channel 2: Next Test
        b.open(2);
        QCOMPARE(b.area.current(), static_cast<QWidget *>(b.menu));
        QCOMPARE(focusTarget(), static_cast<QWidget *>(b.menu->list()));
        for (int t : turns)
            turn(t);
        GuiTest::key(key);
        QCOMPARE(b.area.current(), option == none ? static_cast<QWidget *>(b.menu) : b.previous);
        QCOMPARE(b.options(), QList<int>({none, int(AbortFailMenu::NEXT_TEST), option, none}));
    }

    // The menu stays with the channel it was opened for while the summary reads the
    // other stopped channels; showing it again drops an unread choice, and a cleared
    // choice reads as none. The row chosen last stays chosen for the next showing.
    void choiceStaysWithItsChannel()
    {
        MenuBench b;
        QVERIFY(b.area.activate());
        b.open(0);
        b.menu->vSetChannel(3); // a tick reads channel 4's choice
        QCOMPARE(b.menu->getOption(), none);
        turn(3);
        GuiTest::key(Qt::Key_Escape);
        QCOMPARE(b.options(), QList<int>({int(AbortFailMenu::NEXT_TEST), none, none, none}));

        b.open(0);
        QCOMPARE(b.menu->list()->currentRow(), 2);
        QCOMPARE(b.options(), QList<int>({none, none, none, none}));
        b.open(0);
        GuiTest::key(Qt::Key_F4);
        b.menu->vSetChannel(0);
        b.menu->clearOption();
        QCOMPARE(b.menu->getOption(), none);
    }
};

RONDIX_TEST(TestAbortFailMenu)
#include "tst_AbortFailMenu.moc"
