#include "AutoModeAssetDetails.h"

#include "InfusionPumpPowerBoardManager.h"

AutoModeAssetDetails::AutoModeAssetDetails(QWidget *previousScreen, QWidget *parent) : ScreenBase(previousScreen, parent) {}

void AutoModeAssetDetails::showScreen(bool)
{
    if (ScreenBase::board)
        ScreenBase::board->setChannelAutoState(m_channel, InfusionPumpPowerBoardManager::AUTO_COMPLETED);
}
