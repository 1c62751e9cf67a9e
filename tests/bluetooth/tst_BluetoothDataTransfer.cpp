// The Bluetooth send screen against the simulated module and phone: a file pushed with
// its progress, the pushes that cannot start or stop answering, and what becomes of the
// file prepared for the push.
#include "BlueToothManager.h"
#include "BluetoothDataTransfer.h"
#include "BluetoothFavourites.h"
#include "BtRoad.h"
#include "DialogAnswers.h"
#include "GuiTest.h"
#include "ModuleLine.h"
#include "TestRegistry.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace GuiTest;

namespace
{
struct SendRoad : BtRoad {
    ScreenBase *transfer = nullptr;
    BluetoothDataTransfer *screen = nullptr;
    QString file;
    QByteArray content;

    explicit SendRoad(const std::function<void(BtModuleSim::Options &)> &configure = {},
                      const QByteArray &settings = favouriteSettings())
        : BtRoad(configure, settings)
    {
    }
    // A results file prepared for the push, as the transfer screen prepares it.
    bool prepare()
    {
        file = BluetoothDataTransfer::prepareExportDirectory() + QStringLiteral("/Results.dat");
        content = resultsExchangeFile(QStringLiteral("/mnt/data/bluetoothOut/Results.dat"), 40);
        return !content.isEmpty() && QFile::exists(file);
    }
    bool build()
    {
        if (!configured())
            return false;
        transfer = new ScreenBase(nullptr, nullptr);
        screen = new BluetoothDataTransfer(transfer, nullptr);
        return area.activate();
    }
    // The prepared file handed to the screen, shown until the phone is ready for Send.
    bool showReady()
    {
        screen->setFilenameToSend(file);
        screen->showScreen(true);
        return QTest::qWaitFor([&] { return screen->displayState() == 3; }, 10000);
    }
    QString text(const char *label) const { return screen->findChild<QLabel *>(label)->text(); }
    QString sendKey() const { return screen->findChild<QPushButton *>("pushButtonSend")->text(); }
    bool moduleOff()
    {
        return QTest::qWaitFor([&] { return !sim.poweredOn(); }, 5000) &&
               bt()->mode() == BT_MODE_OFF;
    }
    int puts() const { return sim.commands().filter(QRegularExpression("^PUT ")).size(); }
    bool exportFolderEmpty() const
    {
        return QDir(BluetoothDataTransfer::exportDirectory()).entryList(QDir::Files).isEmpty();
    }
};
} // namespace

class TestBluetoothDataTransfer : public QObject
{
    Q_OBJECT
private slots:
    void aResultsFileIsSentWithItsProgress()
    {
        SendRoad road;
        QVERIFY(road.build());
        QVERIFY(road.prepare());
        // Big enough to take more than one refresh to stream.
        QVERIFY2(road.content.size() > 5000, QByteArray::number(road.content.size()));
        road.screen->setFilenameToSend(road.file);
        road.screen->showScreen(true);
        QCOMPARE(road.area.current(), road.screen);
        QCOMPARE(road.text("labelBtInfo"), QStringLiteral("Connecting to Service Phone...."));
        QVERIFY(road.area.savePng(QDir::temp().filePath("BluetoothDataTransfer-connecting.png")));

        QTRY_COMPARE_WITH_TIMEOUT(road.screen->displayState(), 3, 10000);
        QCOMPARE(road.text("labelBtInfo"), QStringLiteral("Connected"));
        QCOMPARE(road.text("labelInstructions"),
                 QStringLiteral("Press Send to start the download"));
        QCOMPARE(road.sendKey(), QStringLiteral("Send"));
        QCOMPARE(road.sim.commands().last(),
                 QStringLiteral("PUT %1 text/plain Results.dat").arg(road.content.size()));
        QVERIFY(road.area.savePng(QDir::temp().filePath("BluetoothDataTransfer-ready.png")));

        key(Qt::Key_F4);
        QCOMPARE(road.sendKey(), QString());
        QProgressBar *bar = road.screen->getProgressBar();
        QTRY_VERIFY_WITH_TIMEOUT(bar->isVisible(), 5000);
        QCOMPARE(road.text("labelBtInfo"), QStringLiteral("Sending data... "));
        QVERIFY2(road.text("labelInstructions")
                     .contains(QRegularExpression("^\\d+ / \\d+ Kbytes, 0 mins remaining\\.$")),
                 qPrintable(road.text("labelInstructions")));
        QVERIFY(bar->value() > 0 && bar->isTextVisible());
        QVERIFY(road.area.savePng(QDir::temp().filePath("BluetoothDataTransfer-sending.png")));

        QTRY_COMPARE_WITH_TIMEOUT(road.screen->displayState(), 5, 10000);
        QTRY_COMPARE(road.text("labelBtInfo"), QStringLiteral("Download complete."));
        QCOMPARE(road.text("labelFile"),
                 QStringLiteral(
                     "/\u200bmnt/\u200bdata/\u200bbluetoothOut/\u200bResults.dat has been sent"));
        QCOMPARE(bar->value(), 100);
        QTRY_COMPARE(road.sim.received().value("Results.dat"), road.content);
        // Sent: the prepared file is gone, and a further ready report pushes nothing.
        QVERIFY(road.exportFolderEmpty());
        QCOMPARE(road.screen->filenameToSend(), QString());
        QVERIFY(road.area.savePng(QDir::temp().filePath("BluetoothDataTransfer-sent.png")));

        key(Qt::Key_F1);
        QCOMPARE(road.area.current(), road.transfer);
        QVERIFY(road.moduleOff());
        QCOMPARE(road.puts(), 1);

        // The next push stops short: nothing on the screen says a file went.
        QVERIFY(road.prepare());
        QVERIFY(QFile::remove(road.file));
        road.screen->setFilenameToSend(road.file);
        road.screen->showScreen(true);
        QTRY_COMPARE_WITH_TIMEOUT(road.screen->displayState(), 6, 10000);
        QCOMPARE(road.text("labelFile"), QString());
        QVERIFY(!bar->isVisible());
        QCOMPARE(road.puts(), 1);
    }

    // A push that cannot start, or whose device never gets as far as taking it, ends
    // with a message; the prepared file is removed and the module switched off.
    void aPushThatCannotGoAheadEnds_data()
    {
        QTest::addColumn<QString>("phone");
        QTest::addColumn<QString>("said");
        QTest::newRow("no favourite") << "none"
                                      << "No device set in Bluetooth Favourites";
        QTest::newRow("call never answered") << "silent"
                                             << "No answer from Service Phone";
        QTest::newRow("calls fail") << "fails"
                                    << "No answer from Service Phone";
        QTest::newRow("nobody there") << "no carrier"
                                      << "No answer from Service Phone";
        QTest::newRow("file gone") << "file gone"
                                   << "Error reading file";
    }
    void aPushThatCannotGoAheadEnds()
    {
        QFETCH(QString, phone);
        QFETCH(QString, said);
        SendRoad road({}, phone == "none" ? ScreenArea::defaultSettings() + "Serial_num=KV-0007\n"
                                          : BtRoad::favouriteSettings());
        BtModuleSim::Device &device = road.sim.devices()[1];
        if (phone == "silent")
            device.outcome = BtModuleSim::CallOutcome::Silent;
        if (phone == "fails")
            device.outcome = BtModuleSim::CallOutcome::Fails311;
        if (phone == "no carrier")
            device.outcome = BtModuleSim::CallOutcome::NoCarrier;
        QVERIFY(road.build());
        QVERIFY(road.prepare());
        if (phone == "file gone")
            QVERIFY(QFile::remove(road.file));
        road.screen->setNoAnswerLimits(1500, 1500);
        road.screen->setFilenameToSend(road.file);

        BoxSeen seen;
        const QStringList boxes =
            dialogs([&] { road.screen->showScreen(true); }, {button(QMessageBox::Ok, &seen)});
        QCOMPARE(boxes.size(), phone == "none" ? 1 : 0);
        if (phone == "none") {
            QCOMPARE(seen.title, QStringLiteral("Warning"));
            QCOMPARE(seen.text, said);
        }
        QTRY_COMPARE_WITH_TIMEOUT(road.screen->displayState(), 6, 10000);
        QCOMPARE(road.text("labelBtInfo"), QStringLiteral("Download stopped"));
        QCOMPARE(road.text("labelInstructions"), said);
        QVERIFY(road.exportFolderEmpty());
        QVERIFY(road.moduleOff());
        QCOMPARE(road.puts(), 0);
        QVERIFY(road.area.savePng(QDir::temp().filePath("BluetoothDataTransfer-stopped.png")));
        key(Qt::Key_F4);
        QCOMPARE(road.puts(), 0);
        key(Qt::Key_F1);
        QCOMPARE(road.area.current(), road.transfer);
    }

    // The phone drops the link before Send: the push starts over once the phone is back.
    void aLostLinkStartsThePushAgain()
    {
        SendRoad road;
        QVERIFY(road.build());
        QVERIFY(road.prepare());
        QVERIFY(road.showReady());
        const int link = road.sim.links().key(BtModuleSim::defaultDevices().at(1).address, -1);
        QVERIFY(link >= 0);
        road.sim.dropLink(link);
        // The phone is called again at once, so the screen may never show it gone.
        QTRY_COMPARE_WITH_TIMEOUT(road.puts(), 2, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(road.screen->displayState(), 3, 5000);
        QVERIFY(QFile::exists(road.file));
    }

    // The link gives the push up while the file streams, though the phone stays
    // connected (another link of the module dropped): what went may never have reached
    // the phone, so the push ends there.
    void aPushGivenUpByTheLinkEnds()
    {
        SendRoad road;
        QVERIFY(road.build());
        QVERIFY(road.prepare());
        road.screen->setNoAnswerLimits(1500, 1500);
        QVERIFY(road.showReady());
        key(Qt::Key_F4);
        road.bt()->manager()->receiveBytes(controlFrame("NO CARRIER 7 ERROR 0"));
        QCOMPARE(road.bt()->iSendFileProgress(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(road.screen->displayState(), 6, 5000);
        QCOMPARE(road.text("labelBtInfo"), QStringLiteral("Download stopped"));
        QCOMPARE(road.text("labelInstructions"),
                 QStringLiteral("The link dropped before the device confirmed the file"));
        QVERIFY(road.exportFolderEmpty());
        QVERIFY(road.moduleOff());
    }

    // A push is sent only when the phone says OK to its final packet: every other end
    // of it stops it with its reason, sends nothing more of the file, and leaves no line
    // that says it went.
    void onlyThePhonesOkSendsTheFile_data()
    {
        QTest::addColumn<QString>("phone");
        QTest::addColumn<QString>("said");
        const QString refused = QStringLiteral("The device refused the file: %1");
        const QString noAnswer = QStringLiteral("No answer from Service Phone");
        QTest::newRow("final packet forbidden") << "forbidden" << refused.arg("FORBIDDEN");
        QTest::newRow("final packet not acceptable")
            << "not acceptable" << refused.arg("NOT_ACCEPTABLE");
        QTest::newRow("final packet unanswered") << "none" << noAnswer;
        QTest::newRow("continue to the end of the body") << "continue" << noAnswer;
        QTest::newRow("link drops after the last byte")
            << "drop" << QStringLiteral("The link dropped before the device confirmed the file");
        QTest::newRow("refused after the first 1000 bytes")
            << "refuse at 1000" << refused.arg("FORBIDDEN");
        QTest::newRow("PUT refused") << "refuse put" << refused.arg("FORBIDDEN");
        QTest::newRow("module stops reading after 4 KB") << "stops reading" << noAnswer;
    }
    void onlyThePhonesOkSendsTheFile()
    {
        QFETCH(QString, phone);
        QFETCH(QString, said);
        SendRoad road([&](BtModuleSim::Options &o) {
            using A = BtModuleSim::FinalAnswer;
            const QMap<QString, A> answers{{"forbidden", A::Forbidden},
                                           {"not acceptable", A::NotAcceptable},
                                           {"none", A::None},
                                           {"continue", A::Continue},
                                           {"drop", A::DropLink}};
            o.finalAnswer = answers.value(phone, A::Ok);
            if (phone == "refuse at 1000")
                o.refusePushAfter = 1000;
            if (phone == "refuse put")
                o.refusePushAfter = 0;
            if (phone == "stops reading")
                o.stopReadingAfter = 4096;
        });
        QVERIFY(road.build());
        QVERIFY(road.prepare());
        road.screen->setNoAnswerLimits(1500, 1500);
        road.screen->setFilenameToSend(road.file);
        road.screen->showScreen(true);
        QTRY_VERIFY_WITH_TIMEOUT(road.puts() == 1, 10000);
        if (phone == "refuse put") {
            // No "Press Send" for ever: the push is over before Send, and Send sends nothing.
            QTRY_COMPARE_WITH_TIMEOUT(road.screen->displayState(), 6, 5000);
            key(Qt::Key_F4);
            QTest::qWait(300);
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(road.screen->displayState(), 3, 5000);
            key(Qt::Key_F4);
        }
        // The poll's event loop goes on throughout.
        QElapsedTimer clock;
        clock.start();
        qint64 last = 0, longest = 0;
        while (road.screen->displayState() != 6 && clock.elapsed() < 20000) {
            QTest::qWait(20);
            longest = qMax(longest, clock.elapsed() - last);
            last = clock.elapsed();
        }
        QCOMPARE(road.screen->displayState(), 6);
        QVERIFY2(longest < 500, QByteArray::number(longest));
        QCOMPARE(road.text("labelBtInfo"), QStringLiteral("Download stopped"));
        QCOMPARE(road.text("labelInstructions"), said);
        QCOMPARE(road.text("labelFile"), QString());
        QVERIFY(road.screen->getProgressBar()->value() < 100);
        QVERIFY(!road.sim.received().contains("Results.dat"));
        QVERIFY(road.exportFolderEmpty());
        QVERIFY(road.moduleOff());
        QByteArray intoNothing;
        for (int link = 0; link <= 8; ++link)
            intoNothing += road.sim.strayData(link);
        // Nothing of the file goes after a refusal but what was on its way.
        if (phone == "refuse put")
            QCOMPARE(intoNothing.size(), 0);
        if (phone == "refuse at 1000")
            QVERIFY2(intoNothing.size() <= BlueToothManager::OppChunkBytes,
                     QByteArray::number(intoNothing.size()));
        QCOMPARE(road.puts(), 1);
    }

    // With nothing to send the screen connects and stops there; F4 does nothing. A file
    // that was not prepared for the push is left where it is.
    void nothingToSendAndFilesFromElsewhere()
    {
        SendRoad road;
        QVERIFY(road.build());
        road.screen->showScreen(true);
        QTRY_COMPARE_WITH_TIMEOUT(road.screen->displayState(), 2, 10000);
        QTRY_COMPARE(road.text("labelBtInfo"), QStringLiteral("Connected"));
        QCOMPARE(road.text("labelInstructions"), QString());
        key(Qt::Key_F4);
        QTest::qWait(2 * BluetoothDataTransfer::RefreshMs);
        QCOMPARE(road.screen->displayState(), 2);
        QCOMPARE(road.puts(), 0);
        key(Qt::Key_F1);
        QVERIFY(road.moduleOff());

        QVERIFY(road.area.root().writeFile("/mnt/data/testResults/kept", "result"));
        const QString kept = road.area.root().path("/mnt/data/testResults/kept");
        road.screen->setFilenameToSend(kept);
        road.screen->showScreen(true);
        QTRY_COMPARE_WITH_TIMEOUT(road.screen->displayState(), 3, 10000);
        key(Qt::Key_F1); // left before Send
        QVERIFY(road.moduleOff());
        QVERIFY(QFile::exists(kept));
        QCOMPARE(road.screen->filenameToSend(), QString());

        // A prepared file left before Send is removed.
        QVERIFY(road.prepare());
        QVERIFY(road.showReady());
        key(Qt::Key_F1);
        QVERIFY(road.exportFolderEmpty());
    }

    // Leaving in the middle of a push stops it: the prepared file goes, the module is
    // switched off, and a later ready report pushes nothing more.
    void aPushLeftMidwayRemovesItsFile()
    {
        SendRoad road;
        QVERIFY(road.build());
        QVERIFY(road.prepare());
        QVERIFY(road.showReady());
        key(Qt::Key_F4);
        QTRY_VERIFY_WITH_TIMEOUT(road.bt()->iSendFileProgress() > 0, 5000);
        key(Qt::Key_F1);
        QCOMPARE(road.area.current(), road.transfer);
        QVERIFY(road.exportFolderEmpty());
        QCOMPARE(road.screen->filenameToSend(), QString());
        QVERIFY(road.moduleOff());
        QTest::qWait(2 * BluetoothDataTransfer::RefreshMs);
        QCOMPARE(road.puts(), 1);
    }

    // What a push cut off by a power cut left is cleared before the next one.
    void aNewExportClearsLeftovers()
    {
        SendRoad road;
        QVERIFY(road.area.root().writeFile("/mnt/data/bluetoothOut/Old.vexd", "old"));
        QCOMPARE(BluetoothDataTransfer::prepareExportDirectory(),
                 road.area.root().path("/mnt/data/bluetoothOut"));
        QVERIFY(road.exportFolderEmpty());
    }
};

RONDIX_TEST(TestBluetoothDataTransfer)
#include "tst_BluetoothDataTransfer.moc"
