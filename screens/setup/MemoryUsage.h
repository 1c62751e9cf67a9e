#pragma once

#include "ScreenBase.h"

// The memory guard that the sequence screens and the automatic-mode asset screen run
// before they create data. The memory screen itself is built on this class with the
// setup menu.
class MemoryUsage : public ScreenBase
{
    Q_OBJECT
public:
    static constexpr double memoryWarningLevelPercent = 95.0;

    // The used share of the data partition in percent (0 when it cannot be measured).
    static double checkMemoryUsage();
    // The modal warning naming the level; caller is not used (the box has no parent).
    static void showMemoryWarning(double percent, QWidget *caller);
    // The guard as every caller runs it: measure, warn above the level, then return so
    // the caller's action goes on whatever the usage.
    static void guard(QWidget *caller);
};
