#pragma once

#include "StreamHelper.h"

#include <QByteArray>
#include <QDataStream>
#include <QList>

// How sequences and results lay out their element lists on the stored-file format of
// StreamHelper: every element led by its type byte, no count, no end mark; the list ends
// where the data ends. Used through the factories' named functions, never through an
// operator on QList<T *>.
namespace ElementListStream {

template <typename Element>
void write(QDataStream &out, const QList<Element *> &list)
{
    for (const Element *element : list)
        element->serialize(out, true);
}

// Elements carry no length, so nothing after an unknown or cut element can be trusted:
// the whole list is refused (false, nothing appended) rather than kept in part.
template <typename Element, typename Create>
bool read(QDataStream &in, QList<Element *> &list, Create create)
{
    QList<Element *> read;
    bool ok = in.status() == QDataStream::Ok;
    while (ok && !in.atEnd()) {
        quint8 type = 0;
        in >> type;
        Element *element = create(type);
        if (!element) {
            ok = false;
            break;
        }
        element->unserialize(in, false);
        read.append(element);
        ok = in.status() == QDataStream::Ok;
    }
    if (!ok) {
        qDeleteAll(read);
        return false;
    }
    list.append(read);
    return true;
}

// Reads elements until the data ends or an element is not whole (an unknown type, or
// cut short), appends the whole ones to list and returns the number of bytes they take:
// the list is whole when that is data.size(). Elements carry no length, so nothing
// after the first element that is not whole can be trusted.
template <typename Element, typename Create>
int readWhole(const QByteArray &data, QList<Element *> &list, Create create)
{
    QDataStream in(data);
    StreamHelper::setup(in);
    int whole = 0;
    while (!in.atEnd()) {
        quint8 type = 0;
        in >> type;
        Element *element = create(type);
        if (!element)
            break;
        element->unserialize(in, false);
        if (in.status() != QDataStream::Ok) {
            delete element;
            break;
        }
        list.append(element);
        whole = int(in.device()->pos());
    }
    return whole;
}

// Null when the list is empty, as a record stores "no sequence".
template <typename Element>
QByteArray toByteArray(const QList<Element *> &list)
{
    if (list.isEmpty())
        return QByteArray();
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    StreamHelper::setup(out);
    write(out, list);
    return data;
}

// The whole list or nothing (false).
template <typename Element, typename Create>
bool fromByteArray(const QByteArray &data, QList<Element *> &list, Create create)
{
    QList<Element *> read;
    if (readWhole(data, read, create) != data.size()) {
        qDeleteAll(read);
        return false;
    }
    list.append(read);
    return true;
}

} // namespace ElementListStream
