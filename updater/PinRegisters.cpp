#include "PinRegisters.h"

#include "MappedPinRegisters.h"

namespace {
PinRegisters::Factory &installedFactory()
{
    static PinRegisters::Factory factory;
    return factory;
}
} // namespace

std::shared_ptr<PinRegisters> PinRegisters::open(unsigned physicalBase)
{
    if (installedFactory())
        return installedFactory()(physicalBase);
    return std::make_shared<MappedPinRegisters>(physicalBase);
}

void PinRegisters::setFactory(Factory factory)
{
    installedFactory() = std::move(factory);
}
