#include "AutoModeAssetDetails.h"

AutoModeAssetDetails::AutoModeAssetDetails(QWidget *previousScreen, QWidget *parent) : ScreenBase(previousScreen, parent) {}
