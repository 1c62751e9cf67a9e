#pragma once

#include <QObject>

// Stand-in until the USB port is built: it never switches, so no PC port is opened and
// the transfer drive is left alone. Mode 2 is the state before the first switch.
class UsbDriveController : public QObject
{
    Q_OBJECT
public:
    static UsbDriveController *getInstance();
    int setMode(int) { return 2; }

private:
    UsbDriveController() = default;
};
