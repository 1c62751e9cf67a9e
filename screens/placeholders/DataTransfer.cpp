#include "DataTransfer.h"

DataTransfer::DataTransfer(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent)
{
}
