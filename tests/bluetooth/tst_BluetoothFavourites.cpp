#include "BlueToothManager.h"
#include "BluetoothFavourites.h"
#include "ModuleLine.h"
#include "TestRegistry.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace
{

const QByteArray scanner = "00:1c:97:10:44:01";
const QByteArray phone = "00:1e:e2:8b:33:02";
const QByteArray printer = "00:24:7e:d0:12:03";

QByteArray favourites(const QByteArray &barcode, const QByteArray &mobile = QByteArray(),
                      const QByteArray &print = QByteArray())
{
    QByteArray ini = "[BluetoothFavourites]\n";
    if (!barcode.isEmpty())
        ini += "BarCode\\Id=" + barcode + "\nBarCode\\Name=Scanner\n";
    if (!mobile.isEmpty())
        ini += "MobilePhone\\Id=" + mobile + "\nMobilePhone\\Name=Phone\n";
    if (!print.isEmpty())
        ini += "Printer\\Id=" + print + "\nPrinter\\Name=Printer\n";
    return ini;
}

QByteArray packet(int code, const QByteArray &rest = QByteArray())
{
    return QByteArray(1, char(code)) + rest;
}

// The service as getInstance() makes it, on the far end of a pseudo-terminal, with a
// settings file; unless told otherwise, through its start-up configuration at once and
// off again.
struct Service {
    ModuleLine line;
    BluetoothFavourites *bt = nullptr;

    explicit Service(const QByteArray &settings = QByteArray(), bool settle = true)
    {
        line.root.writeFile("/mnt/data/kovinta.ini", settings);
        bt = BluetoothFavourites::getInstance();
        if (settle) {
            bt->btInitiallise();
            says("READY.");
            line.takeCommands(6);
            bt->btActivity(); // what the wind-down timer does
        }
    }
    ~Service() { delete bt; }

    // A reply line of the module, framed.
    void says(const QByteArray &replyLine) { bt->manager()->receiveBytes(controlFrame(replyLine)); }
    void sends(int link, const QByteArray &data)
    {
        bt->manager()->receiveBytes(dataFrame(link, data));
    }
    // Switches the module on in a mode and has it report ready; takes what that sent.
    QStringList ready(BT_MODE mode, int commands)
    {
        bt->btActivate(mode);
        says("READY.");
        return line.takeCommands(commands);
    }
};

} // namespace

class TestBluetoothFavourites : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(!BluetoothFavourites::hasInstance()); }

    void startUpConfiguresTheModule_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("name");
        QTest::newRow("serial number")
            << QByteArray("[General]\nSerial_num=KV-1234\n") << "Pexon Kovinta (KV-1234)";
        QTest::newRow("no serial number") << QByteArray() << "Pexon Kovinta (XXX-XXXX)";
    }
    void startUpConfiguresTheModule()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QString, name);
        Service s(settings, false);
        QCOMPARE(s.bt->eBtModuleStatus(), 0x8000);
        QCOMPARE(s.line.powerLevel(), QByteArray("1"));
        QTRY_COMPARE_WITH_TIMEOUT(s.bt->mode(), BT_MODE_CONFIGURE, 3000);
        QCOMPARE(s.line.powerLevel(), QByteArray("0"));
        QCOMPARE(s.bt->eBtModuleStatus(), 0x8000);
        QCOMPARE(s.bt->sGetMyBtName(), QString());
        s.says("READY.");
        QCOMPARE(s.line.takeCommands(6),
                 QStringList({"SET CONTROL AUTOCALL", "SET CONTROL ECHO 5", "SET PROFILE SPP ON",
                              "SET PROFILE OPP ON", "SET BT CLASS 100110", "SET BT NAME " + name}));
        QCOMPARE(s.bt->sGetMyBtName(), name);
        QCOMPARE(s.bt->mode(), BT_MODE_WIND_DOWN);
        QCOMPARE(s.bt->eBtModuleStatus(), 1);
        QTRY_COMPARE(s.bt->eBtModuleStatus(), 0);
        QCOMPARE(s.line.powerLevel(), QByteArray("1"));
        QCOMPARE(s.bt->mode(), BT_MODE_OFF);
    }

    void favouritesInTheSettings()
    {
        Service s;
        s.bt->setDeviceId(BT_BARCODE, scanner);
        s.bt->setDeviceName(BT_BARCODE, QStringLiteral("Scanner \u00e9"));
        s.bt->setDeviceId(BT_PERIPHERAL(5), "00:00:00:00:00:05");
        s.bt->setDeviceName(BT_PERIPHERAL(0), QStringLiteral("none"));
        QCOMPARE(s.bt->deviceId(BT_BARCODE), scanner);
        QCOMPARE(s.bt->deviceName(BT_BARCODE), QStringLiteral("Scanner \u00e9"));
        QCOMPARE(s.bt->deviceId(BT_MOBILE_PHONE), QByteArray());
        QCOMPARE(s.bt->deviceId(BT_PERIPHERAL(5)), QByteArray());
        QCOMPARE(s.bt->deviceName(BT_PERIPHERAL(0)), QString());
        const QByteArray ini = s.line.root.readFile("/mnt/data/kovinta.ini");
        QVERIFY(ini.contains("[BluetoothFavourites]"));
        QVERIFY(ini.contains("BarCode\\Id=@ByteArray(" + scanner + ")"));
        QVERIFY(!ini.contains("00:05"));
        QVERIFY(!ini.contains("none"));
    }

    void connectDevice_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<bool>("result");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("type");
        const int none = BT_MODE_OFF;
        QTest::newRow("bar code, 16 characters")
            << int(BT_BARCODE) << favourites(scanner.left(16)) << false << none << -1;
        QTest::newRow("bar code, none stored")
            << int(BT_BARCODE) << QByteArray() << false << none << -1;
        QTest::newRow("bar code") << int(BT_BARCODE) << favourites(scanner) << true
                                  << int(BT_MODE_DIAL_RFCOMM) << int(BlueToothManager::BT_RFCOMM);
        QTest::newRow("printer") << int(BT_PRINTER)
                                 << favourites(QByteArray(), QByteArray(), printer) << true
                                 << int(BT_MODE_DIAL_RFCOMM) << int(BlueToothManager::BT_RFCOMM);
        QTest::newRow("phone") << int(BT_MOBILE_PHONE) << favourites(QByteArray(), phone) << true
                               << int(BT_MODE_DIAL_OPP) << int(BlueToothManager::BT_OPP);
    }
    void connectDevice()
    {
        QFETCH(int, kind);
        QFETCH(QByteArray, settings);
        QFETCH(bool, result);
        QFETCH(int, mode);
        QFETCH(int, type);
        Service s(settings);
        QCOMPARE(s.bt->connectDevice(BT_PERIPHERAL(kind)), result);
        QCOMPARE(int(s.bt->mode()), mode);
        QCOMPARE(s.line.powerLevel(), QByteArray(result ? "0" : "1"));
        const BT_FAVOURITE_CONNECTION &r = s.bt->connection(BT_PERIPHERAL(kind));
        QCOMPARE(r.selected, result);
        if (result) {
            QCOMPARE(r.connectionType, type);
            QCOMPARE(r.peripheral, kind);
            QCOMPARE(r.device.address, settings.mid(settings.indexOf("Id=") + 3, 17));
        }
    }

    // The bar code and the phone are selected: the bar code is called first, nothing
    // else while that call is out; once it connects the phone is called at its turn.
    void diallerCallsOneAtATime()
    {
        Service s(favourites(scanner, phone));
        QVERIFY(s.bt->connectDevice(BT_BARCODE));
        QVERIFY(s.bt->connectDevice(BT_MOBILE_PHONE));
        s.says("READY.");
        QCOMPARE(s.line.takeCommands(2),
                 QStringList({"SET BT AUTH * 8146", "CALL " + scanner + " 1101 RFCOMM"}));
        QCOMPARE(s.line.takeCommandsQuiet(500), QStringList());
        s.says("CALL 0");
        QCOMPARE(s.bt->connection(BT_BARCODE).linkId, 0);
        s.says("CONNECT 0 RFCOMM 1");
        QVERIFY(s.bt->connection(BT_BARCODE).connected);
        QCOMPARE(s.line.takeCommands(1), QStringList({"CALL " + phone + " 1105 OPP"}));
        s.says("CALL 1");
        QCOMPARE(s.bt->eBtModuleStatus(), 0x99);
        // The bar code's link drops: it is selected still and called again.
        s.says("NO CARRIER 0 ERROR 0");
        const BT_FAVOURITE_CONNECTION &bar = s.bt->connection(BT_BARCODE);
        QVERIFY(bar.selected && !bar.connected && !bar.calling);
        QCOMPARE(bar.linkId, 128);
        QCOMPARE(s.line.takeCommandsQuiet(500), QStringList()); // the phone's call is out
        s.says("CONNECT 1 OBEX 1105");
        QCOMPARE(s.line.takeCommands(1), QStringList({"CALL " + scanner + " 1101 RFCOMM"}));
        // A failed call leaves the favourite to be tried again.
        s.says("CALL 0");
        s.says("NO CARRIER 0 ERROR 311");
        QVERIFY(!s.bt->connection(BT_BARCODE).calling);
        QCOMPARE(s.line.takeCommands(1), QStringList({"CALL " + scanner + " 1101 RFCOMM"}));
        s.bt->disconnectDevices();
        QCOMPARE(s.bt->eBtModuleStatus(), 0);
        QCOMPARE(s.line.powerLevel(), QByteArray("1"));
        QVERIFY(!s.bt->connection(BT_MOBILE_PHONE).selected);
        QCOMPARE(s.line.takeCommandsQuiet(300), QStringList());
    }

    // Switched off while dialling and on again at once: no tick of the earlier dialling
    // calls before the module is ready (a call it never takes would hold the dialler).
    void aNewDialWaitsForTheModule()
    {
        Service s(favourites(scanner, phone));
        QVERIFY(s.bt->connectDevice(BT_BARCODE));
        s.says("READY.");
        QCOMPARE(s.line.takeCommands(2),
                 QStringList({"SET BT AUTH * ", "CALL " + scanner + " 1101 RFCOMM"}));
        s.says("CALL 0");
        s.says("CONNECT 0 RFCOMM 1");
        s.bt->disconnectDevices();
        QVERIFY(s.bt->connectDevice(BT_MOBILE_PHONE));
        QCOMPARE(s.line.takeCommandsQuiet(300), QStringList());
        s.says("READY.");
        QCOMPARE(s.line.takeCommands(2),
                 QStringList({"SET BT AUTH * 8146", "CALL " + phone + " 1105 OPP"}));
    }

    void callReports()
    {
        Service s(favourites(scanner, phone));
        // A connection while nothing is called is the phone's.
        s.bt->processRxPacket(packet(6, "3"));
        QVERIFY(s.bt->connection(BT_MOBILE_PHONE).connected);
        QVERIFY(!s.bt->connection(BT_BARCODE).connected);
        // A connected favourite is left as it is, and the module too.
        QVERIFY(s.bt->connectDevice(BT_MOBILE_PHONE));
        QCOMPARE(s.bt->mode(), BT_MODE_OFF);
        QCOMPARE(s.line.powerLevel(), QByteArray("1"));
        QVERIFY(!s.bt->connection(BT_MOBILE_PHONE).selected);

        QVERIFY(s.bt->connectDevice(BT_BARCODE));
        s.bt->btActivity(); // the cursor reaches the bar code
        s.bt->btActivity();
        QVERIFY(s.bt->connection(BT_BARCODE).calling);
        // A link that is no digit names no link, not even "none".
        QSignalSpy barcode(s.bt, &BluetoothFavourites::btBarcodeDataReceived);
        s.bt->processRxPacket(packet(5, "\xB0"));
        QCOMPARE(s.bt->connection(BT_BARCODE).linkId, 128);
        s.bt->processRxPacket(packet(0, "\xB0"
                                        "data"));
        QCOMPARE(barcode.size(), 0);
        // No carrier on a link nobody has: every pending call ends.
        s.bt->processRxPacket(packet(7, "5"));
        QVERIFY(!s.bt->connection(BT_BARCODE).calling);
        QVERIFY(s.bt->connection(BT_MOBILE_PHONE).connected);
        s.bt->disconnectDevices();
    }

    void statusWord_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("status");
        QTest::newRow("configure") << int(BT_MODE_CONFIGURE) << 0x8000;
        QTest::newRow("wind down") << int(BT_MODE_WIND_DOWN) << 1;
        QTest::newRow("info") << int(BT_MODE_INFO) << 1;
        QTest::newRow("search") << int(BT_MODE_SEARCH) << 1;
        QTest::newRow("idle") << int(BT_MODE_IDLE) << 1;
        QTest::newRow("receive") << int(BT_MODE_RECEIVE) << 1;
        QTest::newRow("off") << int(BT_MODE_OFF) << 0;
        QTest::newRow("dialling, nothing selected") << int(BT_MODE_DIAL_RFCOMM) << 1;
        QTest::newRow("beyond the modes") << 10 << 0x8000;
    }
    void statusWord()
    {
        QFETCH(int, mode);
        QFETCH(int, status);
        Service s;
        s.bt->btActivate(BT_MODE(mode));
        QCOMPARE(s.bt->eBtModuleStatus(), status);
    }

    void obexReadyBit()
    {
        Service s(favourites(scanner, phone));
        QVERIFY(s.bt->connectDevice(BT_BARCODE));
        QVERIFY(s.bt->connectDevice(BT_MOBILE_PHONE));
        s.bt->btActivity();
        s.bt->btActivity(); // calls the bar code
        s.bt->processRxPacket(packet(6, "0"));
        QCOMPARE(s.bt->eBtModuleStatus(), 0x99);
        s.bt->processRxPacket(packet(15));
        QCOMPARE(s.bt->eBtModuleStatus(), 0x299);
        s.bt->processRxPacket(packet(20));
        QCOMPARE(s.bt->eBtModuleStatus(), 0x99);
        s.bt->disconnectDevices();
    }

    void search()
    {
        Service s;
        QSignalSpy progress(s.bt, &BluetoothFavourites::deviceSearchProgress);
        QSignalSpy finished(s.bt, &BluetoothFavourites::searchFinished);
        QSignalSpy changed(s.bt, &BluetoothFavourites::deviceMapChanged);
        QCOMPARE(s.ready(BT_MODE_IDLE, 1), QStringList({"SET BT AUTH * "}));
        s.bt->searchDevices();
        QCOMPARE(s.line.takeCommands(1), QStringList({"INQUIRY 5 NAME"}));
        QCOMPARE(changed.size(), 1);
        s.says("INQUIRY_PARTIAL " + scanner + " 5a020c");
        s.says("INQUIRY 3");
        s.says("INQUIRY " + scanner + " 5a020c");
        s.says("NAME " + scanner + " \"Scanner one\"");
        s.says("NAME ERROR 0x104 " + printer);
        s.says("NAME " + phone + " \"Phone\"");
        QCOMPARE(progress.size(), 4);
        QCOMPARE(progress.at(0), QList<QVariant>({0, 0}));
        QCOMPARE(progress.at(1), QList<QVariant>({1, 3}));
        QCOMPARE(progress.at(3), QList<QVariant>({3, 3}));
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), 3);
        QCOMPARE(s.bt->devices().size(), 2);
        QCOMPARE(s.bt->devices().value(scanner), QStringLiteral("Scanner one"));
        QCOMPARE(s.bt->devices().value(phone), QStringLiteral("Phone"));
        QCOMPARE(s.line.powerLevel(), QByteArray("0"));
        QCOMPARE(s.bt->mode(), BT_MODE_SEARCH);

        // Nothing in range ends the search at once.
        s.bt->searchDevices();
        QCOMPARE(s.line.takeCommands(1), QStringList({"INQUIRY 5 NAME"}));
        QVERIFY(s.bt->devices().isEmpty());
        s.says("INQUIRY 0");
        QCOMPARE(finished.size(), 2);
        QCOMPARE(finished.at(1).at(0).toInt(), 0);

        // A search that stalls is ended by its timer, and the module goes off.
        s.bt->btTimerTimeout();
        QCOMPARE(finished.size(), 3);
        QCOMPARE(s.bt->eBtModuleStatus(), 0);
        QCOMPARE(s.line.powerLevel(), QByteArray("1"));

        // From off the search waits for the module.
        s.bt->searchDevices();
        QCOMPARE(s.line.powerLevel(), QByteArray("0"));
        QCOMPARE(s.line.takeCommandsQuiet(), QStringList());
        s.says("READY.");
        QCOMPARE(s.line.takeCommands(1), QStringList({"INQUIRY 5 NAME"}));
    }

    void moduleInfo()
    {
        Service s;
        QSignalSpy info(s.bt, &BluetoothFavourites::btInfoReceived);
        s.bt->btActivate(BT_MODE_IDLE);
        s.says("WRAP SIM 1.0"); // not asked for
        s.says("SET BT BDADDR 00:07:80:4e:21:9a");
        QCOMPARE(info.size(), 1);
        QCOMPARE(info.at(0).at(0).toByteArray(), packet(18, "00:07:80:4e:21:9a"));
        s.bt->disconnectDevices();

        s.bt->btGetInfo();
        s.says("WRAP SIM 1.0");
        s.says("READY.");
        QCOMPARE(s.line.takeCommands(1), QStringList({"SET"}));
        s.says("SET BT NAME Pexon Kovinta (KV-1)");
        QCOMPARE(info.size(), 3);
        QCOMPARE(info.at(1).at(0).toByteArray(), packet(16, "WRAP SIM 1.0"));
        QCOMPARE(info.at(2).at(0).toByteArray(), packet(19, "Pexon Kovinta (KV-1)"));
        QCOMPARE(s.bt->eBtModuleStatus(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(s.bt->eBtModuleStatus(), 0, 5000);
    }

    void dataGoesToItsFavourite()
    {
        Service s(favourites(scanner, phone, printer));
        QSignalSpy barcode(s.bt, &BluetoothFavourites::btBarcodeDataReceived);
        QVERIFY(s.bt->connectDevice(BT_PRINTER));
        QVERIFY(s.bt->connectDevice(BT_BARCODE));
        s.bt->btActivity();
        s.bt->btActivity(); // bar code called
        s.bt->processRxPacket(packet(5, "2"));
        s.bt->processRxPacket(packet(6, "2"));
        s.bt->btActivity(); // printer called
        s.bt->processRxPacket(packet(5, "4"));
        s.bt->processRxPacket(packet(6, "4"));

        s.says("READY."); // framing on
        s.sends(2, QByteArray("AS\0SET-1\r", 9));
        QCOMPARE(barcode.size(), 1);
        QCOMPARE(barcode.at(0).at(0).toByteArray(), QByteArray("AS\0SET-1\r", 9));
        s.sends(4, QByteArray(60, 'p'));
        s.sends(4, QByteArray(60, 'q'));
        s.sends(4, QByteArray(60, 'r')); // the buffer is full by now
        QCOMPARE(s.bt->baGetPrinterRxData(), QByteArray(60, 'p') + QByteArray(60, 'q'));
        s.sends(6, "nobody's");
        QCOMPARE(barcode.size(), 1);

        s.line.takeCommandsQuiet();
        s.bt->sendBtPrintData("print me");
        QCOMPARE(s.line.takeCommands(1), QStringList({"data 4 print me"}));
        s.bt->disconnectDevices();
    }

    // A push from the phone: collected from its link, decoded when the link drops.
    void receiveAPush_data()
    {
        QTest::addColumn<QByteArray>("obex");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("whole") << QByteArray::fromHex(
                                      "02001B01000B0061002E00740000C3000000054900086865"
                                      "6C6C6F")
                               << "a.t" << QByteArray("hello");
        QTest::newRow("cut short")
            << QByteArray::fromHex("8200174900143031323334353637383930") << "" << QByteArray();
    }
    void receiveAPush()
    {
        QFETCH(QByteArray, obex);
        QFETCH(QString, name);
        QFETCH(QByteArray, body);
        Service s;
        s.line.root.writeFile("/tmp/OppRxFile", "an older push");
        QSignalSpy progress(s.bt, &BluetoothFavourites::btOppRxProgress);
        QSignalSpy received(s.bt, &BluetoothFavourites::btOppFileReceived);
        QCOMPARE(s.ready(BT_MODE_RECEIVE, 1), QStringList({"SET BT AUTH * 8146"}));
        s.says("RING 1 " + phone + " 4 OPP");
        s.sends(1, obex.left(10));
        s.sends(1, obex.mid(10));
        s.sends(0, "not the phone's");
        QCOMPARE(progress.size(), 3);
        QCOMPARE(progress.at(0).at(0).toInt(), 0);
        QCOMPARE(progress.at(2).at(0).toInt(), obex.size());
        QCOMPARE(received.size(), 0);
        s.says("NO CARRIER 1 ERROR 0");
        QCOMPARE(received.size(), 1);
        QCOMPARE(received.at(0).at(0).toString(), name);
        QCOMPARE(s.line.root.readFile("/tmp/OppRxRawFile"), obex);
        QCOMPARE(QFile::exists(s.line.root.path("/tmp/OppRxFile")), !name.isEmpty());
        if (!name.isEmpty())
            QCOMPARE(s.line.root.readFile("/tmp/OppRxFile"), body);
        // Data after the push has ended is not collected.
        s.sends(1, "late");
        QCOMPARE(progress.size(), 3);
    }

    void anOversizedPushIsRefused()
    {
        Service s;
        QSignalSpy received(s.bt, &BluetoothFavourites::btOppFileReceived);
        s.ready(BT_MODE_RECEIVE, 1);
        s.says("RING 2 " + phone + " 4 OPP");
        const QByteArray half(BluetoothFavourites::MaxOppRxBytes / 2, 'x');
        s.bt->processRxPacket(packet(0, "2") + half);
        s.bt->processRxPacket(packet(0, "2") + half);
        QCOMPARE(received.size(), 0);
        s.bt->processRxPacket(packet(0, "2") + "y");
        QCOMPARE(received.size(), 1);
        QCOMPARE(received.at(0).at(0).toString(), QString());
        QCOMPARE(s.line.takeCommands(1), QStringList({"CLOSE 2"}));
        s.says("NO CARRIER 2 ERROR 0");
        QCOMPARE(received.size(), 1);
        QVERIFY(!QFile::exists(s.line.root.path("/tmp/OppRxFile")));
    }

    // The data of a push go on the link the module gave the phone's call.
    void pushToThePhone()
    {
        Service s(favourites(QByteArray(), phone));
        QTemporaryDir dir;
        QFile f(dir.path() + "/results.dat");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("0123456789");
        f.close();
        QVERIFY(s.bt->connectDevice(BT_MOBILE_PHONE));
        QCOMPARE(s.ready(BT_MODE_DIAL_OPP, 2).last(),
                 QStringLiteral("CALL ") + phone + " 1105 OPP");
        s.says("CALL 3");
        s.says("CONNECT 3 OBEX 1105");
        s.says("OBEX 3 READY");
        QCOMPARE(s.bt->eBtModuleStatus(), 0x381);
        s.bt->InitiateOppTransfer(f.fileName(), BT_MOBILE_PHONE);
        QCOMPARE(s.line.takeCommands(1), QStringList({"PUT 10 text/plain results.dat"}));
        s.says("OBEX 3 SEND");
        QCOMPARE(s.line.takeCommands(1), QStringList({"data 3 0123456789"}));
        QCOMPARE(s.bt->vContinueSendingOppFile(), -1);
        // All of it on the line; sent once the phone says so.
        QCOMPARE(s.bt->iSendFileProgress(), 99);
        s.says("OBEX 3 OK");
        QCOMPARE(s.bt->iSendFileProgress(), 100);
        s.bt->disconnectDevices();
    }
};

RONDIX_TEST(TestBluetoothFavourites)
#include "tst_BluetoothFavourites.moc"
