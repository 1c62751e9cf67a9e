#pragma once

#include "BtModuleSim.h"
#include "ScreenArea.h"

#include <QByteArray>
#include <QString>

#include <functional>

class BluetoothFavourites;

// The screen area with the simulated module on its line; the Bluetooth service comes
// with the first getInstance(), from the test or from a screen.
struct BtRoad {
    // The scanner as bar-code favourite and the phone as data-transfer favourite.
    static QByteArray favouriteSettings();

    ScreenArea area;
    BtModuleSim sim;

    explicit BtRoad(const std::function<void(BtModuleSim::Options &)> &configure = {},
                    const QByteArray &settings = favouriteSettings());
    BluetoothFavourites *bt() const;
    // The start-up configuration has gone out and the module is off again.
    bool configured();
    // A results exchange file of two demonstration results of the given number of
    // samples at the device path; the stored results are removed. Empty when it could
    // not be made.
    QByteArray resultsExchangeFile(const QString &devicePath = QStringLiteral("/tmp/export.dat"),
                                   int samples = 5);
    // The start-up configuration the service sends.
    static const QStringList configuration;
};
