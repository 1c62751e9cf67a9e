// Feeds arbitrary bytes, as an update package on the drive, to the reading that checks and
// unpacks it. Bytes that do not begin as a bzip2 stream are taken as the archive inside
// one (compressed here), so the mutations reach the tar reader. Whatever the package
// holds, nothing may exist afterwards outside the unpack folder.
#include "FuzzRoot.h"
#include "UpdatePackage.h"

#include <QDirIterator>
#include <QFileInfo>

#include <bzlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <unistd.h>

namespace {

QByteArray compressed(const uint8_t *data, size_t size)
{
    QByteArray out(int(size + size / 100 + 1024), '\0');
    unsigned length = unsigned(out.size());
    if (BZ2_bzBuffToBuffCompress(out.data(), &length, reinterpret_cast<char *>(const_cast<uint8_t *>(data)),
                                 unsigned(size), 1, 0, 0)
        != BZ_OK)
        abort();
    out.resize(int(length));
    return out;
}

// Below outer: the root, the package below its drive/, the folder below its tmp/, and
// nothing else but the folders that hold them. Links are not followed.
void checkNothingOutside(const QString &outer, const QString &root)
{
    const QString folder = root + QStringLiteral("/tmp/firmware_update");
    const QStringList allowed{root, root + QStringLiteral("/drive"), root + QStringLiteral("/drive/p.tar.bz2"),
                              root + QStringLiteral("/tmp"), folder};
    QDirIterator it(outer, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString p = it.next();
        if (!allowed.contains(p) && !p.startsWith(folder + QLatin1Char('/')))
            abort();
    }
    // The package folder is a folder of its own, never a link out of it.
    if (QFileInfo(folder).isSymLink())
        abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The root of the run sits one level below a folder of its own, so a member climbing
    // one level out lands where the check sees it.
    static const QString outer = fuzzRoot();
    static const QString root = [] {
        const QString r = outer + QStringLiteral("/root");
        QDir().mkpath(r + QStringLiteral("/tmp"));
        return r;
    }();
    static char workingFolder[4096];
    static const bool saved = getcwd(workingFolder, sizeof workingFolder) != nullptr;

    const bool asIs = size >= 3 && data[0] == 'B' && data[1] == 'Z' && data[2] == 'h';
    const QByteArray package = asIs ? QByteArray(reinterpret_cast<const char *>(data), int(size))
                                    : compressed(data, size);
    writeFuzzFile(root + QStringLiteral("/drive/p.tar.bz2"), reinterpret_cast<const uint8_t *>(package.constData()),
                  size_t(package.size()));

    UpdatePackage::Limits limits;
    limits.maxBytes = 8 * 1024 * 1024;
    limits.maxMembers = 2000;
    QString reason;
    const bool unpacked = UpdatePackage::unpack(root + QStringLiteral("/drive/p.tar.bz2"),
                                                root + QStringLiteral("/tmp/firmware_update"), &reason, limits);
    if (!unpacked && reason.isEmpty())
        abort();
    if (!unpacked && QFileInfo::exists(root + QStringLiteral("/tmp/firmware_update")))
        abort();

    char here[4096];
    if (saved && (!getcwd(here, sizeof here) || qstrcmp(here, workingFolder) != 0))
        abort();
    checkNothingOutside(outer, root);
    return 0;
}
