#include "BtModuleSim.h"
#include "PowerBoardSim.h"
#include "StartupLogging.h"
#include "TempRoot.h"
#include "TestRegistry.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {
QByteArray readFd(int fd)
{
    QByteArray out;
    char buf[4096];
    ssize_t n;
    while ((n = ::read(fd, buf, sizeof buf)) > 0)
        out.append(buf, int(n));
    return out;
}

// Starts the program off screen, on the device root the test has set.
bool startProgram(QProcess &rondix, const QStringList &arguments)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    rondix.setProcessEnvironment(env);
    rondix.start(RONDIX_PATH, arguments);
    return rondix.waitForStarted();
}
} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void programComesUpLogsItsArgumentsAndReportsAnAbort()
    {
        TempRoot root;
        PowerBoardSim sim;
        QVERIFY(sim.start(root.root()));
        QProcess rondix;
        QVERIFY(startProgram(rondix, {"alpha", "be ta"}));

        // The board comes up: every channel stopped and primed, the channels taking turns
        // from channel 0, and polled. The poll timer runs from the start, so when the
        // start-up exchanges take longer than a poll period a channel's poll, passed over
        // once, rightly goes before its stop or prime. The About pages ask every channel
        // for its identity and dates meanwhile.
        const QStringList identity{"IV", "ICG", "IRC", "IRV"};
        QStringList seen, asked;
        const auto exchanges = [&] {
            seen.clear();
            asked.clear();
            for (const PowerBoardSim::Command &c : sim.commands()) {
                if (c.repeated) // a retransmission is the same exchange
                    continue;
                const QString line = QString("%1 %2").arg(c.channel).arg(QString::fromLatin1(c.payload));
                (identity.contains(QString::fromLatin1(c.payload)) ? asked : seen) << line;
            }
            return seen.contains("3 I4") && seen.contains("3 I6") && asked.size() >= 16;
        };
        QTRY_VERIFY_WITH_TIMEOUT(exchanges(), 15000);
        QStringList startUp;
        for (const QString &e : seen) {
            if (!e.endsWith(" I4"))
                startUp << e;
        }
        QCOMPARE(startUp.mid(0, 8),
                 QStringList({"0 I3", "1 I3", "2 I3", "3 I3", "0 I6", "1 I6", "2 I6", "3 I6"}));
        for (int ch = 0; ch < 4; ++ch)
            for (const QString &letters : identity)
                QVERIFY2(asked.contains(QString("%1 %2").arg(ch).arg(letters)), qPrintable(asked.join(',')));
        QCOMPARE(sim.resets(), QList<int>({0, 1, 2, 3}));

        ::kill(pid_t(rondix.processId()), SIGABRT);
        QVERIFY(rondix.waitForFinished(10000));
        QCOMPARE(rondix.exitStatus(), QProcess::NormalExit);
        QCOMPARE(rondix.exitCode(), 1);
        QCOMPARE(rondix.readAllStandardOutput(), QByteArray("Error: signal 6:\n"));
        const QString err = QString::fromLocal8Bit(rondix.readAllStandardError());
        // Each argument once, numbered from 1; the program name is not logged.
        QVERIFY2(err.contains("Debug: 1: alpha\nDebug: 2: be ta\n"), qPrintable(err));
        QVERIFY(!err.contains("Debug: 0:"));
        // A backtrace of at most ten frames follows.
        const int frames = err.count(QRegularExpression("\\[0x[0-9a-f]+\\]\n"));
        QVERIFY2(frames >= 1 && frames <= 10, qPrintable(err));
    }

    // The Bluetooth service comes up with the menus and configures the module once.
    void bluetoothModuleIsConfiguredAtStartUp()
    {
        TempRoot root;
        root.writeFile("/mnt/data/kovinta.ini", "[General]\nSerial_num=KV-0042\n");
        PowerBoardSim board;
        QVERIFY(board.start(root.root()));
        BtModuleSim module;
        QVERIFY(module.start(root.root()));
        QProcess rondix;
        QVERIFY(startProgram(rondix, {}));
        QTRY_COMPARE_WITH_TIMEOUT(module.commands().size(), 6, 15000);
        QCOMPARE(module.commands().last(), QStringLiteral("SET BT NAME Pexon Kovinta (KV-0042)"));
        QTRY_VERIFY_WITH_TIMEOUT(!module.poweredOn(), 5000);
        QCOMPARE(module.starts(), 1);
        rondix.terminate();
        QVERIFY(rondix.waitForFinished(10000));
    }

    // The USB controller is made once the menus stand: it exports the transfer drive, then
    // switches the port to the PC serial gadget with the drive mounted locally.
    void usbPortComesUpOnTheSerialGadget()
    {
        TempRoot root;
        PowerBoardSim board;
        QVERIFY(board.start(root.root()));
        QProcess rondix;
        QVERIFY(startProgram(rondix, {}));
        const QStringList expected = {
            "sync",
            "rmmod g_mass_storage",
            "rmmod g_serial",
            "rmmod fsl_usb2_udc",
            "modprobe fsl_usb2_udc",
            "modprobe g_mass_storage file=/mnt/ubiData/backfile",
            "sync",
            "rmmod g_mass_storage",
            "rmmod fsl_usb2_udc",
            "umount /mnt/update",
            "losetup -o 4096 /dev/loop0 /mnt/ubiData/backfile",
            "mount -t vfat /dev/loop0 /mnt/update",
            "modprobe fsl_usb2_udc",
            "modprobe g_serial",
        };
        QTRY_VERIFY_WITH_TIMEOUT(root.commands().size() >= expected.size(), 15000);
        // Nothing more follows once the program is up and polling.
        QTRY_VERIFY_WITH_TIMEOUT(board.commands().size() >= 12, 15000);
        QCOMPARE(root.commands(), expected);
        rondix.terminate();
        QVERIFY(rondix.waitForFinished(10000));
    }

    void messagesGoToStandardError_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("debug") << int(QtDebugMsg) << QByteArray("Debug: pump 2\n");
        QTest::newRow("warning") << int(QtWarningMsg) << QByteArray("Warning: pump 2\n");
        QTest::newRow("critical") << int(QtCriticalMsg) << QByteArray("Critical: pump 2\n");
        QTest::newRow("info is any other type") << int(QtInfoMsg) << QByteArray("Debug: pump 2\n");
    }
    void messagesGoToStandardError()
    {
        QFETCH(int, type);
        QTemporaryFile capture;
        QVERIFY(capture.open());
        std::fflush(stderr);
        const int saved = ::dup(STDERR_FILENO);
        ::dup2(capture.handle(), STDERR_FILENO);
        myMessageOutput(QtMsgType(type), QMessageLogContext(), "pump 2");
        std::fflush(stderr);
        ::dup2(saved, STDERR_FILENO);
        ::close(saved);
        capture.seek(0);
        QTEST(capture.readAll(), "line");
    }

    void fatalMessageAbortsThroughTheHandler()
    {
        int out[2], err[2];
        QVERIFY(::pipe(out) == 0 && ::pipe(err) == 0);
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::dup2(err[1], STDERR_FILENO);
            installAbortHandler();
            myMessageOutput(QtFatalMsg, QMessageLogContext(), "no power board");
            ::_exit(99); // not reached
        }
        ::close(out[1]);
        ::close(err[1]);
        const QByteArray stdoutText = readFd(out[0]);
        const QByteArray stderrText = readFd(err[0]);
        int status = 0;
        ::waitpid(child, &status, 0);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 1);
        QCOMPARE(stdoutText, QByteArray("Error: signal 6:\n"));
        QVERIFY(stderrText.startsWith("Fatal: no power board\n"));
        QVERIFY(stderrText.count('\n') >= 2); // and the backtrace
        ::close(out[0]);
        ::close(err[0]);
    }
};

RONDIX_TEST(TestStartup)
#include "tst_Startup.moc"
