#include "MedicalApplianceResult.h"

#include "StreamHelper.h"

bool MedicalApplianceResult::operator==(const MedicalApplianceResult &o) const
{
    return overallResult == o.overallResult && testDate == o.testDate
        && retestPeriod == o.retestPeriod && applianceName == o.applianceName
        && clientName == o.clientName && siteName == o.siteName
        && locationName == o.locationName && userName == o.userName
        && applianceDescription == o.applianceDescription && serialNo == o.serialNo
        && comments == o.comments && make == o.make && model == o.model
        && eut_serialNo == o.eut_serialNo && testSequenceName == o.testSequenceName
        && testSequenceData == o.testSequenceData && testResultsData == o.testResultsData;
}

QDataStream &operator<<(QDataStream &out, const MedicalApplianceResult &r)
{
    out << quint8(r.overallResult);
    StreamHelper::writeDateTime(out, r.testDate);
    out << quint8(r.retestPeriod);
    out << r.applianceName << r.clientName << r.siteName << r.locationName << r.userName
        << r.applianceDescription << r.serialNo << r.comments << r.make << r.model
        << r.eut_serialNo << r.testSequenceName;
    out << r.testSequenceData << r.testResultsData;
    return out;
}

bool readRecordHead(QDataStream &in, MedicalApplianceResult &r)
{
    quint8 overall = 0;
    in >> overall;
    r.overallResult = TEST_RESULT_STATUS(overall);
    r.testDate = StreamHelper::readDateTime(in);
    quint8 retest = 0;
    in >> retest;
    r.retestPeriod = retest;
    in >> r.applianceName >> r.clientName >> r.siteName >> r.locationName >> r.userName
        >> r.applianceDescription >> r.serialNo >> r.comments >> r.make >> r.model
        >> r.eut_serialNo >> r.testSequenceName;
    in >> r.testSequenceData;
    return in.status() == QDataStream::Ok;
}

QDataStream &operator>>(QDataStream &in, MedicalApplianceResult &r)
{
    readRecordHead(in, r);
    in >> r.testResultsData;
    return in;
}

bool readRecord(QDataStream &in, MedicalApplianceResult &r, bool &resultsCut)
{
    if (!readRecordHead(in, r))
        return false;
    resultsCut = !StreamHelper::readLastByteArray(in, r.testResultsData);
    return true;
}

QDebug operator<<(QDebug debug, const MedicalApplianceResult &r)
{
    QDebugStateSaver saver(debug);
    debug.nospace().noquote();
    debug << "MedicalApplianceResult {\n"
          << "\tAppliance Name = " << r.applianceName << "\n"
          << "\tOverall Result = " << int(r.overallResult) << "\n"
          << "\tTest Date = " << r.testDate.toString() << "\n"
          << "\tRe-test Period = " << int(r.retestPeriod) << "\n"
          << "\tSite Name = " << r.siteName << "\n"
          << "\tUser Name = " << r.userName << "\n"
          << "\tLocation Name = " << r.locationName << "\n"
          << "\tAppliance Description = " << r.applianceDescription << "\n"
          << "\tSerial No. = " << r.serialNo << "\n"
          << "\tClient Name = " << r.clientName << "\n"
          << "\tComments = " << r.comments << "\n"
          << "\tmake = " << r.make << "\n"
          << "\tmodel = " << r.model << "\n"
          << "\teut_serialNo = " << r.eut_serialNo << "\n"
          << "\tTest Sequence Name = " << r.testSequenceName << "\n"
          << "\tTest Sequence Data = " << r.testSequenceData.toHex() << "\n"
          << "\tTest Results Data = " << r.testResultsData.toHex() << "\n"
          << "}";
    return debug;
}
