#pragma once

#include <QString>

// Puts a new main program in the place of the old one so that, whatever stops the
// update midway (a full file system, a power cut), the path holds either the old
// program or the whole new one, and the next boot can start it.
class ApplicationInstaller
{
public:
    // Copies source beside target under a temporary name, gives the copy the mode of the
    // program it replaces (0755 when there is none: the package's own mode may lack the
    // execute bits), writes it through to the disk and renames it over target. False with
    // the reason when any step fails; the old program then stays and no copy is left.
    static bool install(const QString &source, const QString &target, QString *reason = nullptr);
};
