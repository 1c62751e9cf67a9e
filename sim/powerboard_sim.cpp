// The power board for a desktop run: four simulated channel controllers on a
// pseudo-terminal linked at <root>/dev/ttyAPP1, with their chip-select and reset lines
// in the GPIO files under <root>/sys/class/gpio.
#include "PowerBoardSim.h"
#include "QuitOnSignal.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

#include <cstdio>

namespace {
// "CH" or "CH:A" or "CH:A:B" with CH the channel as labelled on the instrument, 1 to 4.
bool parseChannelSpec(const QString &spec, int *channel, QList<double> *numbers)
{
    const QStringList parts = spec.split(':');
    bool ok = false;
    *channel = parts.value(0).toInt(&ok) - 1;
    if (!ok || *channel < 0 || *channel > 3)
        return false;
    for (int i = 1; i < parts.size(); ++i) {
        const double v = parts.at(i).toDouble(&ok);
        if (!ok)
            return false;
        numbers->append(v);
    }
    return true;
}

// "CH:NAME[:VALUE][@S|+S]": the fault at once, S seconds into the channel's test (@) or
// S seconds after the simulator started (+).
bool applyFaultSpec(PowerBoardSim &sim, const QString &spec)
{
    QString head = spec;
    int afterTest = -1;
    double afterStart = -1;
    const int at = spec.indexOf(QRegularExpression("[@+]"));
    if (at >= 0) {
        bool ok = false;
        const double s = spec.mid(at + 1).toDouble(&ok);
        if (!ok || s < 0)
            return false;
        if (spec.at(at) == '@')
            afterTest = int(s);
        else
            afterStart = s;
        head = spec.left(at);
    }
    const QStringList parts = head.split(':');
    if (parts.size() < 2 || parts.size() > 3)
        return false;
    bool ok = false;
    const int channel = parts.at(0).toInt(&ok) - 1;
    if (!ok || channel < 0 || channel > 3)
        return false;
    PowerBoardSim::Fault fault;
    if (!PowerBoardSim::faultFromName(parts.at(1), &fault))
        return false;
    int value = 1;
    if (parts.size() == 3) {
        value = parts.at(2).toInt(&ok);
        if (!ok || value < 0)
            return false;
    }
    if (afterTest >= 0)
        sim.setFaultInTest(channel, fault, afterTest, value);
    else if (afterStart >= 0)
        sim.setFaultAt(channel, fault, sim.now() + qint64(afterStart * 1000), value);
    else
        sim.setFault(channel, fault, value);
    return true;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Simulated power board: four channel controllers on <root>/dev/ttyAPP1.\n"
        "CH is the channel as labelled on the instrument, 1 to 4.\n\n"
        "Faults (--fault):\n"
        "  absent         never answers, from power-on\n"
        "  silent         stops answering\n"
        "  nak-only       refuses every command with a NAK\n"
        "  reset-idle     restarts: idle, settings and figures cleared\n"
        "  reset-zeros    restarts, still reporting its test's type and state, figures 0\n"
        "  reset-restart  restarts, reporting its test counted again from 0\n"
        "  late-repeat    sends each answer again VALUE ms after its exchange\n"
        "  double-reply   sends each answer twice, the copy with its own sequence number\n"
        "  babble         sends its test data every VALUE ms, asked or not\n"
        "  short-reply    cuts its test data to VALUE bytes\n"
        "  long-reply     pads its test data with zeros to VALUE bytes\n"
        "  corrupt        changes one byte of a frame it sends, VALUE percent chance\n"
        "  slow           answers each command VALUE ms late, if still selected then");
    parser.addHelpOption();
    parser.addOption({"root", "Device root to work under.", "dir"});
    parser.addOption({"absent", "No controller fitted on channel CH (repeatable).", "CH"});
    parser.addOption({"drop-acks", "Channel CH drops its next N acknowledgements (all without N).", "CH[:N]"});
    parser.addOption({"nak-stray-ack", "Channel CH answers every command with a NAK followed by an ACK of another "
                                       "sequence number, and carries none out (repeatable).", "CH"});
    parser.addOption({"silent-after", "Channel CH stops answering S seconds into a test, for D seconds (for good without D).",
                      "CH:S[:D]"});
    parser.addOption({"rate", "Flow rate of the pump on channel CH, ml/h (default 100).", "CH:RATE"});
    parser.addOption({"clear-after-stop", "Stopped controllers report zero readings and time, not their last test's."});
    parser.addOption({"console", "How the controllers' calibration consoles answer: echo (default) or prompt "
                                 "(a line monitor: id, cls, live, nul).", "MODE"});
    parser.addOption({"fault",
                      "Channel CH fails as NAME (one of the faults above; repeatable): at once, S seconds "
                      "into its test (@S), or S seconds after the simulator started (+S). VALUE as the fault "
                      "says (default 1).",
                      "CH:NAME[:VALUE][@S|+S]"});
    parser.addOption({"seed", "Seeds what faults leave to chance (default 0).", "N"});
    parser.addOption({"verbose", "Log every command and fault on standard error."});
    parser.process(app);

    if (!parser.isSet("root")) {
        std::fprintf(stderr, "powerboard_sim: --root is required\n");
        return 2;
    }
    PowerBoardSim sim;
    sim.setVerbose(parser.isSet("verbose"));
    auto bad = [](const QString &option, const QString &value) {
        std::fprintf(stderr, "powerboard_sim: bad value for --%s: %s\n", qPrintable(option), qPrintable(value));
        return 2;
    };
    for (int ch = 0; ch < 4; ++ch)
        sim.controller(ch).setClearsAfterStop(parser.isSet("clear-after-stop"));
    for (const QString &v : parser.values("absent")) {
        int ch;
        QList<double> n;
        if (!parseChannelSpec(v, &ch, &n) || !n.isEmpty())
            return bad("absent", v);
        sim.setAbsent(ch, true);
    }
    for (const QString &v : parser.values("drop-acks")) {
        int ch;
        QList<double> n;
        if (!parseChannelSpec(v, &ch, &n) || n.size() > 1)
            return bad("drop-acks", v);
        sim.setDropAcks(ch, n.isEmpty() ? -1 : int(n.at(0)));
    }
    for (const QString &v : parser.values("nak-stray-ack")) {
        int ch;
        QList<double> n;
        if (!parseChannelSpec(v, &ch, &n) || !n.isEmpty())
            return bad("nak-stray-ack", v);
        sim.setNakWithStrayAck(ch, true);
    }
    for (const QString &v : parser.values("silent-after")) {
        int ch;
        QList<double> n;
        if (!parseChannelSpec(v, &ch, &n) || n.isEmpty() || n.size() > 2)
            return bad("silent-after", v);
        sim.setSilentDuringTest(ch, int(n.at(0)), n.size() > 1 ? int(n.at(1)) : -1);
    }
    if (parser.isSet("seed")) {
        bool ok = false;
        const uint seed = parser.value("seed").toUInt(&ok);
        if (!ok)
            return bad("seed", parser.value("seed"));
        sim.setSeed(seed);
    }
    for (const QString &v : parser.values("fault")) {
        if (!applyFaultSpec(sim, v))
            return bad("fault", v);
    }
    if (parser.isSet("console")) {
        const QString mode = parser.value("console");
        if (mode != "echo" && mode != "prompt")
            return bad("console", mode);
        sim.setConsole(mode == "prompt" ? SimConsole::Mode::Prompt : SimConsole::Mode::Echo);
    }
    for (const QString &v : parser.values("rate")) {
        int ch;
        QList<double> n;
        if (!parseChannelSpec(v, &ch, &n) || n.size() != 1 || n.at(0) < 0)
            return bad("rate", v);
        sim.controller(ch).pump().rate = n.at(0);
    }

    if (!quitOnSignal())
        return 1;

    if (!sim.start(parser.value("root"))) {
        std::fprintf(stderr, "powerboard_sim: cannot set up the board under %s\n", qPrintable(parser.value("root")));
        return 1;
    }
    std::fprintf(stderr, "powerboard_sim: line at %s\n", qPrintable(sim.linePath()));
    return app.exec(); // the line's link is removed when the simulator goes
}
