#include "ChannelTestSettings.h"
#include "SettingsConstants.h"
#include "TempRoot.h"
#include "TestRegistry.h"
#include "UtilityFunctions.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

class TestUtilityFunctions : public QObject
{
    Q_OBJECT
private slots:
    void picToQDate_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QDateTime>("expected");
        const QDateTime dec7(QDate(2026, 12, 7), QTime(14, 30), Qt::LocalTime);
        QTest::newRow("six bytes") << QByteArray::fromHex("1e0e070cea07") << dec7;
        QTest::newRow("trailing bytes ignored") << QByteArray::fromHex("1e0e070cea077878") << dec7;
        QTest::newRow("five bytes") << QByteArray::fromHex("1e0e070cea") << QDateTime();
        QTest::newRow("empty") << QByteArray() << QDateTime();
        QTest::newRow("month 13") << QByteArray::fromHex("1e0e070dea07") << QDateTime();
        QTest::newRow("hour 24") << QByteArray::fromHex("1e18070cea07") << QDateTime();
        QTest::newRow("all zero") << QByteArray(6, '\0') << QDateTime();
    }
    void picToQDate()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QDateTime, expected);
        const QDateTime got = UtilityFunctions::picToQDate(bytes);
        QCOMPARE(got.isValid(), expected.isValid());
        if (expected.isValid()) {
            QCOMPARE(got, expected);
            QCOMPARE(got.timeSpec(), Qt::LocalTime);
        }
    }

    void qDateToPic()
    {
        const QDateTime dec7(QDate(2026, 12, 7), QTime(14, 30));
        QCOMPARE(UtilityFunctions::qDateToPic(dec7).toHex(' '),
                 QByteArray("1e 0e 07 0c ea 07 78 78"));
    }

    void setLayoutEnabledReachesNestedLayouts()
    {
        QWidget form;
        auto *outer = new QVBoxLayout(&form);
        auto *top = new QLineEdit;
        auto *inner = new QHBoxLayout;
        auto *nested = new QCheckBox;
        outer->addWidget(top);
        outer->addLayout(inner);
        inner->addWidget(nested);
        outer->addStretch();
        UtilityFunctions::setLayoutEnabled(outer, false);
        QVERIFY(!top->isEnabled());
        QVERIFY(!nested->isEnabled());
        UtilityFunctions::setLayoutEnabled(outer, true);
        QVERIFY(top->isEnabled() && nested->isEnabled());
    }

    void channelKeys_data()
    {
        using F = QString (*)(int);
        QTest::addColumn<quintptr>("builder");
        QTest::addColumn<QString>("suffix");
        const auto row = [](const char *name, F f, const char *suffix) {
            QTest::newRow(name) << quintptr(f) << QString(suffix);
        };
        row("type", &ChannelTestSettings::testTypeSetting, "/test_type");
        row("rate", &ChannelTestSettings::flowRateSetting, "/flow_rate");
        row("back", &ChannelTestSettings::backPressureSetting, "/back_pressure");
        row("time", &ChannelTestSettings::elapseTimeSetting, "/elapse_time");
        row("scroll", &ChannelTestSettings::scrollingItemSetting, "/scrolling_item");
        row("window", &ChannelTestSettings::windowSizeSetting, "/window_size");
        row("basal", &ChannelTestSettings::PCABasalFlowRateSetting, "/basal_flow_rate");
        row("total", &ChannelTestSettings::PCATotalVolumeSetting, "/total_volume");
        row("bolus", &ChannelTestSettings::PCABolusVolumeSetting, "/bolus_volume");
        row("loading", &ChannelTestSettings::PCALoadingDoseSetting, "/loading_dose");
        row("pca time", &ChannelTestSettings::PCAElapseTimeSetting, "/pca_elapse_time");
        row("pump", &ChannelTestSettings::occlusionInfusionPumpTypeSetting, "/infusion_pump_type");
        row("limits", &ChannelTestSettings::manualTestLimits, "/manualTestLimits");
    }
    void channelKeys()
    {
        QFETCH(quintptr, builder);
        QFETCH(QString, suffix);
        const auto f = reinterpret_cast<QString (*)(int)>(builder);
        QCOMPARE(f(0), "channel_0" + suffix);
        QCOMPARE(f(3), "channel_3" + suffix);
    }

    void settingsFileFollowsTheRoot()
    {
        TempRoot root;
        QCOMPARE(settingsPath(), root.root() + "/mnt/data/kovinta.ini");
    }
};

RONDIX_TEST(TestUtilityFunctions)
#include "tst_UtilityFunctions.moc"
