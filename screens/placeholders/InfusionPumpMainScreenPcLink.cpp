// Stand-in for the main menu's PC link until the PC link is built: the USB port never
// switches to the serial gadget, so no port is opened and nothing is received.
#include "InfusionPumpMainScreen.h"

#include "UsbDriveController.h"

void InfusionPumpMainScreen::initialiseSerialPort()
{
    removeSerialPort();
    if (UsbDriveController::getInstance()->setMode(0) != 0)
        return;
}

void InfusionPumpMainScreen::removeSerialPort() {}

void InfusionPumpMainScreen::usbDataReceived() {}
