#include "SystemClock.h"
#include "TempRoot.h"
#include "TestRegistry.h"

#include <QDate>
#include <QTest>
#include <QTime>

class TestSystemClock : public QObject
{
    Q_OBJECT
private slots:
    void dateCommandHasFixedWidthFields_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("command");
        QTest::newRow("midnight, first of January")
            << QDate(2024, 1, 1) << QTime(0, 0, 0) << "date -s 202401010000.00";
        QTest::newRow("1 pm is hour 13")
            << QDate(2025, 7, 9) << QTime(13, 5, 7) << "date -s 202507091305.07";
        QTest::newRow("last second of a year")
            << QDate(2030, 12, 31) << QTime(23, 59, 59) << "date -s 203012312359.59";
    }
    void dateCommandHasFixedWidthFields()
    {
        QFETCH(QDate, date);
        QFETCH(QTime, time);
        QFETCH(QString, command);
        QCOMPARE(SystemClock::dateCommand(date, time), command);
    }

    void hardwareClockOnlyAfterTheSystemClock_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("commands");
        const QStringList both{"date -s 202402291230.15", "/sbin/hwclock -w"};
        QTest::newRow("both set") << "" << int(SystemClock::Set) << both;
        QTest::newRow("date refused") << "1 ^date" << int(SystemClock::SystemClockFailed)
                                      << QStringList{"date -s 202402291230.15"};
        QTest::newRow("hardware clock failed")
            << "1 hwclock" << int(SystemClock::HardwareClockFailed) << both;
    }
    void hardwareClockOnlyAfterTheSystemClock()
    {
        QFETCH(QString, script);
        QFETCH(int, result);
        QFETCH(QStringList, commands);
        TempRoot root;
        root.setCommandScript(script);
        QCOMPARE(int(SystemClock::set(QDate(2024, 2, 29), QTime(12, 30, 15))), result);
        QCOMPARE(root.commands(), commands);
    }
};

RONDIX_TEST(TestSystemClock)
#include "tst_SystemClock.moc"
