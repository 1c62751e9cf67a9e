#pragma once

#include "TestSequenceElement.h"

#include <QByteArray>
#include <QDebug>
#include <QList>

// Creates sequence elements by type and streams whole element lists. Lists go through
// these named functions: Qt's own template operator<< for QList<T> would silently take
// over a QList<TestSequenceElement *> and write each pointer as a bool.
class TestSequenceFactory
{
public:
    virtual ~TestSequenceFactory() = default;

    // A new element of that type with the defaults, owned by the caller; null (and a
    // debug line) for a type that is not 0..3.
    static TestSequenceElement *createElement(unsigned char id);

    // Every element with its type byte, in list order; no count, no end mark.
    static void writeElementList(QDataStream &out, const QList<TestSequenceElement *> &list);
    // Reads elements until the stream ends and appends them to list. At an unknown type
    // or a read error nothing is appended and the result is false.
    static bool readElementList(QDataStream &in, QList<TestSequenceElement *> &list);

    // The list stream as a byte array: null when the list is empty.
    static QByteArray toByteArray(const QList<TestSequenceElement *> &list);
    static bool fromByteArray(const QByteArray &data, QList<TestSequenceElement *> &list);
    // Appends the elements of data up to the first one that is not whole (an unknown
    // type, or cut short); returns the number of bytes they take, data.size() when the
    // whole list was read.
    static int readWholeElements(const QByteArray &data, QList<TestSequenceElement *> &list);

    // Debug form of a list: a label line, each element, a closing line.
    static void dumpElementList(QDebug debug, const QList<TestSequenceElement *> &list);
};

// Streaming such a list through an operator is a compile error, not silent bools.
QDataStream &operator<<(QDataStream &, const QList<TestSequenceElement *> &) = delete;
QDataStream &operator>>(QDataStream &, QList<TestSequenceElement *> &) = delete;
