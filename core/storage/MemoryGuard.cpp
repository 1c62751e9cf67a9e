#include "MemoryGuard.h"

#include "DevicePath.h"
#include "DevicePaths.h"
#include "FileUtils.h"

namespace MemoryGuard {

bool usagePercent(const QString &path, double &percent)
{
    double total = 0;
    double available = 0;
    if (!FileUtils::dirUsage(path, total, available) || total <= 0)
        return false;
    percent = (total - available) / total * 100.0;
    return true;
}

double dataPartitionUsage()
{
    double percent = 0;
    return usagePercent(DevicePath::path(DevicePaths::dataPartition), percent) ? percent : 0.0;
}

} // namespace MemoryGuard
