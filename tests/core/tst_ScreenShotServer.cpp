#include "ScreenShotServer.h"
#include "TempRoot.h"
#include "TestRegistry.h"

#include <QDeadlineTimer>
#include <QImage>
#include <QLabel>
#include <QTcpSocket>
#include <QTest>

class TestScreenShotServer : public QObject
{
    Q_OBJECT
private slots:
    void clientReceivesLengthAndPng()
    {
        TempRoot root;
        QLabel screen("Rondix");
        screen.setGeometry(0, 0, 320, 240);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));

        ScreenShotServer server(nullptr, "127.0.0.1", 0);
        QCOMPARE(root.commands(), QStringList({"rmmod g_mass_storage", "rmmod g_serial", "rmmod fsl_usb2_udc",
                                               "modprobe fsl_usb2_udc", "modprobe g_ether",
                                               "ifconfig usb0 127.0.0.1"}));
        QVERIFY(server.isListening());

        QTcpSocket client;
        client.connectToHost("127.0.0.1", server.serverPort());
        QVERIFY(client.waitForConnected(5000));
        QByteArray in;
        auto readSome = [&](int count) {
            QDeadlineTimer deadline(10000);
            while (in.size() < count && !deadline.hasExpired()) {
                QTest::qWait(20);
                in += client.readAll();
            }
            return in.size() >= count;
        };
        QVERIFY(readSome(4));
        const quint32 length = quint8(in[0]) | quint8(in[1]) << 8 | quint8(in[2]) << 16 | quint32(quint8(in[3])) << 24;
        QVERIFY(length > 8);
        QVERIFY(readSome(4 + int(length)));
        const QByteArray png = in.mid(4, int(length));
        QVERIFY(png.startsWith("\x89PNG\r\n\x1a\n"));
        const QImage image = QImage::fromData(png, "PNG");
        QVERIFY(!image.isNull());
        QVERIFY(image.width() >= 320 && image.height() >= 240);

        // The client leaves; the next tick must not touch its deleted socket.
        client.disconnectFromHost();
        QTest::qWait(ScreenShotServer::intervalMs + 500);

        // A new client is served again.
        QTcpSocket second;
        second.connectToHost("127.0.0.1", server.serverPort());
        QVERIFY(second.waitForConnected(5000));
        QTRY_VERIFY_WITH_TIMEOUT(second.bytesAvailable() >= 4, 10000);
        QCOMPARE(server.findChildren<QTcpSocket *>().size(), 1); // the first one is gone
    }

    void setupFailureLeavesServerDeaf_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("lastCommand");
        QTest::newRow("controller") << "1 ^modprobe fsl_usb2_udc" << "modprobe fsl_usb2_udc";
        QTest::newRow("ifconfig") << "1 ^ifconfig" << "ifconfig usb0 127.0.0.1";
    }
    void setupFailureLeavesServerDeaf()
    {
        QFETCH(QString, script);
        TempRoot root;
        root.setCommandScript(script + "\n");
        ScreenShotServer server(nullptr, "127.0.0.1", 0);
        QVERIFY(!server.isListening());
        QTEST(root.commands().last(), "lastCommand");
    }
};

RONDIX_TEST(TestScreenShotServer)
#include "tst_ScreenShotServer.moc"
