#include "GuiTest.h"
#include "InfusionPumpMainScreen.h"
#include "PinEntry.h"
#include "SerialNoEntry.h"
#include "SetupBench.h"
#include "SetupScreen.h"
#include "SmallPartition.h"
#include "TestRegistry.h"

#include <QDir>
#include <QLineEdit>
#include <QTest>

using namespace GuiTest;

namespace
{
QLineEdit *field(QWidget *screen)
{
    return screen->findChild<QLineEdit *>("pinEdit");
}

// Types on the focused field as a keyboard on the instrument does.
void type(const QString &text)
{
    QTest::keyClicks(QApplication::focusWidget(), text);
}

// From the setup menu through the PIN gate to the serial number.
bool openSerialNumber(SetupBench &bench)
{
    turn(1);
    key(Qt::Key_Escape);
    type("4729");
    key(Qt::Key_F4);
    return bench.area.current() == bench.screen<SerialNoEntry>();
}
} // namespace

class TestSerialNumberEntry : public QObject
{
    Q_OBJECT
private slots:
    void onlyTheExactPinOpensTheSerialNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("opens");
        QTest::newRow("the PIN") << "4729" << true;
        QTest::newRow("nothing") << "" << false;
        QTest::newRow("trailing blank") << "4729 " << false;
        QTest::newRow("one digit more") << "47290" << false;
        QTest::newRow("another PIN") << "5274" << false;
    }
    void onlyTheExactPinOpensTheSerialNumber()
    {
        QFETCH(QString, typed);
        QFETCH(bool, opens);
        SetupBench bench;
        QVERIFY(bench.openSetup());
        turn(1);
        key(Qt::Key_Escape);
        auto *gate = bench.screenAfter<PinEntry>(bench.setup);
        QCOMPARE(bench.area.current(), gate);
        QVERIFY(field(gate)->hasFocus());
        QCOMPARE(field(gate)->echoMode(), QLineEdit::Password);
        type(typed);
        QCOMPARE(field(gate)->text(), typed);
        key(Qt::Key_F4);
        QCOMPARE(bench.area.current(),
                 opens ? static_cast<QWidget *>(bench.screen<SerialNoEntry>()) : gate);
        // The PIN never waits in the field.
        QCOMPARE(field(gate)->text(), QString());
    }

    void aGateWithoutPinOpensOnAnEmptyField()
    {
        SetupBench bench;
        QVERIFY(bench.openSetup());
        auto *gate = new PinEntry(bench.setup, bench.menu, nullptr);
        gate->showScreen(true);
        type("1");
        key(Qt::Key_F4);
        QCOMPARE(bench.area.current(), gate);
        key(Qt::Key_F4);
        QCOMPARE(bench.area.current(), bench.menu);
    }

    void theSerialNumberIsStoredAsTypedAndEndsOnTheMainMenu_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        const QByteArray none = ScreenArea::defaultSettings();
        QTest::newRow("none stored, kept") << none << "XXX-XXXX"
                                           << ""
                                           << "XXX-XXXX";
        QTest::newRow("replaced") << none + "Serial_num=KV-0001\n"
                                  << "KV-0001"
                                  << "\bKV-0815 B"
                                  << "KV-0815 B";
        QTest::newRow("emptied") << none + "Serial_num=KV-0001\n"
                                 << "KV-0001"
                                 << "\b"
                                 << "";
    }
    void theSerialNumberIsStoredAsTypedAndEndsOnTheMainMenu()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QString, shown);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        SetupBench bench({settings, false});
        QVERIFY(bench.openSetup());
        QVERIFY(openSerialNumber(bench));
        auto *entry = bench.screen<SerialNoEntry>();
        QCOMPARE(field(entry)->text(), shown);
        QVERIFY(field(entry)->hasFocus());
        QVERIFY(bench.area.savePng(QDir::temp().filePath("setup-SerialNoEntry.png")));
        if (typed.startsWith('\b')) {
            field(entry)->selectAll();
            QTest::keyClick(field(entry), Qt::Key_Backspace);
            typed.remove(0, 1);
        }
        type(typed);
        key(Qt::Key_F4);
        QCOMPARE(bench.setting("Serial_num"), stored);
        QCOMPARE(bench.area.current(), bench.menu);
    }

    void backFromTheSerialNumberDiscardsItAndAsksThePinAgain()
    {
        SetupBench bench;
        QVERIFY(bench.openSetup());
        QVERIFY(openSerialNumber(bench));
        type("ABANDONED");
        key(Qt::Key_F1);
        QCOMPARE(bench.area.current(), bench.setup);
        QCOMPARE(bench.setting("Serial_num"), QString());
        key(Qt::Key_Escape);
        QCOMPARE(bench.area.current(), bench.screenAfter<PinEntry>(bench.setup));
        type("4729");
        key(Qt::Key_F4);
        QCOMPARE(field(bench.screen<SerialNoEntry>())->text(), QString("XXX-XXXX"));
    }

    void aSerialNumberThatCannotBeStoredStaysToBeTriedAgain()
    {
        SetupBench bench;
        SmallPartition partition(bench.area.root().path("/mnt/data"));
        if (!partition.mounted())
            QSKIP("mounting a tmpfs is not allowed here");
        QVERIFY(
            bench.area.root().writeFile("/mnt/data/kovinta.ini", ScreenArea::defaultSettings()));
        QVERIFY(bench.openSetup());
        QVERIFY(openSerialNumber(bench));
        QVERIFY(partition.fillUp());
        type("-9");
        DialogAnswers answers({DialogAnswers::press(QMessageBox::Ok)});
        key(Qt::Key_F4);
        QCOMPARE(answers.seen.size(), 1);
        QCOMPARE(answers.seen[0].text, QString("The serial number could not be saved."));
        QCOMPARE(bench.area.current(), bench.screen<SerialNoEntry>());
        QCOMPARE(field(bench.screen<SerialNoEntry>())->text(), QString("XXX-XXXX-9"));
        QCOMPARE(bench.area.root().readFile("/mnt/data/kovinta.ini"),
                 ScreenArea::defaultSettings());
    }
};

RONDIX_TEST(TestSerialNumberEntry)
#include "tst_SerialNumberEntry.moc"
