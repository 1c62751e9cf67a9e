// Feeds arbitrary line bytes to the receive side of the Bluetooth module link and on to
// the Bluetooth service. Whatever comes in: no crash, no read outside a buffer; frames
// come out the same however the bytes are cut into reads, none longer than a frame can
// be, and what the receiver holds between reads stays within one frame.
#include "BlueToothManager.h"
#include "BluetoothFavourites.h"
#include "BtFrameReceiver.h"
#include "BtMuxFrame.h"
#include "FuzzRoot.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>

namespace {

// The frames of a stream (unframed pieces left out: where they fall depends on the reads).
QVector<BtFrameReceiver::Item> frames(const QByteArray &bytes, int chunk)
{
    BtFrameReceiver receiver;
    QVector<BtFrameReceiver::Item> out;
    for (int i = 0; i < bytes.size(); i += chunk) {
        for (const BtFrameReceiver::Item &item : receiver.feed(bytes.mid(i, chunk))) {
            if (item.kind == BtFrameReceiver::Unframed)
                continue;
            if (item.payload.size() > BtMuxFrame::MaxDataPayload)
                std::abort();
            if (item.kind == BtFrameReceiver::Data && (item.link < 0 || item.link > 8))
                std::abort();
            out << item;
        }
        if (receiver.buffered() > BtMuxFrame::MaxDataPayload + BtMuxFrame::HeaderSize)
            std::abort();
    }
    return out;
}

bool same(const QVector<BtFrameReceiver::Item> &a, const QVector<BtFrameReceiver::Item> &b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (a.at(i).kind != b.at(i).kind || a.at(i).link != b.at(i).link || a.at(i).payload != b.at(i).payload)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static int args = *argc;
    static QCoreApplication app(args, *argv);
    fuzzRoot(); // no port and no power line there: nothing real is touched
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte chooses how the rest is cut into reads and the service's mode.
    const int chunk = 1 + (data[0] & 0x3F);
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), int(size - 1));
    if (!same(frames(bytes, qMax(1, bytes.size())), frames(bytes, chunk)))
        std::abort();

    // Through the whole receive path: replies and data reach the service in any mode.
    BluetoothFavourites *bt = BluetoothFavourites::getInstance();
    bt->btActivate(data[0] & 0x80 ? BT_MODE_RECEIVE : BT_MODE_SEARCH);
    for (int i = 0; i < bytes.size(); i += chunk)
        bt->manager()->receiveBytes(bytes.mid(i, chunk));
    delete bt;
    return 0;
}
