// The favourites screen against the simulated module: what its lists offer before and
// after a search, what a save stores, and leaving with and without changes.
#include "BluetoothFavourites.h"
#include "BluetoothFavouritesScreen.h"
#include "BtRoad.h"
#include "DialogAnswers.h"
#include "FindDevicesScreen.h"
#include "GuiTest.h"
#include "RotaryEncoderComboBox.h"
#include "SmallPartition.h"
#include "TestRegistry.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTest>

using namespace GuiTest;

namespace
{
const QByteArray scanner = "00:1c:97:10:44:01";
const QByteArray phone = "00:1e:e2:8b:33:02";
const QByteArray pc = "00:24:7e:d0:12:03";

// The phone as bar-code favourite (so a search has something to replace it with) and a
// printer favourite that the screen does not show.
QByteArray storedSettings()
{
    return ScreenArea::defaultSettings() +
           "Serial_num=KV-0007\n[BluetoothFavourites]\nBarCode\\Id=" + phone +
           "\nBarCode\\Name=Service Phone\nPrinter\\Id=" + pc + "\nPrinter\\Name=Label Printer\n";
}

// Each list's items as "name address".
QStringList items(RotaryEncoderComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << (combo->itemText(i) + ' ' + combo->itemData(i).toByteArray()).trimmed();
    return texts;
}

struct FavouritesRoad : BtRoad {
    ScreenBase *menu = nullptr;
    BluetoothFavouritesScreen *screen = nullptr;

    explicit FavouritesRoad(const QByteArray &settings = storedSettings()) : BtRoad({}, settings) {}
    RotaryEncoderComboBox *combo(const char *name) const
    {
        return screen->findChild<RotaryEncoderComboBox *>(name);
    }
    // The screen built as the data menu builds it and shown from a menu screen.
    bool open()
    {
        if (!configured())
            return false;
        menu = new ScreenBase(nullptr, nullptr);
        screen = new BluetoothFavouritesScreen(menu, nullptr);
        if (!area.activate())
            return false;
        screen->showScreen(true);
        return area.current() == screen && QApplication::focusWidget() == combo("barCodeCombo");
    }
    // F2, the search to its end, F1.
    bool searchAndComeBack()
    {
        key(Qt::Key_F2);
        if (area.current() != screen->searchScreen())
            return false;
        if (!QTest::qWaitFor([&] { return screen->searchScreen()->isSearchFinished(); }, 10000))
            return false;
        key(Qt::Key_F1);
        return area.current() == screen;
    }
    QByteArray ini() { return area.root().readFile("/mnt/data/kovinta.ini"); }
    bool moduleOff()
    {
        return QTest::qWaitFor([&] { return !sim.poweredOn(); }, 5000) &&
               bt()->mode() == BT_MODE_OFF;
    }
};
} // namespace

class TestBluetoothFavouritesScreen : public QObject
{
    Q_OBJECT
private slots:
    void listsBeforeAndAfterASearch()
    {
        FavouritesRoad road;
        QVERIFY(road.open());
        QTRY_COMPARE(road.bt()->mode(), BT_MODE_IDLE);
        QVERIFY(road.combo("barCodeCombo")->isVisible());
        QVERIFY(road.combo("mobilePhoneCombo")->isVisible());
        QVERIFY(!road.combo("computerCombo")->isVisible());
        QVERIFY(!road.combo("printerCombo")->isVisible());
        QCOMPARE(road.screen->findChild<QLabel *>("labelMobile")->text(),
                 QStringLiteral("Data Transfer:"));
        // Only the stored favourite, or an empty item where none is stored.
        QCOMPARE(items(road.combo("barCodeCombo")), QStringList({"Service Phone " + phone}));
        QCOMPARE(items(road.combo("mobilePhoneCombo")), QStringList({""}));
        QCOMPARE(items(road.combo("printerCombo")), QStringList({"Label Printer " + pc}));
        QVERIFY(road.area.savePng(QDir::temp().filePath("BluetoothFavourites.png")));

        QVERIFY(road.searchAndComeBack());
        // The stored favourite first, then every device found, by address, in every list.
        const QStringList found{"Scanner BT-200 " + scanner, "Service Phone " + phone,
                                "Workshop PC " + pc};
        QCOMPARE(items(road.combo("barCodeCombo")), QStringList("Service Phone " + phone) + found);
        QCOMPARE(items(road.combo("mobilePhoneCombo")), QStringList("") + found);
        QCOMPARE(items(road.combo("printerCombo")), QStringList("Label Printer " + pc) + found);
        QCOMPARE(items(road.combo("computerCombo")), QStringList("") + found);
        QCOMPARE(QApplication::focusWidget(), road.combo("barCodeCombo"));
        QVERIFY(road.bt()->mode() != BT_MODE_IDLE); // left as the search left it
        QVERIFY(!road.screen->isEdited());
        QVERIFY(road.area.savePng(QDir::temp().filePath("BluetoothFavourites-found.png")));

        // Leaving and coming back from the menu: the stored favourites only, again.
        key(Qt::Key_F1);
        QCOMPARE(road.area.current(), road.menu);
        QVERIFY(road.moduleOff());
        road.screen->showScreen(true);
        QCOMPARE(items(road.combo("barCodeCombo")), QStringList({"Service Phone " + phone}));
    }

    // The scanner becomes the bar-code favourite, the PC the data-transfer one; the
    // printer favourite, not shown, stays.
    void saveStoresTheChosenDevices()
    {
        FavouritesRoad road;
        QVERIFY(road.open());
        QVERIFY(road.searchAndComeBack());
        key(Qt::Key_Escape); // into the bar-code list
        turn(-1);
        key(Qt::Key_Escape);
        QCOMPARE(road.combo("barCodeCombo")->currentText(), QStringLiteral("Scanner BT-200"));
        turn(1); // on to the data-transfer list
        QCOMPARE(QApplication::focusWidget(), road.combo("mobilePhoneCombo"));
        key(Qt::Key_Escape);
        turn(1); // wraps from the stored item to the last device
        key(Qt::Key_Escape);
        QCOMPARE(road.combo("mobilePhoneCombo")->currentText(), QStringLiteral("Workshop PC"));
        QVERIFY(road.screen->isEdited());

        key(Qt::Key_F3);
        QCOMPARE(road.area.current(), road.menu);
        QVERIFY(road.moduleOff());
        QCOMPARE(road.bt()->deviceId(BT_BARCODE), scanner);
        QCOMPARE(road.bt()->deviceName(BT_BARCODE), QStringLiteral("Scanner BT-200"));
        QCOMPARE(road.bt()->deviceId(BT_MOBILE_PHONE), pc);
        QCOMPARE(road.bt()->deviceName(BT_MOBILE_PHONE), QStringLiteral("Workshop PC"));
        QCOMPARE(road.bt()->deviceId(BT_PRINTER), pc);
        QCOMPARE(road.bt()->deviceName(BT_PRINTER), QStringLiteral("Label Printer"));
        QCOMPARE(road.bt()->deviceId(BT_COMPUTER), QByteArray());
        QVERIFY(road.ini().contains("BarCode\\Id=@ByteArray(" + scanner + ")\n"));
        QVERIFY(road.ini().contains("MobilePhone\\Name=Workshop PC\n"));
    }

    // Moving between the lists is no change; the select key on a list is.
    void leaving_data()
    {
        QTest::addColumn<bool>("select");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("saved");
        QTest::newRow("wheel only") << false << int(QMessageBox::NoButton) << false << false;
        QTest::newRow("changed, cancel") << true << int(QMessageBox::Cancel) << true << false;
        QTest::newRow("changed, save") << true << int(QMessageBox::Save) << true << true;
    }
    void leaving()
    {
        QFETCH(bool, select);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, saved);
        FavouritesRoad road;
        QVERIFY(road.open());
        QVERIFY(road.searchAndComeBack());
        turn(1);
        turn(-1);
        if (select) {
            keys({Qt::Key_Escape});
            turn(-1);
            key(Qt::Key_Escape);
        }
        QList<Answer> answers;
        BoxSeen seen;
        if (asked)
            answers << button(QMessageBox::StandardButton(answer), &seen);
        QCOMPARE(dialogs(press(Qt::Key_F1), answers).size(), answers.size());
        if (asked) {
            QCOMPARE(seen.title, QStringLiteral("Changes Not Saved"));
            QCOMPARE(seen.text,
                     QStringLiteral("The current settings have not been saved. \nPress "
                                    "Save, or press Cancel to continue without saving.  "));
            QCOMPARE(seen.icon, QMessageBox::Warning);
        }
        QCOMPARE(road.area.current(), road.menu);
        QVERIFY(road.moduleOff());
        QCOMPARE(road.bt()->deviceId(BT_BARCODE), saved ? scanner : phone);
    }

    // A data partition with no room: the stored favourites stay as they were, the
    // operator is told and stays on the screen to try again or leave.
    void aFullPartitionKeepsTheStoredFavourites()
    {
        FavouritesRoad road;
        SmallPartition partition(road.area.root().path("/mnt/data"));
        if (!partition.mounted())
            QSKIP("mounting a tmpfs is not allowed here");
        QVERIFY(road.area.root().writeFile("/mnt/data/kovinta.ini", storedSettings()));
        QVERIFY(road.open());
        QVERIFY(road.searchAndComeBack());
        key(Qt::Key_Escape);
        turn(-1);
        key(Qt::Key_Escape);
        QVERIFY(partition.fillUp());
        const QByteArray before = road.ini();
        BoxSeen seen;
        QCOMPARE(dialogs(press(Qt::Key_F3), {button(QMessageBox::Ok, &seen)}).size(), 1);
        QCOMPARE(seen.text, QStringLiteral("The favourites could not be saved. The stored "
                                           "favourites are unchanged."));
        QCOMPARE(road.area.current(), road.screen);
        QCOMPARE(road.ini(), before);
        QVERIFY(road.screen->isEdited());
        // Leaving now asks again; Cancel leaves without saving.
        QCOMPARE(dialogs(press(Qt::Key_F1), {button(QMessageBox::Cancel)}).size(), 1);
        QCOMPARE(road.area.current(), road.menu);
        QCOMPARE(road.ini(), before);
    }

    void aNewLanguageKeepsTheDataTransferLabel()
    {
        FavouritesRoad road;
        QVERIFY(road.open());
        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(road.screen, &change);
        QCOMPARE(road.screen->findChild<QLabel *>("labelMobile")->text(),
                 QStringLiteral("Data Transfer:"));
        QCOMPARE(road.screen->findChild<QLabel *>("labelBarCode")->text(),
                 QStringLiteral("Bar Code:"));
    }
};

RONDIX_TEST(TestBluetoothFavouritesScreen)
#include "tst_BluetoothFavouritesScreen.moc"
