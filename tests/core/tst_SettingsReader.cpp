#include "DataManager.h"
#include "SettingsConstants.h"
#include "SettingsReader.h"
#include "SettingsWriter.h"
#include "TempRoot.h"
#include "TestRegistry.h"

#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {
const char *const kIni = "/mnt/data/kovinta.ini";
const int kBound = SettingsReader::maxEntryBytes;

// Every key QSettings reads from the content, and its value.
QVariantMap keysOf(const QByteArray &content)
{
    // A fresh path each time: QSettings caches what it read.
    QTemporaryDir dir;
    QFile file(dir.filePath("read.ini"));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return {};
    file.close();
    const QSettings settings(file.fileName(), QSettings::NativeFormat);
    QVariantMap map;
    for (const QString &key : settings.allKeys())
        map.insert(key, settings.value(key));
    return map;
}

QByteArray list(int items)
{
    QByteArray value;
    for (int i = 0; i < items; ++i)
        value += i ? ",a" : "a";
    return value;
}
} // namespace

class TestSettingsReader : public QObject
{
    Q_OBJECT
private slots:
    // An entry longer than the bound reads as absent, whatever makes it long; every
    // other entry reads as QSettings reads it.
    void entriesOverTheBoundReadAsAbsent_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("expected");
        const QByteArray head("[General]\nSerial_num=KV-0815\n");
        QTest::newRow("one huge list, the file under its bound")
            << head + "Site=" + list(500000) + "\nPressureUnits=2\n" << "Site" << QVariant();
        QTest::newRow("the entries beside it")
            << head + "Site=" + list(500000) + "\nPressureUnits=2\n" << "PressureUnits"
            << QVariant("2");
        const QByteArray atBound = "Comments=" + QByteArray(kBound - 9, 'x');
        QTest::newRow("an entry as long as the bound")
            << head + atBound + "\n" << "Comments" << QVariant(QString(atBound.mid(9)));
        QTest::newRow("one byte longer") << head + atBound + "x\n" << "Comments" << QVariant();
        QTest::newRow("a value a reader takes")
            << QByteArray("[General]\nSerial_num=") + QByteArray(kBound, '7') + "\n"
            << "Serial_num" << QVariant();
        QTest::newRow("long through quotes over many lines")
            << head + "Comments=\"" + QByteArray(kBound, '\n') + "\"\nPressureUnits=1\n"
            << "Comments" << QVariant();
        QTest::newRow("the entry after the quotes")
            << head + "Comments=\"" + QByteArray(kBound, '\n') + "\"\nPressureUnits=1\n"
            << "PressureUnits" << QVariant("1");
        QByteArray continued("Comments=a");
        while (continued.size() <= kBound)
            continued += "\\\na";
        QTest::newRow("long through continued lines")
            << head + continued + "\nPressureUnits=1\n" << "Comments" << QVariant();
        // Left out, a long header would put its entries into the section before it.
        QTest::newRow("the entries under a long header")
            << head + "[" + QByteArray(kBound, 'g') + "]\nSerial_num=other\n[channel_1]\n"
            << "Serial_num" << QVariant("KV-0815");
        QTest::newRow("the section after a long header")
            << "[" + QByteArray(kBound, 'g') + "]\nx=1\n[channel_1]\nwindow_size=45\n"
            << "channel_1/window_size" << QVariant("45");
        QTest::newRow("a long comment is no entry")
            << "; " + QByteArray(2 * kBound, 'c') + "\n" + head << "Serial_num"
            << QVariant("KV-0815");
    }
    void entriesOverTheBoundReadAsAbsent()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, key);
        QFETCH(QVariant, expected);
        TempRoot root;
        QVERIFY(root.writeFile(kIni, content));
        const SettingsReader settings;
        QCOMPARE(settings.value(key), expected);
        QCOMPARE(settings.contains(key), expected.isValid());
    }

    // Where an entry had to be left out, the rest is read from a copy: each entry of
    // these forms reads from it as QSettings reads it from the file itself.
    void whatIsKeptReadsAsTheFileDoes_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("plain") << QByteArray("[General]\nSerial_num=KV-0815\nPressureUnits=3\n");
        QTest::newRow("stored forms")
            << QByteArray("[channel_1]\nflow_rate=@Variant(\\0\\0\\0\\x87\\x42\\xc8\\0\\0)\n"
                          "manualTestLimits=@ByteArray(\\0\\x1\\n;=)\n");
        QTest::newRow("quotes, commas and escapes")
            << QByteArray("[General]\nName=\"Pump, left; = \\\"x\\\"\"\nList=a, b ,c\n"
                          "Path=\\\\srv\\\\x\n");
        QTest::newRow("quoted line ends") << QByteArray("a=\"one\ntwo\r\nthree\"\nb=2\n");
        QTest::newRow("continued lines") << QByteArray("a=one\\\ntwo\\\r\nthree\nb=2\n");
        QTest::newRow("comments") << QByteArray("; top\n  a=1 ; after\n\t;indented\nb=\"x;y\"\n");
        QTest::newRow("carriage returns") << QByteArray("[s]\r\na=1\r\n\r\nb=2\rc=3\r\n");
        QTest::newRow("blanks and no last line end")
            << QByteArray("\n\n   [ s t ]  \n  k  =  v  \n[General]\nz=last");
        QTest::newRow("header without its bracket") << QByteArray("[s\na=1\n[t]\nb=2\n");
        QTest::newRow("byte-order mark") << QByteArray("\xef\xbb\xbf[s]\nname=\xc3\xa9t\xc3\xa9\n");
        QTest::newRow("percent sections") << QByteArray("[%General]\na=1\n[general]\nb=2\n");
    }
    void whatIsKeptReadsAsTheFileDoes()
    {
        QFETCH(QByteArray, content);
        const QVariantMap expected = keysOf(content);
        QVERIFY(!expected.isEmpty());
        // A long entry after them makes the reader read from its copy.
        const QByteArray huge = "\n[General]\nHuge=" + QByteArray(kBound, 'h') + "\n";
        bool changed = false;
        const QByteArray kept = SettingsReader::keptContent(content + huge, false, &changed);
        QVERIFY(changed);
        QCOMPARE(keysOf(kept), expected);
        // Nothing to leave out: the file is read as it is.
        SettingsReader::keptContent(content, false, &changed);
        QCOMPARE(changed, content.contains("[s\n"));
    }

    // Of a file over the read bound only its beginning is read, up to its last whole
    // entry.
    void ofALargerFileItsBeginningIsRead()
    {
        TempRoot root;
        QByteArray content("[General]\nSerial_num=KV-0815\n");
        while (content.size() < SettingsReader::maxFileBytes - 10)
            content += "; padding padding padding padding padding padding padding\n";
        content += "Date_format=MM.dd.yyyy\nPressureUnits=3\n";
        QVERIFY(content.size() > SettingsReader::maxFileBytes);
        QVERIFY(root.writeFile(kIni, content));
        const SettingsReader settings;
        QCOMPARE(settings.value(SETTINGS_KEY_SERIAL_NUM).toString(), QString("KV-0815"));
        QVERIFY(!settings.contains(SETTINGS_KEY_DATE_FORMAT)); // cut by the bound
        QVERIFY(!settings.contains(SETTINGS_KEY_PRESSURE_UNITS));
    }

    // QSettings looks for the bracket of every header as far as the end of the file:
    // a megabyte of unclosed headers held it for a minute.
    void unclosedHeadersReadInLinearTime()
    {
        TempRoot root;
        QByteArray content("[General]\nSerial_num=KV-0815\n");
        while (content.size() < SettingsReader::maxFileBytes - 3)
            content += "[a\n";
        QVERIFY(root.writeFile(kIni, content));
        QElapsedTimer clock;
        clock.start();
        const SettingsReader settings;
        QCOMPARE(settings.value(SETTINGS_KEY_SERIAL_NUM).toString(), QString("KV-0815"));
        QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
    }

    // The program's own readers and writers go through it: the huge list is never read,
    // and a save leaves it out of the file while keeping every other entry.
    void theProgramNeitherReadsNorKeepsAnEntryOverTheBound()
    {
        TempRoot root;
        QVERIFY(root.writeFile(kIni, "[General]\nSerial_num=KV-0815\nSite=" + list(500000)
                                         + "\n\n[channel_1]\nwindow_size=45\n"));
        DataManager dm;
        QCOMPARE(dm.vLoadSerialNum(), QString("KV-0815"));
        QCOMPARE(int(dm.getTestSetting(1).u16SamplingWindowSetting), 45);
        QVERIFY(dm.vSaveDateFormat("MM.dd.yyyy"));
        QCOMPARE(root.readFile(kIni), QByteArray("[General]\nDate_format=MM.dd.yyyy\n"
                                                 "Serial_num=KV-0815\n\n"
                                                 "[channel_1]\nwindow_size=45\n"));
    }
};

RONDIX_TEST(TestSettingsReader)
#include "tst_SettingsReader.moc"
