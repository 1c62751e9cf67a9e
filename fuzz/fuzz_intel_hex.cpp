// Feeds arbitrary bytes to the reading of a channel controller's HEX file: line by line,
// whatever a line holds, it is either refused with a short reason or read into a record
// that agrees with its own count, checksum and type; as a whole file, one that the check
// before programming accepts ends with its end-of-file record, places every data record
// where the controller can take it and has a program for it whose bytes no two records
// dispute.
#include "FuzzRoot.h"
#include "IntelHexFile.h"
#include "PicProgrammer.h"

#include <QList>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// A refusal is shown on the updater's screen: it names the line, never quotes it.
constexpr int MaxReason = 80;

void checkLines(const QByteArray &content)
{
    for (const QByteArray &line : content.split('\n')) {
        IntelHexFile::Record record;
        QString why;
        if (!IntelHexFile::parseLine(line, &record, &why)) {
            if (why.isEmpty() || why.size() > MaxReason)
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
}

void checkFile(const uint8_t *data, size_t size)
{
    const QString path = fuzzRoot() + QStringLiteral("/ch.hex");
    writeFuzzFile(path, data, size);
    IntelHexFile hex;
    QString error;
    if (!PicProgrammer::loadHexFile(path, &hex, &error)) {
        if (error.isEmpty() || error.size() > MaxReason)
            abort();
        return;
    }
    if (hex.records().isEmpty() || hex.records().last().type != IntelHexFile::EndOfFile)
        abort();
    // Where the controller takes data: its 64 KB of program memory, a record starting in
    // its configuration bytes, or at and above its identification locations (not written).
    // At least one record is for program memory, and no two give a byte two values.
    static unsigned char image[0x10000];
    static bool written[0x10000];
    memset(written, 0, sizeof written);
    int programRecords = 0;
    unsigned long long upper = 0;
    for (const IntelHexFile::Record &r : hex.records()) {
        if (r.type == IntelHexFile::ExtendedLinearAddress) {
            upper = (unsigned long long)(quint8(r.data.at(0)) * 256 + quint8(r.data.at(1))) * 65536;
            continue;
        }
        if (r.data.isEmpty())
            continue;
        const unsigned long long start = upper + r.address;
        const unsigned long long end = start + unsigned(r.data.size());
        const bool programMemory = end <= 0x10000;
        const bool configuration = start >= 0x300000 && start <= 0x30000D;
        const bool notWritten = start >= 0x200000 && end <= 0x100000000ULL;
        if (!programMemory && !configuration && !notWritten)
            abort();
        if (!programMemory)
            continue;
        ++programRecords;
        for (int i = 0; i < r.data.size(); ++i) {
            const unsigned long long at = start + unsigned(i);
            if (written[at] && image[at] != quint8(r.data.at(i)))
                abort();
            written[at] = true;
            image[at] = quint8(r.data.at(i));
        }
    }
    if (programRecords == 0)
        abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    checkLines(QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size)));
    checkFile(data, size);
    return 0;
}
