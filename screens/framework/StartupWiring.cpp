#include "StartupWiring.h"

#include "AtomicFile.h"
#include "ImportWarning.h"
#include "InfusionPumpPowerBoardManager.h"
#include "ScreenBase.h"
#include "ScreenMessages.h"
#include "SettingsConstants.h"
#include "TestResultManager.h"
#include "TestSequenceManager.h"

#include <QFileInfo>

namespace StartupWiring {

void removeLeftovers()
{
    AtomicFile::removeLeftovers(QFileInfo(settingsPath()).absolutePath());
    AtomicFile::removeLeftovers(TestSequenceManager::directory());
    AtomicFile::removeLeftovers(TestResultManager::directory());
}

void connectCore()
{
    ImportWarning::setHandler(
        [](const QString &title, const QString &text) { ScreenMessages::warn(title, text); });
    // Read at each use: the board is the one of the moment, if there is one.
    TestResultManager::setPressureDisplay(
        [](float mmHg) {
            return ScreenBase::board ? ScreenBase::board->m_DataManager.getPressureValue(mmHg)
                                     : mmHg;
        },
        [] {
            return DataManager::getPressureUnitString(
                ScreenBase::board ? ScreenBase::board->m_DataManager.getPressureUnits()
                                  : DataManager::UNITS_MMHG);
        });
}

} // namespace StartupWiring
