#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <memory>

class HostPinPage;

// A PIC18 channel controller with 64 KB of flash on the host pin page, as the in-circuit
// programmer sees it: it enters programming mode when its reset line is driven from low to
// high while the ISP-enable line is high and the clock and data lines are low, leaves it
// when the line is released or pulled low, takes 4-bit commands and
// 16-bit operands on the falling clock edges, drives the data line on table reads, and
// models the table pointer, the 64-byte write buffer, the bulk-erase keys, configuration
// bytes and the device identifier. Flash programming only clears bits, as on the chip.
// Core instructions also reach EECON1, EEADR/EEADRH, EEDATA and TABLAT: enough for the
// 1024-byte data EEPROM (read, and written in a time of its own while WR stays set) and
// for erasing one 64-byte row of flash with FREE and WR.
//
// Time is virtual: useAsDelaySource() makes the programmer's waits advance this clock,
// and every programming minimum (clock half periods, entry hold, programming time,
// discharge time, bulk-erase time) is checked against it. A write or erase that was not
// given its time does not happen and is listed in violations().
class Pic18Simulator
{
public:
    enum State { Reset, Running, Programming };

    Pic18Simulator(std::shared_ptr<HostPinPage> page, int picNumber);
    ~Pic18Simulator();

    void useAsDelaySource();
    qint64 now() const { return m_now; }
    void advance(qint64 ns) { m_now += ns; }

    State state() const;
    QByteArray programMemory() const { return m_flash; }
    void setProgramMemory(quint32 address, const QByteArray &bytes);
    QByteArray configuration() const { return m_config; }
    void setConfiguration(const QByteArray &bytes) { m_config = bytes; }
    void setDeviceId(quint16 id) { m_deviceId = id; }
    QByteArray dataEeprom() const { return m_eeprom; }
    void setDataEeprom(quint32 address, const QByteArray &bytes);

    // Faults: a bit that always reads at one level; a range that no erase clears; no
    // controller on the lines at all (the data line then floats at the given level).
    void setStuckBit(quint32 address, int bit, bool level);
    void setUnerasable(quint32 first, quint32 last);
    void setAbsent(bool floatingHigh);
    // Configuration writes that never take, as on a write-protected or failing part.
    void setConfigurationWritesRefused(bool refused) { m_configRefused = refused; }
    // The bits each of the 14 configuration bytes implements (all of them unless set):
    // the others read as 0 and keep nothing written to them.
    void setImplementedConfigurationBits(const QByteArray &masks) { m_configBits = masks; }

    QStringList violations() const { return m_violations; }
    QList<quint16> eraseKeys() const { return m_eraseKeys; }
    int programmingEntries() const { return m_entries; }
    int rowWrites() const { return m_rowWrites; }
    QList<quint32> configWrites() const { return m_configWrites; }
    QList<quint32> rowErases() const { return m_rowErases; }
    int eepromWrites() const { return m_eepromWrites; }

private:
    struct Levels
    {
        bool mclr, mclrDriven, pgc, pgd, pgdOutput, isp;
    };
    Levels levels() const;
    void onWrite();
    void risingEdge();
    void fallingEdge(bool bit);
    void enterProgramming();
    void execute(quint8 command, quint16 operand);
    quint8 readByte(quint32 address) const;
    void drive(bool level);
    void commitWrite(qint64 highTime);
    void commitRowErase(qint64 highTime);
    void setEecon1Bit(int bit, bool set);
    void startWrite();
    void settleEepromWrite();
    void leaveProgramming();
    bool erasable(quint32 address) const;
    void bulkErase(quint16 key);

    std::shared_ptr<HostPinPage> m_page;
    unsigned m_resetDout, m_resetDoe, m_resetMask;
    Levels m_last{};

    QByteArray m_flash;
    QByteArray m_config;
    QByteArray m_configBits;
    bool m_configRefused = false;
    quint16 m_deviceId = 0x0C07;
    QByteArray m_buffer;
    bool m_programming = false;
    bool m_absent = false;
    bool m_floatingHigh = false;

    // Bit stream.
    bool m_inCommand = true;
    int m_bit = 0;
    quint8 m_command = 0;
    quint16 m_operand = 0;
    quint8 m_outByte = 0;
    // Core.
    quint8 m_w = 0;
    quint32 m_tblptr = 0;
    quint8 m_eecon1 = 0;
    quint8 m_eraseLow = 0, m_eraseHigh = 0;
    int m_nopsSinceKey = -1;
    bool m_eraseHolding = false;
    qint64 m_eraseHoldStart = 0;
    bool m_writeArmed = false;
    quint32 m_writeAddress = 0;
    quint16 m_writeWord = 0;
    bool m_dischargePending = false;
    bool m_rowEraseArmed = false;
    quint32 m_rowEraseAddress = 0;
    // Data EEPROM.
    QByteArray m_eeprom;
    quint16 m_eeadr = 0;
    quint8 m_eedata = 0;
    quint8 m_tablat = 0;
    bool m_eepromWriting = false;
    qint64 m_eepromWriteEnd = 0;
    quint16 m_eepromWriteAddress = 0;
    quint8 m_eepromWriteData = 0;

    qint64 m_now = 0;
    qint64 m_lastRise = -1, m_lastFall = -1, m_entryTime = 0;
    bool m_firstClockChecked = true;
    bool m_delaySourceInstalled = false;

    struct Stuck { quint32 address; quint8 mask; bool level; };
    QList<Stuck> m_stuck;
    QList<QPair<quint32, quint32>> m_unerasable;
    QStringList m_violations;
    QList<quint16> m_eraseKeys;
    QList<quint32> m_configWrites;
    QList<quint32> m_rowErases;
    int m_eepromWrites = 0;
    int m_entries = 0;
    int m_rowWrites = 0;
};
