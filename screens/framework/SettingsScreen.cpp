#include "SettingsScreen.h"

#include "InfusionPumpPowerBoardManager.h"
#include "ScreenMessages.h"
#include "TestScreen.h"

#include <QListWidget>
#include <QWheelEvent>

SettingsScreen::SettingsScreen(QWidget *previous, TestScreen *testScreen, QWidget *parent)
    : ScreenBase(previous, parent), m_testScreen(testScreen)
{
    connect(this, &SettingsScreen::changeSettings, ScreenBase::board,
            &InfusionPumpPowerBoardManager::vSetChangeSettingRsq);
}

void SettingsScreen::showScreen(bool check)
{
    fetchCurrentChannel();
    loadSettings();
    vEnableItems(ScreenBase::board->m_DataManager.vGetTestRunningFlag(m_u16Channel) == 0);
    ScreenBase::showScreen(check);
}

void SettingsScreen::onConfirmClicked(bool check)
{
    applySettings();
    DataManager &data = ScreenBase::board->m_DataManager;
    bool saved = data.vSaveCurrentSetting(m_u16Channel);
    saved = data.vSaveOcclusionCurrentSetting(m_u16Channel) && saved;
    saved = data.vSavePCACurrentSetting(m_u16Channel) && saved;
    saved = data.vSaveTestLimits(m_u16Channel) && saved;
    if (!saved)
        showSaveFailure();
    transferSettingsToPump();
    emit changeSettings(m_u16Channel);
    m_testScreen->vSetChannel(m_u16Channel);
    m_testScreen->showScreen(check);
}

void SettingsScreen::showSaveFailure()
{
    // The test still runs with the settings confirmed; only the next start loses them.
    ScreenMessages::warn(
        tr("Warning"),
        tr("Settings could not be saved. They apply until the instrument is switched off."));
}

void SettingsScreen::updateSettings()
{
    fetchCurrentChannel();
    transferSettingsToPump();
    emit changeSettings(m_u16Channel);
}

void SettingsScreen::fetchCurrentChannel()
{
    QWidget *previous = previousScreen();
    auto *list = previous ? previous->findChild<QListWidget *>("listWidgetChannels") : nullptr;
    if (list && list->currentRow() >= 0)
        m_u16Channel = static_cast<unsigned short>(list->currentRow());
}

void SettingsScreen::wheelEvent(QWheelEvent *event)
{
    if (m_bWheelNavigation)
        focusNextPrevChild(event->angleDelta().y() > 0);
}
