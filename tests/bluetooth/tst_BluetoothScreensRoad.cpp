// The operator's Bluetooth by keys, against the simulated module: a search finds the
// scanner and the phone, they become the bar-code and data-transfer favourites, the
// scanner's code reaches the asset screen, results go to the phone from the data
// transfer screen and a file from the phone is imported there.
#include "BluetoothDataTransfer.h"
#include "BluetoothFavourites.h"
#include "BluetoothFavouritesScreen.h"
#include "BluetoothUpload.h"
#include "BtRoad.h"
#include "DataMenu.h"
#include "DataTransfer.h"
#include "DialogAnswers.h"
#include "FindDevicesScreen.h"
#include "GuiTest.h"
#include "InfusionPumpMainScreen.h"
#include "ManualAssetDetails.h"
#include "RotaryEncoderList.h"
#include "SmallPartition.h"
#include "SummaryManualScreen.h"
#include "TestRegistry.h"
#include "TestResultManager.h"

#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

using namespace GuiTest;

namespace
{
// Every text of the Bluetooth screens in capitals.
class CapitalsTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        static const QList<QByteArray> screens{"BluetoothFavourites", "BluetoothFavouritesScreen",
                                               "BluetoothSearch", "FindDevicesScreen",
                                               "BluetoothDataTransfer"};
        return screens.contains(context) ? QString::fromLatin1(source).toUpper() : QString();
    }
    bool isEmpty() const override { return false; }
};
} // namespace

class TestBluetoothScreensRoad : public QObject
{
    Q_OBJECT
private slots:
    void theOperatorsBluetooth()
    {
        BtRoad road([](BtModuleSim::Options &o) { o.scans = {"PUMP-0815\r"}; },
                    ScreenArea::defaultSettings() + "Serial_num=KV-0007\n");
        road.sim.devices().removeLast(); // the scanner and the phone in range
        QVERIFY(road.area.startBoard());
        auto *menu = new InfusionPumpMainScreen(nullptr, nullptr);
        QVERIFY(road.configured());
        QVERIFY(road.area.activate());

        // Main menu, "Data", "BlueTooth Favourites".
        menu->showScreen(true);
        menu->findChild<RotaryEncoderList *>("listMainMenuList")->setCurrentRow(0);
        turn(2);
        key(Qt::Key_Escape);
        DataMenu *data = menu->getDataMenuScreen();
        QCOMPARE(road.area.current(), data);
        turn(2);
        key(Qt::Key_Escape);
        BluetoothFavouritesScreen *favourites = data->btScreen();
        QCOMPARE(road.area.current(), favourites);

        // Search, back, the scanner for bar codes and the phone for data transfers, save.
        key(Qt::Key_F2);
        QCOMPARE(road.area.current(), favourites->searchScreen());
        QTRY_VERIFY_WITH_TIMEOUT(favourites->searchScreen()->isSearchFinished(), 10000);
        QVERIFY(road.area.savePng(QDir::temp().filePath("BluetoothRoad-search.png")));
        key(Qt::Key_F1);
        QCOMPARE(road.area.current(), favourites);
        keys({Qt::Key_Escape});
        turn(-1);
        key(Qt::Key_Escape);
        turn(1);
        key(Qt::Key_Escape);
        turn(-2);
        key(Qt::Key_Escape);
        key(Qt::Key_F3);
        QCOMPARE(road.area.current(), data);
        const QList<BtModuleSim::Device> devices = BtModuleSim::defaultDevices();
        QCOMPARE(road.bt()->deviceId(BT_BARCODE), devices.at(0).address);
        QCOMPARE(road.bt()->deviceId(BT_MOBILE_PHONE), devices.at(1).address);

        // The scanner is dialled from the asset screen and its code lands there.
        SummaryManualScreen *summary = menu->getSummaryManualScreen();
        summary->showScreen(true);
        ManualAssetDetails *asset = summary->getManualAsssetScreen();
        asset->setChannel(0);
        asset->showScreen(true);
        QTRY_COMPARE_WITH_TIMEOUT(asset->getAssetId(), QStringLiteral("PUMP-0815"), 10000);
        QTRY_VERIFY(road.bt()->connection(BT_BARCODE).connected);
        key(Qt::Key_F1); // the scanner stays connected

        // Data, Transfer, port Bluetooth, Start: the results go to the phone.
        TestResultManager *results = TestResultManager::getInstance();
        results->createTestData(2, 40, 0);
        const QStringList stored = results->getApplianceResultList().keys();
        QVERIFY(results->exportApplianceResults(road.area.root().path("/tmp.vexd"), stored) == 2);
        const QByteArray exchange = road.area.root().readFile("/tmp.vexd");
        data->showScreen(true);
        key(Qt::Key_F3);
        DataTransfer *transfer = data->transferScreen();
        QCOMPARE(road.area.current(), transfer);
        keys({Qt::Key_F3, Qt::Key_F3, Qt::Key_F4});
        BluetoothDataTransfer *send = transfer->btSendScreen();
        QCOMPARE(road.area.current(), send);
        QTRY_COMPARE_WITH_TIMEOUT(send->displayState(),
                                  int(BluetoothDataTransfer::StateReadyToSend), 10000);
        key(Qt::Key_F4);
        QTRY_VERIFY_WITH_TIMEOUT(send->getProgressBar()->isVisible(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(send->displayState(), int(BluetoothDataTransfer::StateSent),
                                  10000);
        QTRY_COMPARE(road.sim.received().size(), 1);
        QVERIFY(road.sim.received().firstKey().startsWith("Results_"));
        QCOMPARE(road.sim.received().first(), exchange);
        QTRY_VERIFY(QDir(BluetoothDataTransfer::exportDirectory()).isEmpty());
        key(Qt::Key_F1);
        QCOMPARE(road.area.current(), transfer);
        QTRY_VERIFY(!road.sim.poweredOn());

        // Operation "Import Results", Start: the phone's file is taken.
        for (const QString &name : stored)
            QVERIFY(results->removeApplianceResult(name));
        keys({Qt::Key_F2, Qt::Key_F2, Qt::Key_F2, Qt::Key_F4});
        BluetoothUpload *receive = transfer->btReceiveScreen();
        QCOMPARE(road.area.current(), receive);
        QTRY_COMPARE_WITH_TIMEOUT(road.sim.pin(), QStringLiteral("8146"), 10000);
        QSignalSpy handled(road.bt(), &BluetoothFavourites::btOppFileReceived);
        const QStringList boxes = dialogs(
            [&] {
                QVERIFY(road.sim.pushToInstrument("results.vexd", exchange));
                QVERIFY(handled.wait(10000));
            },
            {button(QMessageBox::Yes)});
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(results->getApplianceResultList().keys(), stored);
        key(Qt::Key_F1);
        QCOMPARE(road.area.current(), transfer);
        QTRY_VERIFY(!road.sim.poweredOn());
    }

    // A full data partition: the export for the phone cannot be written, the operator is
    // told and the transfer screen stays.
    void anExportThatCannotBeWrittenIsReported()
    {
        BtRoad road;
        SmallPartition partition(road.area.root().path("/mnt/data"));
        if (!partition.mounted())
            QSKIP("mounting a tmpfs is not allowed here");
        QVERIFY(road.area.root().writeFile("/mnt/data/kovinta.ini", BtRoad::favouriteSettings()));
        QVERIFY(road.area.startBoard());
        auto *menu = new InfusionPumpMainScreen(nullptr, nullptr);
        QVERIFY(road.configured());
        TestResultManager::getInstance()->createTestData(2, 40, 0);
        QVERIFY(partition.fillUp());
        QVERIFY(road.area.activate());
        DataMenu *data = menu->getDataMenuScreen();
        data->showScreen(true);
        key(Qt::Key_F3);
        DataTransfer *transfer = data->transferScreen();
        keys({Qt::Key_F3, Qt::Key_F3});
        BoxSeen seen;
        QCOMPARE(dialogs(press(Qt::Key_F4), {button(QMessageBox::Ok, &seen)}).size(), 1);
        QCOMPARE(seen.title + ": " + seen.text, QStringLiteral("Warning: Error copying files"));
        QCOMPARE(road.area.current(), transfer);
        QVERIFY(QDir(BluetoothDataTransfer::exportDirectory()).isEmpty());
    }

    // Every text of the Bluetooth screens in the new language, also those the screens
    // set themselves; the soft keys keep working.
    void aNewLanguageReachesTheScreens()
    {
        BtRoad road({}, ScreenArea::defaultSettings() + "Serial_num=KV-0007\n");
        QVERIFY(road.configured());
        auto *menu = new ScreenBase(nullptr, nullptr);
        auto *favourites = new BluetoothFavouritesScreen(menu, nullptr);
        auto *send = new BluetoothDataTransfer(menu, nullptr);
        QVERIFY(road.area.activate());
        QCOMPARE(dialogs([&] { send->showScreen(true); }, {button(QMessageBox::Ok)}).size(), 1);
        favourites->showScreen(true);
        key(Qt::Key_F2);
        FindDevicesScreen *search = favourites->searchScreen();
        QTRY_VERIFY_WITH_TIMEOUT(search->isSearchFinished(), 10000);

        CapitalsTranslator capitals;
        QCoreApplication::installTranslator(&capitals);
        QCoreApplication::processEvents(); // the change reaches the screens as posted events
        const auto text = [](QWidget *screen, const char *name) {
            auto *label = screen->findChild<QLabel *>(name);
            return label ? label->text() : screen->findChild<QPushButton *>(name)->text();
        };
        QCOMPARE(text(search, "label_MSG_Prime"), QStringLiteral("BLUETOOTH SEARCH"));
        QCOMPARE(text(search, "messageLabel"), QStringLiteral("SEARCH COMPLETE"));
        QCOMPARE(text(search, "pushButtonSearch"), QStringLiteral("SEARCH"));
        QCOMPARE(text(favourites, "labelBarCode"), QStringLiteral("BAR CODE:"));
        QCOMPARE(text(favourites, "labelMobile"), QStringLiteral("DATA TRANSFER:"));
        QCOMPARE(text(send, "label"), QStringLiteral("BLUETOOTH DOWNLOAD"));
        QCOMPARE(text(send, "labelBtInfo"), QStringLiteral("DOWNLOAD STOPPED"));
        QCOMPARE(text(send, "pushButtonSend"), QString());
        key(Qt::Key_F1);
        QCOMPARE(road.area.current(), favourites);
        key(Qt::Key_F1);
        QCOMPARE(road.area.current(), menu);
        QCoreApplication::removeTranslator(&capitals);
    }
};

RONDIX_TEST(TestBluetoothScreensRoad)
#include "tst_BluetoothScreensRoad.moc"
