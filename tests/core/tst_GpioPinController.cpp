#include "GpioPinController.h"
#include "TempRoot.h"
#include "TestRegistry.h"

#include <QFile>
#include <QTest>

#include <functional>
#include <unistd.h>

using GpioCall = std::function<bool(GpioPinController &)>;
Q_DECLARE_METATYPE(GpioCall)

class TestGpioPinController : public QObject
{
    Q_OBJECT
private:
    // The sysfs files of an exported line 137 as the kernel shows them.
    static void layOutLine(const TempRoot &root)
    {
        QVERIFY(root.writeFile("/sys/class/gpio/export", ""));
        QVERIFY(root.writeFile("/sys/class/gpio/unexport", ""));
        QVERIFY(root.writeFile("/sys/class/gpio/gpio137/direction", "out\n"));
        QVERIFY(root.writeFile("/sys/class/gpio/gpio137/value", "1\n"));
    }

private slots:
    void writesExactlyTheText_data()
    {
        QTest::addColumn<GpioCall>("call");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("export") << GpioCall([](GpioPinController &g) { return g.createDriver(); })
                                << "/sys/class/gpio/export" << QByteArray("137");
        QTest::newRow("unexport") << GpioCall([](GpioPinController &g) { return g.removeDriver(); })
                                  << "/sys/class/gpio/unexport" << QByteArray("137");
        QTest::newRow("direction high")
            << GpioCall([](GpioPinController &g) { return g.setDirection("high"); })
            << "/sys/class/gpio/gpio137/direction" << QByteArray("high");
        QTest::newRow("direction in")
            << GpioCall([](GpioPinController &g) { return g.setDirection("in"); })
            << "/sys/class/gpio/gpio137/direction" << QByteArray("in");
        QTest::newRow("value 0") << GpioCall([](GpioPinController &g) { return g.setValue("0"); })
                                 << "/sys/class/gpio/gpio137/value" << QByteArray("0");
    }
    void writesExactlyTheText()
    {
        QFETCH(GpioCall, call);
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        TempRoot root;
        layOutLine(root);
        const QByteArray valueBefore = root.readFile("/sys/class/gpio/gpio137/value");
        GpioPinController gpio("137");
        QVERIFY(call(gpio));
        QCOMPARE(root.readFile(file), content);
        // Only the one file is written: a direction write sets no value of its own.
        if (!file.endsWith("/value"))
            QCOMPARE(root.readFile("/sys/class/gpio/gpio137/value"), valueBefore);
    }

    void missingFilesFailAndStayMissing()
    {
        TempRoot root;
        GpioPinController gpio("84");
        QVERIFY(!gpio.createDriver());
        QVERIFY(!gpio.removeDriver());
        QVERIFY(!gpio.setDirection("low"));
        QVERIFY(!gpio.setValue("1"));
        QCOMPARE(gpio.getValue(), QString("-1"));
        gpio.toggleValue();
        QVERIFY(!QFile::exists(root.path("/sys/class/gpio/export")));
        QVERIFY(!QFile::exists(root.path("/sys/class/gpio/gpio84/value")));
    }

    void readsAndToggles_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("read");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("0 to 1") << QByteArray("0\n") << "0" << QByteArray("1");
        QTest::newRow("1 to 0") << QByteArray("1\n") << "1" << QByteArray("0");
        QTest::newRow("other reading unchanged") << QByteArray("x\n") << "x" << QByteArray("x\n");
        QTest::newRow("empty file reads -1") << QByteArray() << "-1" << QByteArray();
    }
    void readsAndToggles()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, read);
        QFETCH(QByteArray, after);
        TempRoot root;
        QVERIFY(root.writeFile("/sys/class/gpio/gpio137/value", before));
        GpioPinController gpio("137");
        QCOMPARE(gpio.getValue(), read);
        gpio.toggleValue();
        QCOMPARE(root.readFile("/sys/class/gpio/gpio137/value"), after);
    }

    void descriptorZeroIsAValidFile()
    {
        TempRoot root;
        layOutLine(root);
        GpioPinController gpio("137");
        // With standard input closed the value file opens as descriptor 0.
        const int savedStdin = ::dup(0);
        ::close(0);
        const bool written = gpio.setValue("0");
        const QString read = gpio.getValue();
        if (savedStdin >= 0) {
            ::dup2(savedStdin, 0);
            ::close(savedStdin);
        }
        QVERIFY(written);
        QCOMPARE(read, QString("0"));
    }
};

RONDIX_TEST(TestGpioPinController)
#include "tst_GpioPinController.moc"
