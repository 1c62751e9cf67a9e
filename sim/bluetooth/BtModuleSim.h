#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class PtyPair;
class QSocketNotifier;
class QTimer;

// The instrument's Bluetooth module at the far end of <root>/dev/ttyAPP3, with the
// devices around it. Obeys its power line (GPIO 22 under the root: "1" holds it off, and
// every fall to "0" starts it afresh; its value file is a pipe the simulator reads, so
// each write is seen), reports ready, takes text commands raw or, once
// multiplexing is on, in frames on the control channel, and answers as a module of
// this kind does: inquiries with the devices in range, calls with a link number and a
// connection or a failure, a pushed file with its data taken on the call's link.
// A scanner sends its codes once connected; a phone can push a file to the instrument.
//
// How the module behaves where its firmware is free to choose is set by Options, so
// each behaviour the instrument may meet can be run.
class BtModuleSim : public QObject
{
    Q_OBJECT
public:
    enum class Framing {
        Framed,             // multiplexing stored on: every start reports framed
        UnframedUntilMux,   // ships without multiplexing, keeps it once switched on
        UnframedEveryStart, // forgets multiplexing whenever its power goes
    };
    enum class Kind { Scanner, Phone, Computer, Printer, Other };
    enum class CallOutcome {
        Connects,
        Fails311,  // NO CARRIER n ERROR 311: the call failed
        NoCarrier, // NO CARRIER n ERROR 0: no answer
        Silent,    // the call is placed (CALL n) and never ends
    };

    struct Device {
        QByteArray address;
        QByteArray name;
        Kind kind = Kind::Other;
        CallOutcome outcome = CallOutcome::Connects;
        bool answersName = true; // a name request gets NAME, else NAME ERROR
    };

    // How the phone answers the final packet of a push from the instrument, as the module
    // reports it ("OBEX <link> <answer>").
    enum class FinalAnswer {
        Ok,
        Forbidden,
        NotAcceptable,
        None,     // never answers
        Continue, // asks for more, as if the body had not ended
        DropLink, // the link drops after the last byte, before any answer
    };

    struct Options {
        Framing framing = Framing::Framed;
        bool readyAfterMux = true;     // reports ready again, framed, once switched
        bool lineEndsInFrames = false; // control frames carry the line's CR LF
        int startMs = 40;              // from power to the ready report
        int answerMs = 5;              // delay before each reply
        QList<QByteArray> scans;       // what the scanner sends after connecting
        int scanGapMs = 300;
        QString inbox;    // where files pushed to a device are kept
        QString pushFile; // file the phone pushes once the pairing PIN is set
        int pushDelayMs = 2000;
        int pushFrameBytes = 300; // data bytes per frame of an incoming push
        int truncatePushAt = -1;  // the phone's link drops after this many bytes
        int stallPushAt = -1;     // the phone stops after this many bytes, link kept open
        bool answers = true;        // false: powered, but never says a word
        FinalAnswer finalAnswer = FinalAnswer::Ok;
        int refusePushAfter = -1; // the phone refuses a push after this many bytes (0: the PUT)
        int stopReadingAfter = -1; // the module stops reading its line after this many
                                   // bytes of a push from the instrument
        int stopReadingMs = 0;     // and reads again after this long; 0: never
        bool answersInquiry = true; // false: an inquiry gets no reply at all
    };

    static QList<Device> defaultDevices();
    static const QByteArray ownAddress;
    static const QByteArray banner;
    static const QByteArray pairingPin;

    explicit BtModuleSim(QObject *parent = nullptr);
    ~BtModuleSim() override;

    Options &options() { return m_options; }
    QList<Device> &devices() { return m_devices; }

    // Lays out the power line under root and opens the line at <root>/dev/ttyAPP3.
    bool start(const QString &root);
    QString linePath() const;

    bool poweredOn() const { return m_on; }
    bool multiplexing() const { return m_mux; }
    int starts() const { return m_starts; }
    QString btName() const { return m_name; }
    QString pin() const { return m_pin; }
    // Command lines received, in order, without line ends.
    QStringList commands() const { return m_commands; }
    void clearCommands() { m_commands.clear(); }
    // Data received on each link while nothing took it.
    QByteArray strayData(int link) const { return m_stray.value(link); }
    // Files pushed to devices: name to content.
    QMap<QString, QByteArray> received() const { return m_received; }
    // Links open now: link to device address.
    QMap<int, QByteArray> links() const { return m_links; }
    // Everything written to the line, in order.
    QByteArray sentBytes() const { return m_sent; }

    // The phone pushes a file to the instrument now (the module must be on).
    bool pushToInstrument(const QString &name, const QByteArray &content);
    // The far end of a link hangs up.
    void dropLink(int link);
    // The scanner, if connected, sends a code.
    bool scan(const QByteArray &code);

    void setVerbose(bool verbose) { m_verbose = verbose; }

    // OBEX requests of a phone pushing a file: connect, puts carrying the name, the
    // length and the body, disconnect.
    static QByteArray obexPush(const QString &name, const QByteArray &content, int bodyChunk = 400);

signals:
    void commandReceived(const QString &line);
    void fileReceived(const QString &name);

private:
    void onPowerLine();
    QString powerValuePath() const;
    void powerOff();
    void boot();
    void onBytes(const QByteArray &bytes);
    void onCommand(const QByteArray &line);
    void onData(int link, const QByteArray &data);
    // Everything the module sends goes through one queue, so it leaves in the order it
    // was decided, each item its delay after the one before.
    void schedule(int delayMs, std::function<void()> action);
    void runQueue();
    void reply(const QByteArray &line, int delayMs = -1);
    void sendLine(const QByteArray &line);
    void sendData(int link, const QByteArray &data);
    void writeLine(const QByteArray &bytes);
    void inquiry();
    void call(const QByteArray &address, const QByteArray &profile);
    void put(qint64 size, const QByteArray &name);
    void hangUp(int link, const QByteArray &error);
    int freeLink() const;
    const Device *device(const QByteArray &address) const;
    void sendScans(int link);
    void log(const QString &text) const;

    Options m_options;
    QList<Device> m_devices;
    PtyPair *m_line = nullptr;
    QString m_root;
    int m_powerFd = -1;
    QSocketNotifier *m_powerNotifier = nullptr;

    struct Queued {
        int delayMs;
        std::function<void()> action;
    };
    QList<Queued> m_queue;
    QTimer *m_queueTimer = nullptr;

    bool m_on = false;
    bool m_powerHigh = true; // the line as last written; it starts holding the module off
    bool m_mux = false;
    bool m_muxStored = false;
    int m_starts = 0;
    int m_epoch = 0; // bumped at every power change, so what was planned before it lapses
    QString m_name;
    QString m_pin;
    QByteArray m_rx;
    QStringList m_commands;
    QMap<int, QByteArray> m_links;
    QMap<int, QByteArray> m_linkProfile;
    QMap<int, QByteArray> m_stray;
    QMap<QString, QByteArray> m_received;
    QByteArray m_sent;

    // The push the instrument is making.
    int m_putLink = -1;
    qint64 m_putSize = 0;
    QString m_putName;
    QByteArray m_putData;

    bool m_verbose = false;
};
