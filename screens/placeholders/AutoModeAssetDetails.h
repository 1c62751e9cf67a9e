#pragma once

#include "ScreenBase.h"

// Stand-in until its subsystem is built: the asset entry of an automatic run; never confirms.
class AutoModeAssetDetails : public ScreenBase
{
    Q_OBJECT
public:
    AutoModeAssetDetails(QWidget *previousScreen, QWidget *parent);

    void setChannel(unsigned short channel) { m_channel = channel; }

private:
    unsigned short m_channel = 0;

public slots:
    // Opens nothing yet.
    void showScreen(bool) override {}

signals:
    void assetConfirmed(unsigned short channel);
};
