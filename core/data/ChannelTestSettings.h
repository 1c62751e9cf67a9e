#pragma once

#include <QString>

// Builds the settings keys of one channel's test settings: "channel_<n>/<name>", so each
// channel (0 to 3) has a group of its own in the settings file.
class ChannelTestSettings
{
public:
    virtual ~ChannelTestSettings() = default;

    static QString testTypeSetting(int channel);
    static QString flowRateSetting(int channel);
    static QString backPressureSetting(int channel);
    static QString elapseTimeSetting(int channel);
    static QString scrollingItemSetting(int channel);
    static QString windowSizeSetting(int channel);
    static QString PCABasalFlowRateSetting(int channel);
    static QString PCATotalVolumeSetting(int channel);
    static QString PCABolusVolumeSetting(int channel);
    static QString PCALoadingDoseSetting(int channel);
    static QString PCAElapseTimeSetting(int channel);
    static QString occlusionInfusionPumpTypeSetting(int channel);
    static QString manualTestLimits(int channel);
};
