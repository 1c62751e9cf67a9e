#pragma once

#include "BT_DEVICE.h"
#include "BlueToothManager.h"

// The connection of one favourite kind: the device to call, how, and where the call
// stands. Resetting keeps the device and the call type.
struct BT_FAVOURITE_CONNECTION {
    int peripheral = 0; // BT_PERIPHERAL of the selected favourite; 0 after a reset
    BT_DEVICE device;
    int connectionType = BlueToothManager::BT_RFCOMM;
    bool selected = false;  // a caller wants it connected
    bool calling = false;   // a call is out and has neither connected nor failed
    bool connected = false; // the link is up
    int linkId = BT_DEVICE::NoLink;

    void reset()
    {
        peripheral = 0;
        selected = false;
        calling = false;
        connected = false;
        linkId = BT_DEVICE::NoLink;
    }
};
