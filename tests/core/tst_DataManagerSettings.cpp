#include "DataManager.h"
#include "SettingsWriter.h"
#include "SmallPartition.h"
#include "TempRoot.h"
#include "TestRegistry.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QTest>

#include <memory>

namespace {
const char *const kIni = "/mnt/data/kovinta.ini";

// Every key of a settings file and its value (in hex, so that blobs compare exactly), as
// the program reads them.
QVariantMap keysOf(const QByteArray &content)
{
    // A fresh path each time (QSettings caches what it read), outside TMPDIR, which a
    // test may point at a full partition.
    QTemporaryDir dir("/tmp/rondix-keys-XXXXXX");
    QFile file(dir.filePath("read.ini"));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return {};
    file.close();
    QSettings settings(file.fileName(), QSettings::IniFormat);
    QVariantMap map;
    for (const QString &key : settings.allKeys())
        map.insert(key, settings.value(key).toByteArray().toHex());
    return map;
}

// An instrument's settings file: every channel's settings and limits, the serial number
// and formats, the controllers' details and the Bluetooth favourites.
void writeInstrumentSettings(DataManager &dm)
{
    for (unsigned short ch = 0; ch < 4; ++ch) {
        dm.vSetPCABasalFlowRate(ch, 2.5f + ch);
        QVERIFY(dm.vSaveCurrentSetting(ch));
        QVERIFY(dm.vSavePCACurrentSetting(ch));
        QVERIFY(dm.vSaveOcclusionCurrentSetting(ch));
        QVERIFY(dm.vSaveTestLimits(ch));
    }
    QVERIFY(dm.vSaveSerialNum("AB-1234"));
    QVERIFY(dm.vSaveDateFormat("MM.dd.yyyy"));
    QVERIFY(dm.setPressureUnits(DataManager::UNITS_KPA));
    SettingsWriter settings;
    for (int ch = 1; ch <= 4; ++ch) {
        settings.setValue(QString("SerialNumber_ch%1").arg(ch), QString("CH-000%1").arg(ch));
        settings.setValue(QString("CalDate_ch%1").arg(ch), "01.02.2024");
    }
    settings.setValue("BluetoothFavourites/Printer/Id", "00:11:22:33:44:55");
    QVERIFY(settings.commit());
}

// Points TMPDIR somewhere else while it lives.
class TempDirAt
{
public:
    explicit TempDirAt(const QString &path)
        : m_old(qgetenv("TMPDIR")), m_had(qEnvironmentVariableIsSet("TMPDIR"))
    {
        qputenv("TMPDIR", QFile::encodeName(path));
    }
    ~TempDirAt()
    {
        if (m_had)
            qputenv("TMPDIR", m_old);
        else
            qunsetenv("TMPDIR");
    }

private:
    QByteArray m_old;
    bool m_had;
};
} // namespace

class TestDataManagerSettings : public QObject
{
    Q_OBJECT
private slots:
    void emptyFileGivesDefaults()
    {
        TempRoot root;
        DataManager dm;
        for (unsigned short ch = 0; ch < 4; ++ch) {
            const INFUSION_PUMP_SETTING flow = dm.getTestSetting(ch);
            QCOMPARE(int(flow.u8TestTypeSetting), 0);
            QCOMPARE(flow.fFlowRateSetting, 100.0f);
            QCOMPARE(flow.u32ElapseTimeSetting, 900);
            QCOMPARE(int(flow.u16SamplingWindowSetting), 30);
            QCOMPARE(int(flow.s16BackPressureSetting), 0);
            QCOMPARE(int(flow.u8ScrollingItem), 0);
            const INFUSION_PUMP_PCA_SETTING pca = dm.getPCATestSetting(ch);
            QCOMPARE(pca.fBasalFlowRateSetting, 10.0f);
            QCOMPARE(int(pca.u16SamplingWindowSetting), 10);
            QCOMPARE(pca.u32ElapseTimeSetting, 900);
            QCOMPARE(pca.fBolusVolumeSetting, 0.0f);
            QCOMPARE(int(dm.getOcclusionTestSetting(ch)), 0);
            const TestSequencePassFailLimits limits = dm.getManualPassFailLimits(ch);
            QCOMPARE(limits.limitType, 0u);
            QCOMPARE(limits.flowTarget, 0.0f);
        }
        QCOMPARE(dm.getPressureUnits(), DataManager::UNITS_MMHG);
        QCOMPARE(dm.vLoadSerialNum(), QString("XXX-XXXX"));
        QCOMPARE(dm.vLoadDateFormat(), QString("dd.MM.yyyy"));
        QCOMPARE(dm.vLoadTimeFormat(), QString("hh:mm:ss ap"));
        QVERIFY(!QFileInfo::exists(root.path(kIni)));
    }

    void savedSettingsHaveTheFileFormAndSurviveARestart()
    {
        TempRoot root;
        {
            DataManager dm;
            dm.vSetTestSetting_Type(1, 2);
            dm.vSetTestSetting_FlowRate(1, 100.0f);
            dm.vSetTestSetting_BackPressure(1, -150);
            dm.vSetTestSetting_ElapseTime(1, 3600);
            dm.vSetTestSetting_WindowSize(1, 45);
            dm.vSetTestSetting_ScrollingItem(1, 2);
            dm.vSetPCABasalFlowRate(1, 2.5f);
            dm.vSetPCABolusVolume(1, 0.5f);
            dm.vSetPCATotalVolume(1, 20.0f);
            dm.vSetPCATestSetting_LoadingDose(1, 1.0f);
            dm.vSetPCATestSetting_ElapseTime(1, 1800);
            dm.vSetOcclusionInfusionPumpType(1, 1);
            TestSequencePassFailLimits limits;
            limits.limitType = 2;
            limits.flowTarget = 1.5f;
            limits.flowUpperPct = 10;
            limits.flowLowerPct = 5;
            dm.setManualPassFailLimits(1, limits);
            dm.vSaveCurrentSetting(1);
            dm.vSavePCACurrentSetting(1);
            dm.vSaveOcclusionCurrentSetting(1);
            dm.vSaveTestLimits(1);
            dm.setPressureUnits(DataManager::UNITS_BAR);
            dm.vSaveSerialNum("AB-1234");
            dm.vSaveDateFormat("MM.dd.yyyy");
            dm.vSaveTimeFormat("hh:mm:ss");
        }
        // Floats are variants of the single-precision type (id 135 in the stored form,
        // four big-endian bytes), as the instrument's toolkit wrote them.
        QCOMPARE(QString::fromLatin1(root.readFile(kIni)),
                 QString::fromLatin1(
                     "[General]\n"
                     "Date_format=MM.dd.yyyy\n"
                     "PressureUnits=2\n"
                     "Serial_num=AB-1234\n"
                     "Time_format=hh:mm:ss\n"
                     "\n"
                     "[channel_1]\n"
                     "back_pressure=-150\n"
                     "basal_flow_rate=@Variant(\\0\\0\\0\\x87@ \\0\\0)\n"
                     "bolus_volume=@Variant(\\0\\0\\0\\x87?\\0\\0\\0)\n"
                     "elapse_time=3600\n"
                     "flow_rate=@Variant(\\0\\0\\0\\x87\\x42\\xc8\\0\\0)\n"
                     "infusion_pump_type=1\n"
                     "loading_dose=@Variant(\\0\\0\\0\\x87?\\x80\\0\\0)\n"
                     "manualTestLimits=@ByteArray(\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\x5\\0\\0\\0\\0\\0"
                     "\\0\\xf8?\\x2\\n\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0)\n"
                     "pca_elapse_time=1800\n"
                     "scrolling_item=2\n"
                     "test_type=2\n"
                     "total_volume=@Variant(\\0\\0\\0\\x87\\x41\\xa0\\0\\0)\n"
                     "window_size=45\n"));

        DataManager restarted;
        const INFUSION_PUMP_SETTING flow = restarted.getTestSetting(1);
        QCOMPARE(int(flow.u8TestTypeSetting), 2);
        QCOMPARE(flow.fFlowRateSetting, 100.0f);
        QCOMPARE(int(flow.s16BackPressureSetting), -150);
        QCOMPARE(flow.u32ElapseTimeSetting, 3600);
        QCOMPARE(int(flow.u16SamplingWindowSetting), 45);
        QCOMPARE(int(flow.u8ScrollingItem), 2);
        const INFUSION_PUMP_PCA_SETTING pca = restarted.getPCATestSetting(1);
        QCOMPARE(pca.fBasalFlowRateSetting, 2.5f);
        QCOMPARE(pca.fBolusVolumeSetting, 0.5f);
        QCOMPARE(pca.fTotalVolumeSetting, 20.0f);
        QCOMPARE(pca.fLoadingDose, 1.0f);
        QCOMPARE(pca.u32ElapseTimeSetting, 1800);
        QCOMPARE(int(pca.u16SamplingWindowSetting), 45); // shares the flow window key
        QCOMPARE(int(restarted.getOcclusionTestSetting(1)), 1);
        const TestSequencePassFailLimits limits = restarted.getManualPassFailLimits(1);
        QCOMPARE(limits.limitType, 2u);
        QCOMPARE(limits.flowTarget, 1.5f);
        QCOMPARE(int(limits.flowUpperPct), 10);
        QCOMPARE(int(limits.flowLowerPct), 5);
        QCOMPARE(restarted.getPressureUnits(), DataManager::UNITS_BAR);
        QCOMPARE(restarted.vLoadSerialNum(), QString("AB-1234"));
        QCOMPARE(restarted.vLoadDateFormat(), QString("MM.dd.yyyy"));
        QCOMPARE(restarted.vLoadTimeFormat(), QString("hh:mm:ss"));
        // Other channels keep their defaults.
        QCOMPARE(restarted.getPCATestSetting(0).fBasalFlowRateSetting, 10.0f);
    }

    // A hand-edited or damaged file must not leave a type or unit no screen handles.
    void storedValuesAreClamped_data()
    {
        QTest::addColumn<QByteArray>("testType");
        QTest::addColumn<QByteArray>("units");
        QTest::addColumn<int>("expectedType");
        QTest::addColumn<int>("expectedUnits");
        QTest::newRow("in range") << QByteArray("3") << QByteArray("3") << 3 << 3;
        QTest::newRow("too high") << QByteArray("7") << QByteArray("9") << 3 << 3;
        QTest::newRow("a byte beyond") << QByteArray("256") << QByteArray("4") << 3 << 3;
        QTest::newRow("negative") << QByteArray("-1") << QByteArray("-4") << 0 << 0;
    }
    void storedValuesAreClamped()
    {
        QFETCH(QByteArray, testType);
        QFETCH(QByteArray, units);
        QFETCH(int, expectedType);
        QFETCH(int, expectedUnits);
        TempRoot root;
        root.writeFile(kIni, "[General]\nPressureUnits=" + units + "\n\n[channel_2]\ntest_type="
                                 + testType + "\n");
        DataManager dm;
        QCOMPARE(int(dm.getTestSetting(2).u8TestTypeSetting), expectedType);
        QCOMPARE(int(dm.getPressureUnits()), expectedUnits);
        QVERIFY(!dm.getPressureUnitDetails().unitName.isEmpty());
    }

    // A hand-edited or damaged file holds what no set-up form allows: each value is held
    // to its form's range (a value that is no number gives the default), so that no road
    // stages it to a controller as it stands.
    void storedTestSettingsAreHeldToTheirForms_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("field");
        QTest::addColumn<double>("expected");
        const auto row = [](const char *name, const char *line, const char *field, double value) {
            QTest::newRow(name) << QByteArray(line) << QString(field) << value;
        };
        row("back pressure in range", "back_pressure=-150", "backPressure", -150);
        row("back pressure 30000", "back_pressure=30000", "backPressure", 600);
        row("back pressure -30000", "back_pressure=-30000", "backPressure", -200);
        row("back pressure past 16 bits", "back_pressure=65636", "backPressure", 600);
        row("back pressure no number", "back_pressure=high", "backPressure", 0);
        row("window 0", "window_size=0", "window", 1);
        row("window 65535", "window_size=65535", "window", 600);
        row("window past 16 bits", "window_size=65566", "window", 600);
        row("PCA window 0", "window_size=0", "pcaWindow", 1);
        row("PCA window 65535", "window_size=65535", "pcaWindow", 600);
        row("duration negative", "elapse_time=-5", "duration", 0);
        row("duration past a day", "elapse_time=999999", "duration", 86399);
        row("PCA duration past a day", "pca_elapse_time=100000", "pcaDuration", 86399);
        row("basal rate 0", "basal_flow_rate=0", "basal", 1);
        row("basal rate huge", "basal_flow_rate=1e30", "basal", 30);
        row("basal rate not a number", "basal_flow_rate=nan", "basal", 10);
        row("basal rate infinite", "basal_flow_rate=inf", "basal", 10);
        row("basal rate stored float", "basal_flow_rate=@Variant(\\0\\0\\0\\x87\\x42\\xc8\\0\\0)",
            "basal", 30);
        row("bolus volume negative", "bolus_volume=-1", "bolus", 0);
        row("bolus volume huge", "bolus_volume=1e9", "bolus", 99999);
        row("pump type 7", "infusion_pump_type=7", "pumpType", 1);
        row("pump type negative", "infusion_pump_type=-1", "pumpType", 0);
    }
    void storedTestSettingsAreHeldToTheirForms()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, field);
        QFETCH(double, expected);
        TempRoot root;
        root.writeFile(kIni, "[channel_1]\n" + line + "\n");
        DataManager dm;
        const INFUSION_PUMP_SETTING flow = dm.getTestSetting(1);
        const INFUSION_PUMP_PCA_SETTING pca = dm.getPCATestSetting(1);
        const QMap<QString, double> read{
            {"backPressure", flow.s16BackPressureSetting},
            {"window", flow.u16SamplingWindowSetting},
            {"duration", flow.u32ElapseTimeSetting},
            {"pcaWindow", pca.u16SamplingWindowSetting},
            {"pcaDuration", pca.u32ElapseTimeSetting},
            {"basal", pca.fBasalFlowRateSetting},
            {"bolus", pca.fBolusVolumeSetting},
            {"pumpType", dm.getOcclusionTestSetting(1)}};
        QVERIFY(read.contains(field));
        QCOMPARE(read.value(field), expected);
    }

    void pressureUnits_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("name");
        QTest::addColumn<float>("hundredMmHg");
        QTest::addColumn<float>("maxValue");
        QTest::addColumn<float>("minValue");
        QTest::addColumn<float>("step");
        QTest::addColumn<int>("decimals");
        QTest::newRow("mmHg") << 0 << "mmHg" << 100.0f << 600.0f << -200.0f << 1.0f << 0;
        QTest::newRow("PSI") << 1 << "PSI" << 1.93367747f << 11.602065f << -3.8673549f << 0.01f << 2;
        QTest::newRow("Bar") << 2 << "Bar" << 0.133322368f << 0.79993421f << -0.26664475f << 0.01f
                             << 2;
        QTest::newRow("kPa") << 3 << "kPa" << 13.3322368f << 79.993423f << -26.664474f << 0.01f << 2;
    }
    void pressureUnits()
    {
        QFETCH(int, unit);
        QFETCH(QString, name);
        QFETCH(float, hundredMmHg);
        QFETCH(float, maxValue);
        QFETCH(float, minValue);
        QFETCH(float, step);
        QFETCH(int, decimals);
        TempRoot root;
        DataManager dm;
        dm.setPressureUnits(DataManager::PRESSURE_UNITS(unit));
        QCOMPARE(dm.getPressureValue(100.0f), hundredMmHg);
        QCOMPARE(DataManager::getPressureUnitString(DataManager::PRESSURE_UNITS(unit)), name);
        const DataManager::PRESSURE_UNIT_DETAILS details = dm.getPressureUnitDetails();
        QCOMPARE(details.unitName, name);
        QCOMPARE(details.maxValue, maxValue);
        QCOMPARE(details.minValue, minValue);
        QCOMPARE(details.stepValue, step);
        QCOMPARE(details.decimals, decimals);
        QCOMPARE(QString::fromLatin1(root.readFile(kIni)),
                 QString("[General]\nPressureUnits=%1\n").arg(unit));
    }

    void unknownPressureUnitIsRefused()
    {
        TempRoot root;
        DataManager dm;
        dm.setPressureUnits(DataManager::UNITS_PSI);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Unknown pressure unit 7"));
        dm.setPressureUnits(DataManager::PRESSURE_UNITS(7));
        QCOMPARE(dm.getPressureUnits(), DataManager::UNITS_PSI);
        QCOMPARE(DataManager::getPressureUnitString(DataManager::PRESSURE_UNITS(7)), QString());
        QCOMPARE(DataManager::getPressureUnitsList(),
                 QStringList({"mmHg", "PSI", "Bar", "kPa"}));
    }

    // With the data partition nearly full, a save either writes the whole new file or
    // leaves the old one; it never leaves a file holding only the keys just written.
    // The edited copy lives outside the data partition (TMPDIR); where that is full,
    // QSettings writes it short and may still report no error.
    void fullPartitionKeepsEveryKey_data()
    {
        QTest::addColumn<QString>("full");
        QTest::addColumn<int>("freePages");
        QTest::newRow("data partition full") << "/mnt/data" << 0;
        // Where the lock file of a plain QSettings fits, but not the new file.
        QTest::newRow("data partition with room for one page") << "/mnt/data" << 1;
        QTest::newRow("data partition with room for two pages") << "/mnt/data" << 2;
        QTest::newRow("scratch full") << "/scratch" << 0;
        QTest::newRow("scratch with room for one page") << "/scratch" << 1;
        QTest::newRow("scratch with room for two pages") << "/scratch" << 2;
        QTest::newRow("scratch with room for three pages") << "/scratch" << 3;
    }
    void fullPartitionKeepsEveryKey()
    {
        QFETCH(QString, full);
        QFETCH(int, freePages);
        TempRoot root;
        SmallPartition partition(root.path(full));
        if (!partition.mounted())
            QSKIP("mounting a tmpfs is not allowed here");
        DataManager dm;
        writeInstrumentSettings(dm);
        const QByteArray before = root.readFile(kIni);
        QVariantMap expected = keysOf(before);
        QCOMPARE(expected.size(), 64);
        std::unique_ptr<TempDirAt> scratch;
        if (full == "/scratch")
            scratch.reset(new TempDirAt(root.path(full)));

        QVERIFY(partition.leaveFree(freePages));
        dm.vSetTestSetting_ElapseTime(2, 1234);
        const bool saved = dm.vSaveCurrentSetting(2);
        QCOMPARE(dm.getTestSetting(2).u32ElapseTimeSetting, 1234); // in use until switched off
        if (freePages == 0)
            QVERIFY(!saved);
        if (saved)
            expected.insert("channel_2/elapse_time", QByteArray("1234").toHex());
        else
            QCOMPARE(root.readFile(kIni), before);
        QCOMPARE(keysOf(root.readFile(kIni)), expected);
        QCOMPARE(QDir(root.path("/mnt/data")).entryList(QDir::Hidden | QDir::Files).filter("kovinta"),
                 QStringList({"kovinta.ini"}));

        // With room again the save goes through, every other key kept.
        QVERIFY(partition.fillPages(0));
        QVERIFY(dm.vSaveCurrentSetting(2));
        expected.insert("channel_2/elapse_time", QByteArray("1234").toHex());
        QCOMPARE(keysOf(root.readFile(kIni)), expected);
        DataManager restarted;
        QCOMPARE(restarted.getTestSetting(2).u32ElapseTimeSetting, 1234);
        QCOMPARE(restarted.getPCATestSetting(3).fBasalFlowRateSetting, 5.5f);
        QCOMPARE(restarted.vLoadSerialNum(), QString("AB-1234"));
    }

    // Two same-sized writes within a millisecond: the second is read back, not a copy
    // QSettings cached of the first.
    void quickSuccessiveWritesReadBack()
    {
        TempRoot root;
        DataManager dm;
        for (int i = 0; i < 20; ++i) {
            const auto unit = i % 2 ? DataManager::UNITS_PSI : DataManager::UNITS_BAR;
            QVERIFY(dm.setPressureUnits(unit));
            QCOMPARE(DataManager().getPressureUnits(), unit);
        }
    }

    // What a factory restore does: everything goes but the serial number.
    void clearingKeepsWhatIsWrittenBack()
    {
        TempRoot root;
        DataManager dm;
        writeInstrumentSettings(dm);
        SettingsWriter settings;
        const QVariant serial = settings.value("Serial_num");
        settings.clear();
        settings.setValue("Serial_num", serial);
        QVERIFY(settings.commit());
        QCOMPARE(root.readFile(kIni), QByteArray("[General]\nSerial_num=AB-1234\n"));
    }

    // Values refreshed every second cost the flash nothing while they stay the same, and
    // a full partition refuses only a real change.
    void refreshedValuesAreWrittenOnlyWhenTheyChange()
    {
        TempRoot root;
        SmallPartition partition(root.path("/mnt/data"));
        QVERIFY(root.writeFile(kIni, "[General]\nSerial_num=AB-1234\n"));
        const QVariantMap values{{"CalDate_ch1", "7 Mar 2019"}, {"SerialNumber_ch1", ""}};
        QVERIFY(SettingsWriter::writeChanged(values));
        const QByteArray written(
            "[General]\nCalDate_ch1=7 Mar 2019\nSerialNumber_ch1=\nSerial_num=AB-1234\n");
        QCOMPARE(root.readFile(kIni), written);
        const QString path = root.path(kIni);
        const quint64 before = TempRoot::inodeOf(path);

        QVERIFY(SettingsWriter::writeChanged(values));
        QCOMPARE(TempRoot::inodeOf(path), before);

        if (!partition.mounted())
            QSKIP("mounting a tmpfs is not allowed here");
        QVERIFY(partition.fillUp());
        QVERIFY(SettingsWriter::writeChanged(values));
        QVERIFY(!SettingsWriter::writeChanged({{"CalDate_ch1", "8 Mar 2019"}}));
        QCOMPARE(root.readFile(kIni), written);
    }

    void clearedLimitsAreAllZero()
    {
        TempRoot root;
        DataManager dm;
        QCOMPARE(dm.getManualPassFailLimits(0).limitType, 0u); // restored: no blob
        TestSequencePassFailLimits limits;
        limits.limitType = 1;
        limits.upperPressure = 300;
        limits.bolusTarget = 1;
        dm.setManualPassFailLimits(0, limits);
        dm.clearManualPassFailLimits(0);
        const TestSequencePassFailLimits cleared = dm.getManualPassFailLimits(0);
        QCOMPARE(cleared.limitType, 0u);
        QCOMPARE(cleared.upperPressure, 0.0f);
        QCOMPARE(cleared.bolusTarget, 0.0f);
    }
};

RONDIX_TEST(TestDataManagerSettings)
#include "tst_DataManagerSettings.moc"
