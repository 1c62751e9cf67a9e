#include "BluetoothFavourites.h"

#include "BlueToothManager.h"
#include "BtReplyParser.h"
#include "DevicePath.h"
#include "DevicePaths.h"
#include "OppDecoder.h"
#include "SettingsConstants.h"
#include "SettingsReader.h"
#include "SettingsWriter.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

const QString BluetoothFavourites::PairingPin = QStringLiteral("8146");
const QString BluetoothFavourites::OppRawFileName = QStringLiteral("/tmp/OppRxRawFile");

namespace {

BluetoothFavourites *s_instance = nullptr;

enum OppDecodeState { OppIdle = 0, OppCollecting = 1, OppDecoded = 2 };

// The word of each kind in its settings keys; empty outside 1..4.
QString kindWord(int kind)
{
    switch (kind) {
    case BT_COMPUTER:
        return QStringLiteral("Computer");
    case BT_BARCODE:
        return QStringLiteral("BarCode");
    case BT_PRINTER:
        return QStringLiteral("Printer");
    case BT_MOBILE_PHONE:
        return QStringLiteral("MobilePhone");
    default:
        return QString();
    }
}

QString favouriteKey(int kind, const char *field)
{
    return QStringLiteral("BluetoothFavourites/") + kindWord(kind) + QLatin1Char('/') +
           QLatin1String(field);
}

QVariant readSetting(const QString &key, const QVariant &defaultValue = QVariant())
{
    return SettingsReader().value(key, defaultValue);
}


// The module link a packet names, 0..8; -1 when its link digit is none, so that it can
// never match a record's 128 (no link).
int linkOf(const QByteArray &packet)
{
    if (packet.size() < 2 || packet.at(1) < '0' || packet.at(1) > '8')
        return -1;
    return packet.at(1) - '0';
}

} // namespace

BluetoothFavourites *BluetoothFavourites::getInstance()
{
    if (!s_instance)
        s_instance = new BluetoothFavourites;
    return s_instance;
}

bool BluetoothFavourites::hasInstance()
{
    return s_instance != nullptr;
}

BluetoothFavourites::BluetoothFavourites() : QObject(nullptr)
{
    m_pManager = new BlueToothManager(DevicePaths::bluetoothLine, true, 0, this);
    connect(m_pManager, &BlueToothManager::packetReceived, this,
            &BluetoothFavourites::processRxPacket);
    connect(m_pManager, &BlueToothManager::btModuleHasReset, this, &BluetoothFavourites::btReset);

    m_pSearchTimer = new QTimer(this);
    connect(m_pSearchTimer, &QTimer::timeout, this, &BluetoothFavourites::btTimerTimeout);
    m_pActivityTimer = new QTimer(this);
    m_pActivityTimer->setSingleShot(true);
    connect(m_pActivityTimer, &QTimer::timeout, this, &BluetoothFavourites::btActivity);

    m_iDeviceIndex = 0;
    m_sBarcodeConnection.reset();
    m_sPrinterConnection.reset();
    m_sComputerConnection.reset();
    m_sPhoneConnection.reset();

    m_pStartTimer = new QTimer(this);
    m_pStartTimer->setSingleShot(true);
    connect(m_pStartTimer, &QTimer::timeout, this, &BluetoothFavourites::btInitiallise);
    m_pStartTimer->start(StartDelayMs);

    connect(this, &BluetoothFavourites::btPrinterDataReceived, this,
            &BluetoothFavourites::btPrinterRxData);
}

BluetoothFavourites::~BluetoothFavourites()
{
    m_pManager->BTModulePowerOff();
    if (s_instance == this)
        s_instance = nullptr;
}

BT_FAVOURITE_CONNECTION *BluetoothFavourites::record(int kind)
{
    switch (kind) {
    case BT_COMPUTER:
        return &m_sComputerConnection;
    case BT_BARCODE:
        return &m_sBarcodeConnection;
    case BT_PRINTER:
        return &m_sPrinterConnection;
    case BT_MOBILE_PHONE:
        return &m_sPhoneConnection;
    default:
        return nullptr;
    }
}

std::array<BT_FAVOURITE_CONNECTION *, 4> BluetoothFavourites::inDialOrder()
{
    return {&m_sBarcodeConnection, &m_sPrinterConnection, &m_sComputerConnection,
            &m_sPhoneConnection};
}

const BT_FAVOURITE_CONNECTION &BluetoothFavourites::connection(BT_PERIPHERAL kind) const
{
    static const BT_FAVOURITE_CONNECTION none;
    const BT_FAVOURITE_CONNECTION *r = const_cast<BluetoothFavourites *>(this)->record(kind);
    return r ? *r : none;
}

// ---------------------------------------------------------------------------------------
// Favourites

QByteArray BluetoothFavourites::deviceId(BT_PERIPHERAL kind) const
{
    if (kindWord(kind).isEmpty())
        return QByteArray();
    return readSetting(favouriteKey(kind, "Id")).toByteArray();
}

QString BluetoothFavourites::deviceName(BT_PERIPHERAL kind) const
{
    if (kindWord(kind).isEmpty())
        return QString();
    return readSetting(favouriteKey(kind, "Name")).toString();
}

bool BluetoothFavourites::setDeviceId(BT_PERIPHERAL kind, const QByteArray &id)
{
    return kindWord(kind).isEmpty() || SettingsWriter::write(favouriteKey(kind, "Id"), id);
}

bool BluetoothFavourites::setDeviceName(BT_PERIPHERAL kind, const QString &name)
{
    return kindWord(kind).isEmpty() || SettingsWriter::write(favouriteKey(kind, "Name"), name);
}

bool BluetoothFavourites::connectDevice(BT_PERIPHERAL kind)
{
    if (kind == BT_PRINTER)
        m_baPrinterRxData.clear();
    BT_FAVOURITE_CONNECTION *r = record(kind);
    if (!r)
        return false;
    const QByteArray id = deviceId(kind);
    const QString name = deviceName(kind);
    if (r->connected)
        return true;
    if (id.size() != 17)
        return false;
    r->reset();
    r->device.address = id;
    r->device.name = name.toLatin1();
    const bool opp = kind == BT_COMPUTER || kind == BT_MOBILE_PHONE;
    r->connectionType = opp ? BlueToothManager::BT_OPP : BlueToothManager::BT_RFCOMM;
    r->peripheral = kind;
    r->selected = true;
    m_eBtMode = opp ? BT_MODE_DIAL_OPP : BT_MODE_DIAL_RFCOMM;
    m_pManager->BTModulePowerOn();
    return true;
}

void BluetoothFavourites::disconnectDevices()
{
    m_pSearchTimer->stop();
    // A dial tick left running would call the next favourite before the module, once
    // switched on again, is ready to take the call.
    m_pActivityTimer->stop();
    m_priority = 0;
    m_sBarcodeConnection.reset();
    m_sPrinterConnection.reset();
    m_sComputerConnection.reset();
    m_sPhoneConnection.reset();
    m_pManager->BTModulePowerOff();
    m_eBtMode = BT_MODE_OFF;
}

void BluetoothFavourites::btActivate(BT_MODE mode)
{
    m_pManager->BTModulePowerOn();
    m_eBtMode = mode;
}

void BluetoothFavourites::btGetInfo()
{
    m_pManager->BTModulePowerOn();
    m_eBtMode = BT_MODE_INFO;
}

int BluetoothFavourites::eBtModuleStatus() const
{
    switch (m_eBtMode) {
    case BT_MODE_OFF:
        return 0;
    case BT_MODE_WIND_DOWN:
    case BT_MODE_INFO:
    case BT_MODE_SEARCH:
    case BT_MODE_IDLE:
    case BT_MODE_RECEIVE:
        return 1;
    case BT_MODE_DIAL_OPP:
    case BT_MODE_DIAL_RFCOMM: {
        int status = 0x1;
        const struct {
            const BT_FAVOURITE_CONNECTION &r;
            int selected;
        } bits[] = {{m_sPrinterConnection, 0x2},
                    {m_sBarcodeConnection, 0x8},
                    {m_sComputerConnection, 0x20},
                    {m_sPhoneConnection, 0x80}};
        for (const auto &b : bits) {
            if (b.r.selected)
                status |= b.selected;
            if (b.r.connected)
                status |= b.selected << 1;
        }
        if (m_bObexReady)
            status |= 0x200;
        return status;
    }
    default:
        return 0x8000;
    }
}

// ---------------------------------------------------------------------------------------
// Start-up, ready reports and the activity timer

void BluetoothFavourites::btInitiallise()
{
    m_pStartTimer->stop();
    m_eBtMode = BT_MODE_CONFIGURE;
    m_pManager->BTModulePowerOn();
}

void BluetoothFavourites::btReset()
{
    m_bObexReady = false;
    m_eOppDecodeState = OppIdle;
    m_baOppData.clear();
    m_pActivityTimer->stop();

    switch (m_eBtMode) {
    case BT_MODE_CONFIGURE: {
        const QString serial =
            readSetting(SETTINGS_KEY_SERIAL_NUM, SETTINGS_DEFAULT_SERIAL_NUM).toString();
        m_pManager->sendBtCommand(QStringLiteral("SET CONTROL AUTOCALL"));
        m_pManager->sendBtCommand(QStringLiteral("SET CONTROL ECHO 5"));
        m_pManager->sendBtCommand(QStringLiteral("SET PROFILE SPP ON"));
        m_pManager->sendBtCommand(QStringLiteral("SET PROFILE OPP ON"));
        m_pManager->sendBtCommand(QStringLiteral("SET BT CLASS 100110"));
        m_sMyBtName = QStringLiteral("Pexon Kovinta (") + serial + QLatin1Char(')');
        m_pManager->setMyBTName(m_sMyBtName);
        m_pActivityTimer->start(WindDownMs);
        m_eBtMode = BT_MODE_WIND_DOWN;
        break;
    }
    case BT_MODE_INFO:
        m_pManager->sendBtCommand(QStringLiteral("SET"));
        m_pActivityTimer->start(InfoWindDownMs);
        m_eBtMode = BT_MODE_WIND_DOWN;
        break;
    case BT_MODE_SEARCH:
        startSearch();
        break;
    case BT_MODE_DIAL_OPP:
        m_pManager->setMyBtPIN(PairingPin);
        m_pActivityTimer->start(DialStartMs);
        break;
    case BT_MODE_DIAL_RFCOMM:
        m_pManager->setMyBtPIN(QString());
        m_pActivityTimer->start(DialStartMs);
        break;
    case BT_MODE_IDLE:
        m_pManager->setMyBtPIN(QString());
        break;
    case BT_MODE_RECEIVE:
        m_pManager->setMyBtPIN(PairingPin);
        break;
    default:
        break;
    }
}

void BluetoothFavourites::btActivity()
{
    if (m_eBtMode == BT_MODE_WIND_DOWN) {
        m_pSearchTimer->stop();
        m_pManager->BTModulePowerOff();
        m_eBtMode = BT_MODE_OFF;
    }
    if (m_eBtMode != BT_MODE_DIAL_OPP && m_eBtMode != BT_MODE_DIAL_RFCOMM) {
        m_priority = 0;
        m_pActivityTimer->stop();
        return;
    }
    dialTick();
    m_pActivityTimer->start(DialTickMs);
}

// One favourite is tried per tick, in the order bar code, printer, computer, mobile
// phone, with an empty fifth tick; a pending call holds the cursor until it ends.
void BluetoothFavourites::dialTick()
{
    const auto order = inDialOrder();
    const auto anyCalling = [&] {
        for (const BT_FAVOURITE_CONNECTION *r : order) {
            if (r->calling)
                return true;
        }
        return false;
    };
    if (m_priority >= 1 && m_priority <= 4) {
        BT_FAVOURITE_CONNECTION *r = order[m_priority - 1];
        if (r->selected && !r->connected && !anyCalling()) {
            r->calling = true;
            m_pManager->callBTDevice(r->device,
                                     BlueToothManager::BT_CONNECTION_TYPE(r->connectionType),
                                     BT_PERIPHERAL(r->peripheral));
            ++m_priority;
        }
    } else {
        m_priority = 0;
    }
    if (!anyCalling())
        ++m_priority;
}

// ---------------------------------------------------------------------------------------
// Packets from the module link

void BluetoothFavourites::processRxPacket(QByteArray rxPacket)
{
    m_bObexReady = false;
    if (rxPacket.isEmpty())
        return;
    const auto order = inDialOrder();
    // The first calling record, or the phone's when none is calling.
    const auto firstCalling = [&] {
        for (BT_FAVOURITE_CONNECTION *r : order) {
            if (r->calling)
                return r;
        }
        return &m_sPhoneConnection;
    };

    switch (quint8(rxPacket.at(0))) {
    case BT_EVENT_DATA:
        handleDataPacket(linkOf(rxPacket), rxPacket.mid(2));
        break;
    case BT_EVENT_CALL:
        if (linkOf(rxPacket) < 0)
            break;
        for (BT_FAVOURITE_CONNECTION *r : order) {
            if (r->calling)
                r->linkId = linkOf(rxPacket);
        }
        break;
    case BT_EVENT_CONNECT: {
        BT_FAVOURITE_CONNECTION *r = firstCalling();
        r->calling = false;
        r->connected = true;
        break;
    }
    case BT_EVENT_NO_CARRIER:
        handleNoCarrier(linkOf(rxPacket));
        break;
    case BT_EVENT_CALL_FAILED:
        firstCalling()->calling = false;
        break;
    case BT_EVENT_NAME: {
        const BT_DEVICE &device = m_pManager->getDeviceFromList(m_iDeviceIndex++);
        if (!device.address.isEmpty()) {
            m_deviceMap.insert(device.address, QString::fromLatin1(device.name));
            emit deviceMapChanged();
        }
        nameAnswered();
        break;
    }
    case BT_EVENT_NAME_ERROR:
        nameAnswered();
        break;
    case BT_EVENT_INQUIRY:
        m_iDeviceTotal = rxPacket.size() > 1 ? quint8(rxPacket.at(1)) : 0;
        if (m_iDeviceTotal == 0)
            emit searchFinished(0);
        break;
    case BT_EVENT_INQUIRY_PARTIAL:
        emit deviceSearchProgress(0, 0);
        m_iDeviceCounter = 0;
        break;
    case BT_EVENT_SDP_OPP:
    case BT_EVENT_OBEX_SEND:
        break;
    case BT_EVENT_OBEX_READY:
        m_bObexReady = true;
        break;
    case BT_EVENT_WRAP:
        if (m_eBtMode == BT_MODE_INFO)
            emit btInfoReceived(rxPacket);
        break;
    case BT_EVENT_RING_OPP:
        if (linkOf(rxPacket) < 0)
            break;
        m_sPhoneConnection.linkId = linkOf(rxPacket);
        m_eOppDecodeState = OppCollecting;
        emit btOppRxProgress(0);
        m_baOppData.clear();
        break;
    case BT_EVENT_BDADDR:
    case BT_EVENT_BT_NAME:
        emit btInfoReceived(rxPacket);
        break;
    case BT_EVENT_SYNTAX_ERROR:
        qDebug() << "SYNTAX_ERROR:";
        break;
    default:
        qDebug() << "Error:" << rxPacket.toHex(' ');
        break;
    }
}

void BluetoothFavourites::handleDataPacket(int link, const QByteArray &payload)
{
    if (link < 0)
        qDebug() << "DATA_UNKNOWN: " << payload;
    else if (link == m_sBarcodeConnection.linkId)
        emit btBarcodeDataReceived(payload);
    else if (link == m_sPrinterConnection.linkId)
        emit btPrinterDataReceived(payload);
    else if (link == m_sPhoneConnection.linkId)
        collectOpp(link, payload);
    else
        qDebug() << "DATA_UNKNOWN: " << payload;
}

void BluetoothFavourites::handleNoCarrier(int link)
{
    const auto order = inDialOrder();
    const auto drop = [](BT_FAVOURITE_CONNECTION *r) {
        r->calling = false;
        r->connected = false;
        r->linkId = BT_DEVICE::NoLink;
    };
    for (BT_FAVOURITE_CONNECTION *r : order) {
        if (r->linkId != link)
            continue;
        drop(r);
        if (r == &m_sPhoneConnection && m_eOppDecodeState == OppCollecting) {
            m_eOppDecodeState = OppDecoded;
            vDecodeOpp();
        }
        return;
    }
    for (BT_FAVOURITE_CONNECTION *r : order) {
        if (r->calling)
            drop(r);
    }
}

void BluetoothFavourites::btPrinterRxData(QByteArray data)
{
    if (m_baPrinterRxData.size() < PrinterRxLimit)
        m_baPrinterRxData.append(data);
}

// ---------------------------------------------------------------------------------------
// Device search

void BluetoothFavourites::searchDevices()
{
    if (m_eBtMode == BT_MODE_IDLE || m_eBtMode == BT_MODE_SEARCH)
        startSearch();
    else
        m_pManager->BTModulePowerOn();
    m_eBtMode = BT_MODE_SEARCH;
}

void BluetoothFavourites::startSearch()
{
    m_deviceMap.clear();
    m_iDeviceIndex = 0;
    emit deviceMapChanged();
    m_pManager->sendBTInquiry(5);
    m_pSearchTimer->start(SearchTimeoutMs);
}

void BluetoothFavourites::nameAnswered()
{
    m_pSearchTimer->stop();
    ++m_iDeviceCounter;
    emit deviceSearchProgress(m_iDeviceCounter, m_iDeviceTotal);
    if (m_iDeviceCounter == m_iDeviceTotal)
        emit searchFinished(m_iDeviceTotal);
    else
        m_pSearchTimer->start(SearchNameTimeoutMs);
}

void BluetoothFavourites::btTimerTimeout()
{
    m_pSearchTimer->stop();
    emit searchFinished(m_iDeviceTotal);
    m_pManager->BTModulePowerOff();
    m_eBtMode = BT_MODE_OFF;
}

// ---------------------------------------------------------------------------------------
// Object push

void BluetoothFavourites::InitiateOppTransfer(QString path, BT_PERIPHERAL kind)
{
    BT_DEVICE device;
    if (kind == BT_COMPUTER || kind == BT_MOBILE_PHONE) {
        const BT_FAVOURITE_CONNECTION *r = record(kind);
        device = r->device;
        // The data go on the link the module gave this device's call.
        device.linkId = r->linkId;
    }
    m_pManager->StartFileTransfer(path, device);
}

int BluetoothFavourites::vContinueSendingOppFile()
{
    return m_pManager->ContinueFileTransfer();
}

int BluetoothFavourites::iSendFileProgress() const
{
    return m_pManager->iOppProgress();
}

QString BluetoothFavourites::sSendFileProgressString() const
{
    return m_pManager->sOppProgressString();
}

void BluetoothFavourites::collectOpp(int link, const QByteArray &payload)
{
    if (m_eOppDecodeState != OppCollecting)
        return;
    if (m_baOppData.size() + qint64(payload.size()) > MaxOppRxBytes) {
        qWarning() << "Incoming Bluetooth push larger than" << MaxOppRxBytes << "bytes refused";
        m_baOppData.clear();
        m_eOppDecodeState = OppDecoded;
        QFile::remove(DevicePath::path(TEMP_OPP_FILENAME));
        m_pManager->closeBTLink(link);
        emit btOppFileReceived(QString());
        return;
    }
    m_baOppData.append(payload);
    emit btOppRxProgress(m_baOppData.size());
}

bool BluetoothFavourites::writeOppFile(const QString &devicePath, const QByteArray &bytes) const
{
    const QString path = DevicePath::path(devicePath);
    QFile::remove(path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qDebug() << "can't open file for incoming OPP data" << path;
        return false;
    }
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        qWarning() << "Incoming Bluetooth push not stored:" << path << file.errorString();
        QFile::remove(path);
        return false;
    }
    return true;
}

void BluetoothFavourites::vDecodeOpp()
{
    // The raw copy is for looking at afterwards; nothing depends on it.
    writeOppFile(OppRawFileName, m_baOppData);
    const OppDecoder::Result result = OppDecoder::decode(m_baOppData);
    if (!result.ok) {
        qWarning() << "Incoming Bluetooth push could not be decoded";
        QFile::remove(DevicePath::path(TEMP_OPP_FILENAME));
        emit btOppFileReceived(QString());
        return;
    }
    if (!writeOppFile(TEMP_OPP_FILENAME, result.body)) {
        emit btOppFileReceived(QString());
        return;
    }
    emit btOppFileReceived(result.name);
}

// ---------------------------------------------------------------------------------------
// Raw link access

void BluetoothFavourites::setMuxModeInactive()
{
    m_pManager->setMuxModeInActive();
}

void BluetoothFavourites::sendBtDataMessage(QByteArray data)
{
    m_pManager->sendDataMessage(data, 0);
}

void BluetoothFavourites::sendBtPrintData(QByteArray data)
{
    m_pManager->sendDataMessage(data, m_sPrinterConnection.linkId);
}
