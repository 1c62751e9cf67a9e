#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>

class QTextEdit;
class TempRoot;
class UpdaterProgressScreen;

// Helpers shared by the updater's tests.
namespace UpdaterTestSupport {

// The log as lines (one per paragraph), a coloured one prefixed with its colour name and
// "|": "red|Bad command format.   ".
QStringList logLines(const QTextEdit *log);

// Points the command runner at a wrapper around the recorder that, after logging, really
// unpacks "tar jxvf <archive> -C <folder>" with both paths taken under the root, so a run
// finds the package's files where the device would.
void recordAndExtract(const TempRoot &root);

// A real "tar.bz2" made by the host's tar from files (path below the archive's top ->
// content); paths ending in "/" are folders. Written to hostPath.
bool makePackage(const QString &hostPath, const QMap<QString, QByteArray> &files);

// One raw tar member (header and padded data), for archives tar would not make.
QByteArray tarMember(const QByteArray &name, char type, const QByteArray &data = QByteArray(),
                     const QByteArray &link = QByteArray());
// Two empty blocks: the end of an archive.
QByteArray tarEnd();
QByteArray bzip2(const QByteArray &data);

// A progress screen on a root without a serial line to the ESA boards (its warning is
// expected), with no pause after a list and no reset hold, so tests run at full speed.
std::unique_ptr<UpdaterProgressScreen> progressScreen();

// Writes the updater's settings file under the root (after configureSettings()).
void writeSettings(bool picEnable, bool avrEnable, const QString &product = QString());

} // namespace UpdaterTestSupport
