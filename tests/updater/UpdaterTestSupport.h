#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

#include <memory>

class QTextEdit;
class QWidget;
class TempRoot;
class UpdaterProgressScreen;

// Helpers shared by the updater's tests.
namespace UpdaterTestSupport {

// The log as lines (one per paragraph), a coloured one prefixed with its colour name and
// "|": "red|Bad command format.   ".
QStringList logLines(const QTextEdit *log);

// The folders of the device that a package run needs ("/tmp", "/mnt/update").
void makeDeviceFolders(const TempRoot &root);

// A real "tar.bz2" made by the host's tar from files (path below the archive's top ->
// content); paths ending in "/" are folders, files have mode 0644. Written to hostPath.
bool makePackage(const QString &hostPath, const QMap<QString, QByteArray> &files);

// One raw tar member (ustar header and padded data), for archives tar would not make.
QByteArray tarMember(const QByteArray &name, char type, const QByteArray &data = QByteArray(),
                     const QByteArray &link = QByteArray(), const QByteArray &mode = "0000644");
// A pax extended header (type 'x') carrying the records key=value in order.
QByteArray paxHeader(const QList<QPair<QByteArray, QByteArray>> &records);
// A member with the old GNU magic "ustar  ", whose bytes from offset 345 (a ustar
// prefix, a time in old GNU headers) hold prefixField.
QByteArray oldGnuMember(const QByteArray &name, const QByteArray &prefixField, const QByteArray &data);
// Two empty blocks: the end of an archive.
QByteArray tarEnd();
QByteArray bzip2(const QByteArray &data);

// A progress screen on a root without a serial line to the ESA boards (its warning is
// expected), with no pause after a list and no reset hold, so tests run at full speed.
std::unique_ptr<UpdaterProgressScreen> progressScreen();

// With RONDIX_SCREENSHOTS naming a folder, saves the widget there as name.png to be
// looked at; false only when that save fails.
bool snapshot(QWidget *w, const QString &name);

// Writes the updater's settings file under the root (after configureSettings()).
void writeSettings(bool picEnable, bool avrEnable, const QString &product = QString());

} // namespace UpdaterTestSupport
