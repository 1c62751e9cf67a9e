#include "EsaBootLoaderSim.h"
#include "EsaDownload.h"
#include "HostPinPage.h"
#include "PtyPair.h"
#include "TempRoot.h"
#include "TestRegistry.h"
#include "TtyHandler.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {
// The serial line to both ESA boards with their boot loaders at its far end, and the
// pin page that carries the board-select line.
struct EsaBench
{
    EsaBench() : page(std::make_shared<HostPinPage>())
    {
        page->install();
        pty.open(root.path("/dev/ttyAPP1"));
        tty.reset(new TtyHandler(QStringLiteral("/dev/ttyAPP1")));
        boards.reset(new EsaBootLoaderSim(&pty, page));
        esa.reset(new EsaDownload(tty.get()));
    }
    ~EsaBench() { HostPinPage::uninstall(); }

    QString file(const QByteArray &content, const QString &name = QStringLiteral("image.bin"))
    {
        root.writeFile("/tmp/" + name, content);
        return root.path("/tmp/" + name);
    }
    bool selectReleased() const
    {
        return (page->read(0xB40) & 0x400) == 0 && (page->read(0x740) & 0x400) != 0;
    }

    TempRoot root;
    std::shared_ptr<HostPinPage> page;
    PtyPair pty;
    std::unique_ptr<TtyHandler> tty;
    std::unique_ptr<EsaBootLoaderSim> boards;
    std::unique_ptr<EsaDownload> esa;
};

QByteArray counting(int size)
{
    QByteArray d;
    for (int i = 0; i < size; ++i)
        d.append(char(i));
    return d;
}
} // namespace

class TestEsaDownload : public QObject
{
    Q_OBJECT
private slots:
    void crc_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("crc");
        QTest::newRow("check string") << QByteArray("123456789") << 0x31C3;
        QTest::newRow("nothing") << QByteArray() << 0x0000;
        QTest::newRow("fill block") << QByteArray(128, '\x1a') << 0xF8B0;
    }
    void crc()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, crc);
        QCOMPARE(int(EsaDownload::calcrc(data.constData(), data.size())), crc);
    }

    void bytesOnTheLine_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("board");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray d = counting(256);
        QTest::newRow("256 bytes to the IO board")
            << 256 << int(EsaDownload::IoBoard) << int(EsaDownload::Application)
            << QByteArray("B2") + QByteArray::fromHex("0100ff") + d.left(128) + QByteArray::fromHex("e80a")
                   + QByteArray::fromHex("0101fe") + d.mid(128) + QByteArray::fromHex("53e8")
                   + QByteArray::fromHex("04");
        QTest::newRow("129 bytes to the measurement EEPROM")
            << 129 << int(EsaDownload::MeasurementBoard) << int(EsaDownload::Eeprom)
            << QByteArray("B3") + QByteArray::fromHex("0100ff") + d.left(128) + QByteArray::fromHex("e80a")
                   + QByteArray::fromHex("0101fe80") + QByteArray(127, '\x1a') + QByteArray::fromHex("3283")
                   + QByteArray::fromHex("04");
        QTest::newRow("empty file") << 0 << int(EsaDownload::IoBoard) << int(EsaDownload::Application)
                                    << QByteArray("B2\x04");
    }
    void bytesOnTheLine()
    {
        QFETCH(int, size);
        QFETCH(int, board);
        QFETCH(int, kind);
        QFETCH(QByteArray, expected);
        EsaBench bench;
        const QString path = bench.file(counting(size));
        QCOMPARE(bench.esa->download(path, EsaDownload::Board(board), EsaDownload::Kind(kind)), 0);
        const auto id = EsaBootLoaderSim::BoardId(board);
        const auto other = EsaBootLoaderSim::BoardId(1 - board);
        QTRY_VERIFY_WITH_TIMEOUT(bench.boards->ended(id), 10000);
        QCOMPARE(bench.boards->heard(id).toHex(), expected.toHex());
        QCOMPARE(bench.boards->heard(other), QByteArray());
        QVERIFY(bench.selectReleased());
    }

    void wakesEachBoardOnce()
    {
        EsaBench bench;
        const QString app = bench.file(counting(200), "app.bin");
        const QString eep = bench.file(counting(10), "eep.bin");
        QCOMPARE(bench.esa->download(app, EsaDownload::IoBoard, EsaDownload::Application), 0);
        QCOMPARE(bench.esa->download(eep, EsaDownload::IoBoard, EsaDownload::Eeprom), 0);
        QCOMPARE(bench.esa->download(app, EsaDownload::MeasurementBoard, EsaDownload::Application), 0);
        QCOMPARE(bench.boards->wakeUps(EsaBootLoaderSim::Io), 1);
        QCOMPARE(bench.boards->wakeUps(EsaBootLoaderSim::Measurement), 1);
        QCOMPARE(bench.boards->kind(EsaBootLoaderSim::Io), '3');
        QCOMPARE(bench.boards->image(EsaBootLoaderSim::Io), counting(10) + QByteArray(118, '\x1a'));
        QCOMPARE(bench.boards->heard(EsaBootLoaderSim::Measurement).left(2), QByteArray("B2"));
    }

    void blockNumberWrapsAfter255()
    {
        EsaBench bench;
        QByteArray data;
        for (int i = 0; i < 257 * 128; ++i)
            data.append(char(i * 13 + i / 128));
        QCOMPARE(bench.esa->download(bench.file(data), EsaDownload::MeasurementBoard,
                                     EsaDownload::Application),
                 0);
        const QList<int> numbers = bench.boards->blockNumbers(EsaBootLoaderSim::Measurement);
        QCOMPARE(numbers.size(), 257);
        QCOMPARE(numbers.at(255), 255);
        QCOMPARE(numbers.at(256), 0);
        QVERIFY(bench.boards->image(EsaBootLoaderSim::Measurement) == data);
    }

    void failuresEndTheDownload_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("heardBytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("block refused") << 0 << 2 + 2 * 133 << "The ESA board refused block 1 (NAK)";
        QTest::newRow("board silent")
            << 1 << 2 << "The ESA board did not ask for the file within 0.3 s";
        QTest::newRow("no acknowledge")
            << 2 << 2 + 133 << "No answer from the ESA board to block 0 within 0.3 s";
        // After 20 good blocks the line babbles, ACK bytes among its noise: no block is
        // taken for acknowledged by it.
        QTest::newRow("babble with ACK among it")
            << 3 << 2 + 21 * 133 << "Noise from the ESA board in answer to block 20";
        // Noise that never stops does not keep the wait alive.
        QTest::newRow("steady noise")
            << 4 << 2 + 133 << "Noise from the ESA board in answer to block 0";
    }
    void failuresEndTheDownload()
    {
        QFETCH(int, fault);
        QFETCH(int, heardBytes);
        QFETCH(QString, reason);
        EsaBench bench;
        bench.esa->setReplyTimeout(300);
        QTimer noise;
        connect(&noise, &QTimer::timeout, this, [&] { bench.boards->sendUnasked("\x33\x06\x33"); });
        if (fault == 0)
            bench.boards->refuseBlock(1);
        else if (fault == 1)
            bench.boards->setSilent(true);
        else if (fault == 2)
            bench.boards->setNoAcknowledge(true);
        else if (fault == 3)
            bench.boards->setBabbleAfter(20);
        else {
            bench.boards->setNoAcknowledge(true);
            noise.start(20);
        }
        QElapsedTimer waited;
        waited.start();
        QCOMPARE(bench.esa->download(bench.file(counting(512 * 128)), EsaDownload::IoBoard,
                                     EsaDownload::Application),
                 -1);
        QVERIFY2(waited.elapsed() < 5000, qPrintable(QString::number(waited.elapsed())));
        noise.stop();
        QCOMPARE(bench.esa->failureReason(), reason);
        QTest::qWait(100);
        QCOMPARE(bench.boards->heard(EsaBootLoaderSim::Io).size(), heardBytes);
        QVERIFY(!bench.boards->ended(EsaBootLoaderSim::Io));
        QVERIFY(bench.selectReleased());
    }

    // The board's word after EOT: only a NAK fails the download; an ACK or silence, and a
    // request beside each block's ACK, leave it a success.
    void answersTheBoardMayGive_data()
    {
        QTest::addColumn<int>("endAnswer");
        QTest::addColumn<bool>("requestBeside");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("reason");
        QTest::newRow("EOT answered with ACK") << int(EsaBootLoaderSim::EndAck) << false << 0 << "";
        QTest::newRow("EOT not answered") << int(EsaBootLoaderSim::EndSilent) << false << 0 << "";
        QTest::newRow("EOT answered with NAK")
            << int(EsaBootLoaderSim::EndNak) << false << -1
            << "The ESA board refused the end of the transfer (NAK)";
        QTest::newRow("request beside each ACK")
            << int(EsaBootLoaderSim::EndAck) << true << 0 << "";
    }
    void answersTheBoardMayGive()
    {
        QFETCH(int, endAnswer);
        QFETCH(bool, requestBeside);
        QFETCH(int, result);
        QFETCH(QString, reason);
        EsaBench bench;
        bench.esa->setEndAnswerWait(200);
        bench.boards->setEndAnswer(EsaBootLoaderSim::EndAnswer(endAnswer));
        bench.boards->setRequestBesideAck(requestBeside);
        const QByteArray data = counting(1000);
        QCOMPARE(bench.esa->download(bench.file(data), EsaDownload::MeasurementBoard,
                                     EsaDownload::Application),
                 result);
        QCOMPARE(bench.esa->failureReason(), reason);
        QVERIFY(bench.boards->ended(EsaBootLoaderSim::Measurement));
        QCOMPARE(bench.boards->image(EsaBootLoaderSim::Measurement), data + QByteArray(24, '\x1a'));
        QVERIFY(bench.selectReleased());
    }

    void inputAfterTheEndIsIgnored()
    {
        EsaBench bench;
        bench.boards->setRequestAgainAfterEnd(true);
        const QString path = bench.file(counting(130));
        QCOMPARE(bench.esa->download(path, EsaDownload::IoBoard, EsaDownload::Application), 0);
        const QByteArray first = bench.boards->heard(EsaBootLoaderSim::Io);
        // A fresh request after the board's ACK of EOT arrives with no download running:
        // it is answered with nothing.
        QTest::qWait(200);
        QCOMPARE(bench.boards->heard(EsaBootLoaderSim::Io), first);
        QCOMPARE(bench.esa->download(path, EsaDownload::IoBoard, EsaDownload::Eeprom), 0);
        QCOMPARE(bench.boards->image(EsaBootLoaderSim::Io).size(), 256);
    }

    void unreachablePinsSendNothing()
    {
        EsaBench bench;
        bench.page->setMapped(false);
        QCOMPARE(bench.esa->download(bench.file(counting(10)), EsaDownload::IoBoard,
                                     EsaDownload::Application),
                 -1);
        QTest::qWait(100);
        QCOMPARE(bench.pty.received(), QByteArray());
        QCOMPARE(bench.page->writeCount(), 0);
    }
};

RONDIX_TEST(TestEsaDownload)
#include "tst_EsaDownload.moc"
