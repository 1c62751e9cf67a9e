// A PC application for a desktop run: opens <root>/dev/ttyGS0 (the instrument opens it
// when "Remote Control" is chosen on its main menu), then reads commands from standard
// input, one a line, and prints every reply. Started tests are followed: their records
// are polled once a second until the instrument reports the test stopped.
// With --terminal it is instead the calibration software's terminal on the same line:
// each line typed goes to the instrument's calibration terminal ended by CR, and what
// comes back is printed as it is.
#include "PcLinkClient.h"
#include "PtyPair.h"
#include "QuitOnSignal.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>

#include <cstdio>
#include <functional>
#include <unistd.h>

namespace
{

const char *const kHelp =
    "Commands (CH is the channel as labelled on the instrument, 1 to 4):\n"
    "  flow CH SECONDS [BACKPRESSURE_MMHG [WINDOW_S]]  start a flow test and follow it\n"
    "  occlusion CH [auto]                             start an occlusion test and follow it\n"
    "  pca CH SECONDS [BASAL_ML_H [BOLUS_ML]]          start a PCA test and follow it\n"
    "  alarm CH       acknowledge the occlusion alarm (the green key)\n"
    "  stop CH        stop the test\n"
    "  poll CH INDEX  ask for one record (INDEX -1: the first)\n"
    "  info CH        the instrument's and the channel's identity\n"
    "  help, quit\n";

void print(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

QString describe(const PcLinkClient::Reply &r)
{
    const int ch = r.channel + 1;
    switch (r.opcode) {
    case PcLinkClient::DataReply: {
        const PcLinkClient::Record &d = r.record;
        if (d.elapsed == PcLinkClient::firstRecord)
            return QStringLiteral("data CH%1: no record yet").arg(ch);
        return QStringLiteral("data CH%1: %2 s  volume %3 ml  flow %4 ml/h  pressure %5 mmHg  "
                              "peak %6 mmHg  boluses %7")
            .arg(ch)
            .arg(d.elapsed)
            .arg(double(d.volume), 0, 'f', 3)
            .arg(double(d.flowAverage), 0, 'f', 2)
            .arg(d.pressure)
            .arg(d.pressurePeak)
            .arg(d.bolusCount);
    }
    case PcLinkClient::AlarmReply:
        return QStringLiteral("alarm CH%1").arg(ch);
    case PcLinkClient::StopReply:
        return QStringLiteral("stop CH%1: test complete").arg(ch);
    case PcLinkClient::ConfirmReply:
        return QStringLiteral("confirm CH%1: test started").arg(ch);
    case PcLinkClient::InfoReply:
        return QStringLiteral("info: instrument %1, build %2, %3 channels; CH%4 serial '%5', "
                              "firmware '%6', calibrated '%7'")
            .arg(r.info.serialNumber, r.info.buildVersion)
            .arg(r.info.channelCount)
            .arg(r.info.channel)
            .arg(r.info.channelSerialNumber, r.info.firmwareVersion, r.info.calibrationDate);
    default:
        return QStringLiteral("reply with opcode %1").arg(r.opcode);
    }
}

// Handles one command line; false for a line it cannot take.
bool command(PcLinkClient &pc, const QString &line)
{
    const QStringList w = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (w.isEmpty())
        return true;
    const QString verb = w.at(0).toLower();
    if (verb == QLatin1String("help")) {
        std::printf("%s", kHelp);
        return true;
    }
    if (verb == QLatin1String("quit")) {
        QCoreApplication::quit();
        return true;
    }
    bool ok = false;
    const int ch = w.value(1).toInt(&ok);
    if (!ok || ch < 1 || ch > 4)
        return false;
    const auto number = [&w](int i, double fallback, bool *good) {
        if (i >= w.size())
            return fallback;
        return w.at(i).toDouble(good);
    };
    bool good = true;
    if (verb == QLatin1String("flow") && w.size() >= 3) {
        const double seconds = number(2, 0, &good);
        const double pressure = number(3, 0, &good);
        const double window = number(4, 30, &good);
        if (!good)
            return false;
        pc.startFlow(quint8(ch), quint32(seconds), qint16(pressure), quint16(window));
        pc.follow(quint8(ch - 1), 1000);
    } else if (verb == QLatin1String("occlusion")) {
        pc.startOcclusion(quint8(ch), w.value(2) == QLatin1String("auto") ? 1 : 0);
        pc.follow(quint8(ch - 1), 1000);
    } else if (verb == QLatin1String("pca") && w.size() >= 3) {
        const double seconds = number(2, 0, &good);
        const double basal = number(3, 10, &good);
        const double bolus = number(4, 1, &good);
        if (!good)
            return false;
        pc.startPca(quint8(ch), quint32(seconds), float(basal), float(bolus));
        pc.follow(quint8(ch - 1), 1000);
    } else if (verb == QLatin1String("alarm")) {
        pc.alarm(quint8(ch));
    } else if (verb == QLatin1String("stop")) {
        pc.stop(quint8(ch));
    } else if (verb == QLatin1String("poll") && w.size() == 3) {
        const qint64 index = w.at(2).toLongLong(&good);
        if (!good)
            return false;
        pc.poll(quint8(ch - 1), index < 0 ? PcLinkClient::firstRecord : quint32(index));
    } else if (verb == QLatin1String("info")) {
        pc.requestInfo(quint8(ch));
    } else {
        return false;
    }
    return true;
}

// Hands each chunk read from standard input to take. At the end of the input (a piped
// script has run) reading stops; the program goes on until the operator interrupts, so
// the tests a script started are followed on.
void readInput(const std::function<void(QByteArray)> &take)
{
    auto *input =
        new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(input, &QSocketNotifier::activated, [input, take] {
        char chunk[512];
        const ssize_t n = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (n <= 0) {
            input->setEnabled(false);
            return;
        }
        take(QByteArray(chunk, int(n)));
    });
}

// Bridges standard input and output to the line, for the calibration terminal.
int runTerminal(const QString &root)
{
    PtyPair line;
    if (!line.open(root + QStringLiteral("/dev/ttyGS0"))) {
        std::fprintf(stderr, "pc_client: cannot open the line under %s\n", qPrintable(root));
        return 1;
    }
    QObject::connect(&line, &PtyPair::bytesReceived, [](const QByteArray &bytes) {
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
        std::fflush(stdout);
    });
    print(QStringLiteral("pc_client: terminal at %1/dev/ttyGS0; open the calibration terminal "
                         "on the instrument (About, Calibration, F3, PIN), then type lines")
              .arg(root));
    readInput([&line](QByteArray chunk) { line.write(chunk.replace('\n', '\r')); });
    return QCoreApplication::exec();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "A PC application on the instrument's PC link: <root>/dev/ttyGS0.\n"
        "Start it before choosing \"Remote Control\" on the instrument, then type commands.");
    parser.addHelpOption();
    parser.addOption({"root", "Device root of the desktop run.", "dir"});
    parser.addOption({"verbose", "Also print every record polled."});
    parser.addOption({"terminal",
                      "Be the calibration software's terminal instead: lines typed go to the "
                      "instrument's calibration terminal, its output is printed."});
    parser.process(app);
    if (!parser.isSet("root")) {
        std::fprintf(stderr, "pc_client: --root is required\n");
        return 2;
    }
    if (parser.isSet("terminal")) {
        quitOnSignal();
        return runTerminal(parser.value("root"));
    }

    // Ctrl-C ends the event loop, so the line's link under the root is removed.
    quitOnSignal();
    PcLinkClient pc;
    if (!pc.open(parser.value("root"))) {
        std::fprintf(stderr, "pc_client: cannot open the line under %s\n",
                     qPrintable(parser.value("root")));
        return 1;
    }
    const bool verbose = parser.isSet("verbose");
    QObject::connect(&pc, &PcLinkClient::replyReceived, [&pc](const PcLinkClient::Reply &r) {
        // A followed test's records are printed as they are taken, below.
        if (r.opcode != PcLinkClient::DataReply || !pc.following(r.channel))
            print(describe(r));
    });
    QObject::connect(&pc, &PcLinkClient::recordReceived,
                     [verbose](quint8 channel, const PcLinkClient::Record &record) {
                         // One record in ten keeps the terminal readable.
                         if (verbose || record.elapsed % 10 == 0) {
                             PcLinkClient::Reply r;
                             r.opcode = PcLinkClient::DataReply;
                             r.channel = channel;
                             r.record = record;
                             print(describe(r));
                         }
                     });
    QObject::connect(&pc, &PcLinkClient::testFinished, [&pc](quint8 channel) {
        print(QStringLiteral("CH%1: %2 records").arg(channel + 1).arg(pc.records(channel).size()));
    });

    print(QStringLiteral("pc_client: line at %1/dev/ttyGS0; choose \"Remote Control\" on the "
                         "instrument, then type a command (help lists them)")
              .arg(parser.value("root")));
    QByteArray pending;
    readInput([&](const QByteArray &chunk) {
        pending.append(chunk);
        for (int end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
            const QString line = QString::fromLocal8Bit(pending.left(end)).trimmed();
            pending.remove(0, end + 1);
            if (!command(pc, line))
                print(QStringLiteral("? %1 (help lists the commands)").arg(line));
        }
    });
    return app.exec();
}
