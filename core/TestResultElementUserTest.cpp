#include "TestResultElementUserTest.h"

#include "RecordStream.h"

TestResultElementUserTest::TestResultElementUserTest()
    : TestResultElement(0)
{
}

void TestResultElementUserTest::serialize(QDataStream &out, bool withType) const
{
    TestResultElement::serialize(out, withType);
    out << testName << testUnits;
    RecordStream::writeFloat(out, result);
}

void TestResultElementUserTest::unserialize(QDataStream &in, bool withType)
{
    TestResultElement::unserialize(in, withType);
    in >> testName >> testUnits;
    result = RecordStream::readFloat(in);
}

void TestResultElementUserTest::dump(QDebug debug) const
{
    QDebugStateSaver saver(debug);
    debug.nospace().noquote();
    dumpBase(debug, "TestResultElementUserTest");
    debug << "\tTest Name = " << testName << "\n"
          << "\tTest Units = " << testUnits << "\n"
          << "\tResult = " << result << "\n"
          << "}";
}
