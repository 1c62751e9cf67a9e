// Feeds arbitrary line bytes to the receive side of the power-board link. Whatever comes
// in: no crash, no read outside a buffer, only frames that check are delivered, and the
// way the bytes are cut into reads changes nothing.
#include "PowerBoardManager.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

// Independent of the link's own check: what a delivered frame must be.
bool wellFormed(const QByteArray &p)
{
    if (p.size() < 5)
        return false;
    const int sequence = quint8(p.at(0));
    const int length = quint8(p.at(1)) | (quint8(p.at(2)) << 8);
    if (sequence < 4 || sequence > 126 || length > 600 || p.size() < length + 5)
        return false;
    unsigned sum = 1;
    for (int i = 0; i < length + 3; ++i)
        sum += quint8(p.at(i));
    const unsigned sent = quint8(p.at(length + 3)) | (quint8(p.at(length + 4)) << 8);
    return (sum & 0xFFFF) == sent;
}

struct Outcome
{
    QList<QByteArray> packets;
    int complete = 0;
    int failed = 0;
};

Outcome run(const QByteArray &bytes, int chunk, bool frameOut)
{
    Outcome outcome;
    PowerBoardManager link(QStringLiteral("/dev/ttyAPP1"));
    QObject::connect(&link, &PowerBoardManager::packetReceived,
                     [&](const QByteArray &p) { outcome.packets << p; });
    QObject::connect(&link, &PowerBoardManager::txComplete, [&] { ++outcome.complete; });
    QObject::connect(&link, &PowerBoardManager::txFailed, [&] { ++outcome.failed; });
    if (frameOut)
        link.sendPowerBoardCommand("I4");
    for (int i = 0; i < bytes.size(); i += chunk)
        link.receiveBytes(bytes.mid(i, chunk));
    return outcome;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static int args = *argc;
    static QCoreApplication app(args, *argv);
    // An empty device root: the link's port never opens, nothing real is touched.
    static QTemporaryDir root;
    qputenv("INSTRUMENT_ROOT", QFile::encodeName(root.path()));
    qInstallMessageHandler(quiet);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte chooses how the rest is cut into reads and whether a frame is out.
    const int chunk = 1 + (data[0] & 0x3F);
    const bool frameOut = data[0] & 0x80;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), int(size - 1));

    const Outcome whole = run(bytes, qMax(1, bytes.size()), frameOut);
    const Outcome cut = run(bytes, chunk, frameOut);
    for (const QByteArray &p : whole.packets) {
        if (!wellFormed(p))
            std::abort();
    }
    if (whole.packets != cut.packets || whole.complete != cut.complete || whole.failed != cut.failed)
        std::abort();
    return 0;
}
