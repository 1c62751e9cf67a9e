#include "IntelHexFile.h"

#include <QFile>

namespace {
int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// As the byte stands in the file's text.
QString hexByte(quint8 b)
{
    return QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
}
} // namespace

bool IntelHexFile::parseLine(const QByteArray &line, Record *record, QString *error)
{
    if (!line.startsWith(':')) {
        *error = tr("no colon at its start");
        return false;
    }
    QByteArray bytes;
    for (int i = 1; i < line.size(); i += 2) {
        const int hi = hexDigit(line.at(i));
        const int lo = i + 1 < line.size() ? hexDigit(line.at(i + 1)) : -1;
        if (hi < 0 || lo < 0) {
            *error = tr("not hexadecimal");
            return false;
        }
        bytes.append(char(hi << 4 | lo));
    }
    if (bytes.size() < 5 || bytes.size() != 5 + quint8(bytes.at(0))) {
        *error = tr("length does not match the count");
        return false;
    }
    quint8 sum = 0;
    for (int i = 0; i + 1 < bytes.size(); ++i)
        sum += quint8(bytes.at(i));
    const quint8 expected = quint8(-sum);
    if (quint8(bytes.back()) != expected) {
        // Both values, so the line can be checked by eye against the file.
        *error = tr("bad checksum %1, should be %2")
                     .arg(hexByte(quint8(bytes.back())), hexByte(expected));
        return false;
    }
    const quint8 count = quint8(bytes.at(0));
    const quint8 type = quint8(bytes.at(3));
    if ((type == EndOfFile && count != 0) || (type == ExtendedLinearAddress && count != 2)
        || (type != Data && type != EndOfFile && type != ExtendedLinearAddress)) {
        *error = tr("record type %1 not allowed").arg(type, 2, 16, QLatin1Char('0'));
        return false;
    }
    record->type = type;
    record->address = quint16(quint8(bytes.at(1)) << 8 | quint8(bytes.at(2)));
    record->data = bytes.mid(4, count);
    record->line = line;
    return true;
}

bool IntelHexFile::load(const QString &path)
{
    m_Records.clear();
    m_Error.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_Error = tr("cannot be opened");
        return false;
    }
    // A program image of the controllers is a few hundred kilobytes as text; anything far
    // larger is the wrong file and is not read into memory.
    if (file.size() > MaximumFileSize) {
        m_Error = tr("too large for a HEX file");
        return false;
    }
    const QByteArray content = file.readAll();
    m_FileSize = content.size();
    bool ended = false;
    qint64 consumed = 0;
    int lineNumber = 0;
    for (int start = 0; start < content.size();) {
        int end = content.indexOf('\n', start);
        if (end < 0)
            end = content.size();
        const QByteArray line = content.mid(start, end - start).trimmed();
        consumed = qMin<qint64>(end + 1, content.size());
        start = end + 1;
        ++lineNumber;
        if (line.isEmpty())
            continue;
        Record record;
        QString why;
        if (ended)
            why = tr("data after the end-of-file record");
        else if (parseLine(line, &record, &why)) {
            record.fileBytes = consumed;
            record.lineNumber = lineNumber;
            ended = record.type == EndOfFile;
            m_Records.append(record);
            continue;
        }
        m_Error = tr("line %1: %2").arg(lineNumber).arg(why);
        return false;
    }
    if (!ended) {
        m_Error = tr("no end-of-file record");
        return false;
    }
    return true;
}
