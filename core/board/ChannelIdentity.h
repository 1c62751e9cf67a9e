#pragma once

#include <QByteArray>
#include <QString>

// The texts the about pages make of a channel controller's identity replies as the board
// manager keeps them, and of the program's own build version. Replies are the
// controller's to shape, so each is checked for length before it is cut.
namespace ChannelIdentity
{

struct Versions {
    QString firmware;
    QString hardware;
};

// From a whole version frame (sequence number, length low and high byte, the payload
// "NV<firmware>,<hardware>[,...]", checksum low and high byte): the firmware between
// "NV" and the first ",", the hardware up to the next "," or the payload's end.
Versions versions(const QByteArray &frame);

// From a whole serial-number frame: the payload after its letters "EN", less the three
// bytes that end it; empty for a frame of ten bytes or fewer.
QString serialNumber(const QByteArray &frame);

// From a date reply's six date bytes (minute, hour, day, month, year low, year high):
// "7 Mar 2019"; empty when the bytes are missing or make no date.
QString dateText(const QByteArray &date);

// The build version as the about page shows it: "1.3.1-1-g8ddccea" less its revision
// ("-g" and the abbreviated hash), "1.3.1-1"; any other text whole.
QString softwareVersion(const QString &buildVersion);

} // namespace ChannelIdentity
