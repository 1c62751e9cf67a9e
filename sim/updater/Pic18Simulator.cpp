#include "Pic18Simulator.h"

#include "HostPinPage.h"
#include "PicDelay.h"
#include "PinLines.h"

namespace {
constexpr qint64 MinClockHalfPeriod = 40;     // ns
constexpr qint64 MinEntryHold = 2000;         // ns, reset release to the first clock
constexpr qint64 MinProgrammingTime = 1000000; // ns, clock held high
constexpr qint64 MinDischarge = 100000;       // ns, clock low after programming
constexpr qint64 MinBulkErase = 5100000;      // ns, erase plus discharge
constexpr quint32 FlashSize = 0x10000;
constexpr quint32 ConfigBase = 0x300000;
constexpr int ConfigSize = 14;
constexpr int EepromSize = 1024;
constexpr qint64 EepromWriteTime = 4000000; // ns, a data EEPROM byte

// EECON1 bits.
constexpr int Rd = 0, Wr = 1, Wren = 2, Free = 4, Cfgs = 6, Eepgd = 7;

bool isRead(quint8 command)
{
    return command == 0x9 || command == 0x8 || command == 0xA || command == 0xB || command == 0x2;
}
} // namespace

Pic18Simulator::Pic18Simulator(std::shared_ptr<HostPinPage> page, int picNumber)
    : m_page(std::move(page)), m_flash(FlashSize, char(0xFF)), m_config(ConfigSize, char(0xFF)),
      m_configBits(ConfigSize, char(0xFF)), m_buffer(64, char(0xFF)),
      m_eeprom(EepromSize, char(0xFF))
{
    PinLines::Line reset{};
    PinLines::resetLine(picNumber, &reset);
    m_resetDout = reset.dout;
    m_resetDoe = reset.doe;
    m_resetMask = reset.mask;
    m_last = levels();
    m_page->addObserver([this](unsigned, quint32, quint32) { onWrite(); });
}

Pic18Simulator::~Pic18Simulator()
{
    if (m_delaySourceInstalled)
        PicDelay::setSource({});
}

void Pic18Simulator::useAsDelaySource()
{
    PicDelay::setSource([this](qint64 ns) { advance(ns); });
    m_delaySourceInstalled = true;
}

Pic18Simulator::State Pic18Simulator::state() const
{
    if (!levels().mclr)
        return Reset;
    return m_programming ? Programming : Running;
}

void Pic18Simulator::setProgramMemory(quint32 address, const QByteArray &bytes)
{
    m_flash.replace(int(address), bytes.size(), bytes);
}

void Pic18Simulator::setDataEeprom(quint32 address, const QByteArray &bytes)
{
    m_eeprom.replace(int(address), bytes.size(), bytes);
}

void Pic18Simulator::setStuckBit(quint32 address, int bit, bool level)
{
    m_stuck.append({address, quint8(1u << bit), level});
}

void Pic18Simulator::setUnerasable(quint32 first, quint32 last)
{
    m_unerasable.append({first, last});
}

void Pic18Simulator::setAbsent(bool floatingHigh)
{
    m_absent = true;
    m_floatingHigh = floatingHigh;
    drive(floatingHigh);
}

Pic18Simulator::Levels Pic18Simulator::levels() const
{
    const auto bit = [this](unsigned offset, quint32 mask) { return (m_page->read(offset) & mask) != 0; };
    using namespace PinLines;
    Levels l{};
    // An undriven reset line is pulled up: the controller runs.
    l.mclrDriven = bit(m_resetDoe, m_resetMask);
    l.mclr = l.mclrDriven ? bit(m_resetDout, m_resetMask) : true;
    l.pgc = bit(ProgrammingClock.doe, ProgrammingClock.mask)
        && bit(ProgrammingClock.dout, ProgrammingClock.mask);
    l.pgdOutput = bit(ProgrammingData.doe, ProgrammingData.mask);
    l.pgd = l.pgdOutput && bit(ProgrammingData.dout, ProgrammingData.mask);
    l.isp = bit(IspEnable.doe, IspEnable.mask) && bit(IspEnable.dout, IspEnable.mask);
    return l;
}

void Pic18Simulator::onWrite()
{
    const Levels now = levels();
    const Levels before = m_last;
    m_last = now;
    if (m_absent)
        return;
    if (before.mclr && !now.mclr) {
        leaveProgramming();
        m_writeArmed = false;
        m_eraseHolding = false;
        return;
    }
    if (!before.mclr && now.mclr) {
        // Programming voltage reaches the reset pin only while the line is driven high
        // with ISP enabled; a released line is pulled up and the controller runs.
        if (now.mclrDriven && now.isp && !now.pgc && !now.pgd)
            enterProgramming();
        return;
    }
    if (m_programming && !now.mclrDriven) {
        leaveProgramming();
        return;
    }
    if (!m_programming)
        return;
    if (!before.pgc && now.pgc) {
        risingEdge();
    } else if (before.pgc && !now.pgc) {
        fallingEdge(now.pgd);
    }
}

void Pic18Simulator::leaveProgramming()
{
    if (!m_programming)
        return;
    m_programming = false;
    m_rowEraseArmed = false;
    // A reset stops a data EEPROM write that has not had its time.
    settleEepromWrite();
    if (m_eepromWriting) {
        m_eepromWriting = false;
        m_violations << QStringLiteral("data EEPROM write at %1 cut short")
                            .arg(m_eepromWriteAddress, 0, 16);
    }
}

void Pic18Simulator::enterProgramming()
{
    m_programming = true;
    ++m_entries;
    m_entryTime = m_now;
    m_firstClockChecked = false;
    m_inCommand = true;
    m_bit = 0;
    m_command = 0;
    m_operand = 0;
    m_tblptr = 0;
    m_eecon1 = 0;
    m_w = 0;
    m_eeadr = 0;
    m_eedata = 0;
    m_tablat = 0;
    m_rowEraseArmed = false;
    m_nopsSinceKey = -1;
    m_buffer.fill(char(0xFF));
    m_lastRise = m_lastFall = -1;
}

void Pic18Simulator::risingEdge()
{
    if (!m_firstClockChecked) {
        m_firstClockChecked = true;
        if (m_now - m_entryTime < MinEntryHold)
            m_violations << QStringLiteral("entry hold %1 ns").arg(m_now - m_entryTime);
    }
    if (m_lastFall >= 0 && m_now - m_lastFall < MinClockHalfPeriod)
        m_violations << QStringLiteral("clock low %1 ns").arg(m_now - m_lastFall);
    if (m_dischargePending) {
        m_dischargePending = false;
        if (m_now - m_lastFall < MinDischarge)
            m_violations << QStringLiteral("discharge %1 ns").arg(m_now - m_lastFall);
    }
    if (m_eraseHolding) {
        m_eraseHolding = false;
        const qint64 held = m_now - m_eraseHoldStart;
        if (held >= MinBulkErase)
            bulkErase(quint16(m_eraseHigh << 8 | m_eraseLow));
        else
            m_violations << QStringLiteral("bulk erase %1 ns").arg(held);
    }
    m_lastRise = m_now;
    // Table read: the second half of the operand comes from the device, a bit per clock.
    if (!m_inCommand && isRead(m_command) && m_bit >= 8) {
        if (m_last.pgdOutput)
            m_violations << QStringLiteral("data line driven by both sides");
        drive((m_outByte >> (m_bit - 8)) & 1);
    }
}

void Pic18Simulator::fallingEdge(bool bit)
{
    const qint64 high = m_now - m_lastRise;
    if (m_lastRise >= 0 && high < MinClockHalfPeriod)
        m_violations << QStringLiteral("clock high %1 ns").arg(high);
    m_lastFall = m_now;
    if (m_inCommand) {
        m_command |= quint8(bit) << m_bit;
        if (++m_bit < 4)
            return;
        if (m_command == 0 && m_writeArmed) {
            m_writeArmed = false;
            commitWrite(high);
        }
        if (m_command == 0 && m_rowEraseArmed) {
            m_rowEraseArmed = false;
            commitRowErase(high);
        }
        if (m_command == 0 && m_nopsSinceKey == 1) {
            m_nopsSinceKey = -1;
            m_eraseHolding = true;
            m_eraseHoldStart = m_now;
        }
        m_inCommand = false;
        m_bit = 0;
        m_operand = 0;
        return;
    }
    if (isRead(m_command)) {
        if (++m_bit == 8) {
            if (m_command != 0x2)
                m_tablat = readByte(m_tblptr);
            m_outByte = m_tablat;
            if (m_command == 0x9 || m_command == 0xB)
                m_tblptr = (m_tblptr + 1) & 0x3FFFFF;
            else if (m_command == 0xA)
                m_tblptr = (m_tblptr - 1) & 0x3FFFFF;
        }
    } else {
        m_operand |= quint16(bit) << m_bit;
        ++m_bit;
    }
    if (m_bit == 16) {
        if (!isRead(m_command))
            execute(m_command, m_operand);
        m_inCommand = true;
        m_bit = 0;
        m_command = 0;
    }
}

void Pic18Simulator::execute(quint8 command, quint16 operand)
{
    const quint8 low = operand & 0xFF;
    const quint8 high = operand >> 8;
    settleEepromWrite();
    switch (command) {
    case 0x0:
        if ((operand & 0xFF00) == 0x0E00) {
            m_w = low;
        } else if (operand == 0x6EF8) {
            m_tblptr = (m_tblptr & 0x00FFFF) | quint32(m_w & 0x3F) << 16;
        } else if (operand == 0x6EF7) {
            m_tblptr = (m_tblptr & 0x3F00FF) | quint32(m_w) << 8;
        } else if (operand == 0x6EF6) {
            m_tblptr = (m_tblptr & 0x3FFF00) | m_w;
        } else if (operand == 0x6EA9) { // MOVWF EEADR
            m_eeadr = (m_eeadr & 0x300) | m_w;
        } else if (operand == 0x6EAA) { // MOVWF EEADRH
            m_eeadr = quint16((m_eeadr & 0xFF) | (m_w & 0x03) << 8);
        } else if (operand == 0x6EA8) { // MOVWF EEDATA
            m_eedata = m_w;
        } else if (operand == 0x6EF5) { // MOVWF TABLAT
            m_tablat = m_w;
        } else if (operand == 0x50A6) { // MOVF EECON1, W
            m_w = m_eecon1;
        } else if (operand == 0x50A8) { // MOVF EEDATA, W
            m_w = m_eedata;
        } else if ((operand & 0xE1FF) == 0x80A6) {
            // BSF/BCF EECON1, bit
            setEecon1Bit((operand >> 9) & 7, !(operand & 0x1000));
        } else if (operand == 0x0000) {
            if (m_nopsSinceKey >= 0)
                ++m_nopsSinceKey;
        } else {
            m_violations << QStringLiteral("unknown instruction %1").arg(operand, 4, 16, QLatin1Char('0'));
        }
        break;
    case 0xC:
        if (m_tblptr == 0x3C0005) {
            m_eraseHigh = (m_tblptr & 1) ? high : low;
        } else if (m_tblptr == 0x3C0004) {
            m_eraseLow = low;
            m_nopsSinceKey = 0;
        } else {
            m_buffer[int(m_tblptr & 63)] = char((m_tblptr & 1) ? high : low);
        }
        break;
    case 0xD:
    case 0xF:
        m_buffer[int(m_tblptr & 62)] = char(low);
        m_buffer[int((m_tblptr & 62) + 1)] = char(high);
        if (command == 0xD) {
            m_tblptr = (m_tblptr + 2) & 0x3FFFFF;
        } else {
            m_writeArmed = true;
            m_writeAddress = m_tblptr;
            m_writeWord = operand;
        }
        break;
    default:
        m_violations << QStringLiteral("unknown command %1").arg(command);
    }
}

void Pic18Simulator::setEecon1Bit(int bit, bool set)
{
    if (!set) {
        if (bit != Wr) // only the hardware ends a write
            m_eecon1 &= quint8(~(1u << bit));
        return;
    }
    if (bit == Rd) {
        // Reads the data EEPROM at once; RD clears itself.
        if (!(m_eecon1 & (1u << Eepgd | 1u << Cfgs)))
            m_eedata = quint8(m_eeprom.at(m_eeadr));
        else
            m_violations << QStringLiteral("RD with EECON1 %1").arg(m_eecon1, 0, 16);
        return;
    }
    if (bit == Wr) {
        startWrite();
        return;
    }
    m_eecon1 |= quint8(1u << bit);
}

void Pic18Simulator::startWrite()
{
    if (!(m_eecon1 & (1u << Wren))) {
        m_violations << QStringLiteral("WR without WREN");
        return;
    }
    if (m_eecon1 & (1u << Wr)) {
        m_violations << QStringLiteral("WR while a write runs");
        return;
    }
    const bool flash = m_eecon1 & (1u << Eepgd);
    const bool config = m_eecon1 & (1u << Cfgs);
    if (flash && !config && (m_eecon1 & (1u << Free))) {
        // The erase runs while the clock is held high in the next NOP.
        m_rowEraseArmed = true;
        m_rowEraseAddress = m_tblptr & ~63u;
    } else if (!flash && !config) {
        m_eepromWriting = true;
        m_eepromWriteEnd = m_now + EepromWriteTime;
        m_eepromWriteAddress = m_eeadr;
        m_eepromWriteData = m_eedata;
    } else {
        m_violations << QStringLiteral("WR with EECON1 %1").arg(m_eecon1, 0, 16);
        return;
    }
    m_eecon1 |= quint8(1u << Wr);
}

void Pic18Simulator::settleEepromWrite()
{
    if (!m_eepromWriting || m_now < m_eepromWriteEnd)
        return;
    m_eepromWriting = false;
    m_eeprom[m_eepromWriteAddress] = char(m_eepromWriteData);
    ++m_eepromWrites;
    m_eecon1 &= quint8(~(1u << Wr));
}

void Pic18Simulator::commitRowErase(qint64 highTime)
{
    m_dischargePending = true;
    m_eecon1 &= quint8(~(1u << Wr | 1u << Free));
    if (highTime < MinProgrammingTime) {
        m_violations << QStringLiteral("row erase time %1 ns").arg(highTime);
        return;
    }
    if (m_rowEraseAddress >= FlashSize) {
        m_violations << QStringLiteral("row erase at %1").arg(m_rowEraseAddress, 0, 16);
        return;
    }
    m_rowErases << m_rowEraseAddress;
    for (quint32 a = m_rowEraseAddress; a < m_rowEraseAddress + 64; ++a) {
        if (erasable(a))
            m_flash[int(a)] = char(0xFF);
    }
}

bool Pic18Simulator::erasable(quint32 address) const
{
    for (const auto &range : m_unerasable) {
        if (address >= range.first && address <= range.second)
            return false;
    }
    return true;
}

void Pic18Simulator::commitWrite(qint64 highTime)
{
    m_dischargePending = true;
    if (highTime < MinProgrammingTime) {
        m_violations << QStringLiteral("programming time %1 ns").arg(highTime);
        m_buffer.fill(char(0xFF));
        return;
    }
    if (m_eecon1 & 0x40) {
        const quint32 index = m_writeAddress - ConfigBase;
        if (index < quint32(ConfigSize)) {
            if (!m_configRefused) {
                const quint8 value =
                    (m_writeAddress & 1) ? (m_writeWord >> 8) : (m_writeWord & 0xFF);
                m_config[int(index)] = char(value & quint8(m_configBits.at(int(index))));
                m_configWrites << m_writeAddress;
            }
        } else {
            m_violations << QStringLiteral("configuration write at %1").arg(m_writeAddress, 0, 16);
        }
    } else if ((m_eecon1 & 0x80) && m_writeAddress < FlashSize) {
        const quint32 row = m_writeAddress & ~63u;
        for (int i = 0; i < 64; ++i)
            m_flash[int(row) + i] = char(quint8(m_flash.at(int(row) + i)) & quint8(m_buffer.at(i)));
        ++m_rowWrites;
    } else {
        m_violations << QStringLiteral("write at %1 with EECON1 %2")
                            .arg(m_writeAddress, 0, 16)
                            .arg(m_eecon1, 0, 16);
    }
    m_buffer.fill(char(0xFF));
}

void Pic18Simulator::bulkErase(quint16 key)
{
    m_eraseKeys << key;
    quint32 first = 0, end = 0;
    switch (key) {
    case 0x0081: first = 0x0000; end = 0x0800; break;
    case 0x0180: first = 0x0800; end = 0x4000; break;
    case 0x0280: first = 0x4000; end = 0x8000; break;
    case 0x0480: first = 0x8000; end = 0xC000; break;
    case 0x0880: first = 0xC000; end = 0x10000; break;
    default: return; // data EEPROM and the rest are not modelled
    }
    for (quint32 a = first; a < end; ++a) {
        if (erasable(a))
            m_flash[int(a)] = char(0xFF);
    }
}

quint8 Pic18Simulator::readByte(quint32 address) const
{
    if (address < FlashSize) {
        quint8 value = quint8(m_flash.at(int(address)));
        for (const Stuck &s : m_stuck) {
            if (s.address == address)
                value = s.level ? (value | s.mask) : (value & ~s.mask);
        }
        return value;
    }
    if (address >= ConfigBase && address < ConfigBase + ConfigSize) {
        const int index = int(address - ConfigBase);
        return quint8(m_config.at(index)) & quint8(m_configBits.at(index));
    }
    if (address == 0x3FFFFE)
        return m_deviceId & 0xFF;
    if (address == 0x3FFFFF)
        return m_deviceId >> 8;
    return 0;
}

void Pic18Simulator::drive(bool level)
{
    const unsigned din = PinLines::ProgrammingData.din;
    const quint32 mask = PinLines::ProgrammingData.mask;
    const quint32 word = m_page->read(din);
    m_page->poke(din, level ? (word | mask) : (word & ~mask));
}
