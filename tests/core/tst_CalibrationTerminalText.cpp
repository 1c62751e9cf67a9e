#include "CalibrationTerminalText.h"
#include "TestRegistry.h"

#include <QTest>

using Reads = QList<QByteArray>;
Q_DECLARE_METATYPE(Reads)

class TestCalibrationTerminalText : public QObject
{
    Q_OBJECT
private slots:
    // Each row: the reads as they came off the line, and what the terminal shows after.
    void controlsOfTheConsole_data()
    {
        QTest::addColumn<Reads>("reads");
        QTest::addColumn<QString>("shown");
        QTest::newRow("CR LF ends a line") << Reads{"abc\r\nde"} << "abc\nde";
        QTest::newRow("LF alone ends a line") << Reads{"abc\nde"} << "abc\nde";
        QTest::newRow("a lone CR replaces the line") << Reads{"abc\ndef\rxy"} << "abc\nxy";
        QTest::newRow("CR LF split between reads") << Reads{"abc\r", "\nde"} << "abc\nde";
        QTest::newRow("a lone CR waits for the next byte") << Reads{"abc\ndef\r"} << "abc\ndef";
        QTest::newRow("then replaces the line") << Reads{"abc\ndef\r", "x"} << "abc\nx";
        QTest::newRow("every lone CR of a read") << Reads{"P=0\rP=51\rP=102\r\nok"} << "P=102\nok";
        QTest::newRow("a lone CR on the first line") << Reads{"10%\r20%\r30%"} << "30%";
        QTest::newRow("lines finished before stay")
            << Reads{"one\ntwo\rTWO\n", "three\n", "four\rFOUR"} << "one\nTWO\nthree\nFOUR";
        QTest::newRow("clear screen, then text") << Reads{"old\nlines\x1b[2Jnew"} << "new";
        QTest::newRow("clear screen split between reads")
            << Reads{"old\x1b[", "2", "Jnew"} << "new";
        QTest::newRow("ESC [ 2 without J stays")
            << Reads{"a\x1b[2xb"} << QStringLiteral("a\x1b[2xb");
        QTest::newRow("ESC ESC [ 2 J is not a clear")
            << Reads{"a\x1b\x1b[2Jb"} << QStringLiteral("a\x1b\x1b[2Jb");
        QTest::newRow("clear drops a waiting CR") << Reads{"abc\r\x1b[2J", "\nx"} << "\nx";
        QTest::newRow("NUL bytes are dropped, the rest shown")
            << Reads{QByteArray("zero\0point\r\n", 12)} << "zeropoint\n";
        QTest::newRow("bytes as Latin-1") << Reads{"\xb0\x43"} << QString::fromLatin1("\xb0\x43");
    }
    void controlsOfTheConsole()
    {
        QFETCH(Reads, reads);
        QFETCH(QString, shown);
        CalibrationTerminalText text;
        for (const QByteArray &read : reads)
            text.append(read);
        QCOMPARE(text.text(), shown);
    }

    void appendSaysWhetherTheTextChanged()
    {
        CalibrationTerminalText text;
        QVERIFY(!text.append(QByteArray()));
        QVERIFY(!text.append(QByteArray(3, '\0')));
        QVERIFY(text.append("a"));
        QVERIFY(!text.append("\r")); // nothing to show until the next byte
        QVERIFY(text.append("b"));
        text.clear();
        QCOMPARE(text.text(), QString());
        // A clear forgets half a sequence and a waiting CR.
        text.append("x\x1b[2");
        text.clear();
        text.append("J");
        QCOMPARE(text.text(), QString("J"));
    }

    // A console that never stops talking keeps the newest text, from a line start.
    void theTextIsBounded()
    {
        CalibrationTerminalText text;
        const QByteArray line = "0123456789abcdefghijklmnopqrstuvwxyz\r\n"; // 37 shown
        for (int i = 0; i < 1000; ++i)
            text.append(line);
        QVERIFY(text.text().size() <= CalibrationTerminalText::MaxCharacters);
        QVERIFY(text.text().size() > CalibrationTerminalText::MaxCharacters - 37);
        QVERIFY(text.text().startsWith("0123"));
        QVERIFY(text.text().endsWith("xyz\n"));

        // One endless line is cut anywhere.
        CalibrationTerminalText endless;
        for (int i = 0; i < 100; ++i)
            endless.append(QByteArray(1000, 'x'));
        QCOMPARE(endless.text().size(), CalibrationTerminalText::MaxCharacters);
    }
};

RONDIX_TEST(TestCalibrationTerminalText)
#include "tst_CalibrationTerminalText.moc"
