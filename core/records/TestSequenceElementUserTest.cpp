#include "TestSequenceElementUserTest.h"

TestSequenceElementUserTest::TestSequenceElementUserTest(const TestSequenceElementUserTest *other)
    : TestSequenceElement(0),
      // Empty, not null: they stream as length 0.
      testText(QLatin1String("")),
      units(QLatin1String(""))
{
    if (other) {
        *this = *other;
        id = 0;
    }
}

void TestSequenceElementUserTest::serialize(QDataStream &out, bool withType) const
{
    TestSequenceElement::serialize(out, withType);
    out << testText << units;
}

void TestSequenceElementUserTest::unserialize(QDataStream &in, bool withType)
{
    TestSequenceElement::unserialize(in, withType);
    in >> testText >> units;
}
