#pragma once

#include <QObject>
#include <QString>

class TtyHandler;

// Sends an application or EEPROM image to one of the two ESA boards through their boot
// loaders on the serial line.
//
// This build carries no boot-loader dialogue yet: every download fails at once, so an
// ESA command shows its failure line instead of pretending to succeed.
class EsaDownload : public QObject
{
    Q_OBJECT
public:
    enum Board { IoBoard = 0, MeasurementBoard = 1 };
    enum Kind { Application = 0, Eeprom = 1 };

    EsaDownload(TtyHandler *port, QObject *parent = nullptr);

    // Sends the file (a host path that exists) to the board; blocks, processing events,
    // until the board took it or the download failed. Returns 0 on success, -1 otherwise.
    int download(const QString &filePath, Board board, Kind kind);

private:
    TtyHandler *m_Port;
};
