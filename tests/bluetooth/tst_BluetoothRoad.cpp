// The Bluetooth service against the simulated module, end to end: the start-up
// configuration under each way a module may start, a scan reaching both asset screens, and
// a results file pushed to the phone and one received and imported.
#include "BlueToothManager.h"
#include "BluetoothFavourites.h"
#include "BtModuleSim.h"
#include "AutoModeAssetDetails.h"
#include "BtRoad.h"
#include "LineEdit.h"
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
        BtRoad road([&](BtModuleSim::Options &o) {
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

    // Both asset screens dial the scanner when they come up and take what it sends.
    void scanReachesTheAssetScreens_data()
    {
        QTest::addColumn<bool>("automatic");
        QTest::newRow("manual") << false;
        QTest::newRow("automatic") << true;
    }
    void scanReachesTheAssetScreens()
    {
        QFETCH(bool, automatic);
        BtRoad road([](BtModuleSim::Options &o) { o.scans = {"PUMP-0815\r"}; });
        QVERIFY(road.area.startBoard([](PowerBoardSim &) {}));
        auto *summary = new SummaryManualScreen(nullptr, nullptr);
        ScreenBase *screen = nullptr;
        if (automatic) {
            AutoModeAssetDetails *autoAsset = summary->getAutoModeAssetDetailsScreen();
            autoAsset->setChannel(0);
            screen = autoAsset;
        } else {
            ManualAssetDetails *manualAsset = summary->getManualAsssetScreen();
            manualAsset->setChannel(0);
            screen = manualAsset;
        }
        auto *assetId = screen->findChild<LineEdit *>("assetLineEdit");
        QVERIFY(assetId);
        QVERIFY(road.area.activate());
        QVERIFY(road.configured());
        summary->showScreen(true);
        screen->showScreen(true);
        QTRY_COMPARE_WITH_TIMEOUT(assetId->text(), QStringLiteral("PUMP-0815"), 10000);
        // Another code replaces it.
        QVERIFY(road.sim.scan("PUMP-0816\r"));
        QTRY_COMPARE_WITH_TIMEOUT(assetId->text(), QStringLiteral("PUMP-0816"), 10000);
    }

    // With the scanner on link 0 and the phone on link 1, the file goes on link 1.
    void aResultsFileGoesToThePhone()
    {
        BtRoad road;
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
        BtRoad road;
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
        QVERIFY(TestResultManager::getInstance()->importApplianceResults(in.readAll()).complete());
        QCOMPARE(TestResultManager::getInstance()->getApplianceResultList().size(), 2);
        road.bt()->disconnectDevices();
    }

    // The phone's link drops halfway: nothing is left to import.
    void aPushCutShortLeavesNothing()
    {
        BtRoad road([](BtModuleSim::Options &o) { o.truncatePushAt = 700; });
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
        BtRoad road([](BtModuleSim::Options &o) { o.scans = {"X1\r"}; });
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
