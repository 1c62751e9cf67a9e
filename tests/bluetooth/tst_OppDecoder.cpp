#include "BtModuleSim.h"
#include "OppDecoder.h"
#include "TestRegistry.h"

#include <QTest>

namespace {
QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}
} // namespace

class TestOppDecoder : public QObject
{
    Q_OBJECT
private slots:
    void decode_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("body");
        // PUT, Name "a.t", Length 5, End of Body "hello".
        const QByteArray put = hex(
            "02 00 1B  01 00 0B 00 61 00 2E 00 74 00 00  C3 00 00 00 05  49 00 08 68 65 6C 6C 6F");
        QTest::newRow("a push") << put << true << "a.t" << QByteArray("hello");
        // CONNECT (its maximum packet length 0x0102 holds a Name header id), then the
        // push, then DISCONNECT.
        QTest::newRow("in a whole session") << hex("80 00 07 10 00 01 02") + put + hex("81 00 03")
                                            << true << "a.t" << QByteArray("hello");
        // Two PUTs: Body "hel", then End of Body "lo" in a final PUT; a Connection Id and a
        // Type header are skipped by their encoding.
        QTest::newRow("in two packets, other headers")
            << hex("02 00 1B  CB 00 00 00 01  01 00 07 00 78 00 00  42 00 06 61 2F 62  48 00 06 68 "
                   "65 6C"
                   "82 00 08  49 00 05 6C 6F")
            << true << "x" << QByteArray("hello");
        QTest::newRow("empty object") << hex("82 00 10  01 00 05 00 00  49 00 03  C3 00 00 00 00")
                                      << true << "" << QByteArray();
        QTest::newRow("8-bit name") << hex("82 00 0F  01 00 07 00 E9 00 00  49 00 05 6F 6B") << true
                                    << QString::fromLatin1("\xe9") << QByteArray("ok");
        // A body cut short keeps what came, and fails.
        QTest::newRow("body cut short") << hex("82 00 1A  49 00 17 30 31 32 33 34 35 36 37 38 39")
                                        << false << "" << QByteArray("0123456789");
        QTest::newRow("no end of body")
            << hex("02 00 08  48 00 05 68 69") << false << "" << QByteArray("hi");
        QTest::newRow("aborted") << hex("02 00 08  48 00 05 68 69  FF 00 03") << false << ""
                                 << QByteArray("hi");
        QTest::newRow("packet length too small")
            << hex("02 00 02  49 00 05 68 69") << false << "" << QByteArray();
        QTest::newRow("header length too small")
            << hex("82 00 08  49 00 02 68 69") << false << "" << QByteArray();
        QTest::newRow("header past its packet")
            << hex("82 00 06  49 00 05 68 69") << false << "" << QByteArray();
        QTest::newRow("name past the data")
            << hex("82 00 20  01 00 1D 00 61") << false << "" << QByteArray();
        QTest::newRow("length bytes past the data") << hex("82 00") << false << "" << QByteArray();
        QTest::newRow("header length bytes past the data")
            << hex("82 00 05  49 00") << false << "" << QByteArray();
        QTest::newRow("nothing") << QByteArray() << false << "" << QByteArray();
    }
    void decode()
    {
        QFETCH(QByteArray, data);
        QFETCH(bool, ok);
        QFETCH(QString, name);
        QFETCH(QByteArray, body);
        const OppDecoder::Result r = OppDecoder::decode(data);
        QCOMPARE(r.ok, ok);
        if (ok)
            QCOMPARE(r.name, name);
        QCOMPARE(r.body, body);
    }

    // What the simulated phone pushes decodes to the file it pushed, whatever its size.
    void decodesThePhonesPush()
    {
        for (int size : {0, 1, 399, 400, 401, 5000}) {
            QByteArray content;
            for (int i = 0; i < size; ++i)
                content.append(char(i * 7));
            const OppDecoder::Result r =
                OppDecoder::decode(BtModuleSim::obexPush(QStringLiteral("results.dat"), content));
            QVERIFY2(r.ok, qPrintable(QString::number(size)));
            QCOMPARE(r.name, QStringLiteral("results.dat"));
            QCOMPARE(r.body, content);
        }
    }
};

RONDIX_TEST(TestOppDecoder)
#include "tst_OppDecoder.moc"
