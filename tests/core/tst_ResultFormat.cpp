#include "ResultFormat.h"
#include "TestRegistry.h"

#include <QTest>

Q_DECLARE_METATYPE(TEST_RESULT_STATUS)

class TestResultFormat : public QObject
{
    Q_OBJECT
private slots:
    void number_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0f << "0";
        QTest::newRow("a float's tail is not shown") << 0.1f << "0.1";
        QTest::newRow("negative") << -3.25f << "-3.25";
        QTest::newRow("six digits") << 123.4567f << "123.457";
        QTest::newRow("largest plain") << 100000.0f << "100000";
        QTest::newRow("large") << 1234567.0f << "1.23457e+06";
        QTest::newRow("smallest plain") << 0.0001f << "0.0001";
        QTest::newRow("small") << 0.00001f << "1e-05";
    }
    void number()
    {
        QFETCH(float, value);
        QFETCH(QString, text);
        QCOMPARE(ResultFormat::number(value), text);
    }

    void pressure_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0f << "0.00";
        QTest::newRow("whole mmHg") << -200.0f << "-200.00";
        QTest::newRow("rounded down") << 13.3322368f << "13.33";
        QTest::newRow("rounded up") << 11.6059f << "11.61";
    }
    void pressure()
    {
        QFETCH(float, value);
        QFETCH(QString, text);
        QCOMPARE(ResultFormat::pressure(value), text);
    }

    void durationOfSeconds_data()
    {
        QTest::addColumn<quint32>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << 0u << "00:00:00";
        QTest::newRow("seconds") << 59u << "00:00:59";
        QTest::newRow("every part") << 3661u << "01:01:01";
        QTest::newRow("end of a day") << 86399u << "23:59:59";
        QTest::newRow("a day") << 86400u << "24:00:00";
        QTest::newRow("hundred hours") << 360000u << "100:00:00";
        QTest::newRow("largest count") << 4294967295u << "1193046:28:15";
    }
    void durationOfSeconds()
    {
        QFETCH(quint32, seconds);
        QFETCH(QString, text);
        QCOMPARE(ResultFormat::duration(seconds), text);
    }

    void durationOfSamples()
    {
        QCOMPARE(ResultFormat::duration(QVector<INFUSION_PUMP_REAL_TIME_DATA>()),
                 QString("00:00:00"));
        QVector<INFUSION_PUMP_REAL_TIME_DATA> samples(3);
        samples[0].u32ElapseTime = 1;
        samples[1].u32ElapseTime = 2;
        samples[2].u32ElapseTime = 90;
        QCOMPARE(ResultFormat::duration(samples), QString("00:01:30"));
    }

    void verdict_data()
    {
        QTest::addColumn<TEST_RESULT_STATUS>("status");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("pass");
        QTest::addColumn<QString>("styleSheet");
        QTest::addColumn<QString>("mark");
        QTest::newRow("pass") << TEST_PASS << true << true << "color: rgb(0, 170, 0);"
                              << ":/Resources/tick.png";
        QTest::newRow("fail") << TEST_FAIL << true << false << "color: rgb(255, 0, 0);"
                              << ":/Resources/cross.png";
        QTest::newRow("information only") << TEST_INFORMATION_ONLY << false << false << ""
                                          << "";
        QTest::newRow("not answered") << TEST_NOT_ANSWERED << false << false << ""
                                      << "";
        // Any byte read from a file is a verdict.
        QTest::newRow("unknown") << TEST_RESULT_STATUS(200) << false << false << ""
                                 << "";
    }
    void verdict()
    {
        QFETCH(TEST_RESULT_STATUS, status);
        QFETCH(bool, shown);
        QFETCH(bool, pass);
        QFETCH(QString, styleSheet);
        QFETCH(QString, mark);
        const ResultFormat::Verdict v = ResultFormat::verdict(status);
        QCOMPARE(v.shown, shown);
        QCOMPARE(v.pass, pass);
        QCOMPARE(v.styleSheet, styleSheet);
        QCOMPARE(v.mark, mark);
    }
};

RONDIX_TEST(TestResultFormat)
#include "tst_ResultFormat.moc"
