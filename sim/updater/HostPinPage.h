#pragma once

#include "PinRegisters.h"

#include <QVector>

#include <functional>
#include <memory>

// The pin-control register page on a PC: one page of words in memory. Simulated
// devices watch the writes (observers) and drive the input registers with poke().
// install() makes every pin controller the updater creates use this page.
class HostPinPage : public PinRegisters, public std::enable_shared_from_this<HostPinPage>
{
public:
    static constexpr unsigned PageSize = 4096;

    HostPinPage();

    // Makes PinRegisters::open() hand out this page (or, with mapped false, a page that
    // cannot be reached); uninstall() restores the device mapping.
    void install();
    static void uninstall();

    void setMapped(bool mapped) { m_mapped = mapped; }
    bool isMapped() const override { return m_mapped; }
    quint32 read(unsigned offset) const override;
    void write(unsigned offset, quint32 value) override;

    // Sets a word without telling the observers (the far side driving an input).
    void poke(unsigned offset, quint32 value);

    using Observer = std::function<void(unsigned offset, quint32 before, quint32 after)>;
    void addObserver(Observer observer) { m_observers.append(std::move(observer)); }

    // Writes attempted through the register interface, mapped or not.
    int writeCount() const { return m_writes; }

private:
    QVector<quint32> m_words;
    QVector<Observer> m_observers;
    bool m_mapped = true;
    int m_writes = 0;
};
