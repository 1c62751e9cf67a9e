#include "MedicalApplianceResult.h"
#include "StreamHelper.h"
#include "TestRegistry.h"

#include <QTest>

class TestMedicalApplianceResult : public QObject
{
    Q_OBJECT
    static MedicalApplianceResult manualRecord()
    {
        MedicalApplianceResult r;
        r.overallResult = TEST_PASS;
        r.testDate = QDateTime(QDate(2024, 2, 1), QTime(10, 11, 12));
        r.retestPeriod = 9;
        r.applianceName = "P";
        const QString empty = QLatin1String("");
        r.clientName = r.siteName = r.locationName = r.userName = empty;
        r.applianceDescription = r.comments = r.model = empty;
        r.serialNo = "S1";
        r.make = "M";
        // eut_serialNo stays null; a manual test runs no sequence.
        r.testSequenceName = empty;
        r.testResultsData = QByteArray::fromHex("0102");
        return r;
    }

private slots:
    void manualRecordBytes()
    {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        StreamHelper::setup(out);
        out << manualRecord();
        const QByteArray expected = QByteArray::fromHex(
            "01 b68a2500 00922f02 00 09"                   // verdict, date, re-test period
            "02000000 5000"                                // asset "P"
            "00000000 00000000 00000000 00000000 00000000" // client .. description
            "04000000 53003100"                            // serial "S1"
            "00000000 02000000 4d00 00000000"              // comments, make "M", model
            "ffffffff 00000000 ffffffff"                   // null pump serial, "" sequence, no data
            "02000000 0102");
        QCOMPARE(bytes.toHex(' '), expected.toHex(' '));
    }

    void recordsFollowOneAnother()
    {
        MedicalApplianceResult second = manualRecord();
        second.applianceName = "Q";
        second.overallResult = TEST_INFORMATION_ONLY;
        second.testSequenceData = QByteArray(300, 'x');
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        StreamHelper::setup(out);
        out << manualRecord() << second;

        QDataStream in(bytes);
        StreamHelper::setup(in);
        MedicalApplianceResult a, b;
        in >> a >> b;
        QCOMPARE(in.status(), QDataStream::Ok);
        QVERIFY(in.atEnd());
        QVERIFY(a == manualRecord());
        QVERIFY(b == second);
        QVERIFY(b.eut_serialNo.isNull());
        QVERIFY(!b.testSequenceName.isNull());
    }

    void cutRecordIsAReadError()
    {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        StreamHelper::setup(out);
        out << manualRecord();
        QDataStream in(bytes.left(bytes.size() - 1));
        StreamHelper::setup(in);
        MedicalApplianceResult r;
        in >> r;
        QVERIFY(in.status() != QDataStream::Ok);
    }
};

RONDIX_TEST(TestMedicalApplianceResult)
#include "tst_MedicalApplianceResult.moc"
