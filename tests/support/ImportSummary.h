#pragma once

#include "ImportReport.h"

#include <QString>

// An import's report in one line, for comparing against a table.
inline QString importSummary(const ImportReport &r)
{
    return QString("stored %1 renamed %2 damaged %3 skipped %4%5")
        .arg(r.stored)
        .arg(r.renamed)
        .arg(r.damaged)
        .arg(r.skipped)
        .arg(r.wrongKind ? " wrong kind" : "");
}
