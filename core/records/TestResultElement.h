#pragma once

#include "INFUSION_PUMP_REAL_TIME_DATA.h"
#include "INFUSION_PUMP_TEST_DATA.h"
#include "TestResultStatus.h"

#include <QDataStream>
#include <QDebug>
#include <QString>
#include <QVector>

// The outcome of one executed test on one channel. The subclasses add the entered value
// of a user test, or the final measurement, history and sequence step of a measured test.
class TestResultElement
{
public:
    explicit TestResultElement(unsigned char type);
    virtual ~TestResultElement() = default;

    virtual TEST_RESULT_STATUS getStatus() const { return status; }
    virtual float getResult() const { return 0.0f; }
    virtual QString getCustomName() const { return QString(); }
    virtual QString getCustomUnits() const { return QString(); }
    virtual void serialize(QDataStream &out, bool withType) const;
    virtual void unserialize(QDataStream &in, bool withType);
    virtual void dump(QDebug debug) const;

    unsigned char id;
    TEST_RESULT_STATUS status = TEST_FAIL;
    // As shown to the operator: 1 to 4.
    unsigned short channelId = 0;
    QString channelSerialNumber;
    QString serialNumber;

protected:
    void dumpBase(QDebug &debug, const char *className) const;
    // A stored count; a negative one marks the stream corrupt.
    static bool readCount(QDataStream &in, qint32 &count);
    static void writeSamples(QDataStream &out, const QVector<INFUSION_PUMP_REAL_TIME_DATA> &samples);
    // Reads no further than the data: a count larger than what follows ends in a read
    // error, never in a loop over the count or an allocation of its size.
    static void readSamples(QDataStream &in, QVector<INFUSION_PUMP_REAL_TIME_DATA> &samples);
    // The embedded step must be of the result's own type.
    static void checkEmbeddedType(QDataStream &in, unsigned char read, unsigned char expected);
};
