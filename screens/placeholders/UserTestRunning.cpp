#include "UserTestRunning.h"

UserTestRunning::UserTestRunning(QWidget *previousScreen, QWidget *parent) : ScreenBase(previousScreen, parent) {}
