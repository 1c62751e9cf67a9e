#include "BoxLog.h"
#include "DataTransfer.h"
#include "ExchangeImport.h"
#include "GuiTest.h"
#include "ImportWarning.h"
#include "MedicalApplianceResult.h"
#include "ScreenArea.h"
#include "SmallPartition.h"
#include "StartupWiring.h"
#include "StoredSequence.h"
#include "StreamHelper.h"
#include "TestRegistry.h"
#include "TestResultElementUserTest.h"
#include "TestResultFactory.h"
#include "TestResultManager.h"
#include "TestSequenceElement.h"
#include "TestSequenceManager.h"
#include "UsbDriveController.h"

#include <QDataStream>
#include <QDir>
#include <QLabel>
#include <QTest>

#include <sys/stat.h>

using GuiTest::key;

namespace
{

const QString resultsDir = "/mnt/data/testResults/";
const QString sequencesDir = "/mnt/data/testSequences/";

// A stored result as the instrument writes it: the file header, then the record.
QByteArray resultFile(const QString &asset, bool withUserTest)
{
    MedicalApplianceResult r;
    r.overallResult = TEST_PASS;
    r.testDate = QDateTime(QDate(2024, 3, 5), QTime(9, 4, 30));
    r.applianceName = asset;
    r.testSequenceName = "Ward1";
    QList<TestResultElement *> results;
    if (withUserTest) {
        auto *user = new TestResultElementUserTest;
        user->testName = "Alarm";
        user->status = TEST_PASS;
        results << user;
    }
    r.testResultsData = TestResultFactory::toByteArray(results);
    qDeleteAll(results);
    QByteArray bytes = QByteArray::fromHex("01000000");
    QDataStream out(&bytes, QIODevice::Append);
    StreamHelper::setup(out);
    out << r;
    return bytes;
}

// The screen on the screen area, as the data menu opens it with every stored result;
// the transfer drive at "/mnt/update" under the root and the USB port with the PC.
struct TransferBench {
    ScreenArea area;
    DataTransfer *screen = nullptr;

    TransferBench()
    {
        QDir().mkpath(area.root().path("/mnt/update"));
        UsbDriveController::getInstance()->setMode(1);
        screen = new DataTransfer(nullptr, nullptr);
    }
    bool open()
    {
        screen->setFileList(TestResultManager::getInstance()->getApplianceResultList().keys());
        screen->showScreen(true);
        return area.activate();
    }
    // Chooses port and operation with F3 and F2 as the operator does.
    bool choose(int port, int operation)
    {
        for (int i = 0; i < 3 && screen->getCurrentPort() != port; ++i)
            key(Qt::Key_F3);
        for (int i = 0; i < 5 && screen->getCurrentOperation() != operation; ++i)
            key(Qt::Key_F2);
        return screen->getCurrentPort() == port && screen->getCurrentOperation() == operation;
    }
    // F4, every box answered with Ok; what the boxes said.
    QStringList start(const std::function<void(const QString &)> &onBox = {})
    {
        BoxLog boxes(onBox);
        key(Qt::Key_F4);
        // The window system hands the keys back to the screen once the boxes are gone.
        area.activate();
        return boxes.boxes();
    }
    QString drive(const QString &name = QString())
    {
        return area.root().path("/mnt/update") + (name.isEmpty() ? "" : "/" + name);
    }
    QStringList driveFiles()
    {
        return QDir(drive()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    QByteArray driveFile(const QString &pattern)
    {
        const QStringList names = QDir(drive()).entryList({pattern}, QDir::Files);
        return names.size() == 1 ? area.root().readFile("/mnt/update/" + names.first())
                                 : QByteArray();
    }
    QMap<QString, QByteArray> stored(const QString &dir)
    {
        QMap<QString, QByteArray> files;
        for (const QString &name : QDir(area.root().path(dir)).entryList(QDir::Files))
            files.insert(name, area.root().readFile(dir + name));
        return files;
    }
};

const QString transferReady = "Transfer Ready: Results ready for copying.\nAttach the unit to a Pc "
                              "via a USB cable and copy the results file from the removable drive "
                              "that appears";
const QString importPrompt = "Import Data: Attach the unit to a PC via a USB cable and copy the "
                             "data file to the removable drive that appears.  \n Then press Ok";

} // namespace

class TestDataTransfer : public QObject
{
    Q_OBJECT
private slots:
    void exportFileNames_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<QString>("dateFormat");
        QTest::addColumn<QString>("name");
        QTest::newRow("results") << 0 << "dd.MM.yyyy"
                                 << "Results_07122026_153012.vexd";
        QTest::newRow("month first") << 0 << "MM.dd.yyyy"
                                     << "Results_12072026_153012.vexd";
        QTest::newRow("csv, slashes") << 1 << "dd/MM/yyyy"
                                      << "CSV_Export_07122026_153012.csv";
        QTest::newRow("sequences, every separator") << 2 << "yyyy,MM:dd."
                                                    << "Sequences_20261207_153012.vexd";
        QTest::newRow("a dash stays") << 2 << "yyyy-MM-dd"
                                      << "Sequences_2026-12-07_153012.vexd";
    }
    void exportFileNames()
    {
        QFETCH(int, operation);
        QFETCH(QString, dateFormat);
        const QDateTime when(QDate(2026, 12, 7), QTime(15, 30, 12));
        QTEST(DataTransfer::exportFileName(operation, dateFormat, when), "name");
    }

    // F2 and F3 step through the operations and ports, wrapping; nothing else takes focus.
    void keysChooseOperationAndPort()
    {
        TransferBench bench;
        QVERIFY(
            bench.area.root().writeFile(resultsDir + "A_05032024_090430", resultFile("A", false)));
        QVERIFY(bench.open());
        const auto value = [&bench](const char *name) {
            return bench.screen->findChild<QLabel *>(name)->text();
        };
        QCOMPARE(value("label_NumAssets"), QString("1"));
        QCOMPARE(value("label_Status"), QString());
        if (qEnvironmentVariableIsSet("RONDIX_PNG_DIR"))
            bench.area.savePng(qEnvironmentVariable("RONDIX_PNG_DIR") + "/DataTransfer.png");
        QStringList operations, ports;
        for (int i = 0; i < 6; ++i) {
            operations << value("label_Operation");
            key(Qt::Key_F2);
        }
        for (int i = 0; i < 4; ++i) {
            ports << value("label_Port");
            key(Qt::Key_F3);
        }
        QCOMPARE(operations,
                 QStringList({"Export Results", "Export CSV Summary", "Export Test Sequences",
                              "Import Results", "Import Test Sequences", "Export Results"}));
        QCOMPARE(ports, QStringList({"USB PC Connection", "USB Memory Stick", "Bluetooth",
                                     "USB PC Connection"}));
        QCOMPARE(QApplication::focusWidget(), bench.screen);
        if (qEnvironmentVariableIsSet("RONDIX_PNG_DIR")) {
            QVERIFY(bench.choose(1, 2));
            bench.area.savePng(qEnvironmentVariable("RONDIX_PNG_DIR") + "/DataTransfer-long.png");
        }
    }

    // Results and sequences go to the PC and come back equal, byte for byte; the CSV
    // summary holds each result's block.
    void roundTripThroughThePc()
    {
        TransferBench bench;
        TempRoot &root = bench.area.root();
        QVERIFY(root.writeFile(resultsDir + "A_05032024_090430", resultFile("A", true)));
        QVERIFY(root.writeFile(resultsDir + "B_05032024_090430", resultFile("B", false)));
        QVERIFY(storeSequence("Ward1", {0, 3}, [](int, TestSequenceElement *) {}));
        QVERIFY(storeSequence("ICU-2", {1}, [](int, TestSequenceElement *) {}));
        const QMap<QString, QByteArray> results = bench.stored(resultsDir);
        const QMap<QString, QByteArray> sequences = bench.stored(sequencesDir);
        QVERIFY(bench.open());
        UsbDriveController *usb = UsbDriveController::getInstance();

        // Left on the drive from before: emptied by every export.
        QVERIFY(root.writeFile("/mnt/update/old.vexd", "old"));
        QCOMPARE(bench.start(), QStringList{transferReady});
        QCOMPARE(usb->getMode(), 1);
        QCOMPARE(bench.driveFiles().size(), 1);
        const QByteArray resultsExport = bench.driveFile("Results_*.vexd");
        QCOMPARE(resultsExport, QByteArray::fromHex("01000000") +
                                    results.value("A_05032024_090430").mid(4) +
                                    results.value("B_05032024_090430").mid(4));

        QVERIFY(bench.choose(0, 1));
        QCOMPARE(bench.start(), QStringList{transferReady + "."});
        QCOMPARE(QString::fromUtf8(bench.driveFile("CSV_Export_*.csv")),
                 QString("Tested on,Tue Mar 5 09:04:30 2024\nAsset ID,A\nTest Sequence,Ward1\n"
                         "Overall Result,Pass\nResults:\nUser Test,Status:,Pass,Text:,Alarm,,,\n\n"
                         "Tested on,Tue Mar 5 09:04:30 2024\nAsset ID,B\nTest Sequence,Ward1\n"
                         "Overall Result,Pass\nResults:\n\n"));

        QVERIFY(bench.choose(0, 2));
        QCOMPARE(
            bench.start(),
            QStringList{"Transfer Ready: Sequences ready for copying.\nAttach the unit to a Pc "
                        "via a USB cable and copy the sequences file from the removable "
                        "drive that appears."});
        const QByteArray sequencesExport = bench.driveFile("Sequences_*.vexd");
        QVERIFY(sequencesExport.startsWith(QByteArray::fromHex("01000100")));

        // Everything gone from the instrument, then the PC copies the files back.
        for (const QString &name : results.keys())
            QVERIFY(TestResultManager::getInstance()->removeApplianceResult(name));
        for (const QString &name : sequences.keys())
            QVERIFY(TestSequenceManager::getInstance()->removeTestSequence(name));
        const auto pcCopies = [&](const QString &name, const QByteArray &content) {
            return [&root, name, content](const QString &box) {
                if (box.startsWith("Import Data"))
                    QVERIFY(root.writeFile("/mnt/update/" + name, content));
            };
        };
        QVERIFY(bench.choose(0, 3));
        QCOMPARE(bench.start(pcCopies("RESULTS.VEXD", resultsExport)),
                 QStringList({importPrompt, "Import Complete: Results import completed"}));
        QCOMPARE(bench.stored(resultsDir), results);
        QCOMPARE(usb->getMode(), 0);

        QVERIFY(bench.choose(0, 4));
        QCOMPARE(bench.start(pcCopies("seq.vexd", sequencesExport)),
                 QStringList({importPrompt, "Import Complete: Sequences import completed"}));
        QCOMPARE(bench.stored(sequencesDir), sequences);
    }

    // What the operator is told when a step fails, by port, operation and the commands
    // that fail; script takes effect before F4, promptScript while the import prompt is up
    // (when the PC has the drive), drive is what the PC leaves on it.
    void failures_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("operation");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("promptScript");
        QTest::addColumn<QByteArray>("drive");
        QTest::addColumn<QStringList>("boxes");

        const QString copyError = "Warning: Error copying files";
        const QByteArray none;
        QTest::newRow("internal drive refused before an export")
            << 0 << 0 << "1 ^losetup"
            << "" << none << QStringList{"Warning: Error opening Internal Drive"};
        QTest::newRow("PC refused after the export")
            << 0 << 0 << "1 ^modprobe g_mass_storage"
            << "" << none << QStringList{"Warning: Error opening External Drive", copyError};
        QTest::newRow("PC refused before an import")
            << 0 << 3 << "1 ^modprobe g_mass_storage"
            << "" << none << QStringList{"Warning: Error opening External Drive"};
        QTest::newRow("drive not back after the prompt")
            << 0 << 3 << ""
            << "1 ^losetup" << QByteArray("x")
            << QStringList{importPrompt, "Warning: Error opening Internal Drive", copyError};
        QTest::newRow("no results file") << 0 << 3 << ""
                                         << "" << none << QStringList{importPrompt, copyError};
        QTest::newRow("no sequences file") << 0 << 4 << ""
                                           << "" << none << QStringList{importPrompt, copyError};
        QTest::newRow("a sequences file as results")
            << 0 << 3 << ""
            << "" << QByteArray::fromHex("01000100")
            << QStringList{importPrompt, "Warning: Incorrect File Format", copyError};
        QTest::newRow("a results file cut short")
            << 0 << 3 << ""
            << "" << QByteArray::fromHex("0100000001") << QStringList{importPrompt, copyError};
        QTest::newRow("no stick") << 1 << 0 << "1 ^mount /dev/sda"
                                  << "" << none
                                  << QStringList{"Warning: Error opening USB Memory Drive"};
        QTest::newRow("a stick that stays mounted after the export")
            << 1 << 0 << "1 ^umount"
            << "" << none << QStringList{copyError};
        QTest::newRow("no results file on the stick") << 1 << 3 << ""
                                                      << "" << none << QStringList{copyError};
    }
    void failures()
    {
        QFETCH(int, port);
        QFETCH(int, operation);
        QFETCH(QString, script);
        QFETCH(QString, promptScript);
        QFETCH(QByteArray, drive);
        TransferBench bench;
        TempRoot &root = bench.area.root();
        StartupWiring::connectCore(); // the format warning's box
        const std::shared_ptr<void> logWarningsAgain(nullptr,
                                                     [](void *) { ImportWarning::setHandler({}); });
        QVERIFY(root.writeFile(resultsDir + "A_05032024_090430", resultFile("A", false)));
        const QMap<QString, QByteArray> results = bench.stored(resultsDir);
        QVERIFY(bench.open());
        QVERIFY(bench.choose(port, operation));
        if (port == 1 && !drive.isEmpty())
            QVERIFY(root.writeFile("/mnt/update/in.vexd", drive));
        root.setCommandScript(script);
        const QStringList boxes = bench.start([&](const QString &box) {
            if (!box.startsWith("Import Data"))
                return;
            root.setCommandScript(promptScript);
            if (!drive.isEmpty())
                QVERIFY(root.writeFile("/mnt/update/in.vexd", drive));
        });
        QTEST(boxes, "boxes");
        QCOMPARE(bench.stored(resultsDir), results);
        root.setCommandScript(QString());
    }

    // An import that stores only part of what it found says what was left out; hidden
    // files are not read at all.
    void partialImportIsReported()
    {
        TransferBench bench;
        TempRoot &root = bench.area.root();
        StartupWiring::connectCore();
        const std::shared_ptr<void> logWarningsAgain(nullptr,
                                                     [](void *) { ImportWarning::setHandler({}); });
        const QByteArray a = resultFile("A", true);
        const QByteArray b = resultFile("B", false);
        QVERIFY(root.writeFile("/mnt/update/a.vexd", a));
        QVERIFY(root.writeFile("/mnt/update/B.VEXD", QByteArray::fromHex("01000100")));
        // B whole, then a record cut short.
        QVERIFY(root.writeFile("/mnt/update/c.vexd", b + QByteArray::fromHex("0100")));
        QVERIFY(root.writeFile("/mnt/update/.d.vexd", "not an exchange file"));
        QVERIFY(bench.open());
        QVERIFY(bench.choose(1, 3));
        QCOMPARE(bench.start(),
                 QStringList({"Warning: Incorrect File Format",
                              "Import Incomplete: Results imported: 2\nNot imported: 1\n"
                              "Files of another kind: 1"}));
        QCOMPARE(bench.stored(resultsDir).keys(),
                 QStringList({"A_05032024_090430", "B_05032024_090430"}));
        QCOMPARE(bench.stored(resultsDir).value("A_05032024_090430"), a);
    }

    // An import that the data partition cannot take says so, whether part of it was
    // stored or none; a save that fails with room to spare says that it failed.
    void importOntoAFullDataPartition_data()
    {
        QTest::addColumn<int>("freePages"); // -1: room, but no results folder can be made
        QTest::addColumn<QString>("reason");
        const QString full = "Not imported, the data partition is full: %1";
        QTest::newRow("room for some") << 20 << full;
        QTest::newRow("full") << 0 << full;
        QTest::newRow("room, but the folder is a file")
            << -1 << "Not imported, could not be stored: %1";
    }
    void importOntoAFullDataPartition()
    {
        QFETCH(int, freePages);
        QFETCH(QString, reason);
        TransferBench bench;
        TempRoot &root = bench.area.root();
        SmallPartition partition(root.path("/mnt/data"));
        if (!partition.mounted())
            QSKIP("mounting a tmpfs is not allowed here");
        constexpr int records = 60;
        QByteArray file = resultFile("R0", false);
        for (int i = 1; i < records; ++i)
            file += resultFile(QStringLiteral("R%1").arg(i), false).mid(4);
        QVERIFY(root.writeFile("/mnt/update/r.vexd", file));
        if (freePages < 0)
            QVERIFY(root.writeFile("/mnt/data/testResults", "not a folder"));
        else
            QVERIFY(partition.leaveFree(freePages));
        QVERIFY(bench.open());
        QVERIFY(bench.choose(1, 3));
        const QStringList boxes = bench.start();
        const int stored = bench.stored(resultsDir).size();
        QVERIFY(stored < records);
        if (stored == 0)
            QCOMPARE(boxes,
                     QStringList({"Warning: Error copying files\n" + reason.arg(records)}));
        else
            QCOMPARE(boxes, QStringList({QStringLiteral("Import Incomplete: Results imported: %1\n")
                                             .arg(stored) +
                                         reason.arg(records - stored)}));
        QCOMPARE(stored > 0, freePages > 0);
    }

    // While an import runs the status tells how many records it has gone through, over
    // every file; once the operator has been told the outcome it is empty again.
    void importCountsItsRecords()
    {
        TransferBench bench;
        TempRoot &root = bench.area.root();
        StartupWiring::connectCore();
        const std::shared_ptr<void> logWarningsAgain(nullptr,
                                                     [](void *) { ImportWarning::setHandler({}); });
        QVERIFY(root.writeFile("/mnt/update/a.vexd",
                               resultFile("A", true) + resultFile("B", false).mid(4)));
        QVERIFY(root.writeFile("/mnt/update/b.vexd", QByteArray::fromHex("01000100")));
        QVERIFY(root.writeFile("/mnt/update/c.vexd", resultFile("C", false)));
        QVERIFY(bench.open());
        QVERIFY(bench.choose(1, 3));
        const auto *status = bench.screen->findChild<QLabel *>("label_Status");
        QVERIFY(status);
        QStringList statusAtBox;
        const QStringList boxes =
            bench.start([&](const QString &) { statusAtBox << status->text(); });
        QCOMPARE(boxes, QStringList({"Warning: Incorrect File Format",
                                     "Import Complete: Results import completed\n"
                                     "Files of another kind: 1"}));
        QCOMPARE(statusAtBox, QStringList({"Importing: 2", "Importing: 3"}));
        QCOMPARE(status->text(), QString());
        QCOMPARE(bench.stored(resultsDir).size(), 3);
    }

    // A link to /dev/zero, a FIFO or a file one byte larger than an exchange file can be,
    // from the PC or on a stick: not read, named to the operator, and the exchange files
    // beside it are imported all the same.
    void onlyRegularFilesWithinTheBoundAreImported_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("operation");
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<bool>("beside");
        QTest::addColumn<QStringList>("boxes");
        const QString done = "Import Complete: Results import completed\n";
        const QString notFile = "Not a regular file, not read: m.vexd";
        const QString tooLarge = "Too large for an exchange file, not read: m.vexd";
        for (int port : {0, 1}) {
            const QStringList prompt = port == 0 ? QStringList{importPrompt} : QStringList();
            const QString on = port == 0 ? "PC: " : "stick: ";
            QTest::newRow(qPrintable(on + "link to /dev/zero"))
                << port << 3 << "zero" << true << prompt + QStringList{done + notFile};
            QTest::newRow(qPrintable(on + "FIFO"))
                << port << 3 << "fifo" << true << prompt + QStringList{done + notFile};
            QTest::newRow(qPrintable(on + "one byte over"))
                << port << 3 << "over" << true << prompt + QStringList{done + tooLarge};
        }
        QTest::newRow("stick: only a file one byte over")
            << 1 << 3 << "over" << false
            << QStringList{"Warning: Error copying files\n" + tooLarge};
        QTest::newRow("stick: sequences, only a link to /dev/zero")
            << 1 << 4 << "zero" << false << QStringList{"Warning: Error copying files\n" + notFile};
    }
    void onlyRegularFilesWithinTheBoundAreImported()
    {
        QFETCH(int, port);
        QFETCH(int, operation);
        QFETCH(QString, fixture);
        QFETCH(bool, beside);
        TransferBench bench;
        TempRoot &root = bench.area.root();
        const QByteArray a = resultFile("A", true);
        const QByteArray b = resultFile("B", false);
        const auto fillDrive = [&] {
            if (beside) {
                QVERIFY(root.writeFile("/mnt/update/a.vexd", a));
                QVERIFY(root.writeFile("/mnt/update/z.vexd", b));
            }
            const QString path = bench.drive("m.vexd");
            if (fixture == "zero") {
                QVERIFY(QFile::link("/dev/zero", path));
            } else if (fixture == "fifo") {
                QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            } else {
                QVERIFY(root.writeFile("/mnt/update/m.vexd", a));
                QVERIFY(QFile::resize(path, ExchangeImport::MAX_FILE_BYTES + 1));
            }
        };
        QVERIFY(bench.open());
        QVERIFY(bench.choose(port, operation));
        if (port == 1)
            fillDrive();
        const QStringList boxes = bench.start([&](const QString &box) {
            if (box.startsWith("Import Data"))
                fillDrive();
        });
        QTEST(boxes, "boxes");
        QCOMPARE(bench.stored(resultsDir).keys(),
                 beside ? QStringList({"A_05032024_090430", "B_05032024_090430"}) : QStringList());
        if (beside)
            QCOMPARE(bench.stored(resultsDir).value("A_05032024_090430"), a);
    }

    // A stick: the export is told complete only once the stick is unmounted, and the
    // transfer drive is back at the mount point afterwards.
    void exportToAMemoryStick()
    {
        TransferBench bench;
        TempRoot &root = bench.area.root();
        QVERIFY(root.writeFile(resultsDir + "A_05032024_090430", resultFile("A", false)));
        QVERIFY(bench.open());
        UsbDriveController *usb = UsbDriveController::getInstance();
        QCOMPARE(usb->setMode(0), 0);
        QVERIFY(bench.choose(1, 0));
        root.clearCommands();
        QStringList commandsAtBox;
        const QStringList boxes =
            bench.start([&](const QString &) { commandsAtBox = root.commands(); });
        QCOMPARE(boxes, QStringList{"Transfer Complete: The results have been successfully copied "
                                    "to the USB memory device"});
        QCOMPARE(commandsAtBox,
                 QStringList({"umount /mnt/update", "mount /dev/sda /mnt/update",
                              "umount /mnt/update", "mount -t vfat /dev/loop0 /mnt/update"}));
        QVERIFY(!bench.driveFile("Results_*.vexd").isEmpty());
        QCOMPARE(usb->getMode(), 0);
        QCOMPARE(usb->getUsbStickDrivePath(), QString());
        QCOMPARE(usb->getUsbDeviceDrivePath(), bench.drive());
    }
};

RONDIX_TEST(TestDataTransfer)
#include "tst_DataTransfer.moc"
