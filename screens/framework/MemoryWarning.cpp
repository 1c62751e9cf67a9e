#include "MemoryWarning.h"

#include "MemoryGuard.h"
#include "ScreenMessages.h"

#include <QCoreApplication>

namespace MemoryWarning
{

void guard()
{
    if (!MemoryGuard::exceedsWarningLevel(MemoryGuard::dataPartitionUsage()))
        return;
    // The texts keep the memory screen's translations.
    ScreenMessages::warn(QCoreApplication::translate("MemoryUsage", "Memory Usage Warning"),
                         QCoreApplication::translate("MemoryUsage",
                                                     "Warning - Memory Usage greater than %1%, "
                                                     "data may not be saved correctly")
                             .arg(MemoryGuard::warningLevelPercent));
}

} // namespace MemoryWarning
