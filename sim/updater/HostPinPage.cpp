#include "HostPinPage.h"

HostPinPage::HostPinPage() : m_words(PageSize / 4, 0) {}

void HostPinPage::install()
{
    std::weak_ptr<HostPinPage> page = shared_from_this();
    PinRegisters::setFactory([page](unsigned) -> std::shared_ptr<PinRegisters> {
        return page.lock();
    });
}

void HostPinPage::uninstall()
{
    PinRegisters::setFactory({});
}

quint32 HostPinPage::read(unsigned offset) const
{
    if (!m_mapped || offset % 4 || offset >= PageSize)
        return 0;
    return m_words.at(int(offset / 4));
}

void HostPinPage::write(unsigned offset, quint32 value)
{
    ++m_writes;
    if (!m_mapped || offset % 4 || offset >= PageSize)
        return;
    const quint32 before = m_words.at(int(offset / 4));
    m_words[int(offset / 4)] = value;
    for (const Observer &o : m_observers)
        o(offset, before, value);
}

void HostPinPage::poke(unsigned offset, quint32 value)
{
    if (offset % 4 == 0 && offset < PageSize)
        m_words[int(offset / 4)] = value;
}
