#include "PicProgrammer.h"

#include "IntelHexFile.h"
#include "MemoryMappedPinController.h"
#include "PicDelay.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEvent>
#include <QTimer>

namespace {
// In-circuit programming commands (4 bits, sent least significant bit first).
constexpr unsigned char CoreInstruction = 0x0;
constexpr unsigned char ShiftOutTablat = 0x2;
constexpr unsigned char TableReadPostIncrement = 0x9;
constexpr unsigned char TableWrite = 0xC;
constexpr unsigned char TableWritePostIncrement2 = 0xD;
constexpr unsigned char TableWriteStartProgramming = 0xF;

// Core instructions.
constexpr unsigned short Nop = 0x0000;
constexpr unsigned short SetEepgd = 0x8EA6;    // BSF EECON1, EEPGD
constexpr unsigned short ClearCfgs = 0x9CA6;   // BCF EECON1, CFGS
constexpr unsigned short SetCfgs = 0x8CA6;     // BSF EECON1, CFGS
constexpr unsigned short ClearEepgd = 0x9EA6;  // BCF EECON1, EEPGD
constexpr unsigned short SetWren = 0x84A6;     // BSF EECON1, WREN
constexpr unsigned short SetFree = 0x88A6;     // BSF EECON1, FREE
constexpr unsigned short SetWr = 0x82A6;       // BSF EECON1, WR
constexpr unsigned short SetRd = 0x80A6;       // BSF EECON1, RD
constexpr unsigned short MovwfEeadr = 0x6EA9;  // MOVWF EEADR
constexpr unsigned short MovwfEeadrh = 0x6EAA; // MOVWF EEADRH
constexpr unsigned short MovwfEedata = 0x6EA8; // MOVWF EEDATA
constexpr unsigned short MovwfTablat = 0x6EF5; // MOVWF TABLAT
constexpr unsigned short MovfEecon1 = 0x50A6;  // MOVF EECON1, W
constexpr unsigned short MovfEedata = 0x50A8;  // MOVF EEDATA, W
constexpr unsigned char Eecon1Wr = 0x02;

constexpr QEvent::Type EraseNextBlockEvent = QEvent::Type(1000);

constexpr quint32 ProgramMemoryEnd = 0x10000; // 64 KB, all of it erased and checked
constexpr quint32 BlankCheckBlock = 0x200;
constexpr quint32 ConfigFirst = 0x300000;
constexpr quint32 ConfigLast = 0x30000D;
constexpr quint32 IdLocations = 0x200000;
constexpr quint32 DeviceIdAddress = 0x3FFFFE;
constexpr unsigned int WriteBufferSize = 64;
constexpr unsigned int EraseRows = 8;
constexpr unsigned int EepromSize = 1024;
constexpr unsigned int ReadBytes = 16;
// A data EEPROM byte takes about 4 ms; a write that has not ended after this long
// never will (no controller, or a broken one).
constexpr qint64 EepromWriteLimit = 50000000; // ns

// The latest verify mismatch.
quint32 u32VerifyAddress = 0;
quint8 u8VerifyCorrect = 0;
quint8 u8VerifyActual = 0;

// What the reading operations found.
unsigned char au8ReadPicData[ReadBytes] = {};
unsigned char au8DeviceConfig[ReadBytes] = {};
unsigned char au8EepromCopy[EepromSize] = {};
unsigned short u16DeviceId_1 = 0;
// The controller au8EepromCopy was read from; 0 while it holds no whole copy.
int s32EepromCopyPic = 0;

constexpr int ConfigBytes = int(ConfigLast - ConfigFirst + 1);

// The families this programmer knows, by device identifier (its low five bits are the
// revision), with the bits each implements in the configuration bytes 0x300000 to
// 0x30000D. They differ in CONFIG3H (the CCP2 pin choice of the 4620), CONFIG4L (the
// boot block size of the others) and the number of 16 KB blocks that the protection
// bytes cover (four, five or six).
struct PicFamily {
    unsigned short id;
    const char *name;
    quint8 configBits[ConfigBytes];
};
const PicFamily Families[] = {
    {0x0C00,
     "PIC18F4620",
     {0x00, 0xCF, 0x1F, 0x1F, 0x00, 0x87, 0xC5, 0x00, 0x0F, 0xC0, 0x0F, 0xE0, 0x0F, 0x40}},
    {0x0E80,
     "PIC18F4680",
     {0x00, 0xCF, 0x1F, 0x1F, 0x00, 0x86, 0xF5, 0x00, 0x0F, 0xC0, 0x0F, 0xE0, 0x0F, 0x40}},
    {0x2740,
     "PIC18F4682",
     {0x00, 0xCF, 0x1F, 0x1F, 0x00, 0x86, 0xF5, 0x00, 0x1F, 0xC0, 0x1F, 0xE0, 0x1F, 0x40}},
    {0x2760,
     "PIC18F4685",
     {0x00, 0xCF, 0x1F, 0x1F, 0x00, 0x86, 0xF5, 0x00, 0x3F, 0xC0, 0x3F, 0xE0, 0x3F, 0x40}},
};

// Null for a controller of no known family.
const PicFamily *picFamily(unsigned short id)
{
    for (const PicFamily &family : Families) {
        if ((id & 0xFFE0) == family.id)
            return &family;
    }
    return nullptr;
}
// An address or byte as the screen's reasons show it: 0x and upper-case hex digits.
QString hexText(quint32 value, int digits)
{
    return QStringLiteral("0x") +
           QString::number(value, 16).rightJustified(digits, QLatin1Char('0')).toUpper();
}

} // namespace

qint64 PicProgrammer::delayNanoseconds(PIC_DELAY kind)
{
    // Each wait meets the device's programming minimum with a margin: clock high and low
    // times and command/operand gaps 40..100 ns, programming time 1 ms, high-voltage
    // discharge 100 us, bulk erase 5 ms, hold after the programming entry 2 us.
    switch (kind) {
    case ProgrammingTime:
        return 2000000;
    case AfterProgramming:
        return 200000;
    case BulkEraseHold:
        return 5000000;
    case AfterMclrRelease:
    case BeforeIspEnable:
        return 5000000;
    case IspEnableToMclr:
        return 100000;
    case ResetPulse:
        return 10000;
    default:
        return 1000;
    }
}

PicProgrammer::PicProgrammer(int picNumber, QObject *parent)
    : QObject(nullptr),
      m_ResetTimer(new QTimer(this)),
      m_PinController(new MemoryMappedPinController(PinLines::PinControllerBase)),
      m_PicNumber(picNumber)
{
    Q_UNUSED(parent)
    m_HasResetLine = PinLines::resetLine(picNumber, &m_ResetLine);
    m_ResetTimer->setSingleShot(true);
    m_ResetTimer->setInterval(20);
    connect(m_ResetTimer, &QTimer::timeout, this, &PicProgrammer::ev_pic_reset_timer);
    connect(this, &PicProgrammer::endIsp, this, &PicProgrammer::ev_pic_end_isp);
    connect(this, &PicProgrammer::eraseDone, this, &PicProgrammer::ev_pic_end_isp);
    connect(this, &PicProgrammer::eraseError, this, &PicProgrammer::ev_pic_end_isp);
    vRestoreIo();
}

PicProgrammer::~PicProgrammer()
{
    delete m_PinController;
}

bool PicProgrammer::holdAllInReset()
{
    MemoryMappedPinController pins(PinLines::PinControllerBase);
    if (!pins.isMapped()) {
        qDebug() << "holdAllInReset - pin controller not available";
        return false;
    }
    PinLines::holdAllInReset(pins);
    return true;
}

void PicProgrammer::releaseAllLines()
{
    MemoryMappedPinController pins(PinLines::PinControllerBase);
    PinLines::releaseAll(pins);
}

// ---- lines and timing ----

void PicProgrammer::setLine(const PinLines::Line &line, bool high)
{
    m_PinController->setValue(line.dout, line.mask, high ? 1 : 0);
}

void PicProgrammer::vGeneralDelay(PIC_DELAY kind)
{
    PicDelay::wait(delayNanoseconds(kind));
}

void PicProgrammer::vClockBits(unsigned int bits, int count)
{
    // Least significant bit first; the target takes each bit as the clock falls.
    for (int i = 0; i < count; ++i) {
        setLine(PinLines::ProgrammingData, (bits >> i) & 1);
        setLine(PinLines::ProgrammingClock, true);
        vGeneralDelay(ClockHalfPeriod);
        setLine(PinLines::ProgrammingClock, false);
        vGeneralDelay(ClockHalfPeriod);
    }
}

void PicProgrammer::vWriteCmd(unsigned char cmd)
{
    setLine(PinLines::ProgrammingData, false);
    setLine(PinLines::ProgrammingClock, false);
    vClockBits(cmd, 4);
    setLine(PinLines::ProgrammingData, false);
    setLine(PinLines::ProgrammingClock, false);
    vGeneralDelay(AfterCommand);
}

void PicProgrammer::vWriteByte(unsigned char b)
{
    setLine(PinLines::ProgrammingData, false);
    setLine(PinLines::ProgrammingClock, false);
    vGeneralDelay(ClockHalfPeriod);
    vClockBits(b, 8);
    setLine(PinLines::ProgrammingClock, false);
    setLine(PinLines::ProgrammingData, false);
    vGeneralDelay(AfterOperandByte);
}

void PicProgrammer::vWriteOperand(unsigned short operand)
{
    vWriteByte(operand & 0xFF);
    vWriteByte(operand >> 8);
}

void PicProgrammer::vCoreInstruction(unsigned short instruction)
{
    vWriteCmd(CoreInstruction);
    vWriteOperand(instruction);
}

unsigned char PicProgrammer::u8ReadByte()
{
    const PinLines::Line &pgd = PinLines::ProgrammingData;
    setLine(PinLines::ProgrammingClock, false);
    m_PinController->setDirection(pgd.doe, pgd.mask, MemoryMappedPinController::Input);
    unsigned char result = 0;
    for (int i = 0; i < 8; ++i) {
        setLine(PinLines::ProgrammingClock, true);
        vGeneralDelay(ClockHalfPeriod);
        setLine(PinLines::ProgrammingClock, false);
        vGeneralDelay(ClockHalfPeriod);
        result >>= 1;
        if (m_PinController->getValue(pgd.din, pgd.mask))
            result |= 0x80;
    }
    setLine(PinLines::ProgrammingClock, false);
    setLine(pgd, false);
    m_PinController->setDirection(pgd.doe, pgd.mask, MemoryMappedPinController::Output);
    return result;
}

unsigned char PicProgrammer::u8ReadNextAddress()
{
    vWriteCmd(TableReadPostIncrement);
    vWriteByte(0);
    return u8ReadByte();
}

void PicProgrammer::vSetCoreAddress(unsigned int address)
{
    vCoreInstruction(0x0E00 | ((address >> 16) & 0xFF)); // MOVLW
    vCoreInstruction(0x6EF8);                             // MOVWF TBLPTRU
    vCoreInstruction(0x0E00 | ((address >> 8) & 0xFF));
    vCoreInstruction(0x6EF7); // MOVWF TBLPTRH
    vCoreInstruction(0x0E00 | (address & 0xFF));
    vCoreInstruction(0x6EF6); // MOVWF TBLPTRL
}

void PicProgrammer::vProgramFlashCmd()
{
    // The NOP whose fourth clock, held high, is the programming time.
    setLine(PinLines::ProgrammingClock, false);
    setLine(PinLines::ProgrammingData, false);
    vGeneralDelay(ClockHalfPeriod);
    vClockBits(0, 3);
    setLine(PinLines::ProgrammingClock, true);
    vGeneralDelay(ProgrammingTime);
    setLine(PinLines::ProgrammingClock, false);
    vGeneralDelay(AfterProgramming);
    setLine(PinLines::ProgrammingClock, false);
    setLine(PinLines::ProgrammingData, false);
}

void PicProgrammer::vEnterIspMode()
{
    using PinLines::IspEnable;
    using PinLines::ProgrammingClock;
    using PinLines::ProgrammingData;
    if (m_HasResetLine) {
        m_PinController->setValue(m_ResetLine.dout, m_ResetLine.mask, 1);
        m_PinController->setDirection(m_ResetLine.doe, m_ResetLine.mask,
                                      MemoryMappedPinController::Output);
        m_PinController->setValue(m_ResetLine.dout, m_ResetLine.mask, 0);
    }
    setLine(ProgrammingData, false);
    setLine(ProgrammingClock, false);
    m_PinController->setDirection(IspEnable.doe, IspEnable.mask, MemoryMappedPinController::Output);
    m_PinController->setDirection(ProgrammingData.doe, ProgrammingData.mask,
                                  MemoryMappedPinController::Output);
    m_PinController->setDirection(ProgrammingClock.doe, ProgrammingClock.mask,
                                  MemoryMappedPinController::Output);
    vGeneralDelay(BeforeIspEnable);
    setLine(IspEnable, true);
    vGeneralDelay(IspEnableToMclr);
    vReleaseMclr();
    vGeneralDelay(AfterMclrRelease);
}

void PicProgrammer::vReleaseMclr()
{
    if (m_HasResetLine)
        setLine(m_ResetLine, true);
}

void PicProgrammer::vRestoreIo()
{
    if (m_HasResetLine)
        setLine(m_ResetLine, true);
    setLine(PinLines::IspEnable, true);
    setLine(PinLines::ProgrammingData, false);
    setLine(PinLines::ProgrammingClock, false);
    vGeneralDelay(BeforeResetPulse);
    if (!m_HasResetLine)
        return;
    setLine(m_ResetLine, false);
    vGeneralDelay(ResetPulse);
    setLine(m_ResetLine, true);
    m_PinController->setDirection(m_ResetLine.doe, m_ResetLine.mask,
                                  MemoryMappedPinController::Input);
}

// ---- erase and blank check ----

void PicProgrammer::vPicBulkErase(unsigned char keyHigh, unsigned char keyLow)
{
    vSetCoreAddress(0x3C0005);
    vWriteCmd(TableWrite);
    vWriteOperand(keyHigh << 8 | keyHigh);
    vSetCoreAddress(0x3C0004);
    vWriteCmd(TableWrite);
    vWriteOperand(keyLow << 8 | keyLow);
    vCoreInstruction(Nop);
    vWriteCmd(CoreInstruction);
    // Data held low while the erase runs.
    for (int i = 0; i < 3; ++i)
        vGeneralDelay(BulkEraseHold);
    vGeneralDelay(AfterProgramming);
    vWriteOperand(0);
}

unsigned short PicProgrammer::u16ReadDeviceId()
{
    vSetCoreAddress(DeviceIdAddress);
    const unsigned char low = u8ReadNextAddress();
    const unsigned char high = u8ReadNextAddress();
    return static_cast<unsigned short>(high << 8 | low);
}

void PicProgrammer::finish()
{
    m_Finished = true;
    vRestoreIo();
}

bool PicProgrammer::canProgram(const char *operation) const
{
    if (m_PinController->isMapped() && m_HasResetLine)
        return true;
    qDebug() << operation << "- no pin controller or no PIC" << m_PicNumber;
    return false;
}

void PicProgrammer::ev_pic_begin_erase()
{
    m_Programmed = false;
    m_FailureReason.clear();
    if (!canProgram("ev_pic_begin_erase")) {
        m_Finished = true;
        emit eraseError();
        return;
    }
    vEnterIspMode();
    // Only a controller of a known family is erased. A missing or unpowered one leaves
    // the data line floating, which reads as all zeros or all ones; any other identity is
    // a chip whose memory this programmer does not know.
    m_RefusedDevice.clear();
    const unsigned short id = u16ReadDeviceId();
    if (!picFamily(id)) {
        m_RefusedDevice = pGetPicIdStr(id);
        qDebug().noquote() << "ev_pic_begin_erase - refused on channel" << m_PicNumber << ":"
                           << m_RefusedDevice;
        m_Finished = true;
        emit eraseError();
        return;
    }
    m_DeviceId = id;
    qDebug() << "ev_pic_begin_erase -" << pGetPicIdStr(id);
    // Boot block and code blocks 0 to 3; the data EEPROM and configuration stay.
    vPicBulkErase(0x00, 0x81);
    vPicBulkErase(0x01, 0x80);
    vPicBulkErase(0x02, 0x80);
    vPicBulkErase(0x04, 0x80);
    vPicBulkErase(0x08, 0x80);
    m_BlankCheckAddress = 0;
    QCoreApplication::postEvent(this, new QEvent(EraseNextBlockEvent));
}

bool PicProgrammer::u8PicBlankCheck(unsigned int start)
{
    vSetCoreAddress(start);
    for (unsigned int i = 0; i < BlankCheckBlock; ++i) {
        if (u8ReadNextAddress() != 0xFF)
            return false;
    }
    return true;
}

void PicProgrammer::ev_pic_erase_next_block()
{
    if (m_Finished)
        return;
    if (!u8PicBlankCheck(m_BlankCheckAddress)) {
        qDebug() << "ev_pic_erase_next_block - erase error " << Qt::hex << m_BlankCheckAddress;
        m_Finished = true;
        emit eraseError();
        return;
    }
    m_BlankCheckAddress += BlankCheckBlock;
    if (m_BlankCheckAddress > 0xFFFF) {
        emit eraseDone();
        return;
    }
    emit eraseNextBlock(int((100 * m_BlankCheckAddress) >> 16));
    QCoreApplication::postEvent(this, new QEvent(EraseNextBlockEvent));
}

bool PicProgrammer::event(QEvent *e)
{
    if (e->type() == EraseNextBlockEvent) {
        ev_pic_erase_next_block();
        return true;
    }
    return QObject::event(e);
}

// ---- programming ----

PicProgrammer::RecordTarget PicProgrammer::recordTarget(quint64 address, quint32 length)
{
    if (address + length > Q_UINT64_C(0x100000000))
        return Refused; // no address of a HEX file lies there
    if (address + length <= ProgramMemoryEnd)
        return ProgramMemory;
    if (address >= ConfigFirst && address <= ConfigLast)
        return Configuration;
    // Program memory past what was erased and checked: writing the rest would leave a
    // program with a hole in it.
    if (address < IdLocations)
        return Refused;
    return NotProgrammed; // identification locations, data EEPROM: not part of an update
}

bool PicProgrammer::loadHexFile(const QString &path, IntelHexFile *hex, QString *error)
{
    if (!hex->load(path)) {
        *error = hex->errorString();
        return false;
    }
    // What the file puts into program memory, byte by byte: two records that give one
    // byte different values cannot both verify, and the chip would be left half written.
    QByteArray image(int(ProgramMemoryEnd), '\0');
    QByteArray written(int(ProgramMemoryEnd), '\0');
    int programRecords = 0;
    quint64 upper = 0;
    for (const IntelHexFile::Record &record : hex->records()) {
        if (record.type == IntelHexFile::ExtendedLinearAddress) {
            upper = quint64(quint8(record.data.at(0)) << 8 | quint8(record.data.at(1))) << 16;
            continue;
        }
        if (record.data.isEmpty())
            continue;
        const quint64 address = upper + record.address;
        const RecordTarget target = recordTarget(address, quint32(record.data.size()));
        if (target == Refused) {
            *error = tr("line %1: record outside the controller's memory").arg(record.lineNumber);
            return false;
        }
        if (target != ProgramMemory)
            continue;
        ++programRecords;
        for (int i = 0; i < record.data.size(); ++i) {
            const int at = int(address) + i;
            if (written.at(at) && image.at(at) != record.data.at(i)) {
                *error = tr("line %1: a second value for the byte at %2")
                             .arg(record.lineNumber)
                             .arg(hexText(quint32(at), 4));
                return false;
            }
            written[at] = 1;
            image[at] = record.data.at(i);
        }
    }
    // The erase wipes the whole program: a file with nothing for it would leave the
    // channel blank.
    if (programRecords == 0) {
        *error = tr("no program memory to write");
        return false;
    }
    return true;
}

void PicProgrammer::programPic(const QString &hexFile)
{
    // The file is checked whole again: it is read anew, after the erase.
    m_FailureReason.clear();
    IntelHexFile hex;
    QString error;
    if (!loadHexFile(hexFile, &hex, &error)) {
        qDebug() << "Failed to open hex file: " << hexFile << error;
        m_FailureReason = tr("File refused after the erase - %1").arg(error);
        m_Programmed = false;
        finish();
        return;
    }
    m_UpperAddress = 0;
    bool failed = false;
    int programRecords = 0;
    int lastProgress = 0;
    for (const IntelHexFile::Record &record : hex.records()) {
        if (record.type == IntelHexFile::ExtendedLinearAddress) {
            m_UpperAddress = quint32(quint8(record.data.at(0)) << 8 | quint8(record.data.at(1)))
                << 16;
        } else if (!record.data.isEmpty()) {
            m_RecordLength = static_cast<unsigned char>(record.data.size());
            memcpy(m_RecordData, record.data.constData(), size_t(record.data.size()));
            m_RecordAddress = record.address + m_UpperAddress;
            if (recordTarget(m_RecordAddress, m_RecordLength) == ProgramMemory)
                ++programRecords;
            if (u8PicWriteRecord() != 0) {
                failed = true;
                qDebug() << "u8PicWriteRecord error";
                qDebug() << record.line;
                qDebug() << "Flash_Data_Len: " << m_RecordLength;
                qDebug() << "Flash_Address: " << Qt::hex << m_RecordAddress;
                break;
            }
        }
        const int progress = hex.fileSize() > 0 ? int(100 * record.fileBytes / hex.fileSize()) : 100;
        if (progress != lastProgress) {
            emit lineProgrammed(progress);
            lastProgress = progress;
        }
    }
    // Programmed means a program was written and read back, never merely no error.
    m_Programmed = !failed && programRecords > 0;
    finish();
}

unsigned char PicProgrammer::u8PicWriteRecord()
{
    quint32 address = m_RecordAddress;
    const quint32 length = m_RecordLength;
    const RecordTarget target = recordTarget(address, length);
    if (target == ProgramMemory) {
        unsigned char bytes[sizeof m_RecordData + 2];
        unsigned int count = 0;
        const bool odd = (address & 1) || ((address + length) & 1);
        if (odd)
            vEnterIspMode(); // the alignment reads need programming mode
        // Writes go by whole words: the device's own byte fills an odd start or end.
        if (address & 1) {
            --address;
            vSetCoreAddress(address);
            bytes[count++] = u8ReadNextAddress();
        }
        memcpy(bytes + count, m_RecordData, length);
        count += length;
        if (count & 1) {
            vSetCoreAddress(address + count);
            bytes[count] = u8ReadNextAddress();
            ++count;
        }
        // One piece per 64-byte row of the write buffer.
        for (unsigned int done = 0; done < count;) {
            const quint32 pieceStart = address + done;
            const quint32 rowEnd = (pieceStart / WriteBufferSize + 1) * WriteBufferSize;
            const unsigned int pieceLength = qMin<quint32>(rowEnd - pieceStart, count - done);
            vProgramPicFlash(pieceStart, static_cast<unsigned char>(pieceLength), bytes + done);
            done += pieceLength;
        }
        return u8VerifyPicRecord();
    }
    if (target == Configuration) {
        quint32 count = 0;
        for (; count < length && address + count <= ConfigLast; ++count)
            vProgramPicConfig(address + count, m_RecordData[count]);
        // Wrong oscillator, watchdog or protection fuses can leave a controller dead: a
        // write that did not take (a protected or failing part) is a failure.
        return u8VerifyPicConfig(address, count);
    }
    if (target == Refused) {
        qDebug() << "u8PicWriteRecord - outside program memory" << Qt::hex << address;
        return 1;
    }
    return 0;
}

void PicProgrammer::vProgramPicFlash(unsigned int address, unsigned char length,
                                     const unsigned char *bytes)
{
    vEnterIspMode();
    if (length < 2)
        return;
    vCoreInstruction(SetEepgd);
    vCoreInstruction(ClearCfgs);
    vSetCoreAddress(address);
    for (unsigned int i = 0; i + 1 < length; i += 2) {
        const unsigned short word = static_cast<unsigned short>(bytes[i] | bytes[i + 1] << 8);
        if (i + 2 < length) {
            vWriteCmd(TableWritePostIncrement2);
            vWriteOperand(word);
            vGeneralDelay(AfterCommand);
        } else {
            vWriteCmd(TableWriteStartProgramming);
            vWriteOperand(word);
        }
    }
    vProgramFlashCmd();
    vWriteOperand(0);
    vGeneralDelay(AfterProgramming);
}

void PicProgrammer::vProgramPicConfig(unsigned int address, unsigned char value)
{
    vEnterIspMode();
    vCoreInstruction(SetEepgd);
    vCoreInstruction(SetCfgs);
    vSetCoreAddress(address);
    vWriteCmd(TableWriteStartProgramming);
    vWriteOperand(static_cast<unsigned short>(value << 8 | value));
    vProgramFlashCmd();
    vWriteOperand(0);
    vGeneralDelay(AfterProgramming);
}

void PicProgrammer::noteVerifyMismatch(quint32 address, unsigned char wanted, unsigned char actual)
{
    u32VerifyAddress = address;
    u8VerifyCorrect = wanted;
    u8VerifyActual = actual;
    qDebug() << "u32VerifyAddress: " << Qt::hex << u32VerifyAddress
             << "u8VerifyCorrect: " << u8VerifyCorrect << "u8VerifyActual" << u8VerifyActual;
    const bool config = address >= ConfigFirst;
    m_FailureReason = (config ? tr("Configuration byte %1 not written: asked %2, read %3")
                              : tr("Verify failed at %1: asked %2, read %3"))
                          .arg(hexText(address, config ? 6 : 4), hexText(wanted, 2),
                               hexText(actual, 2));
}

unsigned char PicProgrammer::u8VerifyPicRecord()
{
    vEnterIspMode();
    vSetCoreAddress(m_RecordAddress);
    for (unsigned int i = 0; i < m_RecordLength; ++i) {
        const unsigned char actual = u8ReadNextAddress();
        if (actual != m_RecordData[i]) {
            noteVerifyMismatch(m_RecordAddress + i, m_RecordData[i], actual);
            return 1;
        }
    }
    return 0;
}

unsigned char PicProgrammer::u8VerifyPicConfig(quint32 address, quint32 count)
{
    vEnterIspMode();
    // Programming that did not begin with the erase has not read the identity yet.
    if (!picFamily(m_DeviceId))
        m_DeviceId = u16ReadDeviceId();
    vSetCoreAddress(address);
    for (quint32 i = 0; i < count; ++i) {
        const unsigned char actual = u8ReadNextAddress();
        if ((actual ^ m_RecordData[i]) & configurationMask(m_DeviceId, address + i)) {
            noteVerifyMismatch(address + i, m_RecordData[i], actual);
            return 1;
        }
    }
    return 0;
}

// ---- reset and identification ----

void PicProgrammer::ev_pic_reset(bool startTimer)
{
    if (!m_HasResetLine)
        return;
    m_PinController->setValue(m_ResetLine.dout, m_ResetLine.mask, 1);
    m_PinController->setDirection(m_ResetLine.doe, m_ResetLine.mask,
                                  MemoryMappedPinController::Output);
    m_PinController->setValue(m_ResetLine.dout, m_ResetLine.mask, 0);
    if (startTimer)
        m_ResetTimer->start();
}

void PicProgrammer::ev_pic_reset_timer()
{
    vRestoreIo();
}

void PicProgrammer::ev_pic_end_isp()
{
    vRestoreIo();
}

unsigned short PicProgrammer::u16ReadPic()
{
    vEnterIspMode();
    const unsigned short id = u16ReadDeviceId();
    vSetCoreAddress(ConfigFirst);
    for (unsigned char &b : au8DeviceConfig)
        b = u8ReadNextAddress();
    vRestoreIo();
    return id;
}

void PicProgrammer::ev_pic_read()
{
    if (!canProgram("ev_pic_read"))
        return;
    u16DeviceId_1 = u16ReadPic();
    vEnterIspMode();
    vSetCoreAddress(0);
    for (unsigned char &b : au8ReadPicData)
        b = u8ReadNextAddress();
    for (unsigned int i = 0; i < ReadBytes; ++i)
        au8ReadPicData[i] = readEepromByte(static_cast<unsigned short>(i));
    vRestoreIo();
}

unsigned short PicProgrammer::deviceId()
{
    return u16DeviceId_1;
}

QByteArray PicProgrammer::deviceConfig()
{
    return QByteArray(reinterpret_cast<const char *>(au8DeviceConfig), sizeof au8DeviceConfig);
}

QByteArray PicProgrammer::readPicData()
{
    return QByteArray(reinterpret_cast<const char *>(au8ReadPicData), sizeof au8ReadPicData);
}

QByteArray PicProgrammer::eepromCopy()
{
    return QByteArray(reinterpret_cast<const char *>(au8EepromCopy), sizeof au8EepromCopy);
}

// ---- flash rows and data EEPROM ----

void PicProgrammer::vEraseProgramMemory(unsigned int address)
{
    if (!canProgram("vEraseProgramMemory"))
        return;
    vEnterIspMode();
    // The chip erases the row that holds the table pointer.
    const unsigned int first = address & ~(WriteBufferSize - 1);
    for (unsigned int row = 0; row < EraseRows; ++row) {
        const unsigned int rowAddress = first + row * WriteBufferSize;
        if (rowAddress >= ProgramMemoryEnd)
            break;
        vCoreInstruction(SetEepgd);
        vCoreInstruction(ClearCfgs);
        vCoreInstruction(SetWren);
        vSetCoreAddress(rowAddress);
        vCoreInstruction(SetFree);
        vCoreInstruction(SetWr);
        vProgramFlashCmd();
        vWriteOperand(0);
        vGeneralDelay(AfterProgramming);
    }
    vRestoreIo();
}

unsigned char PicProgrammer::u8ShiftOutTablat()
{
    vWriteCmd(ShiftOutTablat);
    vWriteByte(0);
    return u8ReadByte();
}

void PicProgrammer::vSetEepromAddress(unsigned short address)
{
    vCoreInstruction(ClearEepgd);
    vCoreInstruction(ClearCfgs);
    vCoreInstruction(0x0E00 | (address & 0xFF));
    vCoreInstruction(MovwfEeadr);
    vCoreInstruction(0x0E00 | ((address >> 8) & 0xFF));
    vCoreInstruction(MovwfEeadrh);
}

unsigned char PicProgrammer::readEepromByte(unsigned short address)
{
    vSetEepromAddress(address);
    vCoreInstruction(SetRd);
    vCoreInstruction(MovfEedata);
    vCoreInstruction(MovwfTablat);
    vCoreInstruction(Nop);
    return u8ShiftOutTablat();
}

bool PicProgrammer::writeEepromByte(unsigned short address, unsigned char value)
{
    vSetEepromAddress(address);
    vCoreInstruction(0x0E00 | value);
    vCoreInstruction(MovwfEedata);
    vCoreInstruction(SetWren);
    vCoreInstruction(SetWr);
    // WR stays set until the byte is written. The wait is bounded: a data line with
    // nothing on it can read as WR set for ever.
    for (qint64 waited = 0;; waited += delayNanoseconds(AfterProgramming)) {
        vCoreInstruction(MovfEecon1);
        vCoreInstruction(MovwfTablat);
        vCoreInstruction(Nop);
        if (!(u8ShiftOutTablat() & Eecon1Wr))
            break;
        if (waited >= EepromWriteLimit) {
            qDebug() << "vWritePicEeprom - write did not end at" << Qt::hex << address;
            return false;
        }
        vGeneralDelay(AfterProgramming);
    }
    vGeneralDelay(AfterProgramming);
    return true;
}

unsigned char PicProgrammer::u8ReadPicEeprom(unsigned short address)
{
    if (address >= EepromSize || !canProgram("u8ReadPicEeprom"))
        return 0xFF;
    vEnterIspMode();
    const unsigned char value = readEepromByte(address);
    vRestoreIo();
    return value;
}

void PicProgrammer::vWritePicEeprom(unsigned short address, unsigned char value)
{
    // The chip would take the low ten bits and overwrite another byte.
    if (address >= EepromSize) {
        qDebug() << "vWritePicEeprom - address outside the data EEPROM" << Qt::hex << address;
        return;
    }
    if (!canProgram("vWritePicEeprom"))
        return;
    vEnterIspMode();
    writeEepromByte(address, value);
    vRestoreIo();
}

void PicProgrammer::vGetEepromCopy()
{
    s32EepromCopyPic = 0;
    if (!canProgram("vGetEepromCopy"))
        return;
    vEnterIspMode();
    // A line with no controller on it reads as all zeros or all ones: not a copy.
    const unsigned short id = u16ReadDeviceId();
    if (id == 0x0000 || id == 0xFFFF) {
        qDebug() << "vGetEepromCopy - no PIC answers on channel" << m_PicNumber;
        vRestoreIo();
        return;
    }
    for (unsigned int i = 0; i < EepromSize; ++i)
        au8EepromCopy[i] = readEepromByte(static_cast<unsigned short>(i));
    s32EepromCopyPic = m_PicNumber;
    vRestoreIo();
}

void PicProgrammer::vRestoreEeprom()
{
    // Writing back a copy never taken, or taken from another channel, would replace this
    // controller's data with wrong bytes.
    if (s32EepromCopyPic != m_PicNumber) {
        qDebug() << "vRestoreEeprom - no copy of the data EEPROM of PIC" << m_PicNumber;
        return;
    }
    if (!canProgram("vRestoreEeprom"))
        return;
    vEnterIspMode();
    for (unsigned int i = 0; i < EepromSize; ++i) {
        if (!writeEepromByte(static_cast<unsigned short>(i), au8EepromCopy[i]))
            break;
    }
    vRestoreIo();
}

bool PicProgrammer::u8ValidPicId(unsigned short id)
{
    return (id & 0xFFE0) == 0x0C00;
}

QString PicProgrammer::pGetPicIdStr(unsigned short id)
{
    const PicFamily *family = picFamily(id);
    if (!family)
        return QStringLiteral("Unknown PIC: %1").arg(id);
    return QStringLiteral("%1 version %2").arg(QLatin1String(family->name)).arg(id & 0x1F);
}

quint8 PicProgrammer::configurationMask(unsigned short deviceId, quint32 address)
{
    if (address < ConfigFirst || address > ConfigLast)
        return 0;
    const PicFamily *family = picFamily(deviceId);
    return family ? family->configBits[address - ConfigFirst] : 0xFF;
}
