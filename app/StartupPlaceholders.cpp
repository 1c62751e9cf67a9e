#include "StartupPlaceholders.h"

#include "InfusionPumpMainScreen.h"

QWidget *createMainMenuScreen()
{
    return new InfusionPumpMainScreen(nullptr, nullptr);
}
