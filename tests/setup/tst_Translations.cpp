#include "AboutCalibrationScreen.h"
#include "AboutDetailsScreen.h"
#include "DataMenu.h"
#include "DataTransfer.h"
#include "FlowRateRunningScreen.h"
#include "GraphModeScreen.h"
#include "InfusionPumpMainScreen.h"
#include "OcclusionManualTest.h"
#include "PCARunningScreen.h"
#include "ScreenKeyboard.h"
#include "SetupBench.h"
#include "SummaryManualScreen.h"
#include "TestRegistry.h"
#include "TextFit.h"
#include "ViewData.h"
#include "ViewDataAssetDetails.h"
#include "ViewDataTestResults.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <algorithm>

namespace
{
struct Message {
    QString context;
    QString source;
    QString comment;
    QStringList translations; // one, or one per plural form
    bool finished = true;
};

QList<Message> readTs(const QString &path)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QStringRef name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message();
            message.context = context;
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const QStringRef type = xml.attributes().value(QLatin1String("type"));
            message.finished = type.isEmpty();
            QString text;
            while (!(xml.isEndElement() && xml.name() == QLatin1String("translation")) &&
                   !xml.atEnd()) {
                xml.readNext();
                if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                    message.translations << xml.readElementText();
                else if (xml.isCharacters())
                    text += xml.text();
            }
            if (message.translations.isEmpty())
                message.translations << text;
            messages << message;
        }
    }
    return messages;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%(\\d+|n)"));
    QStringList found;
    auto it = marker.globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    std::sort(found.begin(), found.end());
    return found;
}

QString lastWord(const QString &layout)
{
    const QStringList words =
        layout.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    return words.isEmpty() ? QString() : words.last();
}
} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void everyTextIsTranslatedAndKeepsWhatTheCodeNeeds_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"en", "us", "pl", "it"})
            QTest::newRow(language) << language;
    }
    void everyTextIsTranslatedAndKeepsWhatTheCodeNeeds()
    {
        QFETCH(QString, language);
        const QList<Message> messages =
            readTs(QStringLiteral(TRANSLATIONS_SOURCE_DIR "/kovinta_%1.ts").arg(language));
        QVERIFY(messages.size() > 300);
        QString space;
        for (const Message &m : messages) {
            if (m.source == "Space")
                space = m.translations.value(0);
        }
        QVERIFY(!space.isEmpty() && !space.contains(' '));

        QStringList faults;
        for (const Message &m : messages) {
            const QString where = m.context + " \"" + m.source + "\": ";
            for (const QString &t : m.translations) {
                if (!m.finished || t.isEmpty())
                    faults << where + "not translated";
                // %1 lost or doubled would show the raw marker or the wrong value.
                else if (placeholders(t) != placeholders(m.source))
                    faults << where + "placeholders differ in \"" + t + "\"";
                // A translated soft-key shortcut would leave the key dead.
                else if (QRegularExpression("^F[1-4]$").match(m.source).hasMatch() && t != m.source)
                    faults << where + "shortcut changed to " + t;
                // The keyboard finds its space bar by the translated word.
                else if (m.source.endsWith("Space") && m.source.contains('\n') &&
                         lastWord(t) != space)
                    faults << where + "space key is not \"" + space + "\"";
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    void theBuiltTranslationsLoad_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("setup");
        QTest::newRow("en") << "en"
                            << "Setup";
        QTest::newRow("us") << "us"
                            << "Setup";
        QTest::newRow("pl") << "pl"
                            << "Ustawienia";
        QTest::newRow("it") << "it"
                            << "Impostazioni";
    }
    void theBuiltTranslationsLoad()
    {
        QFETCH(QString, language);
        QFETCH(QString, setup);
        TempRoot root;
        QVERIFY(root.installTranslations());
        QTranslator translator;
        QVERIFY(translator.load(root.path("/home/translations/kovinta_" + language + ".qm")));
        QCOMPARE(translator.translate("InfusionPumpSetup", "Setup"), setup);
    }

    void textsFitTheirFields_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"en", "pl", "it"})
            QTest::newRow(language) << language;
    }
    void textsFitTheirFields()
    {
        QFETCH(QString, language);
        SetupBench bench(
            {"[General]\nLanguageFile=/home/translations/kovinta_" + language.toLatin1() + ".qm\n",
             true});
        QVERIFY(bench.menu);
        // Every screen there is, also those built on first use.
        SummaryManualScreen *summary = bench.menu->getSummaryManualScreen();
        summary->getFlowRateRunningScreen();
        summary->getOcclusionRunningScreen();
        summary->getPCARunningScreen();
        summary->getGraphModeScreen();
        summary->getManualAsssetScreen();
        summary->getAutoModeAssetDetailsScreen();
        summary->getUserTestScreen();
        bench.menu->getDataMenuScreen();
        // Its table fits its columns to the results when shown.
        auto *viewData = new ViewData(bench.menu, nullptr);
        new ViewDataAssetDetails(bench.menu, nullptr);
        new ViewDataTestResults(bench.menu, nullptr);
        auto *transfer = new DataTransfer(bench.menu, nullptr);
        bench.menu->getRemoteScreen();
        ScreenKeyboard keyboard;
        QApplication::processEvents();
        QVERIFY(bench.area.activate());

        const QString pngDir = qEnvironmentVariable("RONDIX_PNG_DIR");
        QStringList faults;
        QStackedWidget *stack = bench.area.stack();
        for (int i = 0; i < stack->count(); ++i) {
            QWidget *page = stack->widget(i);
            if (page == viewData)
                viewData->showScreen(true);
            else
                stack->setCurrentWidget(page);
            QApplication::processEvents();
            faults << TextFit::cutOff(page);
            if (!pngDir.isEmpty())
                bench.area.savePng(
                    QDir(pngDir).filePath(QStringLiteral("%1-%2-%3.png")
                                              .arg(language)
                                              .arg(i, 2, 10, QLatin1Char('0'))
                                              .arg(page->metaObject()->className())));
        }
        keyboard.show();
        QApplication::processEvents();
        faults << TextFit::cutOff(&keyboard);

        // Texts the screens write at run time, in the fields they land in.
        struct RunTimeText {
            QWidget *screen;
            const char *field;
            const char *context;
            QStringList sources;
        };
        const QStringList units{"mmHg", "PSI", "Bar", "kPa"};
        const QList<RunTimeText> texts = {
            {summary,
             "label_Channel_1_ElaspeTime",
             "SummaryManualScreen",
             {"Completed", "Asset", "Setup", "Paused", "Saving", "Stopped", "Failed", "Ready"}},
            {summary,
             "label_Channel_1_TestType",
             "SummaryManualScreen",
             {"Flow", "Occ", "PCA", "User", "N/A"}},
            {summary, "label_Channel_1_Mode", "SummaryManualScreen", {"Auto: ", "Manual "}},
            {summary->getFlowRateRunningScreen(),
             "label_FlowRate_ElapseTime",
             "TestScreen",
             {"Completed", "Stopped", "Ready"}},
            {summary->getPCARunningScreen(),
             "label_FlowRate_ElapseTime",
             "TestScreen",
             {"Completed", "Stopped", "Ready"}},
            {summary->getOcclusionRunningScreen(),
             "label_OccTestStatus",
             "OcclusionManualTest",
             {"Completed", "Stopped", "Ready", "Waiting for Pump to Reverse",
              "Press Green Button When Alarm Sounds"}},
            {summary->getOcclusionRunningScreen(),
             "label_InfusionPumpType",
             "OcclusionManualTest",
             {"Auto reverse", "Manual"}},
            {summary->getGraphModeScreen(),
             "label_AxisTitle",
             "GraphModeScreen",
             {"Flow Rate", "Volume"}},
            {bench.screen<AboutDetailsScreen>(),
             "label_AboutDetails_ChFw1",
             "AboutDetailsScreen",
             {"Fault", "N/A"}},
            {bench.screen<AboutCalibrationScreen>(),
             "label_AboutCalibrationCalDate_1",
             "AboutCalibrationScreen",
             {"Fault"}},
            {transfer,
             "label_Port",
             "DataTransfer",
             {"USB PC Connection", "USB Memory Stick", "Bluetooth"}},
            {transfer,
             "label_Operation",
             "DataTransfer",
             {"Export Results", "Export CSV Summary", "Export Test Sequences", "Import Results",
              "Import Test Sequences"}},
        };
        for (const RunTimeText &t : texts) {
            auto *field = t.screen->findChild<QLabel *>(t.field);
            QVERIFY2(field, t.field);
            stack->setCurrentWidget(t.screen);
            for (const QString &source : t.sources) {
                field->setText(QCoreApplication::translate(t.context, qPrintable(source)));
                faults << TextFit::cutOffText(field);
                if (!pngDir.isEmpty())
                    bench.area.savePng(QDir(pngDir).filePath(
                        QStringLiteral("%1-%2-%3.png").arg(language, t.field, source)));
            }
        }
        // The pressure labels, in every unit.
        QWidget *occlusion = summary->getOcclusionRunningScreen();
        stack->setCurrentWidget(occlusion);
        for (const char *field :
             {"label_MSG_Pressure", "label_MSG_Pressure_Peak", "label_MSG_Pressure_BackOff"}) {
            auto *label = occlusion->findChild<QLabel *>(field);
            const char *source = QByteArray(field).endsWith("Peak")      ? "Peak %1:"
                                 : QByteArray(field).endsWith("BackOff") ? "Back-off %1:"
                                                                         : "Current %1:";
            for (const QString &unit : units) {
                label->setText(
                    QCoreApplication::translate("OcclusionManualTest", source)
                        .arg(QCoreApplication::translate("DataManager", qPrintable(unit))));
                faults << TextFit::cutOffText(label);
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }
};

RONDIX_TEST(TestTranslations)
#include "tst_Translations.moc"
