#pragma once

class MemoryMappedPinController;

// The power board's lines on the processor's pin controller, and their idle state.
namespace PinLines {

constexpr unsigned int PinControllerBase = 0x80018000;

// One line: its bank's output, input and output-enable registers and its bit.
struct Line
{
    unsigned int dout;
    unsigned int din;
    unsigned int doe;
    unsigned int mask;
};

constexpr Line bankLine(unsigned int bank, unsigned int bit)
{
    return {0x700 + 0x10 * bank, 0x900 + 0x10 * bank, 0xB00 + 0x10 * bank, 1u << bit};
}

// Reset (MCLR) of channel controller 1..4; low holds it in reset. The reset of
// controller 1 is also the ESA board-select line (high = measurement board).
constexpr Line Reset1 = bankLine(4, 10);
constexpr Line Reset2 = bankLine(2, 21);
constexpr Line Reset3 = bankLine(2, 15);
constexpr Line Reset4 = bankLine(2, 17);
constexpr Line ProgrammingClock = bankLine(4, 14);
constexpr Line ProgrammingData = bankLine(4, 15);
constexpr Line IspEnable = bankLine(0, 17);
constexpr Line EsaBoardSelect = Reset1;

// The reset line of controller pic (1..4); false for any other number.
bool resetLine(int pic, Line *line);

// Holds all four controllers in reset (each line set high, made an output, then driven
// low) and sets the ISP-enable line high.
void holdAllInReset(MemoryMappedPinController &pins);

// The idle state after a programming or download command: the clock and data lines
// released (low, input), the ISP-enable line high as programming leaves it, and every
// reset line released (high, input) so that all four controllers run.
void releaseAll(MemoryMappedPinController &pins);

} // namespace PinLines
