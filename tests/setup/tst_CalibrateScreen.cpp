// The calibration terminal between a PC (a pseudo-terminal where the USB serial gadget
// would be) and the channel controllers of the simulated power board, under each way a
// controller's console may talk.
#include "AboutScreen.h"
#include "CalibrateScreen.h"
#include "CalibrationTerminalText.h"
#include "DorvalenPacketHandler.h"
#include "GuiTest.h"
#include "InfusionPumpMainScreen.h"
#include "InfusionPumpPowerBoardManager.h"
#include "PinEntry.h"
#include "PowerBoardSim.h"
#include "PtyPair.h"
#include "QueuedTtyHandler.h"
#include "SetupBench.h"
#include "TestRegistry.h"

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>

using namespace GuiTest;
Q_DECLARE_METATYPE(SimConsole::Mode)

namespace
{
constexpr int kWaitMs = 10000;

struct TerminalBench {
    SetupBench bench;
    PtyPair pc;

    explicit TerminalBench(SimConsole::Mode console = SimConsole::Mode::Echo)
        : bench({ScreenArea::defaultSettings(), false,
                 [console](PowerBoardSim &sim) { sim.setConsole(console); }})
    {
        pc.open(bench.area.root().path("/dev/ttyGS0"));
    }
    CalibrateScreen *terminal() const { return bench.screen<CalibrateScreen>(); }
    // The main menu's About, the calibration dates, their F3, the PIN.
    bool open(const QString &pin = AboutScreen::CalibrationPin)
    {
        if (!bench.menu || !bench.area.activate())
            return false;
        bench.menu->showScreen(true);
        keys({Qt::Key_F4, Qt::Key_F3, Qt::Key_F3});
        if (!qobject_cast<PinEntry *>(bench.area.current()))
            return false;
        QTest::keyClicks(QApplication::focusWidget(), pin);
        key(Qt::Key_F4);
        return bench.area.current() == terminal();
    }
    // The simulated board reads its line and its select lines apart, so on a loaded
    // machine it may still answer a poll from before the switch; such whole replies may
    // lead the text, and are left out here. Nothing else may.
    QString shown() const
    {
        static const QRegularExpression lateReplies(QStringLiteral("^(\x02[^\x02\x03]*\x03)*"));
        return terminal()->findChild<QPlainTextEdit *>("textEditBox")->toPlainText().remove(lateReplies);
    }
    QString channelLabel() const
    {
        return terminal()->findChild<QLabel *>("label_Calibrate_ChannelNo")->text();
    }
    // Sends bytes as the PC and waits for the answer, as many bytes as expected.
    QByteArray exchange(const QByteArray &bytes, int expected)
    {
        pc.takeReceived();
        pc.write(bytes);
        pc.waitForBytes(expected, kWaitMs);
        return pc.takeReceived();
    }
};
} // namespace

class TestCalibrateScreen : public QObject
{
    Q_OBJECT
private slots:
    void onlyTheServicePinOpensTheTerminal()
    {
        TerminalBench t;
        QVERIFY(t.bench.area.settle());
        QVERIFY(!t.open("4729"));
        QVERIFY(qobject_cast<PinEntry *>(t.bench.area.current()));
        key(Qt::Key_F1);
        QCOMPARE(t.bench.area.current(), t.bench.screen<AboutScreen>());
        QVERIFY(t.open());
        QCOMPARE(t.channelLabel(), QString("1"));
    }

    // What the PC sends reaches the channel unchanged and what the channel answers
    // reaches the PC unchanged; the screen shows it through the terminal's filter.
    void thePcTalksToTheChannel_data()
    {
        QTest::addColumn<SimConsole::Mode>("console");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("shown");
        QTest::newRow("echo") << SimConsole::Mode::Echo << QByteArray("zero 1\r")
                              << QByteArray("zero 1\r") << "zero 1";
        QTest::newRow("echo, every byte")
            << SimConsole::Mode::Echo << QByteArray("\x01\x7f\xff|\r\n", 6)
            << QByteArray("\x01\x7f\xff|\r\n", 6) << QString::fromLatin1("\x01\x7f\xff|\n");
        QTest::newRow("prompt: a command")
            << SimConsole::Mode::Prompt << QByteArray("id\r")
            << QByteArray("id\r\nChannel 1 controller, firmware 2.07\r\nCH1> ")
            << "id\nChannel 1 controller, firmware 2.07\nCH1> ";
        QTest::newRow("prompt: clear screen")
            << SimConsole::Mode::Prompt << QByteArray("x\rcls\r")
            << QByteArray("x\r\n? x\r\nCH1> cls\r\n\x1b[2JCH1> ") << "CH1> ";
        QTest::newRow("prompt: a reading updated in place")
            << SimConsole::Mode::Prompt << QByteArray("live\r")
            << QByteArray("live\r\nP=   0 mmHg\rP=  51 mmHg\rP= 102 mmHg\r\nCH1> ")
            << "live\nP= 102 mmHg\nCH1> ";
        QTest::newRow("prompt: NUL bytes reach the PC")
            << SimConsole::Mode::Prompt << QByteArray("nul\r")
            << QByteArray("nul\r\nzero\0point\r\nCH1> ", 22) << "nul\nzeropoint\nCH1> ";
    }
    void thePcTalksToTheChannel()
    {
        QFETCH(SimConsole::Mode, console);
        QFETCH(QByteArray, sent);
        QFETCH(QByteArray, answer);
        QFETCH(QString, shown);
        TerminalBench t(console);
        QVERIFY(t.bench.area.settle());
        QVERIFY(t.open());
        QTRY_VERIFY_WITH_TIMEOUT(t.terminal()->isGadgetOpen(), kWaitMs);
        QCOMPARE(t.exchange(sent, answer.size()), answer);
        QTRY_COMPARE(t.shown(), shown);
        QVERIFY(t.bench.area.savePng(QDir::temp().filePath("about-CalibrateScreen.png")));
    }

    // Keys on the instrument go to the channel as text (Return as CR LF, the select key
    // not at all, F2 and F3 do nothing); CH moves the terminal on, clearing it, and the
    // PC then talks to the new channel.
    void keysAndTheChannelKey()
    {
        TerminalBench t(SimConsole::Mode::Prompt);
        QVERIFY(t.bench.area.settle());
        QVERIFY(t.open());
        QTRY_VERIFY_WITH_TIMEOUT(t.terminal()->isGadgetOpen(), kWaitMs);
        t.pc.takeReceived();
        keys({Qt::Key_F2, Qt::Key_F3, Qt::Key_Escape});
        QTest::keyClicks(QApplication::focusWidget(), "x");
        key(Qt::Key_Return);
        const QByteArray answer("x\r\n? x\r\nCH1> ");
        QVERIFY(t.pc.waitForBytes(answer.size(), kWaitMs));
        QCOMPARE(t.pc.takeReceived(), answer);
        QTRY_COMPARE(t.shown(), QString("x\n? x\nCH1> "));
        QCOMPARE(t.bench.area.current(), t.terminal());

        key(Qt::Key_F4);
        QCOMPARE(t.channelLabel(), QString("2"));
        QCOMPARE(t.terminal()->channel(), (unsigned short)1);
        QCOMPARE(t.shown(), QString());
        QCOMPARE(t.exchange("\r", 7), QByteArray("\r\nCH2> "));
        QTRY_COMPARE(t.shown(), QString("\nCH2> "));

        keys({Qt::Key_F4, Qt::Key_F4});
        QCOMPARE(t.channelLabel(), QString("4"));
        QCOMPARE(t.exchange("\r", 7), QByteArray("\r\nCH4> "));
        key(Qt::Key_F4);
        QCOMPARE(t.channelLabel(), QString("1"));
        QCOMPARE(t.exchange("\r", 7), QByteArray("\r\nCH1> "));
    }

    // Back closes the PC's port and gives the line back to the board manager, which
    // polls the channels again; the terminal opens again with one port, and back before
    // the port was due opens none.
    void backGivesEverythingBack()
    {
        TerminalBench t;
        QVERIFY(t.bench.area.settle());
        QVERIFY(t.open());
        QTRY_VERIFY_WITH_TIMEOUT(t.terminal()->isGadgetOpen(), kWaitMs);
        QCOMPARE(t.exchange("abc", 3), QByteArray("abc"));
        t.bench.area.sim().clearCommands();

        key(Qt::Key_F1);
        QCOMPARE(t.bench.area.current(), t.bench.screen<AboutScreen>());
        QVERIFY(!t.terminal()->isGadgetOpen());
        QVERIFY(t.terminal()->findChildren<QueuedTtyHandler *>().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(
            t.bench.area.lines().filter(QRegularExpression("^3 I4$")).size() >= 2, kWaitMs);
        for (int ch = 0; ch < 4; ++ch)
            QCOMPARE(t.bench.area.board()->getChannelStatus(ch), (unsigned short)1);

        QVERIFY(t.open());
        QTRY_VERIFY_WITH_TIMEOUT(t.terminal()->isGadgetOpen(), kWaitMs);
        QCOMPARE(t.terminal()->findChildren<QueuedTtyHandler *>().size(), 1);
        QCOMPARE(t.exchange("def", 3), QByteArray("def"));
        key(Qt::Key_F1);

        QVERIFY(t.open());
        key(Qt::Key_F1);
        QTest::qWait(CalibrateScreen::GadgetDelayMs + 500);
        QVERIFY(t.terminal()->findChildren<QueuedTtyHandler *>().isEmpty());
        QCOMPARE(t.bench.area.current(), t.bench.screen<AboutScreen>());
    }

    // An open PC link lets its port go to the terminal: one port on the gadget at most.
    void thePcLinkLetsThePortGo()
    {
        TerminalBench t;
        QVERIFY(t.bench.area.settle());
        QVERIFY(t.bench.menu->initialiseSerialPort());
        QVERIFY(t.bench.area.board()->m_DataManager.m_pPacketHandler);
        QVERIFY(t.open());
        QCOMPARE(t.bench.area.board()->m_DataManager.m_pPacketHandler, nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(t.terminal()->isGadgetOpen(), kWaitMs);
        QCOMPARE(t.exchange("abc", 3), QByteArray("abc"));
    }

    // A PC that stops reading never holds the terminal up, and a channel that talks on
    // and on fills no more than the terminal keeps.
    void aPcThatStopsReadingHoldsNothingUp()
    {
        TerminalBench t;
        QVERIFY(t.bench.area.settle());
        QVERIFY(t.open());
        QTRY_VERIFY_WITH_TIMEOUT(t.terminal()->isGadgetOpen(), kWaitMs);
        t.pc.setReading(false);
        const QByteArray line = QByteArray(60, 'r') + "\r\n";
        for (int i = 0; i < 2000; ++i) {
            t.pc.write(line);
            if (i % 100 == 0)
                QTest::qWait(20);
        }
        // Whole lines of 61 characters, as many as the terminal keeps.
        QTRY_VERIFY_WITH_TIMEOUT(t.shown().size() > CalibrationTerminalText::MaxCharacters - 61,
                                 kWaitMs);
        QVERIFY(t.shown().size() <= CalibrationTerminalText::MaxCharacters);
        QVERIFY(t.shown().startsWith(QString(60, 'r') + "\n"));
        key(Qt::Key_F1);
        QCOMPARE(t.bench.area.current(), t.bench.screen<AboutScreen>());
    }
};

RONDIX_TEST(TestCalibrateScreen)
#include "tst_CalibrateScreen.moc"
