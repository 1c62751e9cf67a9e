#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVector>

// Names for the records of one import that cannot name their own file: of base, base_2,
// base_3, ... the first that names no file or a file that already holds the record (so
// importing the same records again adds no copies). Each numbered name is looked at once
// per import and a stored file is read only when a record of its size comes, so an
// import's cost grows with what it stores, not with what it has stored before.
class FreeResultNames
{
public:
    FreeResultNames(const QString &directory, qint64 maxFileBytes);

    // The name for a file of this content.
    QString nameFor(const QString &base, const QByteArray &content);
    // The name nameFor gave last now holds its content.
    void taken();

private:
    struct Seen {
        int number;
        QString name;
    };
    // What is known of base's names below next: every one of them names a file.
    struct Series {
        int next = 1;
        // Digest of a file's content to its lowest number.
        QHash<QByteArray, int> byContent;
        // Files not read yet, by size, in the order of their numbers.
        QHash<qint64, QVector<Seen>> unread;
    };

    static QString numbered(const QString &base, int number);
    static QByteArray digest(const QByteArray &content);
    void know(Series &series, const QByteArray &contentDigest, int number);
    // Reads the files of this size that were seen but not read, so their contents are known.
    void readUnread(Series &series, qint64 size);

    QString m_directory;
    qint64 m_maxFileBytes;
    QHash<QString, Series> m_series;
    // The last free name given: its series, number and content digest.
    bool m_freeGiven = false;
    QString m_freeBase;
    int m_freeNumber = 0;
    QByteArray m_freeDigest;
};
