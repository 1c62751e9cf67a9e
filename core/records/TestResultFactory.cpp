#include "TestResultFactory.h"

#include "ElementListStream.h"
#include "TestResultElementFlowTest.h"
#include "TestResultElementOccTest.h"
#include "TestResultElementPCATest.h"
#include "TestResultElementUserTest.h"

#include <QDebug>

TestResultElement *TestResultFactory::createElement(unsigned char id)
{
    switch (id) {
    case 0:
        return new TestResultElementUserTest;
    case 1:
        return new TestResultElementFlowTest;
    case 2:
        return new TestResultElementPCATest;
    case 3:
        return new TestResultElementOccTest;
    default:
        qDebug().nospace() << "Unrecognised id with value: " << int(id);
        return nullptr;
    }
}

void TestResultFactory::writeElementList(QDataStream &out, const QList<TestResultElement *> &list)
{
    ElementListStream::write(out, list);
}

bool TestResultFactory::readElementList(QDataStream &in, QList<TestResultElement *> &list)
{
    return ElementListStream::read(in, list, createElement);
}

QByteArray TestResultFactory::toByteArray(const QList<TestResultElement *> &list)
{
    return ElementListStream::toByteArray(list);
}

bool TestResultFactory::fromByteArray(const QByteArray &data, QList<TestResultElement *> &list)
{
    return ElementListStream::fromByteArray(data, list, createElement);
}

int TestResultFactory::readWholeElements(const QByteArray &data, QList<TestResultElement *> &list)
{
    return ElementListStream::readWhole(data, list, createElement);
}

void TestResultFactory::dumpElementList(QDebug debug, const QList<TestResultElement *> &list)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "TestResults {\n";
    for (const TestResultElement *element : list) {
        element->dump(debug);
        debug << "\n";
    }
    debug << "}";
}
