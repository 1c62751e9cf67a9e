// The Bluetooth service against the simulated module, end to end: the start-up
// configuration under each way a module may start, a scan reaching the asset screen, and
// a results file pushed to the phone and one received and imported.
#include "BlueToothManager.h"
#include "BluetoothFavourites.h"
#include "BtModuleSim.h"
#include "ManualAssetDetails.h"
#include "ScreenArea.h"
#include "SettingsConstants.h"
#include "SummaryManualScreen.h"
#include "TestRegistry.h"
#include "TestResultManager.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

const QStringList configuration{"SET CONTROL AUTOCALL", "SET CONTROL ECHO 5",
                                "SET PROFILE SPP ON",   "SET PROFILE OPP ON",
                                "SET BT CLASS 100110",  "SET BT NAME Pexon Kovinta (KV-0007)"};

QByteArray settings()
{
    const QList<BtModuleSim::Device> d = BtModuleSim::defaultDevices();
    return ScreenArea::defaultSettings() +
           "Serial_num=KV-0007\n[BluetoothFavourites]\nBarCode\\Id=" + d.at(0).address +
           "\nBarCode\\Name=" + d.at(0).name + "\nMobilePhone\\Id=" + d.at(1).address +
           "\nMobilePhone\\Name=" + d.at(1).name + "\n";
}

// The screen area with the module on its line; the service comes with the first
// getInstance(), from the test or from a screen.
struct Road {
    ScreenArea area{settings()};
    BtModuleSim sim;

    explicit Road(const std::function<void(BtModuleSim::Options &)> &configure = {})
    {
        if (configure)
            configure(sim.options());
        sim.start(area.root().root());
    }
    BluetoothFavourites *bt() const { return BluetoothFavourites::getInstance(); }
    // The start-up configuration has gone out and the module is off again.
    bool configured()
    {
        return QTest::qWaitFor([&] { return bt()->mode() == BT_MODE_OFF && !sim.poweredOn(); },
                               10000) &&
               sim.commands().mid(sim.commands().size() - configuration.size()) == configuration;
    }
    // A results exchange file of two demonstration results, the stored ones removed.
    QByteArray resultsExchangeFile()
    {
        TestResultManager *results = TestResultManager::getInstance();
        results->createTestData(2, 5, 0);
        const QStringList names = results->getApplianceResultList().keys();
        const QString path = area.root().path("/tmp/export.dat");
        QDir().mkpath(area.root().path("/tmp"));
        if (results->exportApplianceResults(path, names) != 2)
            return QByteArray();
        for (const QString &n : names)
            results->removeApplianceResult(n);
        return area.root().readFile("/tmp/export.dat");
    }
};

} // namespace

class TestBluetoothRoad : public QObject
{
    Q_OBJECT
private slots:
    void startUpAndScanUnderEachModule_data()
    {
        QTest::addColumn<int>("framing");
        QTest::addColumn<bool>("readyAfterMux");
        QTest::addColumn<bool>("lineEnds");
        QTest::newRow("framed") << int(BtModuleSim::Framing::Framed) << true << false;
        QTest::newRow("framed, line ends in frames")
            << int(BtModuleSim::Framing::Framed) << true << true;
        QTest::newRow("unframed until switched")
            << int(BtModuleSim::Framing::UnframedUntilMux) << true << false;
        QTest::newRow("unframed, no second ready")
            << int(BtModuleSim::Framing::UnframedUntilMux) << false << false;
        QTest::newRow("unframed at every start")
            << int(BtModuleSim::Framing::UnframedEveryStart) << true << false;
        QTest::newRow("unframed at every start, no second ready")
            << int(BtModuleSim::Framing::UnframedEveryStart) << false << false;
    }
    void startUpAndScanUnderEachModule()
    {
        QFETCH(int, framing);
        QFETCH(bool, readyAfterMux);
        QFETCH(bool, lineEnds);
        Road road([&](BtModuleSim::Options &o) {
            o.framing = BtModuleSim::Framing(framing);
            o.readyAfterMux = readyAfterMux;
            o.lineEndsInFrames = lineEnds;
            o.scans = {"PUMP-0815\r"};
        });
        QSignalSpy scans(road.bt(), &BluetoothFavourites::btBarcodeDataReceived);
        QVERIFY(road.configured());
        QCOMPARE(road.sim.btName(), QStringLiteral("Pexon Kovinta (KV-0007)"));
        if (framing != int(BtModuleSim::Framing::Framed))
            QCOMPARE(road.sim.commands().first(), QStringLiteral("SET CONTROL MUX 1"));

        // A later start: the scanner is dialled and its code arrives.
        QVERIFY(road.bt()->connectDevice(BT_BARCODE));
        QTRY_VERIFY_WITH_TIMEOUT(road.bt()->connection(BT_BARCODE).connected, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(scans.size(), 1, 10000);
        QCOMPARE(scans.at(0).at(0).toByteArray(), QByteArray("PUMP-0815\r"));
        QCOMPARE(road.sim.starts(), 2);
        road.bt()->disconnectDevices();
        QTRY_VERIFY(!road.sim.poweredOn());
    }

    void scanReachesTheManualAssetScreen()
    {
        Road road([](BtModuleSim::Options &o) { o.scans = {"PUMP-0815\r"}; });
        QVERIFY(road.area.startBoard([](PowerBoardSim &) {}));
        auto *summary = new SummaryManualScreen(nullptr, nullptr);
        ManualAssetDetails *screen = summary->getManualAsssetScreen();
        QVERIFY(road.area.activate());
        QVERIFY(road.configured());
        summary->showScreen(true);
        screen->setChannel(0);
        screen->showScreen(true);
        QTRY_COMPARE_WITH_TIMEOUT(screen->getAssetId(), QStringLiteral("PUMP-0815"), 10000);
        // Another code replaces it.
        QVERIFY(road.sim.scan("PUMP-0816\r"));
        QTRY_COMPARE_WITH_TIMEOUT(screen->getAssetId(), QStringLiteral("PUMP-0816"), 10000);
    }

    // With the scanner on link 0 and the phone on link 1, the file goes on link 1.
    void aResultsFileGoesToThePhone()
    {
        Road road;
        QVERIFY(road.configured());
        const QByteArray file = road.resultsExchangeFile();
        QVERIFY(file.size() > 1000);
        QVERIFY(road.bt()->connectDevice(BT_BARCODE));
        QVERIFY(road.bt()->connectDevice(BT_MOBILE_PHONE));
        // The send screen waits for the phone's link and OBEX ready.
        QTRY_COMPARE_WITH_TIMEOUT(road.bt()->eBtModuleStatus() & 0x300, 0x300, 10000);
        QCOMPARE(road.bt()->connection(BT_MOBILE_PHONE).linkId, 1);
        road.bt()->InitiateOppTransfer(road.area.root().path("/tmp/export.dat"), BT_MOBILE_PHONE);
        QTRY_VERIFY(road.bt()->manager()->oppState() == BlueToothManager::OppPutSent &&
                    road.sim.commands().last().startsWith("PUT"));
        QCOMPARE(road.sim.commands().last(),
                 QStringLiteral("PUT %1 text/plain export.dat").arg(file.size()));
        QTest::qWait(100); // the module's SEND takes the first chunk
        QCOMPARE(road.bt()->vContinueSendingOppFile(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(road.bt()->iSendFileProgress(), 100, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(road.sim.received().value("export.dat"), file, 10000);
        QCOMPARE(road.sim.strayData(0), QByteArray());
        road.bt()->disconnectDevices();
    }

    void aResultsFileIsReceivedAndImported()
    {
        Road road;
        QVERIFY(road.configured());
        const QByteArray file = road.resultsExchangeFile();
        QVERIFY(!file.isEmpty());
        QVERIFY(TestResultManager::getInstance()->getApplianceResultList().isEmpty());
        QSignalSpy received(road.bt(), &BluetoothFavourites::btOppFileReceived);
        road.bt()->btActivate(BT_MODE_RECEIVE);
        QTRY_COMPARE_WITH_TIMEOUT(road.sim.pin(), QStringLiteral("8146"), 10000);
        QVERIFY(road.sim.pushToInstrument(QStringLiteral("results.dat"), file));
        QTRY_COMPARE_WITH_TIMEOUT(received.size(), 1, 10000);
        QCOMPARE(received.at(0).at(0).toString(), QStringLiteral("results.dat"));

        // What the upload screen does with it.
        QFile in(road.area.root().path(TEMP_OPP_FILENAME));
        QVERIFY(in.open(QIODevice::ReadOnly));
        QCOMPARE(in.size(), qint64(file.size()));
        QVERIFY(TestResultManager::getInstance()->readApplianceResultsFromFile(in).complete());
        QCOMPARE(TestResultManager::getInstance()->getApplianceResultList().size(), 2);
        road.bt()->disconnectDevices();
    }

    // The phone's link drops halfway: nothing is left to import.
    void aPushCutShortLeavesNothing()
    {
        Road road([](BtModuleSim::Options &o) { o.truncatePushAt = 700; });
        QVERIFY(road.configured());
        QSignalSpy received(road.bt(), &BluetoothFavourites::btOppFileReceived);
        road.bt()->btActivate(BT_MODE_RECEIVE);
        QTRY_COMPARE_WITH_TIMEOUT(road.sim.pin(), QStringLiteral("8146"), 10000);
        QVERIFY(road.sim.pushToInstrument(QStringLiteral("results.dat"), QByteArray(2000, 'r')));
        QTRY_COMPARE_WITH_TIMEOUT(received.size(), 1, 10000);
        QCOMPARE(received.at(0).at(0).toString(), QString());
        QVERIFY(!QFile::exists(road.area.root().path(TEMP_OPP_FILENAME)));
        road.bt()->disconnectDevices();
    }

    // A favourite whose calls fail is called again until it answers.
    void aFailingFavouriteIsCalledAgain()
    {
        Road road([](BtModuleSim::Options &o) { o.scans = {"X1\r"}; });
        road.sim.devices()[0].outcome = BtModuleSim::CallOutcome::Fails311;
        QVERIFY(road.configured());
        QVERIFY(road.bt()->connectDevice(BT_BARCODE));
        QTRY_VERIFY_WITH_TIMEOUT(road.sim.commands().filter("CALL").size() >= 3, 10000);
        QVERIFY(!road.bt()->connection(BT_BARCODE).connected);
        road.sim.devices()[0].outcome = BtModuleSim::CallOutcome::Connects;
        QTRY_VERIFY_WITH_TIMEOUT(road.bt()->connection(BT_BARCODE).connected, 10000);
        road.bt()->disconnectDevices();
    }
};

RONDIX_TEST(TestBluetoothRoad)
#include "tst_BluetoothRoad.moc"
