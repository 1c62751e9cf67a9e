#include "ChannelIdentity.h"
#include "TestRegistry.h"

#include <QTest>

namespace
{
// A reply frame as the board manager keeps it: sequence number, length (low, high), the
// payload, and two checksum bytes (their value plays no part here).
QByteArray frame(const QByteArray &payload)
{
    return QByteArray("\x05", 1) + char(payload.size() & 0xFF) + char(payload.size() >> 8) +
           payload + QByteArray("\x12\x34", 2);
}
} // namespace

class TestChannelIdentity : public QObject
{
    Q_OBJECT
private slots:
    void versionReplies_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<QString>("hardware");
        QTest::newRow("firmware and hardware") << frame("NV2.07,PB-C") << "2.07"
                                               << "PB-C";
        QTest::newRow("further parts ignored") << frame("NV2.07,PB-C,x,y") << "2.07"
                                               << "PB-C";
        QTest::newRow("no comma: firmware only") << frame("NV2.07") << "2.07"
                                                 << "";
        QTest::newRow("empty parts kept") << frame("NV,PB-C") << ""
                                          << "PB-C";
        QTest::newRow("letters only") << frame("NV") << ""
                                      << "";
        QTest::newRow("nothing stored yet") << QByteArray() << ""
                                            << "";
        QTest::newRow("cut short") << QByteArray::fromHex("0504004e") << ""
                                   << "";
        // A frame longer than 255 bytes: its length's high byte is not text.
        QTest::newRow("long payload")
            << frame("NV" + QByteArray(300, 'a') + ",B") << QString(300, 'a') << "B";
    }
    void versionReplies()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, firmware);
        QFETCH(QString, hardware);
        const ChannelIdentity::Versions v = ChannelIdentity::versions(stored);
        QCOMPARE(v.firmware, firmware);
        QCOMPARE(v.hardware, hardware);
    }

    void serialNumberReplies_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("serial");
        QTest::newRow("the controller's reply")
            << frame(QByteArray("ENPB2403-101\r\n\0", 15)) << "PB2403-101";
        QTest::newRow("one character") << frame("ENX\r\n.") << "X";
        QTest::newRow("ten bytes: nothing") << frame("EN\r\n.") << "";
        QTest::newRow("nothing stored yet") << QByteArray() << "";
        QTest::newRow("cut short") << QByteArray::fromHex("050300454e") << "";
        QTest::newRow("Latin-1 bytes") << frame("EN\xb5-7\r\n.") << QString::fromLatin1("\xb5-7");
    }
    void serialNumberReplies()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, serial);
        QCOMPARE(ChannelIdentity::serialNumber(stored), serial);
    }

    void dateReplies_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("text");
        QTest::newRow("7 March 2019") << QByteArray::fromHex("1e0e0703e307") << "7 Mar 2019";
        QTest::newRow("31 December 2026") << QByteArray::fromHex("00001f0cea07") << "31 Dec 2026";
        QTest::newRow("checksum after the date")
            << QByteArray::fromHex("1e0e0703e3071234") << "7 Mar 2019";
        QTest::newRow("nothing stored yet") << QByteArray() << "";
        QTest::newRow("five bytes") << QByteArray::fromHex("1e0e0703e3") << "";
        QTest::newRow("month 13") << QByteArray::fromHex("1e0e070de307") << "";
        QTest::newRow("never set: all zero") << QByteArray(6, '\0') << "";
    }
    void dateReplies()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, text);
        QCOMPARE(ChannelIdentity::dateText(stored), text);
    }

    void softwareVersion_data()
    {
        QTest::addColumn<QString>("build");
        QTest::addColumn<QString>("shown");
        QTest::newRow("release with commits") << "1.3.1-1-g8ddccea"
                                              << "1.3.1-1";
        QTest::newRow("longer hash") << "1.3.1-12-g8ddccea01"
                                     << "1.3.1-12";
        QTest::newRow("tag only") << "1.3.1"
                                  << "1.3.1";
        QTest::newRow("seven characters") << "1.3.1-1"
                                          << "1.3.1-1";
        QTest::newRow("nine characters") << "1.3.10-12"
                                         << "1.3.10-12";
        QTest::newRow("no version control") << "0.0-0-gunknown"
                                            << "0.0-0-gunknown";
        QTest::newRow("empty") << ""
                               << "";
    }
    void softwareVersion()
    {
        QFETCH(QString, build);
        QFETCH(QString, shown);
        QCOMPARE(ChannelIdentity::softwareVersion(build), shown);
    }
};

RONDIX_TEST(TestChannelIdentity)
#include "tst_ChannelIdentity.moc"
