#include "ImportReport.h"

#include "MemoryGuard.h"

#include <QCoreApplication>

void ImportReport::saveFailed()
{
    ++skipped;
    ++unwritten;
    // Measured at the failure: the partition may have room again by the time the
    // operator is told.
    partitionFull =
        partitionFull || MemoryGuard::exceedsWarningLevel(MemoryGuard::dataPartitionUsage());
}

void ImportReport::add(const ImportReport &other)
{
    stored += other.stored;
    renamed += other.renamed;
    damaged += other.damaged;
    skipped += other.skipped;
    unwritten += other.unwritten;
    partitionFull = partitionFull || other.partitionFull;
}

QString ImportReport::unwrittenNote() const
{
    if (unwritten == 0)
        return QString();
    return (partitionFull ? QCoreApplication::translate(
                                "ImportReport", "Not imported, the data partition is full: %1")
                          : QCoreApplication::translate("ImportReport",
                                                        "Not imported, could not be stored: %1"))
        .arg(unwritten);
}
