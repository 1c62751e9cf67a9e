#include "TestSequenceFactory.h"

#include "ElementListStream.h"
#include "TestSequenceElementFlowTest.h"
#include "TestSequenceElementOccTest.h"
#include "TestSequenceElementPCATest.h"
#include "TestSequenceElementUserTest.h"

#include <QDebug>

TestSequenceElement *TestSequenceFactory::createElement(unsigned char id)
{
    switch (id) {
    case 0:
        return new TestSequenceElementUserTest;
    case 1:
        return new TestSequenceElementFlowTest;
    case 2:
        return new TestSequenceElementPCATest;
    case 3:
        return new TestSequenceElementOccTest;
    default:
        qDebug().nospace() << "Unrecognised id with value: " << int(id);
        return nullptr;
    }
}

void TestSequenceFactory::writeElementList(QDataStream &out, const QList<TestSequenceElement *> &list)
{
    ElementListStream::write(out, list);
}

bool TestSequenceFactory::readElementList(QDataStream &in, QList<TestSequenceElement *> &list)
{
    return ElementListStream::read(in, list, createElement);
}

QByteArray TestSequenceFactory::toByteArray(const QList<TestSequenceElement *> &list)
{
    return ElementListStream::toByteArray(list);
}

bool TestSequenceFactory::fromByteArray(const QByteArray &data, QList<TestSequenceElement *> &list)
{
    return ElementListStream::fromByteArray(data, list, createElement);
}

int TestSequenceFactory::readWholeElements(const QByteArray &data,
                                           QList<TestSequenceElement *> &list)
{
    return ElementListStream::readWhole(data, list, createElement);
}

void TestSequenceFactory::dumpElementList(QDebug debug, const QList<TestSequenceElement *> &list)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "TestSequence {\n";
    for (const TestSequenceElement *element : list)
        debug << "\t" << static_cast<const void *>(element) << "\n";
    debug << "}";
}
