#include "PinLines.h"

#include "MemoryMappedPinController.h"

namespace PinLines {

namespace {
const Line resets[] = {Reset1, Reset2, Reset3, Reset4};
}

bool resetLine(int pic, Line *line)
{
    if (pic < 1 || pic > 4)
        return false;
    *line = resets[pic - 1];
    return true;
}

void holdAllInReset(MemoryMappedPinController &pins)
{
    for (const Line &r : resets) {
        pins.setValue(r.dout, r.mask, 1);
        pins.setDirection(r.doe, r.mask, MemoryMappedPinController::Output);
        pins.setValue(r.dout, r.mask, 0);
    }
    pins.setValue(IspEnable.dout, IspEnable.mask, 1);
}

void releaseAll(MemoryMappedPinController &pins)
{
    for (const Line &l : {ProgrammingClock, ProgrammingData}) {
        pins.setValue(l.dout, l.mask, 0);
        pins.setDirection(l.doe, l.mask, MemoryMappedPinController::Input);
    }
    pins.setValue(IspEnable.dout, IspEnable.mask, 1);
    for (const Line &r : resets) {
        pins.setValue(r.dout, r.mask, 1);
        pins.setDirection(r.doe, r.mask, MemoryMappedPinController::Input);
    }
}

} // namespace PinLines
