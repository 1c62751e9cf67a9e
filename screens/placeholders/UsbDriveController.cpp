#include "UsbDriveController.h"

UsbDriveController *UsbDriveController::getInstance()
{
    static UsbDriveController *instance = new UsbDriveController;
    return instance;
}
