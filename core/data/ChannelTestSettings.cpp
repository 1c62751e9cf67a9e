#include "ChannelTestSettings.h"

namespace {
QString key(int channel, const char *suffix)
{
    return QStringLiteral("channel_") + QString::number(channel) + QLatin1String(suffix);
}
} // namespace

QString ChannelTestSettings::testTypeSetting(int channel) { return key(channel, "/test_type"); }
QString ChannelTestSettings::flowRateSetting(int channel) { return key(channel, "/flow_rate"); }
QString ChannelTestSettings::backPressureSetting(int channel) { return key(channel, "/back_pressure"); }
QString ChannelTestSettings::elapseTimeSetting(int channel) { return key(channel, "/elapse_time"); }
QString ChannelTestSettings::scrollingItemSetting(int channel) { return key(channel, "/scrolling_item"); }
QString ChannelTestSettings::windowSizeSetting(int channel) { return key(channel, "/window_size"); }
QString ChannelTestSettings::PCABasalFlowRateSetting(int channel) { return key(channel, "/basal_flow_rate"); }
QString ChannelTestSettings::PCATotalVolumeSetting(int channel) { return key(channel, "/total_volume"); }
QString ChannelTestSettings::PCABolusVolumeSetting(int channel) { return key(channel, "/bolus_volume"); }
QString ChannelTestSettings::PCALoadingDoseSetting(int channel) { return key(channel, "/loading_dose"); }
QString ChannelTestSettings::PCAElapseTimeSetting(int channel) { return key(channel, "/pca_elapse_time"); }
QString ChannelTestSettings::occlusionInfusionPumpTypeSetting(int channel)
{
    return key(channel, "/infusion_pump_type");
}
QString ChannelTestSettings::manualTestLimits(int channel) { return key(channel, "/manualTestLimits"); }
