#pragma once

#include "ImportReport.h"
#include "MedicalApplianceResult.h"
#include "StreamHelper.h"
#include "TestResultManager.h"

#include <QBuffer>
#include <QDataStream>
#include <QList>

// Stores result records through the result store, as an exchange file from a PC brings
// them (the results directory must exist). False when one was not stored whole.
inline bool storeRecords(const QList<MedicalApplianceResult> &records)
{
    QByteArray exchange;
    QDataStream out(&exchange, QIODevice::WriteOnly);
    StreamHelper::setup(out);
    out << quint16(1) << quint16(0);
    for (const MedicalApplianceResult &record : records)
        out << record;
    QBuffer in(&exchange);
    in.open(QIODevice::ReadOnly);
    const ImportReport report = TestResultManager::getInstance()->importApplianceResults(in.readAll());
    return report.stored == records.size() && report.damaged == 0 && report.skipped == 0;
}
