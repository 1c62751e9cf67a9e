#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The grammar of a package's command list ("update_config"): one COMMAND:ARG per line.
// Only the reading of the text lives here; carrying the commands out is the progress
// screen's work. Everything here is a pure function of its input.
class UpdateCommandList
{
public:
    enum Kind {
        BadLine,
        Unknown,
        System,
        App,
        Kernel,
        Image,
        File,
        Script,
        Pic,
        EsaIoApp,
        EsaMeasurementApp,
        EsaIoEeprom,
        EsaMeasurementEeprom,
    };

    struct Entry
    {
        Kind kind = BadLine;
        QString command;
        QString argument;
        int pic = 0; // 1..4 for Pic
    };

    // Limits of a list an update package can sensibly hold; a larger file is refused whole.
    static constexpr qint64 MaxFileSize = 64 * 1024;
    static constexpr int MaxLines = 1000;

    // The lines of the file: line ends ("\n" or "\r\n") removed, empty lines kept, no
    // extra empty line after a final line end.
    static QStringList splitLines(const QByteArray &content);

    // One line: exactly two parts around a single ":", nothing trimmed; the command is
    // matched case-sensitively.
    static Entry parseLine(const QString &line);

    // A path inside the unpacked package: begins with "/", names something below the
    // package folder (not "/", "/." or "//"), and has no ".." component, so it can never
    // reach outside the package folder nor stand for the whole of it.
    static bool isPackagePath(const QString &argument);

    // A package path naming a top-level entry of the package ("/rootfs.ubi").
    static bool isTopLevelName(const QString &argument);
};
