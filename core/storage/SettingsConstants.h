#pragma once

#include "DevicePaths.h"

#include <QString>

// Path and key names of the instrument's one settings file. Every source that reads or
// writes a setting opens a local QSettings on settingsPath() with QSettings::NativeFormat
// (the INI text form on Linux), does its work and lets it go.

inline const QString SETTINGS_DIR = DevicePaths::dataPartition + QStringLiteral("/settings");
inline const QString TEMP_OPP_FILENAME = QStringLiteral("/tmp/OppRxFile");
inline const QString SETTINGS_ORGANIZATION = QStringLiteral("Wexholm");
inline const QString SETTINGS_APP_NAME = QStringLiteral("Kovinta");
inline const QString SETTINGS_FILE_NAME =
    DevicePaths::dataPartition + QStringLiteral("/kovinta.ini");

inline const QString SETTINGS_KEY_SITE_LIST = QStringLiteral("Site");
inline const QString SETTINGS_KEY_LOCATION_LIST = QStringLiteral("Location");
inline const QString SETTINGS_KEY_COMMENTS_LIST = QStringLiteral("Comments");
inline const QString SETTINGS_KEY_CUSTOM_USER_UNITS = QStringLiteral("User_Units");
inline const QString SETTINGS_KEY_CUSTOM_USER_TEST_TYPE = QStringLiteral("User_Test");
inline const QString SETTINGS_KEY_LAST_SITE = QStringLiteral("Last_Site");
inline const QString SETTINGS_KEY_LAST_LOCATION = QStringLiteral("Last_Location");
inline const QString SETTINGS_KEY_LAST_RETEST_FULL = QStringLiteral("Last_RetestFull");
inline const QString SETTINGS_KEY_LAST_RETEST_VISUAL = QStringLiteral("Last_RetestVisual");
inline const QString SETTINGS_KEY_DT_MODE = QStringLiteral("DATA_DOWNLOAD/mode");
inline const QString SETTINGS_KEY_DT_TYPE = QStringLiteral("DATA_DOWNLOAD/type");
inline const QString SETTINGS_KEY_DT_NAME = QStringLiteral("DATA_DOWNLOAD/Filename");
inline const QString SETTINGS_KEY_DT_UP_MODE = QStringLiteral("DATA_UPLOAD/mode");
inline const QString SETTINGS_KEY_DT_UP_TYPE = QStringLiteral("DATA_UPLOAD/type");
inline const QString SETTINGS_KEY_PRESSURE_UNITS = QStringLiteral("PressureUnits");

// Keys of the whole file that several owners share.
inline const QString SETTINGS_KEY_SERIAL_NUM = QStringLiteral("Serial_num");
// The serial number a reader takes when none is stored, the instrument's and each
// channel's alike.
inline const QString SETTINGS_DEFAULT_SERIAL_NUM = QStringLiteral("XXX-XXXX");
inline const QString SETTINGS_KEY_DATE_FORMAT = QStringLiteral("Date_format");
inline const QString SETTINGS_KEY_TIME_FORMAT = QStringLiteral("Time_format");
inline const QString SETTINGS_KEY_LANGUAGE_FILE = QStringLiteral("LanguageFile");

// The settings file as the program opens it: SETTINGS_FILE_NAME under the device root.
// Evaluated on each call so that a desktop run or a test can place the root at run time.
QString settingsPath();

// Per-channel identity keys at the top level of the file, the channel's number (1 to 4)
// appended: "SerialNumber_ch1" .. "VerDate_ch4".
inline const QString SETTINGS_KEY_CHANNEL_SERIAL_NUMBER = QStringLiteral("SerialNumber_ch");
inline const QString SETTINGS_KEY_CHANNEL_FIRMWARE_VERSION = QStringLiteral("FirmwareVersion_ch");
inline const QString SETTINGS_KEY_CHANNEL_HARDWARE_VERSION = QStringLiteral("HardwareVersion_ch");
inline const QString SETTINGS_KEY_CHANNEL_CAL_DATE = QStringLiteral("CalDate_ch");
inline const QString SETTINGS_KEY_CHANNEL_VER_DATE = QStringLiteral("VerDate_ch");
