#include "SetClockScreen.h"

#include "SettingsConstants.h"

#include <QSettings>

SetClockScreen::SetClockScreen(QWidget *previousScreen, QWidget *parent) : ScreenBase(previousScreen, parent)
{
    QSettings settings(settingsPath(), QSettings::NativeFormat);
    dateFormat = settings.value(SETTINGS_KEY_DATE_FORMAT, QStringLiteral("dd.MM.yyyy")).toString();
    timeFormat = settings.value(SETTINGS_KEY_TIME_FORMAT, QStringLiteral("hh:mm:ss ap")).toString();
}
