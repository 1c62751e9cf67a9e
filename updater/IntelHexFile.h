#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// An Intel HEX file, read and checked whole before any of it is used: every record must
// have its colon, hexadecimal digits, a length that matches its count, a correct
// checksum and one of the types data (00), end of file (01) or extended linear address
// (04); the file must end with its end-of-file record.
class IntelHexFile
{
public:
    enum RecordType { Data = 0x00, EndOfFile = 0x01, ExtendedLinearAddress = 0x04 };

    struct Record
    {
        quint8 type = 0;
        quint16 address = 0;
        QByteArray data;
        QByteArray line;   // the text of the line, for error reports
        qint64 fileBytes = 0; // bytes of the file up to and including this line
    };

    static constexpr qint64 MaximumFileSize = 16 * 1024 * 1024;

    // False (with errorString()) when the file cannot be read or any line is bad.
    bool load(const QString &path);

    const QVector<Record> &records() const { return m_Records; }
    qint64 fileSize() const { return m_FileSize; }
    QString errorString() const { return m_Error; }

    // One line without its line end; false with a reason when it is not a valid record.
    static bool parseLine(const QByteArray &line, Record *record, QString *error);

private:
    QVector<Record> m_Records;
    qint64 m_FileSize = 0;
    QString m_Error;
};
