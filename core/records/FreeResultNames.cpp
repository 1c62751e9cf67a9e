#include "FreeResultNames.h"

#include "FileUtils.h"

#include <QCryptographicHash>
#include <QFileInfo>

FreeResultNames::FreeResultNames(const QString &directory, qint64 maxFileBytes)
    : m_directory(directory), m_maxFileBytes(maxFileBytes)
{
}

QString FreeResultNames::numbered(const QString &base, int number)
{
    return number == 1 ? base : base + QLatin1Char('_') + QString::number(number);
}

QByteArray FreeResultNames::digest(const QByteArray &content)
{
    return QCryptographicHash::hash(content, QCryptographicHash::Sha256);
}

void FreeResultNames::know(Series &series, const QByteArray &contentDigest, int number)
{
    const auto known = series.byContent.find(contentDigest);
    if (known == series.byContent.end())
        series.byContent.insert(contentDigest, number);
    else if (number < *known)
        *known = number;
}

void FreeResultNames::readUnread(Series &series, qint64 size)
{
    const QVector<Seen> files = series.unread.take(size);
    for (const Seen &file : files) {
        QByteArray stored;
        // One that cannot be read holds no record's content.
        if (FileUtils::readBounded(m_directory + QLatin1Char('/') + file.name, m_maxFileBytes,
                                   stored))
            know(series, digest(stored), file.number);
    }
}

QString FreeResultNames::nameFor(const QString &base, const QByteArray &content)
{
    Series &series = m_series[base];
    const QByteArray contentDigest = digest(content);
    readUnread(series, content.size());
    // Every name below next names a file: one that holds this content is the answer,
    // else the first free one at or after next.
    const auto known = series.byContent.constFind(contentDigest);
    m_freeGiven = false;
    if (known != series.byContent.cend())
        return numbered(base, *known);
    for (int number = series.next;; ++number) {
        const QString name = numbered(base, number);
        const QFileInfo info(m_directory + QLatin1Char('/') + name);
        if (!info.exists()) {
            series.next = number;
            m_freeGiven = true;
            m_freeBase = base;
            m_freeNumber = number;
            m_freeDigest = contentDigest;
            return name;
        }
        if (info.size() == content.size()) {
            QByteArray stored;
            if (FileUtils::readBounded(info.filePath(), m_maxFileBytes, stored)) {
                know(series, digest(stored), number);
                if (stored == content) {
                    series.next = number + 1;
                    return name;
                }
            }
        } else {
            series.unread[info.size()].append({number, name});
        }
    }
}

void FreeResultNames::taken()
{
    if (!m_freeGiven)
        return;
    Series &series = m_series[m_freeBase];
    know(series, m_freeDigest, m_freeNumber);
    series.next = m_freeNumber + 1;
    m_freeGiven = false;
}
