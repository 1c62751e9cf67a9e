#include "TestResultElementUserTest.h"

#include "StreamHelper.h"

TestResultElementUserTest::TestResultElementUserTest()
    : TestResultElement(0)
{
}

void TestResultElementUserTest::serialize(QDataStream &out, bool withType) const
{
    TestResultElement::serialize(out, withType);
    out << testName << testUnits;
    StreamHelper::writeFloat(out, result);
}

void TestResultElementUserTest::unserialize(QDataStream &in, bool withType)
{
    TestResultElement::unserialize(in, withType);
    in >> testName >> testUnits;
    result = StreamHelper::readFloat(in);
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
