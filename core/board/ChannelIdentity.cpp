#include "ChannelIdentity.h"

#include "UtilityFunctions.h"

#include <QRegularExpression>
#include <QStringList>

namespace
{
// Sequence number and the two length bytes before the payload, two checksum bytes after.
constexpr int kFrameHead = 3;
constexpr int kFrameTail = 2;
// The payload's reply letters, and the serial-number payload's closing bytes.
constexpr int kReplyLetters = 2;
constexpr int kSerialTail = 3;
} // namespace

namespace ChannelIdentity
{

Versions versions(const QByteArray &frame)
{
    Versions v;
    const int payloadSize = frame.size() - kFrameHead - kFrameTail;
    if (payloadSize <= kReplyLetters)
        return v;
    const QString text =
        QString::fromLatin1(frame.mid(kFrameHead + kReplyLetters, payloadSize - kReplyLetters));
    const QStringList parts = text.split(QLatin1Char(','));
    v.firmware = parts.at(0);
    if (parts.size() >= 2)
        v.hardware = parts.at(1);
    return v;
}

QString serialNumber(const QByteArray &frame)
{
    const int size = frame.size() - kFrameHead - kReplyLetters - kSerialTail - kFrameTail;
    if (size <= 0)
        return QString();
    return QString::fromLatin1(frame.mid(kFrameHead + kReplyLetters, size));
}

QString dateText(const QByteArray &date)
{
    const QDateTime when = UtilityFunctions::picToQDate(date);
    return when.isValid() ? when.toString(QStringLiteral("d MMM yyyy")) : QString();
}

QString softwareVersion(const QString &buildVersion)
{
    // git describe abbreviates to seven digits, more where seven would be ambiguous.
    static const QRegularExpression revision(QStringLiteral("-g[0-9a-f]{7,40}$"));
    QString shown = buildVersion;
    shown.remove(revision);
    return shown;
}

} // namespace ChannelIdentity
