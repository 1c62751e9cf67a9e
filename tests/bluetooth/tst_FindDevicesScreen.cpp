// The device search screen against the simulated module: what a search lists and says
// under each way the module and the devices around it answer, and the keys and wheel.
#include "BluetoothFavourites.h"
#include "BtRoad.h"
#include "FindDevicesScreen.h"
#include "GuiTest.h"
#include "TestRegistry.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

using namespace GuiTest;

namespace
{
QString message(FindDevicesScreen *s)
{
    auto *label = s->findChild<QLabel *>("messageLabel");
    return label->isHidden() ? QString() : label->text();
}
QStringList rows(FindDevicesScreen *s)
{
    QStringList texts;
    auto *list = s->findChild<QListWidget *>("listWidget");
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}
QProgressBar *bar(FindDevicesScreen *s)
{
    return s->findChild<QProgressBar *>("progressBar");
}
QString searchKey(FindDevicesScreen *s)
{
    return s->findChild<QPushButton *>("pushButtonSearch")->text();
}

// A search screen on the road, shown, once the service is configured (or, for a module
// that never answers, once it has started trying).
struct SearchRoad : BtRoad {
    FindDevicesScreen *screen = nullptr;
    explicit SearchRoad(const std::function<void(BtModuleSim::Options &)> &configure = {})
        : BtRoad(configure)
    {
    }
    bool open(bool waitForConfiguration = true)
    {
        bt();
        if (waitForConfiguration ? !configured()
                                 : !QTest::qWaitFor([&] { return sim.poweredOn(); }, 5000))
            return false;
        screen = new FindDevicesScreen(bt(), nullptr, nullptr);
        if (!area.activate())
            return false;
        screen->showScreen(true);
        return area.current() == screen;
    }
};
} // namespace

class TestFindDevicesScreen : public QObject
{
    Q_OBJECT
private slots:
    void aSearchListsWhatAnswered_data()
    {
        QTest::addColumn<QString>("around");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("said");
        QTest::newRow("three devices, by address")
            << "all" << QStringList({"Scanner BT-200", "Service Phone", "Workshop PC"})
            << "Search complete";
        QTest::newRow("a device without a name is left out")
            << "pc nameless" << QStringList({"Scanner BT-200", "Service Phone"})
            << "Search complete";
        QTest::newRow("nothing in range")
            << "none" << QStringList() << "Search complete - no devices found";
        QTest::newRow("inquiry never answered")
            << "no inquiry" << QStringList()
            << "Search stopped - no answer from the Bluetooth module";
        QTest::newRow("module never answers")
            << "mute" << QStringList() << "Search stopped - no answer from the Bluetooth module";
    }
    void aSearchListsWhatAnswered()
    {
        QFETCH(QString, around);
        QFETCH(QStringList, listed);
        QFETCH(QString, said);
        SearchRoad road([&](BtModuleSim::Options &o) {
            o.answersInquiry = around != "no inquiry";
            o.answers = around != "mute";
        });
        QList<BtModuleSim::Device> &devices = road.sim.devices();
        // Out of address order, so that the listing has to sort.
        devices.move(0, 2);
        if (around == "none")
            devices.clear();
        if (around == "pc nameless")
            devices[1].answersName = false;
        QVERIFY(road.open(around != "mute"));
        road.screen->setNoAnswerLimit(1500);
        QCOMPARE(message(road.screen), QStringLiteral("Searching for devices..."));
        QCOMPARE(searchKey(road.screen), QString());
        QVERIFY(bar(road.screen)->isVisible());

        QTRY_VERIFY_WITH_TIMEOUT(road.screen->isSearchFinished(), 15000);
        QCOMPARE(message(road.screen), said);
        QCOMPARE(rows(road.screen), listed);
        QCOMPARE(searchKey(road.screen), QStringLiteral("Search"));
        QVERIFY(!bar(road.screen)->isVisible());
        if (around == "all")
            QCOMPARE(road.screen->currentIndex(), 0);
        // A search that was given up leaves the module off, so nothing late arrives.
        if (said.startsWith("Search stopped"))
            QTRY_VERIFY(!road.sim.poweredOn() && road.bt()->mode() == BT_MODE_OFF);
        QVERIFY(road.area.savePng(QDir::temp().filePath("FindDevicesScreen-" + around + ".png")));
    }

    // F2 starts a search only once the last one has ended; each showing starts one.
    void searchAgain()
    {
        SearchRoad road;
        QVERIFY(road.open());
        const auto inquiries = [&] { return road.sim.commands().filter("INQUIRY").size(); };
        QTRY_COMPARE(inquiries(), 1);
        key(Qt::Key_F2);
        QVERIFY(!road.screen->isSearchFinished());
        QTRY_VERIFY_WITH_TIMEOUT(road.screen->isSearchFinished(), 10000);
        QCOMPARE(inquiries(), 1);
        key(Qt::Key_F2);
        QVERIFY(!road.screen->isSearchFinished());
        QCOMPARE(message(road.screen), QStringLiteral("Searching for devices..."));
        QTRY_COMPARE(inquiries(), 2);
        road.screen->showScreen(true);
        QTRY_COMPARE(inquiries(), 3);
        QTRY_VERIFY_WITH_TIMEOUT(road.screen->isSearchFinished(), 10000);
        QCOMPARE(rows(road.screen).size(), 3);
        // A new language says the same again.
        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(road.screen, &change);
        QCOMPARE(message(road.screen), QStringLiteral("Search complete"));
        QCOMPARE(searchKey(road.screen), QStringLiteral("Search"));
        // Back leaves the list as it is and the module as the search left it.
        auto *before = new ScreenBase(nullptr, nullptr);
        road.screen->setPreviousScreen(before);
        key(Qt::Key_F1);
        QCOMPARE(road.area.current(), before);
    }

    // Partial inquiry reports count up by two and stop at 100; names then show the share
    // answered.
    void progress()
    {
        SearchRoad road([](BtModuleSim::Options &o) { o.answersInquiry = false; });
        QVERIFY(road.open());
        QCOMPARE(bar(road.screen)->value(), 2);
        for (int i = 0; i < 3; ++i)
            emit road.bt()->deviceSearchProgress(0, 0);
        QCOMPARE(bar(road.screen)->value(), 8);
        for (int i = 0; i < 60; ++i)
            emit road.bt()->deviceSearchProgress(0, 0);
        QCOMPARE(bar(road.screen)->value(), 100);
        QCOMPARE(message(road.screen), QStringLiteral("Searching for devices..."));
        emit road.bt()->deviceSearchProgress(1, 3);
        QCOMPARE(bar(road.screen)->value(), 33);
        QCOMPARE(message(road.screen), QStringLiteral("Devices found..."));
        road.screen->setMenuItems({"Scanner BT-200"});
        QVERIFY(road.area.savePng(QDir::temp().filePath("FindDevicesScreen-searching.png")));
    }

    // The list is for reading: the wheel moves the highlight round and round, and a
    // refill keeps it where it was.
    void wheelAndRefill()
    {
        SearchRoad road([](BtModuleSim::Options &o) { o.answersInquiry = false; });
        QVERIFY(road.open());
        turn(1); // nothing listed: nothing to move
        QCOMPARE(road.screen->currentIndex(), -1);
        road.screen->setMenuItems({"a", "b", "c"});
        QCOMPARE(road.screen->currentIndex(), 0);
        turn(-1);
        QCOMPARE(road.screen->currentIndex(), 2);
        turn(2);
        QCOMPARE(road.screen->currentIndex(), 1);
        road.screen->setMenuItems({"a", "b", "c", "d"});
        QCOMPARE(road.screen->currentIndex(), 1);
        road.screen->setMenuItems({"a"});
        QCOMPARE(road.screen->currentIndex(), 0);
        road.screen->setMenuItems({});
        QCOMPARE(rows(road.screen), QStringList());
    }
};

RONDIX_TEST(TestFindDevicesScreen)
#include "tst_FindDevicesScreen.moc"
