#include "OppDecoder.h"

namespace {

enum : quint8 {
    OpPut = 0x02,
    OpPutFinal = 0x82,
    OpAbort = 0xFF,
    HeaderName = 0x01,
    HeaderBody = 0x48,
    HeaderEndOfBody = 0x49,
    EncodingMask = 0xC0,
    EncodingText = 0x00,
    EncodingBytes = 0x40,
    EncodingByte = 0x80,
    EncodingQuad = 0xC0,
};

int be16(const QByteArray &d, int at)
{
    return (quint8(d.at(at)) << 8) | quint8(d.at(at + 1));
}

// The headers of one PUT packet, from..to (exclusive, inside the data).
bool readHeaders(const QByteArray &d, int from, int to, OppDecoder::Result *r, bool *ended)
{
    int h = from;
    while (h < to) {
        const quint8 id = quint8(d.at(h));
        int size;
        switch (id & EncodingMask) {
        case EncodingByte:
            size = 2;
            break;
        case EncodingQuad:
            size = 5;
            break;
        default:
            if (h + 3 > to)
                return false;
            size = be16(d, h + 1);
            if (size < 3)
                return false;
            break;
        }
        const bool whole = h + size <= to;
        if (id == HeaderBody || id == HeaderEndOfBody) {
            // What arrived of a cut body is kept for inspection; the push still fails.
            r->body.append(d.mid(h + 3, qMin(size, to - h) - 3));
            if (whole && id == HeaderEndOfBody)
                *ended = true;
        } else if (id == HeaderName && whole) {
            const int units = (size - 3) / 2;
            for (int u = 0; u + 1 < units; ++u)
                r->name.append(QChar::fromLatin1(d.at(h + 4 + 2 * u)));
        }
        if (!whole)
            return false;
        h += size;
    }
    return true;
}

} // namespace

OppDecoder::Result OppDecoder::decode(const QByteArray &data)
{
    Result r;
    bool ended = false;
    int p = 0;
    while (p < data.size()) {
        const quint8 op = quint8(data.at(p));
        if (op == OpAbort || p + 3 > data.size())
            return r;
        const int length = be16(data, p + 1);
        if (length < 3)
            return r;
        const int end = p + length;
        if (op == OpPut || op == OpPutFinal) {
            if (!readHeaders(data, p + 3, qMin(end, data.size()), &r, &ended))
                return r;
        }
        if (end > data.size())
            return r;
        p = end;
    }
    r.ok = ended;
    return r;
}
