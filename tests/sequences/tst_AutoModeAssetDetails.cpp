#include "AutoModeAssetDetails.h"
#include "BluetoothFavourites.h"
#include "GuiTest.h"
#include "InfusionPumpPowerBoardManager.h"
#include "LineEdit.h"
#include "RotaryEncoderComboBox.h"
#include "ScreenArea.h"
#include "SmallPartition.h"
#include "StoredSequence.h"
#include "SummaryManualScreen.h"
#include "TestRegistry.h"
#include "TestResultElementUserTest.h"
#include "TestResultManager.h"
#include "TestSequenceElementUserTest.h"
#include "TestSequenceManager.h"
#include "UserTestRunning.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace GuiTest;
using Board = InfusionPumpPowerBoardManager;

namespace
{
TestSequenceManager *sequences()
{
    return TestSequenceManager::getInstance();
}

TestResultManager *results()
{
    return TestResultManager::getInstance();
}

// A stored sequence of user steps, one per question.
bool storeUserSequence(const QString &name, const QStringList &questions)
{
    QList<unsigned char> types;
    for (int i = 0; i < questions.size(); ++i)
        types << 0;
    return storeSequence(name, types, [&questions](int i, TestSequenceElement *e) {
        static_cast<TestSequenceElementUserTest *>(e)->testText = questions[i];
    });
}

// The summary with its asset screen, the power board behind it, and three sequences.
struct AssetBench {
    AssetBench()
    {
        board = area.startBoard();
        summary = new SummaryManualScreen(nullptr, nullptr);
        asset = summary->getAutoModeAssetDetailsScreen();
        summary->showScreen(true);
        for (unsigned short c = 0; c < 4; ++c)
            results()->deleteAllTestResults(c);
    }

    // AUTO on an idle channel, as the summary does it.
    void open(unsigned short channel)
    {
        board->setChannelAutoState(channel, Board::AUTO_ASSET_ENTRY);
        asset->setChannel(channel);
        asset->showScreen(true);
    }

    template <class T> T *field(const char *name) const { return asset->findChild<T *>(name); }
    LineEdit *assetId() const { return field<LineEdit>("assetLineEdit"); }
    RotaryEncoderComboBox *protocol() const
    {
        return field<RotaryEncoderComboBox>("comboBox_protocol");
    }
    QStringList protocols() const
    {
        QStringList items;
        for (int i = 0; i < protocol()->count(); ++i)
            items << protocol()->itemText(i);
        return items;
    }

    // F4; the text of the box it brings up, if any (the select key closes it).
    QString confirm()
    {
        ModalAnswer answer({Qt::Key_Escape}, 1000);
        key(Qt::Key_F4);
        return answer.answered() ? answer.dialogText() : QString();
    }

    ScreenArea area;
    Board *board = nullptr;
    SummaryManualScreen *summary = nullptr;
    AutoModeAssetDetails *asset = nullptr;
};
} // namespace

class TestAutoModeAssetDetails : public QObject
{
    Q_OBJECT
private slots:
    // The encoder walks asset ID, protocol, make, model, serial number; the chooser
    // holds the stored sequences, the channel row the channel.
    void formAndFocus()
    {
        AssetBench b;
        QVERIFY(storeUserSequence("bravo", {"Q"}));
        QVERIFY(storeUserSequence("Alpha", {"Q"}));
        QVERIFY(b.area.activate());
        b.open(3);
        QCOMPARE(b.area.current(), static_cast<QWidget *>(b.asset));
        QCOMPARE(b.field<QLabel>("label_MSG_Prime")->text(), QStringLiteral("Asset Details"));
        QCOMPARE(b.field<QLabel>("selectedChannel")->text(), QStringLiteral("4"));
        QCOMPARE(b.protocols(), QStringList({"Alpha", "bravo"}));
        const char *order[] = {"assetLineEdit", "comboBox_protocol", "makeLineEdit",
                               "modelLineEdit", "serialLineEdit",    "assetLineEdit"};
        for (const char *name : order) {
            QCOMPARE(focusTarget()->objectName(), QString(name));
            turn(1);
        }
        for (const char *name : {"pushButtonBack", "pushButtonConfirm"}) {
            QVERIFY(b.field<QPushButton>(name)->text().isEmpty());
            QVERIFY(!b.field<QPushButton>(name)->icon().isNull());
        }
        QCOMPARE(b.field<QPushButton>("pushButtonBack")->shortcut(), QKeySequence("F1"));
        QCOMPARE(b.field<QPushButton>("pushButtonConfirm")->shortcut(), QKeySequence("F4"));
    }

    // Back leaves the channel idle and keeps what was entered for that channel alone:
    // another channel opens on its own, empty entry, the channel itself on what it was
    // left with. A list that has become shorter than the position remembered chooses
    // nothing, and confirm then says so.
    void backRemembersTheChoice()
    {
        AssetBench b;
        for (const char *name : {"alpha", "bravo", "charlie"})
            QVERIFY(storeUserSequence(name, {"Q"}));
        QVERIFY(b.area.activate());
        b.open(2);
        b.assetId()->setText("P-1");
        turn(1);
        key(Qt::Key_Escape); // the chooser steps through the sequences
        turn(-2);            // a backward turn steps down the list
        key(Qt::Key_Escape);
        QCOMPARE(b.protocol()->currentText(), QStringLiteral("charlie"));
        key(Qt::Key_F1);
        QCOMPARE(b.area.current(), static_cast<QWidget *>(b.summary));
        QCOMPARE(int(b.board->getChannelAutoState(2)), 0);

        b.open(0);
        QCOMPARE(b.protocol()->currentText(), QStringLiteral("alpha"));
        QCOMPARE(b.assetId()->text(), QString());
        key(Qt::Key_F1);
        b.open(2);
        QCOMPARE(b.protocol()->currentText(), QStringLiteral("charlie"));
        QCOMPARE(b.assetId()->text(), QStringLiteral("P-1"));
        key(Qt::Key_F1);

        QVERIFY(sequences()->removeTestSequence("alpha"));
        b.open(2);
        QCOMPARE(b.protocols(), QStringList({"bravo", "charlie"}));
        QCOMPARE(b.protocol()->currentIndex(), -1);
        QCOMPARE(b.confirm(), QStringLiteral("No test sequence is chosen."));
        QCOMPARE(b.area.current(), static_cast<QWidget *>(b.asset));
        QCOMPARE(int(b.board->getChannelAutoState(2)), 1);
    }

    // Runs started one after the other: each channel's screen opens empty, so nothing
    // of channel 1's asset or sequence is taken into channel 2's run, and the channel's
    // own next run starts empty too. Every field, the sequence chooser included.
    void eachRunStartsFromAnEmptyEntry()
    {
        AssetBench b;
        for (const char *name : {"alpha", "bravo"})
            QVERIFY(storeUserSequence(name, {"Q"}));
        QVERIFY(b.area.activate());
        const char *const fields[] = {"assetLineEdit", "makeLineEdit", "modelLineEdit",
                                      "serialLineEdit"};
        const auto entry = [&b, &fields]() {
            QStringList texts;
            for (const char *name : fields)
                texts << b.field<LineEdit>(name)->text();
            return texts << b.protocol()->currentText();
        };
        const QStringList empty = {"", "", "", "", "alpha"};
        b.open(0);
        QCOMPARE(entry(), empty);
        for (const char *name : fields)
            b.field<LineEdit>(name)->setText("11");
        b.protocol()->setCurrentIndex(1);
        QCOMPARE(b.confirm(), QString());
        QCOMPARE(results()->getCurrentAssetId(0), QStringLiteral("11"));
        QCOMPARE(sequences()->getCurrentTestSequenceName(0), QStringLiteral("bravo"));

        b.summary->showScreen(true);
        b.open(1);
        QCOMPARE(entry(), empty);
        b.assetId()->setText("22");
        QCOMPARE(b.confirm(), QString());
        QCOMPARE(results()->getCurrentAssetId(1), QStringLiteral("22"));
        QCOMPARE(sequences()->getCurrentTestSequenceName(1), QStringLiteral("alpha"));
        QCOMPARE(results()->getCurrentAssetId(0), QStringLiteral("11"));

        b.summary->showScreen(true);
        b.open(0);
        QCOMPARE(entry(), empty);
    }

    // A confirm that cannot start the run leaves the screen open and the channel at
    // asset entry, and says why, except for an empty Asset ID. An identity that names
    // no file is refused before anything is discarded; a sequence that cannot be run
    // is found only after the channel's results have been discarded.
    void confirmRefused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("discarded");
        QTest::newRow("empty") << ""
                               << "good"
                               << "" << false;
        QTest::newRow("line end only")
            << "\r\n"
            << "good"
            << "This Asset ID cannot name a result file. Please enter another one." << false;
        QTest::newRow("blanks only")
            << "   "
            << "good"
            << "This Asset ID cannot name a result file. Please enter another one." << false;
        QTest::newRow("parent folder")
            << ".."
            << "good"
            << "This Asset ID cannot name a result file. Please enter another one." << false;
        QTest::newRow("slash")
            << "/"
            << "good"
            << "This Asset ID cannot name a result file. Please enter another one." << false;
        QTest::newRow("no tests") << "P-2"
                                  << "empty"
                                  << "The test sequence \"empty\" holds no tests that can be run."
                                  << true;
        QTest::newRow("unreadable") << "P-2"
                                    << "broken"
                                    << "The test sequence \"broken\" could not be opened." << true;
    }
    void confirmRefused()
    {
        QFETCH(QString, typed);
        QFETCH(QString, sequence);
        QFETCH(QString, message);
        QFETCH(bool, discarded);
        AssetBench b;
        QVERIFY(storeUserSequence("good", {"Q"}));
        QVERIFY(sequences()->createNewTestSequence("empty"));
        QVERIFY(b.area.root().writeFile("/mnt/data/testSequences/broken", "\x01"));
        results()->addTestResult(new TestResultElementUserTest, 1);
        QVERIFY(b.area.activate());
        b.open(1);
        b.protocol()->setCurrentText(sequence);
        b.assetId()->setText(typed);
        QSignalSpy confirmed(b.asset, &AutoModeAssetDetails::assetConfirmed);
        QCOMPARE(b.confirm(), message);
        QCOMPARE(b.area.current(), static_cast<QWidget *>(b.asset));
        QCOMPARE(int(b.board->getChannelAutoState(1)), 1);
        QCOMPARE(confirmed.count(), 0);
        QCOMPARE(results()->getCurrentTestResultSize(1), discarded ? 0 : 1);
    }

    // A confirm prepares the channel's sequence and record and hands the channel to
    // the engine, which puts the first step's question: the identity as it names the
    // file, empty make, model and serial number accepted.
    void confirmStartsTheRun()
    {
        AssetBench b;
        QVERIFY(storeUserSequence("ward 7", {"Door latch holds"}));
        QVERIFY(b.area.activate());
        b.open(2);
        b.assetId()->setText(" PUMP-7\r\n");
        for (const char *name : {"makeLineEdit", "modelLineEdit", "serialLineEdit"})
            b.field<LineEdit>(name)->clear();
        QSignalSpy confirmed(b.asset, &AutoModeAssetDetails::assetConfirmed);
        QCOMPARE(b.confirm(), QString());
        QCOMPARE(confirmed.count(), 1);
        QCOMPARE(confirmed.first().first().value<unsigned short>(), (unsigned short)2);
        QCOMPARE(int(b.board->getChannelAutoState(2)), 3);
        QCOMPARE(b.area.current(), static_cast<QWidget *>(b.summary->getUserTestScreen()));
        QCOMPARE(b.summary->getUserTestScreen()->getChannelId(), (unsigned short)2);

        const MedicalApplianceResult record = results()->currentApplianceResult(2);
        QCOMPARE(record.applianceName, QStringLiteral("PUMP-7"));
        QCOMPARE(record.overallResult, TEST_PASS);
        QCOMPARE(record.make + record.model + record.eut_serialNo, QString());
        QCOMPARE(record.testSequenceName, QStringLiteral("ward 7"));
        QVERIFY(record.testDate.isValid());
        QCOMPARE(sequences()->getCurrentTestSequenceName(2), QStringLiteral("ward 7"));
        QCOMPARE(sequences()->getCurrentTestSequenceSize(2), 1);
    }

    // Pieces of one scan within the gap make one Asset ID; a piece after the gap starts
    // a new one; a zero byte ends the code. Scans land while the summary is shown and
    // the next showing displays them.
    void barcode_data()
    {
        QTest::addColumn<QList<QByteArray>>("pieces");
        QTest::addColumn<QList<int>>("msBefore"); // time since the piece before
        QTest::addColumn<QString>("asset");
        QTest::newRow("150 ms apart: one code")
            << QList<QByteArray>{"PU", "MP9"} << QList<int>{0, 150} << "PUMP9";
        QTest::newRow("250 ms apart: a new code")
            << QList<QByteArray>{"OLD", "NEW"} << QList<int>{0, 250} << "NEW";
        QTest::newRow("a zero byte ends it")
            << QList<QByteArray>{QByteArray("AB\0XY", 5)} << QList<int>{0} << "AB";
        QTest::newRow("a zero byte in a later piece")
            << QList<QByteArray>{"AB", QByteArray("C\0D", 3)} << QList<int>{0, 100} << "ABC";
        QTest::newRow("scanner line end")
            << QList<QByteArray>{"X12\r", "\n"} << QList<int>{0, 20} << "X12";
        QTest::newRow("8-bit characters") << QList<QByteArray>{"\xc4"
                                                               "1"}
                                          << QList<int>{0}
                                          << QString::fromLatin1("\xc4"
                                                                 "1");
    }
    void barcode()
    {
        QFETCH(QList<QByteArray>, pieces);
        QFETCH(QList<int>, msBefore);
        QFETCH(QString, asset);
        AssetBench b;
        b.assetId()->setText("typed");
        auto *gap = b.asset->findChild<QTimer *>();
        QVERIFY(gap);
        QVERIFY(gap->isSingleShot());
        QCOMPARE(gap->interval(), 200);
        BluetoothFavourites *bt = BluetoothFavourites::getInstance();
        for (int i = 0; i < pieces.size(); ++i) {
            if (msBefore[i] >= gap->interval()) {
                QTRY_VERIFY(!gap->isActive()); // the gap has run out
            } else if (msBefore[i] > 0) {
                // Within the gap: the time passes without the gap timer being served,
                // as when the piece arrives before it runs out.
                QTest::qSleep(msBefore[i]);
            }
            const QString before = b.assetId()->text();
            emit bt->btBarcodeDataReceived(pieces[i]);
            QCOMPARE(b.assetId()->text(), before); // nothing lands before the gap
        }
        QTRY_COMPARE(b.assetId()->text(), asset);
        b.open(0);
        QCOMPARE(b.assetId()->text(), asset);
    }

    // The warning comes on every showing while usage is above 95 %, never at 95 %.
    void memoryWarning_data()
    {
        QTest::addColumn<int>("pages");
        QTest::addColumn<bool>("warns");
        QTest::newRow("95 %") << 95 << false;
        QTest::newRow("96 %") << 96 << true;
    }
    void memoryWarning()
    {
        QFETCH(int, pages);
        QFETCH(bool, warns);
        AssetBench b;
        SmallPartition partition(b.area.root().path("/mnt/data"));
        if (!partition.mounted())
            QSKIP("mounting a tmpfs is not allowed here");
        QVERIFY(partition.fillPages(pages));
        QVERIFY(b.area.activate());
        for (int showing = 0; showing < 2; ++showing) {
            ModalAnswer answer({Qt::Key_Escape}, warns ? 10000 : 500);
            b.open(0);
            QCOMPARE(answer.answered(), warns);
            if (warns)
                QCOMPARE(answer.dialogText(),
                         QStringLiteral("Warning - Memory Usage greater than 95%, data may not be "
                                        "saved correctly"));
            QCOMPARE(b.area.current(), static_cast<QWidget *>(b.asset));
            key(Qt::Key_F1);
        }
    }
};

RONDIX_TEST(TestAutoModeAssetDetails)
#include "tst_AutoModeAssetDetails.moc"
