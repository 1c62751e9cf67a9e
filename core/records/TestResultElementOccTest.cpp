#include "TestResultElementOccTest.h"

TestResultElementOccTest::TestResultElementOccTest()
    : TestResultElement(3), testData()
{
}

void TestResultElementOccTest::serialize(QDataStream &out, bool withType) const
{
    TestResultElement::serialize(out, withType);
    out << quint8(pumpType) << testData;
    writeSamples(out, samples);
    sequenceElement.serialize(out, true);
}

void TestResultElementOccTest::unserialize(QDataStream &in, bool withType)
{
    TestResultElement::unserialize(in, withType);
    quint8 type = 0;
    in >> type >> testData;
    pumpType = type;
    readSamples(in, samples);
    sequenceElement.unserialize(in, true);
    checkEmbeddedType(in, sequenceElement.id, 3);
}

void TestResultElementOccTest::dump(QDebug debug) const
{
    QDebugStateSaver saver(debug);
    debug.nospace().noquote();
    dumpBase(debug, "TestResultElementOccTest");
    debug << (pumpType == 1 ? "Automatic Reverse" : "Manual") << "\n";
    debug << testData << "\n";
    for (const INFUSION_PUMP_REAL_TIME_DATA &sample : samples)
        debug << sample << "\n";
    debug << "}";
}

unsigned char TestResultElementOccTest::storedPumpType(unsigned char ranWith)
{
    return ranWith == 0 ? 0 : 1;
}
