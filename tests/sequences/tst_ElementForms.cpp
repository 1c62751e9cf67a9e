#include "AutoFlowTestSettings.h"
#include "AutoOccTestSettings.h"
#include "AutoPCATestSettings.h"
#include "AutoUserTestSettings.h"
#include "DataManager.h"
#include "GuiTest.h"
#include "SequenceBench.h"
#include "TestRegistry.h"
#include "TestSequenceEdit.h"
#include "TestSequenceElementFlowTest.h"
#include "TestSequenceElementOccTest.h"
#include "TestSequenceElementPCATest.h"
#include "TestSequenceElementUserTest.h"

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

using namespace GuiTest;

Q_DECLARE_METATYPE(DataManager::PRESSURE_UNITS)

namespace
{
template <class Form, class Element>
void openForm(SequenceBench &bench, Form *form, Element *element, bool viewOnly = false)
{
    form->setTestData(element);
    form->setViewOnly(viewOnly);
    form->showScreen(true);
    QVERIFY(bench.area.activate());
}

QString text(QWidget *form, const char *box)
{
    if (auto *combo = form->findChild<QComboBox *>(QLatin1String(box)))
        return combo->currentText();
    auto *spin = form->findChild<QAbstractSpinBox *>(QLatin1String(box));
    return spin ? spin->text() : QStringLiteral("<no %1>").arg(QLatin1String(box));
}

QDoubleSpinBox *decimalBox(QWidget *form, const char *box)
{
    return form->findChild<QDoubleSpinBox *>(QLatin1String(box));
}

QByteArray bytes(const TestSequenceElement &element)
{
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    element.serialize(out, true);
    return data;
}

void addUnits()
{
    QTest::addColumn<DataManager::PRESSURE_UNITS>("unit");
}
} // namespace

class TestElementForms : public QObject
{
    Q_OBJECT
private slots:
    void flowBackPressureInEachUnit_data()
    {
        addUnits();
        QTest::addColumn<double>("entered");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shownAgain");
        QTest::addColumn<QString>("lowest");
        QTest::addColumn<QString>("highest");
        // clang-format off
        QTest::newRow("mmHg") << DataManager::UNITS_MMHG << -20.0 << -20 << "-20 mmHg" << "-200 mmHg" << "600 mmHg";
        QTest::newRow("PSI") << DataManager::UNITS_PSI << 1.0 << 52 << "1.01 PSI" << "-3.87 PSI" << "11.60 PSI";
        QTest::newRow("Bar") << DataManager::UNITS_BAR << 0.07 << 53 << "0.07 Bar" << "-0.27 Bar" << "0.80 Bar";
        QTest::newRow("kPa") << DataManager::UNITS_KPA << 7.0 << 53 << "7.07 kPa" << "-26.66 kPa" << "79.99 kPa";
        // clang-format on
    }
    void flowBackPressureInEachUnit()
    {
        QFETCH(DataManager::PRESSURE_UNITS, unit);
        QFETCH(double, entered);
        QFETCH(int, stored);
        QFETCH(QString, shownAgain);
        QFETCH(QString, lowest);
        QFETCH(QString, highest);
        SequenceBench bench;
        bench.data().setPressureUnits(unit);
        AutoFlowTestSettings *form = bench.editor()->flowForm();
        TestSequenceElementFlowTest element;
        openForm(bench, form, &element);
        QDoubleSpinBox *box = decimalBox(form, "spinBoxBackPressureSetting");
        QVERIFY(box->hasFocus());
        box->setValue(-1e6);
        QCOMPARE(box->text(), lowest);
        box->setValue(1e6);
        QCOMPARE(box->text(), highest);
        box->setValue(entered);
        key(Qt::Key_F4);
        QCOMPARE(bench.area.current(), bench.editor());
        QCOMPARE(int(element.setting.s16BackPressureSetting), stored);
        openForm(bench, form, &element);
        QCOMPARE(box->text(), shownAgain);
    }

    void occlusionLimitsInEachUnit_data()
    {
        addUnits();
        QTest::addColumn<double>("entered");
        QTest::addColumn<double>("stored");
        QTest::addColumn<QString>("shownAgain");
        QTest::addColumn<QString>("lowest");
        QTest::addColumn<QString>("highest");
        // clang-format off
        QTest::newRow("mmHg") << DataManager::UNITS_MMHG << 300.0 << 300.0 << "300 mmHg" << "-500 mmHg" << "2500 mmHg";
        QTest::newRow("PSI") << DataManager::UNITS_PSI << 10.0 << 517.1493 << "10.00 PSI" << "-9.67 PSI" << "48.34 PSI";
        QTest::newRow("Bar") << DataManager::UNITS_BAR << 0.4 << 300.0246 << "0.40 Bar" << "-0.67 Bar" << "3.33 Bar";
        QTest::newRow("kPa") << DataManager::UNITS_KPA << 40.0 << 300.0246 << "40.00 kPa" << "-66.66 kPa" << "333.31 kPa";
        // clang-format on
    }
    void occlusionLimitsInEachUnit()
    {
        QFETCH(DataManager::PRESSURE_UNITS, unit);
        QFETCH(double, entered);
        QFETCH(double, stored);
        QFETCH(QString, shownAgain);
        QFETCH(QString, lowest);
        QFETCH(QString, highest);
        SequenceBench bench;
        bench.data().setPressureUnits(unit);
        AutoOccTestSettings *form = bench.editor()->occlusionForm();
        TestSequenceElementOccTest element;
        openForm(bench, form, &element);
        for (const char *name : {"spinBoxLimitUpper", "spinBoxLimitLower"}) {
            QDoubleSpinBox *box = decimalBox(form, name);
            box->setValue(-1e6);
            QCOMPARE(box->text(), lowest);
            box->setValue(1e6);
            QCOMPARE(box->text(), highest);
        }
        decimalBox(form, "spinBoxLimitUpper")->setValue(entered);
        decimalBox(form, "spinBoxLimitLower")
            ->setValue(2 * entered); // above the upper: taken as it is
        key(Qt::Key_F4);
        QCOMPARE(bench.area.current(), bench.editor());
        // Stored unrounded, as the entry divided by the size of one mmHg in the unit.
        QVERIFY2(qAbs(element.limits.upperPressure - stored) < 1e-3,
                 qPrintable(QString::number(element.limits.upperPressure, 'f', 6)));
        QVERIFY2(qAbs(element.limits.lowerPressure - 2 * stored) < 2e-3,
                 qPrintable(QString::number(element.limits.lowerPressure, 'f', 6)));
        openForm(bench, form, &element);
        QCOMPARE(text(form, "spinBoxLimitUpper"), shownAgain);
    }

    void occlusionLimitIsRoundedOnlyBySavingItsShownValue()
    {
        SequenceBench bench;
        bench.data().setPressureUnits(DataManager::UNITS_PSI);
        AutoOccTestSettings *form = bench.editor()->occlusionForm();
        TestSequenceElementOccTest element;
        openForm(bench, form, &element);
        decimalBox(form, "spinBoxLimitUpper")->setValue(10.0);
        key(Qt::Key_F4);
        bench.data().setPressureUnits(DataManager::UNITS_MMHG);
        openForm(bench, form, &element);
        QCOMPARE(text(form, "spinBoxLimitUpper"), QString("517 mmHg"));
        key(Qt::Key_F4);
        QCOMPARE(element.limits.upperPressure, 517.0f);
    }

    void newElementsShowTheirDefaults()
    {
        SequenceBench bench;
        TestSequenceElementFlowTest flow;
        openForm(bench, bench.editor()->flowForm(), &flow);
        QWidget *form = bench.editor()->flowForm();
        QCOMPARE(QStringList({text(form, "spinBoxBackPressureSetting"),
                              text(form, "spinBoxSamplingWindow"),
                              text(form, "spinBoxDurationHourSetting"),
                              text(form, "spinBoxDurationMinSetting"),
                              text(form, "spinBoxDurationSecSetting"),
                              text(form, "limitTypeComboBox"), text(form, "spinBoxLimitTarget"),
                              text(form, "spinBoxLimitUpper"), text(form, "spinBoxLimitLower")}),
                 QStringList({"0 mmHg", "30 sec", "0hr", "15min", "0sec", "Average Flow", "100.00",
                              "10 %", "10 %"}));
        QVERIFY(bench.area.savePng(QDir::temp().filePath("AutoFlowSettings.png")));

        TestSequenceElementOccTest occlusion;
        form = bench.editor()->occlusionForm();
        openForm(bench, bench.editor()->occlusionForm(), &occlusion);
        QCOMPARE(QStringList({text(form, "comboBox_pump_type"), text(form, "spinBoxLimitUpper"),
                              text(form, "spinBoxLimitLower")}),
                 QStringList({"Manual", "10 mmHg", "10 mmHg"}));
        QVERIFY(bench.area.savePng(QDir::temp().filePath("AutoOccSettings.png")));

        TestSequenceElementPCATest pca;
        form = bench.editor()->pcaForm();
        openForm(bench, bench.editor()->pcaForm(), &pca);
        QCOMPARE(
            QStringList({text(form, "doubleSpinBox_BasalFlowRateSetting"),
                         text(form, "spinBoxBasalVolumeSetting"), text(form, "spinBoxLimitUpper"),
                         text(form, "spinBoxLimitLower"), text(form, "spinBoxDurationHourSetting"),
                         text(form, "spinBoxDurationMinSetting"),
                         text(form, "spinBoxDurationSecSetting")}),
            QStringList({"10.00 ml/h", "100.0 ml", "10 %", "10 %", "0hr", "15min", "0sec"}));
        QVERIFY(bench.area.savePng(QDir::temp().filePath("AutoPCASettings.png")));

        TestSequenceElementUserTest user;
        user.testText =
            "Check that the occlusion alarm sounds within ten seconds of blocking the line";
        user.units = "s";
        openForm(bench, bench.editor()->userForm(), &user);
        QVERIFY(bench.area.savePng(QDir::temp().filePath("AutoUserSettings.png")));
    }

    void durationsDropWholeDays()
    {
        SequenceBench bench;
        TestSequenceElementFlowTest flow;
        flow.setting.u32ElapseTimeSetting = 90000; // a day and an hour
        QWidget *form = bench.editor()->flowForm();
        openForm(bench, bench.editor()->flowForm(), &flow);
        QCOMPARE(text(form, "spinBoxDurationHourSetting") +
                     text(form, "spinBoxDurationMinSetting") +
                     text(form, "spinBoxDurationSecSetting"),
                 QString("1hr0min0sec"));
        key(Qt::Key_F4);
        QCOMPARE(flow.setting.u32ElapseTimeSetting, 3600u);

        TestSequenceElementPCATest pca;
        pca.setting.u32ElapseTimeSetting = 86400 + 3661;
        form = bench.editor()->pcaForm();
        openForm(bench, bench.editor()->pcaForm(), &pca);
        QCOMPARE(text(form, "spinBoxDurationHourSetting") +
                     text(form, "spinBoxDurationMinSetting") +
                     text(form, "spinBoxDurationSecSetting"),
                 QString("1hr1min1sec"));
        key(Qt::Key_F4);
        QCOMPARE(pca.setting.u32ElapseTimeSetting, 3661u);
    }

    void pcaBolusBoxStandsForVolumeAndTarget()
    {
        SequenceBench bench;
        TestSequenceElementPCATest pca;
        pca.setting.fBasalFlowRateSetting = 0;
        pca.setting.fBolusVolumeSetting = 5;
        pca.limits.bolusTarget = 12.34f;
        pca.setting.fLoadingDose = 7;
        pca.setting.fTotalVolumeSetting = 8;
        pca.setting.u16SamplingWindowSetting = 10;
        QWidget *form = bench.editor()->pcaForm();
        openForm(bench, bench.editor()->pcaForm(), &pca);
        QCOMPARE(text(form, "spinBoxBasalVolumeSetting"), QString("12.3 ml"));
        QCOMPARE(text(form, "doubleSpinBox_BasalFlowRateSetting"), QString("0.10 ml/h"));
        key(Qt::Key_F4);
        QCOMPARE(pca.setting.fBolusVolumeSetting, 12.3f);
        QCOMPARE(pca.limits.bolusTarget, 12.3f);
        QCOMPARE(pca.setting.fBasalFlowRateSetting, 0.1f);
        QCOMPARE(pca.setting.fLoadingDose, 7.0f);
        QCOMPARE(pca.setting.fTotalVolumeSetting, 8.0f);
        QCOMPARE(pca.setting.u16SamplingWindowSetting, quint16(10));
    }

    void backKeyLeavesTheElementAsItWas()
    {
        SequenceBench bench;
        TestSequenceElementFlowTest flow;
        const QByteArray before = bytes(flow);
        openForm(bench, bench.editor()->flowForm(), &flow);
        key(Qt::Key_Escape);
        turn(7);
        key(Qt::Key_Escape);
        key(Qt::Key_F1);
        QCOMPARE(bench.area.current(), bench.editor());
        QCOMPARE(bytes(flow), before);
        // The next opening shows the element, not what was turned.
        openForm(bench, bench.editor()->flowForm(), &flow);
        QCOMPARE(text(bench.editor()->flowForm(), "spinBoxBackPressureSetting"), QString("0 mmHg"));

        TestSequenceElementUserTest user;
        openForm(bench, bench.editor()->userForm(), &user);
        QCOMPARE(dialogs(press(Qt::Key_Escape), {type("X")}), QStringList({"Data Entry"}));
        key(Qt::Key_F1);
        QCOMPARE(user.testText, QString(""));
    }

    void userFieldsTakeTheirLengths()
    {
        SequenceBench bench;
        TestSequenceElementUserTest user;
        openForm(bench, bench.editor()->userForm(), &user);
        int textLimit = 0, unitLimit = 0;
        const auto limitOf = [](int *limit) {
            return [limit](QWidget *keyboard) {
                *limit = keyboard->findChild<QLineEdit *>()->maxLength();
                key(Qt::Key_F7);
            };
        };
        dialogs(press(Qt::Key_Escape), {limitOf(&textLimit)});
        turn(1);
        dialogs(press(Qt::Key_Escape), {limitOf(&unitLimit)});
        QCOMPARE(unitLimit, 25);
        QVERIFY(textLimit >= 100); // room for a sentence put to the operator
    }

    void viewOnlyFormsChangeNothing_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("user") << 0;
        QTest::newRow("flow") << 1;
        QTest::newRow("PCA") << 2;
        QTest::newRow("occlusion") << 3;
    }
    void viewOnlyFormsChangeNothing()
    {
        QFETCH(int, type);
        SequenceBench bench;
        TestSequenceEdit *editor = bench.editor();
        TestSequenceElementUserTest user;
        TestSequenceElementFlowTest flow;
        TestSequenceElementPCATest pca;
        TestSequenceElementOccTest occlusion;
        TestSequenceElement *elements[] = {&user, &flow, &pca, &occlusion};
        QWidget *forms[] = {editor->userForm(), editor->flowForm(), editor->pcaForm(),
                            editor->occlusionForm()};
        const auto open = [&](bool viewOnly) {
            switch (type) {
            case 0:
                openForm(bench, editor->userForm(), &user, viewOnly);
                break;
            case 1:
                openForm(bench, editor->flowForm(), &flow, viewOnly);
                break;
            case 2:
                openForm(bench, editor->pcaForm(), &pca, viewOnly);
                break;
            default:
                openForm(bench, editor->occlusionForm(), &occlusion, viewOnly);
                break;
            }
        };
        const QByteArray before = bytes(*elements[type]);
        open(true);
        auto *confirm = forms[type]->findChild<QPushButton *>("pushButtonConfirm");
        QVERIFY(!confirm->isEnabled());
        QVERIFY(confirm->icon().isNull());
        // Select opens no keyboard and changes no box; F4 neither writes nor leaves.
        QCOMPARE(dialogs(press(Qt::Key_Escape), {}), QStringList());
        turn(3);
        key(Qt::Key_F4);
        QCOMPARE(bench.area.current(), forms[type]);
        QCOMPARE(bytes(*elements[type]), before);
        key(Qt::Key_F1);
        QCOMPARE(bench.area.current(), editor);

        open(false);
        QVERIFY(confirm->isEnabled());
        QVERIFY(!confirm->icon().isNull());
        key(Qt::Key_F4);
        QCOMPARE(bench.area.current(), editor);
    }
};

RONDIX_TEST(TestElementForms)
#include "tst_ElementForms.moc"
