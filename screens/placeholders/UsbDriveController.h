#pragma once

#include <QObject>

// Stand-in until the USB port is built: the serial gadget counts as always in place, so
// the PC port opens its line under the root at once (mode 0); any other mode is refused
// and the transfer drive is left alone (mode 2, the state before the first switch).
class UsbDriveController : public QObject
{
    Q_OBJECT
public:
    static UsbDriveController *getInstance();
    int setMode(int mode) { return mode == 0 ? 0 : 2; }

private:
    UsbDriveController() = default;
};
