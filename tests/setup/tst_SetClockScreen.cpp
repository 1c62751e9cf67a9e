#include "GuiTest.h"
#include "InfusionPumpMainScreen.h"
#include "RotaryEncoderDateEdit.h"
#include "RotaryEncoderTimeEdit.h"
#include "SetClockScreen.h"
#include "SetupBench.h"
#include "SmallPartition.h"
#include "TestRegistry.h"

#include <QDate>
#include <QLabel>
#include <QTest>

using namespace GuiTest;

namespace
{
struct ClockBench : SetupBench {
    explicit ClockBench(const QByteArray &settings = ScreenArea::defaultSettings())
        : SetupBench(Options{settings, false})
    {
    }
    bool open()
    {
        if (!openSetup())
            return false;
        clock = screen<SetClockScreen>();
        time = clock->findChild<RotaryEncoderTimeEdit *>("timeEdit");
        date = clock->findChild<RotaryEncoderDateEdit *>("dateEdit");
        key(Qt::Key_Escape); // "Time and Date"
        return area.current() == clock && time->hasFocus();
    }
    SetClockScreen *clock = nullptr;
    RotaryEncoderTimeEdit *time = nullptr;
    RotaryEncoderDateEdit *date = nullptr;
};
} // namespace

class TestSetClockScreen : public QObject
{
    Q_OBJECT
private slots:
    void confirmSetsBothClocks_data()
    {
        QTest::addColumn<QString>("timeFormat");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("command");
        QTest::newRow("midnight, first of January")
            << "hh:mm:ss" << QDate(2024, 1, 1) << QTime(0, 0, 0) << "date -s 202401010000.00";
        QTest::newRow("1 pm shown in 12 hours")
            << "hh:mm:ss ap" << QDate(2025, 7, 9) << QTime(13, 5, 7) << "date -s 202507091305.07";
    }
    void confirmSetsBothClocks()
    {
        QFETCH(QString, timeFormat);
        QFETCH(QDate, date);
        QFETCH(QTime, time);
        QFETCH(QString, command);
        ClockBench bench("[General]\nTime_format=" + timeFormat.toLatin1() + "\n");
        QVERIFY(bench.open());
        QCOMPARE(bench.time->displayFormat(), timeFormat);
        bench.date->setDate(date);
        bench.time->setTime(time);
        bench.area.root().clearCommands();
        DialogAnswers answers;
        key(Qt::Key_F4);
        QCOMPARE(bench.area.root().commands(), QStringList({command, "/sbin/hwclock -w"}));
        QCOMPARE(answers.seen.size(), 0);
        // The screen stays, the fields keep what was set.
        QCOMPARE(bench.area.current(), bench.clock);
        QCOMPARE(bench.time->time(), time);
    }

    void theEncoderSetsEachPartOfTheClock()
    {
        ClockBench bench;
        QVERIFY(bench.open());
        bench.date->setDate(QDate(2024, 3, 10));
        bench.time->setTime(QTime(10, 20, 30));
        // Turning moves between the fields until select starts editing one.
        turn(1);
        QVERIFY(bench.date->hasFocus());
        turn(-1);
        QVERIFY(bench.time->hasFocus());
        // Hours, minutes, seconds: select moves on, select on the last part ends.
        key(Qt::Key_Escape);
        QVERIFY(bench.time->isEditing());
        turn(2);
        key(Qt::Key_Escape);
        turn(-5);
        keys({Qt::Key_Escape, Qt::Key_Escape});
        QVERIFY(!bench.time->isEditing());
        QCOMPARE(bench.time->time(), QTime(12, 15, 30));
        // Day, month, year.
        turn(1);
        key(Qt::Key_Escape);
        turn(1);
        key(Qt::Key_Escape);
        turn(9);
        key(Qt::Key_Escape);
        turn(1);
        key(Qt::Key_Escape);
        QVERIFY(!bench.date->isEditing());
        QCOMPARE(bench.date->date(), QDate(2025, 12, 11));
        turn(-1);
        QVERIFY(bench.time->hasFocus());

        bench.area.root().clearCommands();
        key(Qt::Key_F4);
        QCOMPARE(bench.area.root().commands(),
                 QStringList({"date -s 202512111215.30", "/sbin/hwclock -w"}));
    }

    void aFailedClockCommandIsReported_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QString>("message");
        QTest::newRow("date refused") << "1 ^date" << QStringList{"date -s 202402291230.15"}
                                      << "The clock could not be set. It keeps its time.";
        QTest::newRow("hardware clock not written")
            << "1 hwclock" << QStringList{"date -s 202402291230.15", "/sbin/hwclock -w"}
            << "The time is set, but the clock could not keep it: it is lost when the "
               "instrument is switched off.";
    }
    void aFailedClockCommandIsReported()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, commands);
        QFETCH(QString, message);
        ClockBench bench;
        QVERIFY(bench.open());
        bench.date->setDate(QDate(2024, 2, 29));
        bench.time->setTime(QTime(12, 30, 15));
        bench.area.root().clearCommands();
        bench.area.root().setCommandScript(script);
        DialogAnswers answers({DialogAnswers::press(QMessageBox::Ok)});
        key(Qt::Key_F4);
        QCOMPARE(bench.area.root().commands(), commands);
        QCOMPARE(answers.seen.size(), 1);
        QCOMPARE(answers.seen[0].title, QString("Time and Date"));
        QCOMPARE(answers.seen[0].text, message);
        QCOMPARE(bench.area.current(), bench.clock);
    }

    void formatKeysSwitchAndAreStored()
    {
        ClockBench bench("[General]\n");
        QVERIFY(bench.open());
        // As shipped: day first, 12 hours.
        QCOMPARE(bench.clock->dateFormat, QString("dd.MM.yyyy"));
        QCOMPARE(bench.clock->timeFormat, QString("hh:mm:ss ap"));
        key(Qt::Key_F2);
        QCOMPARE(bench.clock->timeFormat, QString("hh:mm:ss"));
        QCOMPARE(bench.time->displayFormat(), QString("hh:mm:ss"));
        QCOMPARE(bench.setting("Time_format"), QString("hh:mm:ss"));
        key(Qt::Key_F2);
        QCOMPARE(bench.setting("Time_format"), QString("hh:mm:ss ap"));
        key(Qt::Key_F3);
        QCOMPARE(bench.date->displayFormat(), QString("MM.dd.yyyy"));
        QCOMPARE(bench.setting("Date_format"), QString("MM.dd.yyyy"));
        QVERIFY(bench.area.savePng(QDir::temp().filePath("setup-SetClockScreen-12h.png")));

        // The main menu's clock follows at once, month first.
        auto *clockLine = bench.menu->findChild<QLabel *>("label_Clock");
        const QString monthFirst = QDate::currentDate().toString("MM.dd.yyyy");
        QTRY_VERIFY_WITH_TIMEOUT(clockLine->text().endsWith(monthFirst), 5000);
        key(Qt::Key_F3);
        QCOMPARE(bench.setting("Date_format"), QString("dd.MM.yyyy"));
    }

    void anUnknownStoredFormatGivesWayToTheFirstOfThePair()
    {
        ClockBench bench("[General]\nDate_format=yyyy-MM-dd\nTime_format=HH:mm\n");
        QVERIFY(bench.open());
        QCOMPARE(bench.date->displayFormat(), QString("yyyy-MM-dd"));
        keys({Qt::Key_F2, Qt::Key_F3});
        QCOMPARE(bench.setting("Date_format"), QString("dd.MM.yyyy"));
        QCOMPARE(bench.setting("Time_format"), QString("hh:mm:ss"));
    }

    void fieldsShowTheClockEachTimeTheScreenOpens()
    {
        ClockBench bench;
        QVERIFY(bench.open());
        bench.date->setDate(QDate(2001, 1, 1));
        keys({Qt::Key_F1, Qt::Key_Escape});
        QVERIFY(bench.date->date() >= QDate::currentDate().addDays(-1));
        QVERIFY(bench.time->hasFocus());
    }

    void aFormatThatCannotBeStoredIsReported()
    {
        ClockBench bench;
        SmallPartition partition(bench.area.root().path("/mnt/data"));
        if (!partition.mounted())
            QSKIP("mounting a tmpfs is not allowed here");
        QVERIFY(
            bench.area.root().writeFile("/mnt/data/kovinta.ini", ScreenArea::defaultSettings()));
        QVERIFY(bench.open());
        QVERIFY(partition.fillUp());
        DialogAnswers answers({DialogAnswers::press(QMessageBox::Ok)});
        key(Qt::Key_F3);
        QCOMPARE(answers.seen.size(), 1);
        QCOMPARE(answers.seen[0].text, QString("The format could not be saved. It applies until "
                                               "the instrument is switched off."));
        QCOMPARE(bench.area.root().readFile("/mnt/data/kovinta.ini"),
                 ScreenArea::defaultSettings());
        // In force until switched off.
        QCOMPARE(bench.clock->dateFormat, QString("MM.dd.yyyy"));
    }
};

RONDIX_TEST(TestSetClockScreen)
#include "tst_SetClockScreen.moc"
