#pragma once

#include <QString>

// Every absolute path the instrument touches on the device goes through here, so a
// desktop run or a test can place the whole device tree under INSTRUMENT_ROOT.
namespace DevicePath {

// The device path as given when INSTRUMENT_ROOT is unset, else the path under that root.
QString path(const QString &devicePath);

// The root prefix in force ("" on the device).
QString root();

} // namespace DevicePath
