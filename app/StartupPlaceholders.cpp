#include "StartupPlaceholders.h"

#include "InfusionPumpMainScreen.h"
#include "UsbDriveController.h"

QWidget *createMainMenuScreen()
{
    return new InfusionPumpMainScreen(nullptr, nullptr);
}

void startUsbController()
{
    // The result is not examined: start-up goes on whatever mode the port reached.
    UsbDriveController::getInstance()->setMode(0);
}
