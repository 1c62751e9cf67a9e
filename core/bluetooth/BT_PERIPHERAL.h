#pragma once

// The kinds of favourite device the instrument keeps; the numbers are those the screens
// and the settings use.
enum BT_PERIPHERAL {
    BT_COMPUTER = 1,
    BT_BARCODE = 2,
    BT_PRINTER = 3,
    BT_MOBILE_PHONE = 4,
};
