// Feeds arbitrary bytes to the decoder of incoming object pushes. Whatever comes in: no
// crash, no read outside the data, and nothing decoded that the data did not hold.
#include "OppDecoder.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const OppDecoder::Result r = OppDecoder::decode(bytes);
    if (r.body.size() > bytes.size() || r.name.size() * 2 > bytes.size())
        std::abort();
    return 0;
}
