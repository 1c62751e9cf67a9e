// Feeds arbitrary bytes, line by line, to the reading of a channel controller's HEX file:
// whatever a line holds, it is either refused or read into a record that agrees with its
// own count, checksum and type.
#include "IntelHexFile.h"

#include <QList>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    for (const QByteArray &line : content.split('\n')) {
        IntelHexFile::Record record;
        QString why;
        if (!IntelHexFile::parseLine(line, &record, &why)) {
            if (why.isEmpty())
                abort();
            continue;
        }
        if (line.size() != 11 + 2 * record.data.size())
            abort();
        if (record.type != IntelHexFile::Data && record.type != IntelHexFile::EndOfFile
            && record.type != IntelHexFile::ExtendedLinearAddress)
            abort();
        if ((record.type == IntelHexFile::EndOfFile && !record.data.isEmpty())
            || (record.type == IntelHexFile::ExtendedLinearAddress && record.data.size() != 2))
            abort();
        quint8 sum = quint8(record.data.size()) + quint8(record.address >> 8) + quint8(record.address)
            + record.type;
        for (char c : record.data)
            sum += quint8(c);
        bool ok = false;
        sum += quint8(line.right(2).toUInt(&ok, 16));
        if (!ok || sum != 0)
            abort();
    }
    return 0;
}
