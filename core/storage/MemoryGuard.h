#pragma once

#include <QString>

// The one place that decides whether the data partition is too full to create data
// safely. Screens warn through MemoryWarning; the arithmetic lives here so it is tested
// without a display.
namespace MemoryGuard {

// The warning level in percent: a usage strictly above it warns.
constexpr double warningLevelPercent = 95.0;

// The used share of the file system that holds path, in percent, unrounded:
// (total - available) / total x 100. False, with percent untouched, when the file
// system cannot be measured or reports no blocks.
bool usagePercent(const QString &path, double &percent);

// The used share of the data partition ("/mnt/data" under the root); 0 when it cannot
// be measured, so a failed measurement never blocks the callers of the guard.
double dataPartitionUsage();

// Whether a usage warns.
inline bool exceedsWarningLevel(double usage) { return usage > warningLevelPercent; }

} // namespace MemoryGuard
