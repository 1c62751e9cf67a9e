#pragma once

#include <QByteArray>
#include <QVector>

// Takes the bytes the Bluetooth module sends apart into multiplexing frames. Bytes ahead
// of a start byte are dropped; an incomplete frame waits for the rest. A header that
// announces more than a data frame can hold is no frame: its start byte is skipped and
// the search goes on, so a stray BF cannot hold the receive path for a kilobyte. What is
// kept between reads is therefore at most one incomplete frame.
class BtFrameReceiver
{
public:
    enum Kind {
        Data,     // a frame on a data link 0..8
        Control,  // a frame on the control channel: one reply line
        Foreign,  // a well-formed frame on any other link, not to be handled
        Unframed, // bytes with no start byte among them (the buffer is emptied)
    };
    struct Item {
        Kind kind;
        int link; // the frame's link byte; -1 for unframed bytes
        QByteArray payload;
    };

    // Adds what the port delivered and returns what it completes, in order.
    QVector<Item> feed(const QByteArray &bytes);
    void clear() { m_buffer.clear(); }
    int buffered() const { return m_buffer.size(); }

private:
    QByteArray m_buffer;
};
