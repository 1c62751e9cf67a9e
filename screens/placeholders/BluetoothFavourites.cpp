#include "BluetoothFavourites.h"

BluetoothFavourites *BluetoothFavourites::getInstance()
{
    static BluetoothFavourites *instance = new BluetoothFavourites;
    return instance;
}
