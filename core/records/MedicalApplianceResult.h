#pragma once

#include "TestResultStatus.h"

#include <QByteArray>
#include <QDataStream>
#include <QDateTime>
#include <QDebug>
#include <QString>

// The record of one saved test of one asset: the content of one result file and the
// unit of a results exchange file.
class MedicalApplianceResult
{
public:
    virtual ~MedicalApplianceResult() = default;

    TEST_RESULT_STATUS overallResult = TEST_FAIL;
    QDateTime testDate;
    unsigned char retestPeriod = 0;
    QString applianceName;
    QString clientName;
    QString siteName;
    QString locationName;
    QString userName;
    QString applianceDescription;
    QString serialNo;
    QString comments;
    QString make;
    QString model;
    QString eut_serialNo;
    QString testSequenceName;
    QByteArray testSequenceData;
    QByteArray testResultsData;

    bool operator==(const MedicalApplianceResult &other) const;
    bool operator!=(const MedicalApplianceResult &other) const { return !(*this == other); }
};

// Record stream: no header, no length of its own; records can follow one another.
// The reader leaves the stream status to the caller.
QDataStream &operator<<(QDataStream &out, const MedicalApplianceResult &record);
QDataStream &operator>>(QDataStream &in, MedicalApplianceResult &record);
// Reads one record of a file that may be cut inside the record's results, its last field:
// false when the data ends before the results begin; otherwise the results hold what is
// there, and resultsCut tells whether they were cut.
bool readRecord(QDataStream &in, MedicalApplianceResult &record, bool &resultsCut);
// Every field but the results, the record's last; false when the stream ran out first.
bool readRecordHead(QDataStream &in, MedicalApplianceResult &record);
QDebug operator<<(QDebug debug, const MedicalApplianceResult &record);
