// The Bluetooth receive screen against the simulated module and phone: a pushed file is
// offered and imported as the operator answers, and a push that does not arrive whole is
// reported with nothing of it imported.
#include "BluetoothFavourites.h"
#include "BluetoothUpload.h"
#include "BtRoad.h"
#include "DialogAnswers.h"
#include "ExchangeImport.h"
#include "GuiTest.h"
#include "ImportWarning.h"
#include "SettingsConstants.h"
#include "SmallPartition.h"
#include "StoredSequence.h"
#include "TestRegistry.h"
#include "TestResultManager.h"
#include "TestSequenceElement.h"
#include "TestSequenceManager.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <sys/stat.h>

using namespace GuiTest;

namespace
{
struct ReceiveRoad : BtRoad {
    ScreenBase *transfer = nullptr;
    BluetoothUpload *screen = nullptr;
    QStringList formatWarnings;

    explicit ReceiveRoad(const std::function<void(BtModuleSim::Options &)> &configure = {})
        : BtRoad(configure)
    {
        ImportWarning::setHandler(
            [this](const QString &, const QString &text) { formatWarnings << text; });
    }
    ~ReceiveRoad() { ImportWarning::setHandler({}); }

    bool open(BluetoothUpload::UPLOAD_TYPE type)
    {
        if (!configured())
            return false;
        transfer = new ScreenBase(nullptr, nullptr);
        screen = new BluetoothUpload(transfer, nullptr);
        if (!area.activate())
            return false;
        screen->setUploadType(type);
        screen->showScreen(true);
        return area.current() == screen && waitingForAPush();
    }
    // The module is on in receive mode, with the pairing PIN set.
    bool waitingForAPush()
    {
        return QTest::qWaitFor([&] { return sim.pin() == QStringLiteral("8146"); }, 10000);
    }
    // The phone pushes a file; the boxes that come up are answered in turn. Returns what
    // the boxes showed, "title: text" each.
    QStringList push(const QString &name, const QByteArray &content, const QList<Answer> &answers)
    {
        QSignalSpy handled(bt(), &BluetoothFavourites::btOppFileReceived);
        QList<BoxSeen> seen;
        seen.reserve(answers.size());
        QList<Answer> recording;
        for (const Answer &a : answers) {
            seen.append(BoxSeen());
            BoxSeen *s = &seen.last();
            recording << [a, s](QWidget *w) {
                if (auto *box = qobject_cast<QMessageBox *>(w)) {
                    s->title = box->windowTitle();
                    s->text = box->text();
                }
                a(w);
            };
        }
        dialogs(
            [&] {
                if (sim.pushToInstrument(name, content))
                    handled.wait(10000);
            },
            recording);
        QStringList shown;
        for (const BoxSeen &s : seen) {
            if (!s.title.isEmpty())
                shown << s.title + ": " + s.text;
        }
        return shown;
    }
    int results() const
    {
        return TestResultManager::getInstance()->getApplianceResultList().size();
    }
    int sequences() const
    {
        return TestSequenceManager::getInstance()->getTestSequenceList().size();
    }
    // A sequences exchange file of one stored sequence, the stored one removed.
    QByteArray sequencesExchangeFile()
    {
        TestSequenceManager *m = TestSequenceManager::getInstance();
        if (!storeSequence("ward A", {1}, [](int, TestSequenceElement *) {}) ||
            m->getTestSequenceList().size() != 1)
            return QByteArray();
        const QString listed = m->getTestSequenceList().first();
        const QString path = area.root().path("/tmp/sequences.dat");
        QDir().mkpath(area.root().path("/tmp"));
        if (m->exportTestSequences(path, {listed}) != 1 || !m->removeTestSequence(listed))
            return QByteArray();
        return area.root().readFile("/tmp/sequences.dat");
    }
    bool received() { return QFile::exists(area.root().path(TEMP_OPP_FILENAME)); }
};

QString offer(const QString &name, int size)
{
    return QStringLiteral("Bluetooth File received:  %1, %2 bytes\nYes = Accept it\nNo = Reject")
        .arg(name)
        .arg(size);
}
} // namespace

class TestBluetoothUpload : public QObject
{
    Q_OBJECT
private slots:
    void aReceivedFileIsOfferedAndImported_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("results");
        QTest::addColumn<int>("sequences");
        QTest::addColumn<bool>("formatWarning");
        QTest::newRow("results") << "results" << 1 << int(QMessageBox::Yes) << 2 << 0 << false;
        QTest::newRow("sequences") << "sequences" << 2 << int(QMessageBox::Yes) << 0 << 1 << false;
        QTest::newRow("rejected") << "results" << 1 << int(QMessageBox::No) << 0 << 0 << false;
        QTest::newRow("no kind set") << "results" << 0 << int(QMessageBox::Yes) << 0 << 0 << false;
        QTest::newRow("results as sequences")
            << "results" << 2 << int(QMessageBox::Yes) << 0 << 0 << true;
    }
    void aReceivedFileIsOfferedAndImported()
    {
        QFETCH(QString, file);
        QFETCH(int, type);
        QFETCH(int, answer);
        QFETCH(int, results);
        QFETCH(int, sequences);
        QFETCH(bool, formatWarning);
        ReceiveRoad road;
        QVERIFY(road.configured());
        const QByteArray content =
            file == "results" ? road.resultsExchangeFile() : road.sequencesExchangeFile();
        QVERIFY(!content.isEmpty());
        QCOMPARE(road.results() + road.sequences(), 0);
        QVERIFY(road.open(BluetoothUpload::UPLOAD_TYPE(type)));
        QCOMPARE(road.screen->findChild<QLabel *>("labelInstructions")->text(),
                 QStringLiteral("Pexon Kovinta (KV-0007) Ready to receive Bluetooth data."));
        QVERIFY(road.area.savePng(QDir::temp().filePath("BluetoothUpload.png")));

        const QString name = file + ".dat";
        QCOMPARE(road.push(name, content, {button(QMessageBox::StandardButton(answer))}),
                 QStringList(offer(name, content.size())));
        QCOMPARE(
            road.screen->findChild<QLabel *>("labelInstructions")->text(),
            QStringLiteral(" Bytes Received %1").arg(BtModuleSim::obexPush(name, content).size()));
        QCOMPARE(road.results(), results);
        QCOMPARE(road.sequences(), sequences);
        QCOMPARE(road.formatWarnings,
                 formatWarning ? QStringList("Incorrect File Format") : QStringList());
        // The received file stays until the next push replaces it.
        QVERIFY(road.received());
    }

    // A results file whose last record is cut short: it is stored as far as it goes, and
    // the operator is told.
    void anIncompleteImportIsReported()
    {
        ReceiveRoad road;
        QVERIFY(road.configured());
        const QByteArray content = road.resultsExchangeFile();
        QVERIFY(road.open(BluetoothUpload::UPLOAD_APPLIANCE_RESULTS));
        const QByteArray cut = content.left(content.size() - 40);
        QCOMPARE(road.push("cut.dat", cut, {button(QMessageBox::Yes), button(QMessageBox::Ok)}),
                 QStringList({offer("cut.dat", cut.size()),
                              "Import incomplete: Imported: 2\nStored in part, damaged: 1"}));
        QCOMPARE(road.results(), 2);
    }

    // A data partition with no room for what arrived: the operator learns why nothing of
    // it was imported.
    void anImportOntoAFullPartitionSaysSo()
    {
        ReceiveRoad road;
        QVERIFY(road.configured());
        const QByteArray content = road.resultsExchangeFile();
        QVERIFY(road.open(BluetoothUpload::UPLOAD_APPLIANCE_RESULTS));
        SmallPartition partition(road.area.root().path("/mnt/data"));
        if (!partition.mounted())
            QSKIP("mounting a tmpfs is not allowed here");
        QVERIFY(partition.fillUp());
        QCOMPARE(road.push("full.dat", content, {button(QMessageBox::Yes), button(QMessageBox::Ok)}),
                 QStringList({offer("full.dat", content.size()),
                              "Import incomplete: Imported: 0\n"
                              "Not imported, the data partition is full: 2"}));
        QCOMPARE(road.results(), 0);
    }

    // The phone's link drops in the middle of the push, or the push stops moving: the
    // operator is told, nothing is kept or imported, and the next push is taken.
    void aPushThatDoesNotArriveWholeIsReported_data()
    {
        QTest::addColumn<bool>("stalls");
        QTest::newRow("link dropped") << false;
        QTest::newRow("push stalled") << true;
    }
    void aPushThatDoesNotArriveWholeIsReported()
    {
        QFETCH(bool, stalls);
        ReceiveRoad road(
            [&](BtModuleSim::Options &o) { (stalls ? o.stallPushAt : o.truncatePushAt) = 700; });
        QVERIFY(road.configured());
        const QByteArray content = road.resultsExchangeFile();
        QVERIFY(road.open(BluetoothUpload::UPLOAD_APPLIANCE_RESULTS));
        road.screen->setStallLimit(1500);
        const int starts = road.sim.starts();
        BoxSeen seen;
        dialogs(
            [&] {
                QVERIFY(road.sim.pushToInstrument("results.dat", content));
                QVERIFY(QTest::qWaitFor([&] { return !seen.title.isEmpty(); }, 10000));
            },
            {button(QMessageBox::Ok, &seen)});
        QCOMPARE(seen.title, QStringLiteral("Bluetooth File not received"));
        QCOMPARE(seen.text,
                 stalls
                     ? QStringLiteral("The transfer stopped before the file arrived whole. "
                                      "Nothing has been imported.")
                     : QStringLiteral("The file did not arrive whole. Nothing has been imported."));
        QVERIFY(!road.received());
        QCOMPARE(road.results(), 0);
        QCOMPARE(road.screen->findChild<QLabel *>("labelInstructions")->text(),
                 QStringLiteral("Pexon Kovinta (KV-0007) Ready to receive Bluetooth data."));
        // A stalled push is cut off by starting the module afresh.
        QCOMPARE(road.sim.starts(), stalls ? starts + 1 : starts);

        road.sim.options().stallPushAt = road.sim.options().truncatePushAt = -1;
        QVERIFY(road.waitingForAPush());
        QCOMPARE(road.push("results.dat", content, {button(QMessageBox::Yes)}).size(), 1);
        QCOMPARE(road.results(), 2);
    }

    // The received file replaced, before it is accepted, by a link to /dev/zero, a FIFO or
    // a file one byte larger than an exchange file can be: refused (the last one named),
    // nothing imported, and the next push is imported as ever.
    void onlyARegularFileWithinTheBoundIsImported_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("warning");
        const QString unreadable = "Error reading file";
        QTest::newRow("link to /dev/zero") << "zero" << unreadable;
        QTest::newRow("FIFO") << "fifo" << unreadable;
        QTest::newRow("one byte over")
            << "over"
            << "m.dat is larger than an exchange file can be. Nothing has been imported.";
    }
    void onlyARegularFileWithinTheBoundIsImported()
    {
        QFETCH(QString, fixture);
        QFETCH(QString, warning);
        ReceiveRoad road;
        QVERIFY(road.configured());
        const QByteArray content = road.resultsExchangeFile();
        QVERIFY(road.open(BluetoothUpload::UPLOAD_APPLIANCE_RESULTS));
        const QString path = road.area.root().path(TEMP_OPP_FILENAME);
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        if (fixture == "zero") {
            QVERIFY(QFile::link("/dev/zero", path));
        } else if (fixture == "fifo") {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else {
            QVERIFY(road.area.root().writeFile(TEMP_OPP_FILENAME, content));
            QVERIFY(QFile::resize(path, ExchangeImport::MAX_FILE_BYTES + 1));
        }
        BoxSeen refused;
        dialogs([&] { emit road.bt()->btOppFileReceived("m.dat"); },
                {button(QMessageBox::Yes), button(QMessageBox::Ok, &refused)});
        QCOMPARE(refused.title + ": " + refused.text, "Warning: " + warning);
        QCOMPARE(road.results(), 0);

        QFile::remove(path);
        QCOMPARE(road.push("results.dat", content, {button(QMessageBox::Yes)}).size(), 1);
        QCOMPARE(road.results(), 2);
    }

    // Shown twice, each file is offered once; once left, nothing more is offered and the
    // module is off.
    void leavingStopsListening()
    {
        ReceiveRoad road;
        QVERIFY(road.configured());
        QVERIFY(road.open(BluetoothUpload::UPLOAD_APPLIANCE_RESULTS));
        road.screen->showScreen(true);
        QVERIFY(road.waitingForAPush());
        QCOMPARE(road.push("a.dat", "abc", {button(QMessageBox::No), button(QMessageBox::No)}),
                 QStringList(offer("a.dat", 3)));
        key(Qt::Key_F1);
        QCOMPARE(road.area.current(), road.transfer);
        QTRY_VERIFY(!road.sim.poweredOn());
        QCOMPARE(road.screen->uploadType(), BluetoothUpload::UPLOAD_NONE);
        QCOMPARE(dialogs([&] { emit road.bt()->btOppFileReceived("a.dat"); }, {}), QStringList());
    }
};

RONDIX_TEST(TestBluetoothUpload)
#include "tst_BluetoothUpload.moc"
