#pragma once

#include <QByteArray>

// A Bluetooth device as the module reports it: its address (17 characters, as the
// module prints it), its friendly name, whether a service query found object push on it,
// and the module link it is reached on (128: none).
struct BT_DEVICE {
    static constexpr int NoLink = 128;

    QByteArray address;
    QByteArray name;
    bool oppSupported = false;
    int linkId = NoLink;
};

// What a device-list lookup beyond the end of the list gives.
inline const BT_DEVICE NullBTDevice{};
