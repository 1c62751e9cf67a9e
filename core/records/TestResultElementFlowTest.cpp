#include "TestResultElementFlowTest.h"

TestResultElementFlowTest::TestResultElementFlowTest()
    : TestResultElement(1), testData()
{
}

void TestResultElementFlowTest::serialize(QDataStream &out, bool withType) const
{
    TestResultElement::serialize(out, withType);
    out << testData;
    writeSamples(out, samples);
    sequenceElement.serialize(out, true);
}

void TestResultElementFlowTest::unserialize(QDataStream &in, bool withType)
{
    TestResultElement::unserialize(in, withType);
    in >> testData;
    readSamples(in, samples);
    sequenceElement.unserialize(in, true);
    checkEmbeddedType(in, sequenceElement.id, 1);
}

void TestResultElementFlowTest::dump(QDebug debug) const
{
    QDebugStateSaver saver(debug);
    debug.nospace().noquote();
    dumpBase(debug, "TestResultElementFlowTest");
    debug << testData << "\n";
    for (const INFUSION_PUMP_REAL_TIME_DATA &sample : samples)
        debug << sample << "\n";
    debug << "}";
}
