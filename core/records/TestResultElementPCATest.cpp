#include "TestResultElementPCATest.h"

TestResultElementPCATest::TestResultElementPCATest()
    : TestResultElement(2), testData()
{
}

void TestResultElementPCATest::serialize(QDataStream &out, bool withType) const
{
    TestResultElement::serialize(out, withType);
    out << testData;
    writeSamples(out, samples);
    out << qint32(boluses.size());
    for (const PCA_TEST_DATA &bolus : boluses)
        out << bolus;
    sequenceElement.serialize(out, true);
}

void TestResultElementPCATest::unserialize(QDataStream &in, bool withType)
{
    TestResultElement::unserialize(in, withType);
    in >> testData;
    readSamples(in, samples);
    boluses.clear();
    qint32 count = 0;
    if (readCount(in, count)) {
        for (qint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
            PCA_TEST_DATA bolus{};
            in >> bolus;
            if (in.status() == QDataStream::Ok)
                boluses.append(bolus);
        }
    }
    sequenceElement.unserialize(in, true);
    checkEmbeddedType(in, sequenceElement.id, 2);
}

void TestResultElementPCATest::dump(QDebug debug) const
{
    QDebugStateSaver saver(debug);
    debug.nospace().noquote();
    dumpBase(debug, "TestResultElementPCATest");
    debug << testData << "\n";
    debug << "Flow Data: \n";
    for (const INFUSION_PUMP_REAL_TIME_DATA &sample : samples)
        debug << sample << "\n";
    debug << "PCA Data: \n";
    for (const PCA_TEST_DATA &bolus : boluses)
        debug << bolus << "\n";
    debug << "}";
}
