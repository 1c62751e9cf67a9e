#include "MemoryUsage.h"

#include "MemoryGuard.h"
#include "RotaryEncoderMessageBox.h"

static_assert(MemoryUsage::memoryWarningLevelPercent == MemoryGuard::warningLevelPercent,
              "one warning level");

double MemoryUsage::checkMemoryUsage()
{
    return MemoryGuard::dataPartitionUsage();
}

void MemoryUsage::showMemoryWarning(double percent, QWidget *caller)
{
    Q_UNUSED(caller)
    RotaryEncoderMessageBox box;
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    box.setWindowTitle(tr("Memory Usage Warning"));
    box.setIcon(QMessageBox::Warning);
    box.setText(tr("Warning - Memory Usage greater than %1%, data may not be saved correctly")
                    .arg(percent));
    box.setStandardButtons(QMessageBox::Ok);
    box.translateStandardButtons();
    box.exec();
}

void MemoryUsage::guard(QWidget *caller)
{
    if (MemoryGuard::exceedsWarningLevel(checkMemoryUsage()))
        showMemoryWarning(memoryWarningLevelPercent, caller);
}
