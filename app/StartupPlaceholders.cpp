#include "StartupPlaceholders.h"

QWidget *createMainMenuScreen()
{
    return nullptr;
}

void startUsbController()
{
}
