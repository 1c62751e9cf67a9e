#include "DataManager.h"
#include "LinkBench.h"
#include "PcRequestDispatcher.h"
#include "PowerBoardSim.h"
#include "TestRegistry.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QSettings>
#include <QTest>
#include <QTimer>

namespace
{

// "<channel> <letters>" of a command as the controllers heard it.
QString brief(const PowerBoardSim::Command &c)
{
    return QStringLiteral("%1 %2").arg(c.channel).arg(QString::fromLatin1(c.payload.left(3)));
}

qint64 modified(const QString &path)
{
    return QFileInfo(path).lastModified().toMSecsSinceEpoch();
}

} // namespace

class TestPcStartFlood : public QObject
{
    Q_OBJECT
private slots:
    // Nothing limits what a PC sends on the USB line: one that floods channel 1 with valid
    // PCA starts, 56 a second, while the other three run the flow tests it started, must
    // leave every channel polled about once a second.
    void floodOfStartsStarvesNoChannel()
    {
        LinkBench bench;
        QVERIFY(bench.dispatcher);
        PcLinkClient &pc = bench.pc;
        PowerBoardSim &sim = bench.area.sim();
        for (quint8 channel : {2, 3, 4})
            pc.startFlow(channel, 3600, 0, 30);
        // The PCA test once on its own: its settings are saved when it has started.
        pc.startPca(1, 600, 12.5f, 2.0f);
        QVERIFY(pc.waitForReplies(4, 10000));
        for (const PcLinkClient::Reply &r : pc.takeReplies())
            QCOMPARE(r.opcode, quint32(PcLinkClient::ConfirmReply));
        const QString settings = bench.area.settingsPath();
        QCOMPARE(QSettings(settings, QSettings::IniFormat).value("channel_0/test_type").toInt(), 2);
        const qint64 savedAt = modified(settings);

        const int firstCommand = sim.commands().size();
        const qint64 from = sim.wallMs();
        // 56 a second on average, however late the timer fires on a loaded machine.
        constexpr int perSecond = 56;
        int sent = 0;
        QElapsedTimer flooding;
        flooding.start();
        QTimer flood;
        QObject::connect(&flood, &QTimer::timeout, [&] {
            while (sent < flooding.elapsed() * perSecond / 1000) {
                pc.startPca(1, 600, 12.5f, 2.0f);
                ++sent;
            }
        });
        flood.start(1000 / perSecond);
        QTest::qWait(8000);
        flood.stop();
        QList<qint64> gaps;
        for (int ch = 0; ch < 4; ++ch)
            gaps << sim.longestGap(ch, "I4", from);
        qInfo("%d starts; longest gaps between polls (ms): %lld %lld %lld %lld", sent, gaps[0],
              gaps[1], gaps[2], gaps[3]);
        for (int ch = 0; ch < 4; ++ch)
            QVERIFY2(gaps[ch] < 1600,
                     qPrintable(QStringLiteral("channel %1: %2 ms").arg(ch).arg(gaps[ch])));
        QVERIFY(sent >= 7 * perSecond); // of the 8 s

        // Every start went out whole, nothing on the line between its stop, its settings
        // and its start.
        QTest::qWait(300);
        // (Retransmissions left out: a frame the line garbled is sent again.)
        QList<PowerBoardSim::Command> heard;
        for (const PowerBoardSim::Command &c : sim.commands().mid(firstCommand))
            if (!c.repeated)
                heard << c;
        const QStringList unit = {"0 I3", "0 IF1", "0 IF2", "0 IF4", "0 IF5", "0 I2"};
        int starts = 0;
        for (int i = 0; i < heard.size(); ++i) {
            if (brief(heard.at(i)) == QLatin1String("0 I2"))
                ++starts;
            if (brief(heard.at(i)) != QLatin1String("0 I3"))
                continue;
            QStringList got;
            for (int k = i; k < qMin(i + unit.size(), heard.size()); ++k)
                got << brief(heard.at(k));
            QCOMPARE(got, unit);
        }
        QVERIFY(starts > 0);
        // A Confirm for each start that reached the controller, none for those that a
        // newer one overtook while they waited.
        const QList<PcLinkClient::Reply> confirms = pc.replies();
        for (const PcLinkClient::Reply &r : confirms) {
            QCOMPARE(r.opcode, quint32(PcLinkClient::ConfirmReply));
            QCOMPARE(r.channel, quint8(0));
        }
        QVERIFY2(confirms.size() <= starts && confirms.size() < sent,
                 qPrintable(QStringLiteral("%1 confirms, %2 starts on the line, %3 sent")
                                .arg(confirms.size())
                                .arg(starts)
                                .arg(sent)));
        QVERIFY(!confirms.isEmpty());
        // The same settings again are no change to save.
        QCOMPARE(modified(settings), savedAt);
        QCOMPARE(sim.controller(0).testType(), quint8(2));
        QCOMPARE(sim.controller(0).status(), SimController::Pca);
        for (int ch : {1, 2, 3})
            QCOMPARE(sim.controller(ch).status(), SimController::FlowRate);
    }
};

RONDIX_TEST(TestPcStartFlood)
#include "tst_PcStartFlood.moc"
