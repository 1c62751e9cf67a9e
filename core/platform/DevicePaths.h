#pragma once

#include <QString>

// The device paths that more than one part of the program reaches, as the device names
// them. Each is opened through DevicePath::path(), which places it under the root prefix.
namespace DevicePaths {

// The power board's line to the four channel controllers.
inline const QString powerBoardLine = QStringLiteral("/dev/ttyAPP1");
// The Bluetooth module's line.
inline const QString bluetoothLine = QStringLiteral("/dev/ttyAPP3");
// The USB serial gadget: the PC packet link, or the calibration terminal's PC end.
inline const QString usbGadgetLine = QStringLiteral("/dev/ttyGS0");

// GPIO lines through sysfs: a line's number written to gpioExport makes its folder,
// gpioLine followed by the number, which holds "direction" and "value".
inline const QString gpioExport = QStringLiteral("/sys/class/gpio/export");
inline const QString gpioUnexport = QStringLiteral("/sys/class/gpio/unexport");
inline const QString gpioLine = QStringLiteral("/sys/class/gpio/gpio");

// The data partition: settings, sequences, results and outgoing exchange files.
inline const QString dataPartition = QStringLiteral("/mnt/data");

} // namespace DevicePaths
