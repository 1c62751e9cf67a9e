// Feeds arbitrary bytes, as the decompressed contents of an update package, to the check
// that every member stays inside the package folder before anything is unpacked.
#include "UpdatePackage.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray tar = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    QString reason;
    if (!UpdatePackage::checkTar(tar, &reason) && reason.isEmpty())
        __builtin_trap();
    return 0;
}
