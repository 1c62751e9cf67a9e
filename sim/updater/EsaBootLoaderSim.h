#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>

#include <memory>

class HostPinPage;
class PtyPair;

// The boot loaders of the ESA IO and measurement boards at the far end of the serial
// line. Bytes reach the board that the board-select line (on the host pin page) chooses
// when they are sent. A board wakes on "B", answers "2" (application) or "3" (EEPROM)
// with the request byte 'C', checks each block's number (from 0), complement and CRC,
// answers ACK or NAK, records what it took, and answers EOT with ACK (or as told).
class EsaBootLoaderSim : public QObject
{
    Q_OBJECT
public:
    enum BoardId { Io = 0, Measurement = 1 };

    EsaBootLoaderSim(PtyPair *line, std::shared_ptr<HostPinPage> page, QObject *parent = nullptr);

    // Everything the board heard, the image it took (data of the blocks in order), the
    // block numbers, how often it was woken, and whether the transfer ended with EOT.
    QByteArray heard(BoardId b) const { return m_boards[b].heard; }
    QByteArray image(BoardId b) const { return m_boards[b].image; }
    QList<int> blockNumbers(BoardId b) const { return m_boards[b].numbers; }
    int wakeUps(BoardId b) const { return m_boards[b].wakeUps; }
    char kind(BoardId b) const { return m_boards[b].kind; }
    bool ended(BoardId b) const { return m_boards[b].ended; }

    // Faults: refuse the block with this index (counted from 0 in a transfer); never
    // answer anything; take the request but never acknowledge; after the ACK of EOT,
    // ask for a transfer again.
    void refuseBlock(int index) { m_refuse = index; }
    void setSilent(bool silent) { m_silent = silent; }
    void setNoAcknowledge(bool none) { m_noAck = none; }
    void setRequestAgainAfterEnd(bool again) { m_requestAgain = again; }
    // A line that babbles once the board has acknowledged this many blocks of a
    // transfer: every later block is taken, but answered with noise among which ACK
    // bytes stand (babble()).
    void setBabbleAfter(int blocks) { m_babbleAfter = blocks; }
    static QByteArray babble() { return QByteArray("\xa5\x06\x5a\x06\xff", 5); }
    // A board still asking: each ACK goes out with a request byte before it.
    void setRequestBesideAck(bool beside) { m_requestBeside = beside; }
    // The answer to EOT.
    enum EndAnswer { EndAck, EndNak, EndSilent };
    void setEndAnswer(EndAnswer answer) { m_endAnswer = answer; }
    // Bytes a board puts on the line with nobody asking (noise at power-up, a board
    // left talking): sent at once, whatever the system is doing.
    void sendUnasked(const QByteArray &bytes);

private:
    struct Board
    {
        bool awake = false;
        bool receiving = false;
        char kind = 0;
        int expected = 0;
        int index = 0;
        bool ended = false;
        int wakeUps = 0;
        QByteArray pending;
        QByteArray heard;
        QByteArray image;
        QList<int> numbers;
    };
    BoardId selected() const;
    void take(const QByteArray &bytes, BoardId b);
    void drainLine(BoardId b);
    void answer(char byte);

    PtyPair *m_line;
    std::shared_ptr<HostPinPage> m_page;
    Board m_boards[2];
    BoardId m_lastSelected;
    int m_refuse = -1;
    bool m_silent = false;
    bool m_noAck = false;
    bool m_requestAgain = false;
    int m_babbleAfter = -1;
    bool m_requestBeside = false;
    EndAnswer m_endAnswer = EndAck;
};
