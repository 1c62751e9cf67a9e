// The Bluetooth module for a desktop run: the module and the devices around it on a
// pseudo-terminal linked at <root>/dev/ttyAPP3, switched by the power line in
// <root>/sys/class/gpio/gpio22.
#include "BtModuleSim.h"
#include "QuitOnSignal.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QMap>

#include <cstdio>

namespace {
BtModuleSim::Device *deviceOf(BtModuleSim &sim, const QString &address)
{
    for (BtModuleSim::Device &d : sim.devices()) {
        if (QString::fromLatin1(d.address).compare(address, Qt::CaseInsensitive) == 0)
            return &d;
    }
    return nullptr;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Simulated Bluetooth module on <root>/dev/ttyAPP3, with a scanner, a phone and a PC in "
        "range:\n" +
        [] {
            QString s;
            for (const BtModuleSim::Device &d : BtModuleSim::defaultDevices())
                s += "  " + QString::fromLatin1(d.address) + "  " + QString::fromLatin1(d.name) +
                     "\n";
            return s;
        }());
    parser.addHelpOption();
    parser.addOption({"root", "Device root to work under.", "dir"});
    parser.addOption(
        {"framing",
         "How the module starts: framed (multiplexing stored), unframed-until-mux (ships "
         "unframed, keeps multiplexing once switched), unframed-every-start (forgets it "
         "when its power goes).",
         "mode", "framed"});
    parser.addOption(
        {"no-ready-after-mux", "Do not report ready again after being switched to multiplexing."});
    parser.addOption({"line-ends", "Reply lines in frames carry their CR LF."});
    parser.addOption(
        {"scan", "Code the scanner sends (with a CR) each time it connects (repeatable).", "code"});
    parser.addOption(
        {"scan-gap", "Milliseconds between the scanner's codes (default 1500).", "ms", "1500"});
    parser.addOption({"inbox", "Folder where files pushed to the phone or PC are kept.", "dir"});
    parser.addOption(
        {"push", "File the phone pushes to the instrument once it waits for one.", "file"});
    parser.addOption(
        {"truncate-push", "The phone's link drops after this many bytes of its push.", "bytes"});
    parser.addOption({"stall-push",
                      "The phone stops after this many bytes of its push and keeps the link open.",
                      "bytes"});
    parser.addOption(
        {"final-answer",
         "How the phone answers the final packet of a push from the instrument: ok, forbidden, "
         "not-acceptable, none (never answers), continue (Continue to every packet, the last "
         "too), drop-link (the link drops after the last byte, before any answer).",
         "answer", "ok"});
    parser.addOption({"refuse-push-after",
                      "The phone refuses a push from the instrument (Forbidden) once it has this "
                      "many bytes of it; 0 refuses the PUT itself.",
                      "bytes"});
    parser.addOption({"stop-reading-after",
                      "The module stops reading its line once it has this many bytes of a push "
                      "from the instrument (the line fills and holds the writer back).",
                      "bytes"});
    parser.addOption({"stop-reading-for",
                      "With --stop-reading-after: reads again after this many milliseconds "
                      "(default 0: not until its power goes).",
                      "ms", "0"});
    parser.addOption({"mute", "The module is powered but never answers."});
    parser.addOption({"no-inquiry", "Device searches get no reply at all."});
    parser.addOption({"fail", "Calls to this device fail with error 311 (repeatable).", "address"});
    parser.addOption(
        {"no-answer", "Calls to this device end in NO CARRIER (repeatable).", "address"});
    parser.addOption(
        {"silent", "Calls to this device are placed but never end (repeatable).", "address"});
    parser.addOption({"no-name", "This device answers no name request (repeatable).", "address"});
    parser.addOption({"verbose", "Log the line and the power on standard error."});
    parser.process(app);

    if (!parser.isSet("root")) {
        std::fprintf(stderr, "btmodule_sim: --root is required\n");
        return 2;
    }
    auto bad = [](const char *option, const QString &value) {
        std::fprintf(stderr, "btmodule_sim: bad value for --%s: %s\n", option, qPrintable(value));
        return 2;
    };
    BtModuleSim sim;
    sim.setVerbose(parser.isSet("verbose"));
    BtModuleSim::Options &o = sim.options();
    const QString framing = parser.value("framing");
    if (framing == "framed")
        o.framing = BtModuleSim::Framing::Framed;
    else if (framing == "unframed-until-mux")
        o.framing = BtModuleSim::Framing::UnframedUntilMux;
    else if (framing == "unframed-every-start")
        o.framing = BtModuleSim::Framing::UnframedEveryStart;
    else
        return bad("framing", framing);
    o.readyAfterMux = !parser.isSet("no-ready-after-mux");
    o.lineEndsInFrames = parser.isSet("line-ends");
    for (const QString &code : parser.values("scan"))
        o.scans << code.toLatin1() + "\r";
    bool ok = false;
    o.scanGapMs = parser.value("scan-gap").toInt(&ok);
    if (!ok || o.scanGapMs < 0)
        return bad("scan-gap", parser.value("scan-gap"));
    o.inbox = parser.value("inbox");
    o.pushFile = parser.value("push");
    if (parser.isSet("truncate-push")) {
        o.truncatePushAt = parser.value("truncate-push").toInt(&ok);
        if (!ok || o.truncatePushAt < 0)
            return bad("truncate-push", parser.value("truncate-push"));
    }
    if (parser.isSet("stall-push")) {
        o.stallPushAt = parser.value("stall-push").toInt(&ok);
        if (!ok || o.stallPushAt < 0)
            return bad("stall-push", parser.value("stall-push"));
    }
    const QMap<QString, BtModuleSim::FinalAnswer> answers{
        {"ok", BtModuleSim::FinalAnswer::Ok},
        {"forbidden", BtModuleSim::FinalAnswer::Forbidden},
        {"not-acceptable", BtModuleSim::FinalAnswer::NotAcceptable},
        {"none", BtModuleSim::FinalAnswer::None},
        {"continue", BtModuleSim::FinalAnswer::Continue},
        {"drop-link", BtModuleSim::FinalAnswer::DropLink},
    };
    if (!answers.contains(parser.value("final-answer")))
        return bad("final-answer", parser.value("final-answer"));
    o.finalAnswer = answers.value(parser.value("final-answer"));
    // A count of bytes or milliseconds, where given (or defaulted).
    const auto count = [&](const char *option, int *into) {
        if (parser.value(option).isEmpty())
            return true;
        *into = parser.value(option).toInt(&ok);
        return ok && *into >= 0;
    };
    if (!count("refuse-push-after", &o.refusePushAfter))
        return bad("refuse-push-after", parser.value("refuse-push-after"));
    if (!count("stop-reading-after", &o.stopReadingAfter))
        return bad("stop-reading-after", parser.value("stop-reading-after"));
    if (!count("stop-reading-for", &o.stopReadingMs))
        return bad("stop-reading-for", parser.value("stop-reading-for"));
    o.answers = !parser.isSet("mute");
    o.answersInquiry = !parser.isSet("no-inquiry");
    const struct {
        const char *option;
        void (*apply)(BtModuleSim::Device &);
    } perDevice[] = {
        {"fail", [](BtModuleSim::Device &d) { d.outcome = BtModuleSim::CallOutcome::Fails311; }},
        {"no-answer",
         [](BtModuleSim::Device &d) { d.outcome = BtModuleSim::CallOutcome::NoCarrier; }},
        {"silent", [](BtModuleSim::Device &d) { d.outcome = BtModuleSim::CallOutcome::Silent; }},
        {"no-name", [](BtModuleSim::Device &d) { d.answersName = false; }},
    };
    for (const auto &p : perDevice) {
        for (const QString &address : parser.values(p.option)) {
            BtModuleSim::Device *d = deviceOf(sim, address);
            if (!d)
                return bad(p.option, address);
            p.apply(*d);
        }
    }

    if (!quitOnSignal())
        return 1;

    if (!sim.start(parser.value("root"))) {
        std::fprintf(stderr, "btmodule_sim: cannot set up the module under %s\n",
                     qPrintable(parser.value("root")));
        return 1;
    }
    std::fprintf(stderr, "btmodule_sim: line at %s\n", qPrintable(sim.linePath()));
    return app.exec();
}
