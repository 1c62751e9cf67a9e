#include "CommandRunner.h"
#include "DevicePath.h"
#include "StreamHelper.h"
#include "TempRoot.h"
#include "TestRegistry.h"

#include <QBuffer>
#include <QTest>

class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    void devicePathUnderRoot()
    {
        TempRoot root;
        const QByteArray runRoot = qgetenv("INSTRUMENT_ROOT");
        qunsetenv("INSTRUMENT_ROOT");
        QCOMPARE(DevicePath::path("/dev/ttyAPP1"), QString("/dev/ttyAPP1"));
        qputenv("INSTRUMENT_ROOT", runRoot);
        QCOMPARE(DevicePath::path("/dev/ttyAPP1"), root.root() + "/dev/ttyAPP1");
        // A path already under the root is left alone.
        QCOMPARE(DevicePath::path(root.root() + "/x"), root.root() + "/x");
    }

    void dateTimeHasInstrumentBytes()
    {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        StreamHelper::setup(out);
        StreamHelper::writeDateTime(out, QDateTime(QDate(2024, 2, 1), QTime(10, 11, 12)));
        QCOMPARE(bytes.toHex(' '), QByteArray("b6 8a 25 00 00 92 2f 02 00"));

        QDataStream in(bytes);
        StreamHelper::setup(in);
        QCOMPARE(StreamHelper::readDateTime(in), QDateTime(QDate(2024, 2, 1), QTime(10, 11, 12)));
    }

    void dateTimeReadsQt5AndDaylightBytes()
    {
        // Spec byte FF (what Qt 5 writes for local time) and 1 (daylight) both read as local.
        for (const char *hex : {"b6 8a 25 00 00 92 2f 02 ff", "b6 8a 25 00 00 92 2f 02 01"}) {
            QDataStream in(QByteArray::fromHex(QByteArray(hex).replace(' ', "")));
            StreamHelper::setup(in);
            QCOMPARE(StreamHelper::readDateTime(in).time(), QTime(10, 11, 12));
        }
        QDateTime summer(QDate(2024, 7, 1), QTime(12, 0));
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        StreamHelper::setup(out);
        StreamHelper::writeDateTime(out, summer);
        QCOMPARE(int(quint8(bytes.at(8))), 1);
    }

    // Julian day 0 is no date: what is written for none, and what a zero-filled file holds.
    void julianDayZeroReadsAsNoDate()
    {
        for (const char *hex : {"00000000 00000000 00", "00000000 ffffffff 00"}) {
            QDataStream in(QByteArray::fromHex(QByteArray(hex).replace(' ', "")));
            StreamHelper::setup(in);
            QVERIFY(!StreamHelper::readDateTime(in).isValid());
            QCOMPARE(int(in.status()), int(QDataStream::Ok));
        }
    }

    void commandsGoToTheRecorder()
    {
        TempRoot root;
        root.setCommandScript("3 ^mount\n");
        QCOMPARE(CommandRunner::runShell("sync"), 0);
        QCOMPARE(CommandRunner::run("mount", {"-t", "vfat", "/dev/loop0", "/mnt/my drive"}), 3);
        QCOMPARE(root.commands(),
                 QStringList({"sync", "mount -t vfat /dev/loop0 '/mnt/my drive'"}));
    }
};

RONDIX_TEST(TestPlatform)
#include "tst_Platform.moc"
