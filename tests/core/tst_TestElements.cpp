#include "StreamHelper.h"
#include "TestElementDetails.h"
#include "TestRegistry.h"
#include "TestResultElementFlowTest.h"
#include "TestResultElementOccTest.h"
#include "TestResultElementPCATest.h"
#include "TestResultElementUserTest.h"
#include "TestResultFactory.h"
#include "TestSequenceElementFlowTest.h"
#include "TestSequenceElementOccTest.h"
#include "TestSequenceElementPCATest.h"
#include "TestSequenceElementUserTest.h"
#include "TestSequenceFactory.h"

#include <QTest>

namespace {
QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text));
}

template <typename Element>
QByteArray streamed(const Element &element, bool withType)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    StreamHelper::setup(out);
    element.serialize(out, withType);
    return bytes;
}

// The limits of a default flow, PCA or occlusion step, after the type byte.
const char *const MEASURED_LIMITS = "01 0000000000005940 0a 0a 0000000000002440 0000000000002440"
                                    " 0000000000005940 0a 0a";
} // namespace

class TestTestElements : public QObject
{
    Q_OBJECT
private slots:
    void registryTable()
    {
        auto *registry = TestElementDetails::getInstance();
        const struct { unsigned char id; const char *name; int flags; } table[] = {
            {0, "User Test", 0x3F}, {1, "Flow Rate Test", 0x20},
            {2, "PCA Test", 0x20}, {3, "Occlusion Test", 0x20}};
        for (const auto &row : table) {
            const auto *details = registry->getDetails(row.id);
            QVERIFY(details);
            QCOMPARE(details->id, row.id);
            QCOMPARE(details->name(), QString(row.name));
            QCOMPARE(details->flags, row.flags);
        }
        QVERIFY(!registry->getDetails(4));
        QVERIFY(!registry->getDetails(255));
        // Channel setting type (0 flow, 1 occlusion, 2 PCA, 3 user) <-> element type.
        const unsigned char elementOfSetting[] = {1, 3, 2, 0};
        for (unsigned char s = 0; s < 4; ++s) {
            QCOMPARE(TestElementDetails::elementTypeFromSettingType(s), elementOfSetting[s]);
            QCOMPARE(TestElementDetails::settingTypeFromElementType(elementOfSetting[s]), s);
        }
        QCOMPARE(TestElementDetails::elementTypeFromSettingType(4), (unsigned char)0xFF);
    }

    void defaultSequenceElementBytes_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("user") << 0
                              << hex("00 01 0000000000000000 00 00 0000000000000000 0000000000000000"
                                     " 0000000000000000 00 00  00000000 00000000");
        QTest::newRow("flow") << 1
                              << hex("01") + hex(MEASURED_LIMITS)
                                     + hex("0000000000005940 0000 1e00 84030000 00 00");
        QTest::newRow("pca") << 2
                             << hex("02") + hex(MEASURED_LIMITS)
                                    + hex("0000000000002440 0000000000000000 0000000000000000"
                                          " 0000000000000000 1e00 84030000");
        QTest::newRow("occlusion") << 3 << hex("03") + hex(MEASURED_LIMITS) + hex("00");
    }

    void defaultSequenceElementBytes()
    {
        QFETCH(int, type);
        QFETCH(QByteArray, bytes);
        std::unique_ptr<TestSequenceElement> element(TestSequenceFactory::createElement(type));
        QVERIFY(element);
        QCOMPARE(int(element->id), type);
        QCOMPARE(streamed(*element, true).toHex(' '), bytes.toHex(' '));
        QCOMPARE(streamed(*element, false), bytes.mid(1));

        // Reading the list stream gives back the same element, byte for byte.
        QList<TestSequenceElement *> list;
        QVERIFY(TestSequenceFactory::fromByteArray(bytes, list));
        QCOMPARE(list.size(), 1);
        QCOMPARE(streamed(*list.first(), true), bytes);
        qDeleteAll(list);
    }

    void userStepKeepsEmptyTextsEmpty()
    {
        TestSequenceElementUserTest step;
        QVERIFY(!step.units.isNull());
        QList<TestSequenceElement *> in{&step};
        QList<TestSequenceElement *> out;
        QVERIFY(TestSequenceFactory::fromByteArray(TestSequenceFactory::toByteArray(in), out));
        const auto *read = static_cast<TestSequenceElementUserTest *>(out.first());
        QVERIFY(read->units.isEmpty());
        QVERIFY(!read->units.isNull());
        qDeleteAll(out);
    }

    void copiesKeepTheirOwnType()
    {
        TestSequenceElementFlowTest flow;
        flow.limits.flowTarget = 42.5f;
        flow.setting.u32ElapseTimeSetting = 60;
        TestSequenceElementFlowTest copy(&flow);
        QCOMPARE(copy.limits.flowTarget, 42.5f);
        QCOMPARE(copy.setting.u32ElapseTimeSetting, 60);
        std::unique_ptr<TestSequenceElement> clone(flow.clone());
        QCOMPARE(streamed(*clone, true), streamed(flow, true));
    }

    void listStreamRefusesWhatItCannotRead_data()
    {
        QTest::addColumn<QByteArray>("data");
        const QByteArray occlusion = hex("03") + hex(MEASURED_LIMITS) + hex("00");
        QTest::newRow("unknown type") << occlusion + hex("04") + occlusion;
        QTest::newRow("unknown type at the end") << occlusion + hex("04");
        QTest::newRow("cut inside an element") << occlusion + occlusion.left(20);
        QTest::newRow("only a type byte") << hex("01");
    }

    void listStreamRefusesWhatItCannotRead()
    {
        QFETCH(QByteArray, data);
        QList<TestSequenceElement *> sequence;
        QVERIFY(!TestSequenceFactory::fromByteArray(data, sequence));
        QVERIFY(sequence.isEmpty());
        QList<TestResultElement *> results;
        QVERIFY(!TestResultFactory::fromByteArray(data, results));
        QVERIFY(results.isEmpty());
    }

    void emptyListsStreamAsNothing()
    {
        QVERIFY(TestSequenceFactory::toByteArray({}).isNull());
        QList<TestSequenceElement *> list;
        QVERIFY(TestSequenceFactory::fromByteArray(QByteArray(), list));
        QVERIFY(list.isEmpty());
        QVERIFY(!TestSequenceFactory::createElement(4));
        QVERIFY(!TestResultFactory::createElement(4));
    }

    void userResultBytes()
    {
        TestResultElementUserTest result;
        result.status = TEST_PASS;
        result.channelId = 2;
        result.serialNumber = "S";
        result.testName = "T";
        result.testUnits = QLatin1String("");
        result.result = 1.5f;
        // type, status, channel, null board serial, "S", "T", "" , 1.5
        QCOMPARE(streamed(result, true).toHex(' '),
                 hex("00 01 0200 ffffffff 02000000 5300 02000000 5400 00000000 000000000000f83f")
                     .toHex(' '));
        QCOMPARE(result.getResult(), 1.5f);
        QCOMPARE(result.getCustomName(), QString("T"));
    }

    void occlusionResultStreamsPumpTypeFirst()
    {
        TestResultElementOccTest result;
        result.channelId = 4;
        result.pumpType = 1;
        result.testData.u8TestType = 1;
        INFUSION_PUMP_REAL_TIME_DATA sample;
        sample.s16Pressure = 300;
        sample.u32ElapseTime = 7;
        result.samples.append(sample);
        const QByteArray expected = hex("03 00 0400 ffffffff ffffffff 01") + QByteArray(102, 0)
            + hex("01") // testData: last byte u8TestType
            + hex("01000000") + QByteArray(24, 0) + hex("2c01 07000000")
            + hex("03") + hex(MEASURED_LIMITS) + hex("00");
        QCOMPARE(streamed(result, true).toHex(' '), expected.toHex(' '));
        QCOMPARE(result.getResult(), 0.0f);
        QVERIFY(result.getCustomName().isNull());
    }

    void resultsReadBackWhole()
    {
        auto *pca = new TestResultElementPCATest;
        pca->status = TEST_INFORMATION_ONLY;
        pca->channelSerialNumber = "CH-9";
        for (int i = 0; i < 900; ++i) {
            INFUSION_PUMP_REAL_TIME_DATA s;
            s.u32ElapseTime = quint32(i);
            s.fVolume = i / 10.0f;
            pca->samples.append(s);
        }
        PCA_TEST_DATA bolus;
        bolus.u16BolusCount = 1;
        bolus.fVolume_Bolus = 0.5f;
        pca->boluses << bolus << bolus;
        pca->sequenceElement.limits.bolusTarget = 0.5f;
        auto *user = new TestResultElementUserTest;
        user->testName = "Alarm sounds";
        QList<TestResultElement *> list{pca, user};
        const QByteArray data = TestResultFactory::toByteArray(list);

        QList<TestResultElement *> back;
        QVERIFY(TestResultFactory::fromByteArray(data, back));
        QCOMPARE(back.size(), 2);
        QCOMPARE(TestResultFactory::toByteArray(back), data);
        const auto *readPca = static_cast<TestResultElementPCATest *>(back.first());
        QCOMPARE(readPca->samples.size(), 900);
        QCOMPARE(readPca->samples.last().u32ElapseTime, 899u);
        QCOMPARE(readPca->boluses.size(), 2);
        QCOMPARE(readPca->sequenceElement.limits.bolusTarget, 0.5f);
        // Deleting through the base pointer frees each element whole (checked under ASan).
        qDeleteAll(list);
        qDeleteAll(back);
    }

    void hostileCountsEndTheRead_data()
    {
        QTest::addColumn<QByteArray>("data");
        const QByteArray head = hex("01 01 0100 ffffffff ffffffff") + QByteArray(103, 0);
        QTest::newRow("count far past the data") << head + hex("ffffff7f") + QByteArray(30, 0);
        QTest::newRow("negative count") << head + hex("ffffffff");
        QTest::newRow("embedded step of another type")
            << head + hex("00000000") + hex("03") + hex(MEASURED_LIMITS) + hex("00");
    }

    void hostileCountsEndTheRead()
    {
        QFETCH(QByteArray, data);
        QList<TestResultElement *> list;
        QVERIFY(!TestResultFactory::fromByteArray(data, list));
        QVERIFY(list.isEmpty());
    }
};

RONDIX_TEST(TestTestElements)
#include "tst_TestElements.moc"
