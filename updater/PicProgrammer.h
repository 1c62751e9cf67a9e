#pragma once

#include "PinLines.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class IntelHexFile;
class MemoryMappedPinController;
class QTimer;

// Erases, blank-checks, programs and verifies the flash and configuration bytes of one
// channel controller (PIC18, numbered 1..4) from an Intel HEX file, by clocking the in-circuit
// serial programming protocol on the pin controller's lines one bit at a time.
//
// A job: ev_pic_begin_erase() erases and then blank-checks one 512-byte block per posted
// event; eraseDone() (after which the caller calls programPic()) or eraseError() follows.
// isFinished() becomes true on every path, and the lines are restored at its end.
//
// Outside that job the programmer can also read the controller (identifier, configuration,
// data EEPROM), erase rows of its flash and write, copy and restore its data EEPROM; each
// of these enters programming mode itself and leaves the lines restored.
class PicProgrammer : public QObject
{
    Q_OBJECT
public:
    // The waits of the protocol, by role.
    enum PIC_DELAY {
        ClockHalfPeriod = 0,
        AfterCommand = 1,
        Unused2 = 2,
        AfterOperandByte = 3,
        ProgrammingTime = 4,
        AfterProgramming = 5,
        BulkEraseHold = 6,
        AfterMclrRelease = 7,
        BeforeIspEnable = 8,
        IspEnableToMclr = 9,
        BeforeResetPulse = 10,
        ResetPulse = 11,
    };
    // The least time each kind lasts, in nanoseconds.
    static qint64 delayNanoseconds(PIC_DELAY kind);

    // parent is not used: a programmer belongs to the command that made it.
    explicit PicProgrammer(int picNumber, QObject *parent = nullptr);
    ~PicProgrammer() override;

    // Before a programmer is made: holds all four channel controllers in reset and raises
    // the ISP-enable line. False, with no line touched, when the pin controller cannot be
    // reached.
    static bool holdAllInReset();
    // After the job, whatever its outcome: every line back to idle, all four controllers
    // released to run.
    static void releaseAllLines();

    void ev_pic_begin_erase();
    void programPic(const QString &hexFile);
    bool isFinished() const { return m_Finished; }
    bool isProgrammed() const { return m_Programmed; }
    // Set when the erase was refused because the controller is none of the known
    // families: its name as pGetPicIdStr() gives it ("Unknown PIC: ..."); empty otherwise.
    QString refusedDevice() const { return m_RefusedDevice; }
    // Why programming failed, for the operator: a byte that did not read back as written
    // (its address, the byte asked for and the byte read), or a file refused after the
    // erase. Empty when programming did not fail or never began.
    QString failureReason() const { return m_FailureReason; }

    // Holds the chosen controller in reset; with startTimer the lines are restored 20 ms
    // later.
    void ev_pic_reset(bool startTimer);

    // Reads the device identifier and the configuration bytes, then the first program
    // memory bytes and over them the first data EEPROM bytes; deviceId(), deviceConfig()
    // and readPicData() hold what was read.
    void ev_pic_read();
    // Erases eight 64-byte rows of flash, from the row holding address up to the end of
    // program memory.
    void vEraseProgramMemory(unsigned int address);
    // One byte of the 1024-byte data EEPROM; 0xFF for an address outside it.
    unsigned char u8ReadPicEeprom(unsigned short address);
    // Writes one byte and waits for the write to end; an address outside the EEPROM is
    // refused.
    void vWritePicEeprom(unsigned short address, unsigned char value);
    // The whole data EEPROM into eepromCopy(), and back into the same controller (only
    // into the controller the copy was read from).
    void vGetEepromCopy();
    void vRestoreEeprom();

    static unsigned short deviceId();
    static QByteArray deviceConfig();
    static QByteArray readPicData();
    static QByteArray eepromCopy();

    // Where a data record of a HEX file goes, by its absolute address and length.
    enum RecordTarget { ProgramMemory, Configuration, NotProgrammed, Refused };
    static RecordTarget recordTarget(quint64 address, quint32 length);
    // The one check of a HEX file, made before the controller is touched and again when it
    // is programmed: false, with the reason, when the file cannot be read, holds a record
    // that programming would refuse (program memory past what is erased, a record running
    // past the end of the address space), gives one program memory byte two values, or
    // holds nothing for program memory at all.
    static bool loadHexFile(const QString &path, IntelHexFile *hex, QString *error);

    // The bits of the configuration byte at address that a controller of this identity
    // implements; the others read back as 0 whatever is written, and are not compared.
    // Every bit of a controller of no known family.
    static quint8 configurationMask(unsigned short deviceId, quint32 address);

    static bool u8ValidPicId(unsigned short id);
    static QString pGetPicIdStr(unsigned short id);

    bool event(QEvent *e) override;

signals:
    void eraseNextBlock(int percentDone);
    void eraseDone();
    void eraseError();
    void lineProgrammed(int percentComplete);
    void endIsp();

public slots:
    void ev_pic_reset_timer();
    void ev_pic_end_isp();

private:
    void ev_pic_erase_next_block();
    void finish();

    void setLine(const PinLines::Line &line, bool high);
    void vGeneralDelay(PIC_DELAY kind);
    void vClockBits(unsigned int bits, int count);
    void vWriteCmd(unsigned char cmd);
    void vWriteByte(unsigned char b);
    void vWriteOperand(unsigned short operand);
    void vCoreInstruction(unsigned short instruction);
    unsigned char u8ReadByte();
    unsigned char u8ReadNextAddress();
    void vSetCoreAddress(unsigned int address);
    void vProgramFlashCmd();
    void vEnterIspMode();
    void vReleaseMclr();
    void vRestoreIo();
    void vPicBulkErase(unsigned char keyHigh, unsigned char keyLow);
    bool u8PicBlankCheck(unsigned int start);
    unsigned short u16ReadDeviceId();
    unsigned char u8PicWriteRecord();
    void vProgramPicFlash(unsigned int address, unsigned char length, const unsigned char *bytes);
    void vProgramPicConfig(unsigned int address, unsigned char value);
    unsigned char u8VerifyPicRecord();
    unsigned char u8VerifyPicConfig(quint32 address, quint32 count);
    void noteVerifyMismatch(quint32 address, unsigned char wanted, unsigned char actual);
    bool canProgram(const char *operation) const;
    unsigned short u16ReadPic();
    unsigned char u8ShiftOutTablat();
    void vSetEepromAddress(unsigned short address);
    unsigned char readEepromByte(unsigned short address);
    bool writeEepromByte(unsigned short address, unsigned char value);

    // The largest record a HEX line can carry.
    unsigned char m_RecordData[255] = {};
    unsigned char m_RecordLength = 0;
    quint32 m_RecordAddress = 0;
    quint32 m_BlankCheckAddress = 0;
    QTimer *m_ResetTimer;
    MemoryMappedPinController *m_PinController;
    int m_PicNumber;
    PinLines::Line m_ResetLine{};
    bool m_HasResetLine = false;
    quint32 m_UpperAddress = 0;
    bool m_Finished = false;
    bool m_Programmed = false;
    QString m_RefusedDevice;
    unsigned short m_DeviceId = 0;
    QString m_FailureReason;
};
