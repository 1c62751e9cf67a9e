#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVector>

// An Intel HEX file, read and checked whole before any of it is used: every record must
// have its colon, hexadecimal digits, a length that matches its count, a correct
// checksum and one of the types data (00), end of file (01) or extended linear address
// (04); the file must end with its end-of-file record.
class IntelHexFile
{
    Q_DECLARE_TR_FUNCTIONS(IntelHexFile)

public:
    enum RecordType { Data = 0x00, EndOfFile = 0x01, ExtendedLinearAddress = 0x04 };

    struct Record
    {
        quint8 type = 0;
        quint16 address = 0;
        QByteArray data;
        QByteArray line;   // the text of the line, for error reports
        int lineNumber = 0;   // counted from 1, as an editor shows it
        qint64 fileBytes = 0; // bytes of the file up to and including this line
    };

    static constexpr qint64 MaximumFileSize = 16 * 1024 * 1024;

    // False (with errorString()) when the file cannot be read or any line is bad. The
    // reason is short enough for the updater's screen and names the line it is on, never
    // the line's text, which may be anything.
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
