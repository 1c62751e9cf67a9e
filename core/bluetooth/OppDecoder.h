#pragma once

#include <QByteArray>
#include <QString>

// Decodes the object-push requests a phone sent over a module link into the object's
// name and body. The bytes are walked packet by packet (opcode, 16-bit big-endian length)
// and, inside a PUT, header by header by the encoding in the header id's top two bits:
// text and byte sequences carry a 16-bit length, the others are one or four bytes. Every
// length is checked against the data. Only a push whose End of Body arrived counts as
// whole; an ABORT, a short packet or a header running past its packet fails it.
class OppDecoder
{
public:
    struct Result {
        bool ok = false;
        QString name; // from the Name header; each text unit's low byte as Latin-1
        QByteArray body;
    };

    static Result decode(const QByteArray &data);
};
