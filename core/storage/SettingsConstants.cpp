#include "SettingsConstants.h"

#include "DevicePath.h"

QString settingsPath()
{
    return DevicePath::path(SETTINGS_FILE_NAME);
}
