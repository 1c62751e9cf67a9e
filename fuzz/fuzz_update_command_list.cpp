// Feeds arbitrary bytes to the reading of a package's command list: line splitting, the
// COMMAND:ARG grammar and the path checks that guard every file argument.
#include "UpdateCommandList.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    const QStringList lines = UpdateCommandList::splitLines(content);
    if (content.endsWith('\n') ? lines.size() != content.count('\n')
                               : lines.size() != content.count('\n') + 1 - (content.isEmpty() ? 1 : 0))
        abort();
    for (const QString &line : lines) {
        const UpdateCommandList::Entry e = UpdateCommandList::parseLine(line);
        if (e.kind == UpdateCommandList::BadLine) {
            if (line.count(QLatin1Char(':')) == 1)
                abort();
            continue;
        }
        if (e.command + QLatin1Char(':') + e.argument != line)
            abort();
        if (e.kind == UpdateCommandList::Pic && (e.pic < 1 || e.pic > 4))
            abort();
        // A path accepted as inside the package never climbs out of it.
        if (UpdateCommandList::isPackagePath(e.argument)) {
            if (!e.argument.startsWith(QLatin1Char('/')))
                abort();
            for (const QString &part : e.argument.split(QLatin1Char('/')))
                if (part == QLatin1String(".."))
                    abort();
        }
        if (UpdateCommandList::isTopLevelName(e.argument) && e.argument.indexOf(QLatin1Char('/'), 1) >= 0)
            abort();
    }
    return 0;
}
