#pragma once

#include "PtyPair.h"
#include "TempRoot.h"

#include <QByteArray>
#include <QStringList>

// The far end of the Bluetooth module's line under a fresh device root, with the sysfs
// files of the module's power line in place, for the link and the service to open.
struct ModuleLine {
    ModuleLine();
    ~ModuleLine();
    ModuleLine(const ModuleLine &) = delete;
    ModuleLine &operator=(const ModuleLine &) = delete;

    // What the system wrote, once at least count bytes are there.
    QByteArray take(int count);
    // What the system wrote within a short while (for checking that nothing went out).
    QByteArray takeQuiet(int ms = 60);
    // Waits until the system has sent count commands or data frames more than taken so
    // far, and takes everything it sent: commands as text, data as "data <link> <bytes>".
    QStringList takeCommands(int count);
    // Everything sent within a short while.
    QStringList takeCommandsQuiet(int ms = 60);
    // The power line's level as last written ("1" off, "0" on).
    QByteArray powerLevel() const;
    // Writes to the power line since the last call.
    int powerWrites();

    TempRoot root;
    PtyPair far;

private:
    int m_watch = -1;
};

// The frames of a byte stream as the module reads them: control frames as their text,
// data frames as "data <link> <payload as Latin-1>"; bytes outside frames as text lines.
QStringList framesIn(const QByteArray &bytes);

// Frames as the module sends them: a reply line on the control channel, data on a link.
QByteArray controlFrame(const QByteArray &line);
QByteArray dataFrame(int link, const QByteArray &data);
