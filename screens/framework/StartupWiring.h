#pragma once

// Start-up steps that join the core to what only the screen layer has: the operator's
// pressure unit and the message box. The program runs them once, before the first
// screen is built.
namespace StartupWiring {

// Removes the temporary files of saves that a power cut stopped: nothing lists them,
// but they fill the data partition.
void removeLeftovers();

// The exchange-file imports' "Incorrect File Format" box, and CSV pressures in the unit
// of the data manager of ScreenBase::board.
void connectCore();

} // namespace StartupWiring
