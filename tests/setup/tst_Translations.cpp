#include "AboutCalibrationScreen.h"
#include "AboutDetailsScreen.h"
#include "BluetoothDataTransfer.h"
#include "BluetoothFavourites.h"
#include "BluetoothFavouritesScreen.h"
#include "BluetoothUpload.h"
#include "BtModuleSim.h"
#include "DataMenu.h"
#include "DataTransfer.h"
#include "FindDevicesScreen.h"
#include "FlowRateRunningScreen.h"
#include "GraphModeScreen.h"
#include "InfusionPumpMainScreen.h"
#include "OcclusionManualTest.h"
#include "PCARunningScreen.h"
#include "PowerBoardSim.h"
#include "ScreenKeyboard.h"
#include "ScreenMessages.h"
#include "SetupBench.h"
#include "StoredRecords.h"
#include "SummaryManualScreen.h"
#include "TestRegistry.h"
#include "TestResultManager.h"
#include "TextFit.h"
#include "ViewData.h"
#include "ViewDataAssetDetails.h"
#include "ViewDataTestResults.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTableWidget>
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
        new BluetoothFavouritesScreen(bench.menu->getDataMenuScreen(), nullptr);
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
             {"Completed", "Asset", "Setup", "Paused", "Saving", "Stopped", "Failed", "Ready",
              "Ctrl stop"}},
            {summary,
             "label_Channel_1_TestType",
             "SummaryManualScreen",
             {"Flow", "Occ", "PCA", "User", "N/A"}},
            {summary, "label_Channel_1_Mode", "SummaryManualScreen", {"Auto: ", "Manual "}},
            {summary->getFlowRateRunningScreen(),
             "label_FlowRate_ElapseTime",
             "TestScreen",
             {"Completed", "Stopped", "Ready", "Ctrl stop"}},
            {summary->getPCARunningScreen(),
             "label_FlowRate_ElapseTime",
             "TestScreen",
             {"Completed", "Stopped", "Ready", "Ctrl stop"}},
            {summary->getOcclusionRunningScreen(),
             "label_OccTestStatus",
             "TestScreen",
             {"Ctrl stop"}},
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

    // Texts from outside at lengths their fields were not drawn for: a controller's
    // version of 500 characters or of several lines, long serial numbers, a long asset
    // identity in the result list. Each ends short in its own place, with its start
    // shown, and the rest of the form stays as it was.
    void longOutsideTextsFit_data() { textsFitTheirFields_data(); }
    void longOutsideTextsFit()
    {
        QFETCH(QString, language);
        const QByteArray version = "2.07." + QByteArray(495, '1');
        const QByteArray lines = "2.07\nbeta 3\nbuild 12,PB-C\nrev B";
        SetupBench bench(
            {ScreenArea::defaultSettings() + "LanguageFile=/home/translations/kovinta_" +
                 language.toLatin1() + ".qm\nSerial_num=KV-" + QByteArray(60, '7') + "\n",
             true, [&](PowerBoardSim &sim) {
                 sim.controller(0).setIdentity(version + ",PB-C", "PB2403-" + QByteArray(80, '1'));
                 sim.controller(1).setIdentity(lines, "PB2403\n102");
                 sim.controller(2).setIdentity("2.07," + version, QByteArray());
             }});
        QVERIFY(bench.menu);
        QVERIFY(bench.area.settle());
        QVERIFY(bench.area.activate());
        const QString pngDir = qEnvironmentVariable("RONDIX_PNG_DIR");
        const auto png = [&](const QString &state) {
            if (!pngDir.isEmpty())
                bench.area.savePng(
                    QDir(pngDir).filePath(QStringLiteral("%1-long-%2.png").arg(language, state)));
        };
        QStringList faults;

        auto *details = bench.screen<AboutDetailsScreen>();
        details->showScreen(true);
        const auto cell = [&](const char *name) {
            return details->findChild<QLabel *>(QLatin1String(name));
        };
        QTRY_VERIFY_WITH_TIMEOUT(cell("label_AboutDetails_ChSerial_2")->text().startsWith("PB2403"),
                                 15000);
        QApplication::processEvents();
        png("AboutDetailsScreen");
        faults << TextFit::cutOff(details);
        // Each starts as it came.
        for (const char *name :
             {"label_AboutDetails_ChFw1", "label_AboutDetails_ChFw2", "label_AboutDetails_ChHw3"})
            QVERIFY2(cell(name)->text().startsWith("2.07"), qPrintable(cell(name)->text()));
        QVERIFY(cell("label_AboutDetails_ChSerial_1")->text().startsWith("PB2403-1"));
        QVERIFY(cell("serialNoLabel")->text().startsWith("KV-7"));
        QCOMPARE(cell("label_AboutDetails_ChHw2")->text(), QString("PB-C rev B"));

        QDir().mkpath(bench.area.root().path(TestResultManager::assetResultsDirectory));
        QList<MedicalApplianceResult> records;
        for (const QString &asset : {QString("Pump 7"),
                                     QString("Infusion pump of the intensive care unit, bed 12, "
                                             "second floor, west wing"),
                                     QString("SYRINGEDRIVER") + QString(60, 'X')}) {
            MedicalApplianceResult record;
            record.overallResult = records.size() == 1 ? TEST_FAIL : TEST_PASS;
            record.testDate = QDateTime(QDate(2024, 3, 4 + records.size()), QTime(16, 15));
            record.applianceName = asset;
            records << record;
        }
        QVERIFY(storeRecords(records));
        auto *list = new ViewData(bench.menu, nullptr);
        list->showScreen(true);
        QApplication::processEvents();
        png("ViewData");
        faults << TextFit::cutOff(list);
        // Date and status show whole on every row.
        auto *table = list->findChild<QTableWidget *>("dataTable");
        QCOMPARE(table->rowCount(), 3);
        for (int column : {1, 2}) {
            const int end = table->columnViewportPosition(column) + table->columnWidth(column);
            QVERIFY2(end <= table->viewport()->width(), qPrintable(QString::number(column)));
            QVERIFY2(table->columnWidth(column) >=
                         static_cast<QAbstractItemView *>(table)->sizeHintForColumn(column),
                     qPrintable(QString::number(column)));
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    // The Bluetooth screens in each state that writes its own texts, with the simulated
    // module and the devices around it answering, and the message boxes they bring up.
    void bluetoothTextsFitTheirFields_data() { textsFitTheirFields_data(); }
    void bluetoothTextsFitTheirFields()
    {
        QFETCH(QString, language);
        const QList<BtModuleSim::Device> around = BtModuleSim::defaultDevices();
        BtModuleSim sim;
        SetupBench bench({ScreenArea::defaultSettings() + "LanguageFile=/home/translations/kovinta_" +
                              language.toLatin1() +
                              ".qm\nSerial_num=KV-0007\n[BluetoothFavourites]\nBarCode\\Id=" +
                              around.at(0).address + "\nBarCode\\Name=" + around.at(0).name +
                              "\nMobilePhone\\Id=" + around.at(1).address +
                              "\nMobilePhone\\Name=" + around.at(1).name + "\n",
                          true,
                          {},
                          [&](const QString &root) { QVERIFY(sim.start(root)); }});
        QVERIFY(bench.menu);
        BluetoothFavourites *bt = BluetoothFavourites::getInstance();
        // The start-up configuration has named the module and switched it off again.
        QVERIFY(QTest::qWaitFor(
            [&] { return !sim.btName().isEmpty() && bt->mode() == BT_MODE_OFF && !sim.poweredOn(); },
            10000));
        auto *favourites = new BluetoothFavouritesScreen(bench.menu->getDataMenuScreen(), nullptr);
        FindDevicesScreen *search = favourites->searchScreen();
        new DataTransfer(bench.menu, nullptr);
        auto *send = bench.screen<BluetoothDataTransfer>();
        auto *receive = bench.screen<BluetoothUpload>();
        QVERIFY(send && receive);
        QVERIFY(bench.area.activate());

        const QString pngDir = qEnvironmentVariable("RONDIX_PNG_DIR");
        const auto png = [&](QWidget *widget, const QString &state) {
            if (!pngDir.isEmpty())
                GuiTest::savePng(widget, QDir(pngDir).filePath(
                                             QStringLiteral("%1-bt-%2.png").arg(language, state)));
        };
        QStringList faults;
        // The page on show, as it is now (laid out anew only, when inside a signal of the
        // module's line).
        const auto check = [&](const QString &state, bool settle = true) {
            if (settle)
                QApplication::processEvents();
            else
                QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            faults << TextFit::cutOff(bench.area.current());
            png(bench.area.stack(), state);
        };
        // A message box as it came up, then answered with the button.
        const auto box = [&](const QString &state, QMessageBox::StandardButton button) {
            return DialogAnswers::Answer([&, state, button](QWidget *dialog) {
                QApplication::processEvents();
                faults << TextFit::cutOff(dialog);
                if (!QRect(0, 0, 320, 240)
                         .contains(QRect(QPoint(), dialog->frameGeometry().size())))
                    faults << state + QStringLiteral(" box of %1 x %2")
                                          .arg(dialog->frameGeometry().width())
                                          .arg(dialog->frameGeometry().height());
                png(dialog, state);
                DialogAnswers::press(button)(dialog);
            });
        };

        // The favourites and the device search from them: under way, with some devices
        // named, done, done with nothing found, and given up on a silent module.
        favourites->showScreen(true);
        check("favourites");
        const QMetaObject::Connection named = connect(
            bt, &BluetoothFavourites::deviceSearchProgress, this, [&](int counter, int total) {
                if (counter == 2 && total == 3)
                    check("search-found", false);
            });
        GuiTest::key(Qt::Key_F2);
        QCOMPARE(bench.area.current(), search);
        check("search-searching");
        QTRY_VERIFY_WITH_TIMEOUT(search->isSearchFinished(), 10000);
        disconnect(named);
        QCOMPARE(search->findChild<QListWidget *>("listWidget")->count(), 3);
        check("search-complete");
        sim.devices().clear();
        GuiTest::key(Qt::Key_F2);
        QTRY_VERIFY_WITH_TIMEOUT(search->isSearchFinished(), 10000);
        check("search-nothing-found");
        sim.devices() = around;
        sim.options().answersInquiry = false;
        search->setNoAnswerLimit(300);
        GuiTest::key(Qt::Key_F2);
        QTRY_VERIFY_WITH_TIMEOUT(search->isSearchFinished(), 10000);
        check("search-no-answer");
        sim.options().answersInquiry = true;
        search->setNoAnswerLimit(FindDevicesScreen::NoAnswerMs);
        GuiTest::key(Qt::Key_F2);
        QTRY_VERIFY_WITH_TIMEOUT(search->isSearchFinished(), 10000);
        // Back with the devices found in the lists; a change left unsaved is asked about.
        GuiTest::key(Qt::Key_F1);
        QCOMPARE(bench.area.current(), favourites);
        check("favourites-found");
        GuiTest::key(Qt::Key_Escape); // into the bar-code list, another device, out
        GuiTest::turn(-1);
        GuiTest::key(Qt::Key_Escape);
        QVERIFY(favourites->isEdited());
        {
            DialogAnswers answers({box("favourites-not-saved", QMessageBox::Cancel)});
            GuiTest::key(Qt::Key_F1);
            QCOMPARE(answers.seen.size(), 1);
        }
        QVERIFY(bench.area.activate()); // the closed box took the window's activation along

        // Sending a results file: connecting, ready, sending with its progress, sent.
        TestResultManager *results = TestResultManager::getInstance();
        results->createTestData(2, 40, 0);
        const QStringList stored = results->getApplianceResultList().keys();
        const auto prepare = [&] {
            const QString file =
                BluetoothDataTransfer::prepareExportDirectory() + QStringLiteral("/Results.dat");
            return results->exportApplianceResults(file, stored) == 2 ? file : QString();
        };
        const QString file = prepare();
        QVERIFY(!file.isEmpty());
        QFile exported(file);
        QVERIFY(exported.open(QIODevice::ReadOnly));
        const QByteArray content = exported.readAll();
        exported.close();
        send->setFilenameToSend(file);
        send->showScreen(true);
        check("send-connecting");
        QTRY_COMPARE_WITH_TIMEOUT(send->displayState(), int(BluetoothDataTransfer::StateReadyToSend),
                                  10000);
        check("send-ready");
        GuiTest::key(Qt::Key_F4);
        QTRY_VERIFY_WITH_TIMEOUT(send->getProgressBar()->isVisible(), 5000);
        check("send-sending");
        QTRY_VERIFY_WITH_TIMEOUT(!send->findChild<QLabel *>("labelFile")->text().isEmpty(), 10000);
        check("send-sent");
        GuiTest::key(Qt::Key_F1);
        // Pushes that end without the file sent.
        const auto stopped = [&](const QString &state, const QString &path) {
            send->setNoAnswerLimits(300, 300);
            send->setFilenameToSend(path);
            send->showScreen(true);
            QTRY_COMPARE_WITH_TIMEOUT(send->displayState(), int(BluetoothDataTransfer::StateStopped),
                                      10000);
            check(state);
            GuiTest::key(Qt::Key_F1);
        };
        const QString gone = prepare();
        QVERIFY(QFile::remove(gone));
        stopped("send-file-gone", gone);
        // The phone's own refusal of a file sent, and a link that drops before its word.
        const auto refused = [&](const QString &state, BtModuleSim::FinalAnswer answer) {
            sim.options().finalAnswer = answer;
            send->setNoAnswerLimits(1500, 1500);
            send->setFilenameToSend(prepare());
            send->showScreen(true);
            QTRY_COMPARE_WITH_TIMEOUT(send->displayState(),
                                      int(BluetoothDataTransfer::StateReadyToSend), 10000);
            GuiTest::key(Qt::Key_F4);
            QTRY_COMPARE_WITH_TIMEOUT(send->displayState(), int(BluetoothDataTransfer::StateStopped),
                                      10000);
            check(state);
            GuiTest::key(Qt::Key_F1);
            sim.options().finalAnswer = BtModuleSim::FinalAnswer::Ok;
        };
        refused("send-refused", BtModuleSim::FinalAnswer::NotAcceptable);
        refused("send-link-dropped", BtModuleSim::FinalAnswer::DropLink);
        sim.devices()[1].outcome = BtModuleSim::CallOutcome::Silent;
        stopped("send-no-answer", prepare());
        QVERIFY(bt->setDeviceName(BT_MOBILE_PHONE, QString()));
        stopped("send-no-answer-unnamed", prepare());
        QVERIFY(bt->setDeviceId(BT_MOBILE_PHONE, QByteArray()));
        {
            DialogAnswers answers({box("send-no-device", QMessageBox::Ok)});
            stopped("send-no-device", prepare());
            QCOMPARE(answers.seen.size(), 1);
        }

        // Receiving: waiting, a file offered and imported in part, pushes that stop short.
        receive->setUploadType(BluetoothUpload::UPLOAD_APPLIANCE_RESULTS);
        receive->setStallLimit(300);
        receive->showScreen(true);
        QVERIFY(QTest::qWaitFor([&] { return sim.pin() == BluetoothFavourites::PairingPin; }, 10000));
        check("receive-ready");
        {
            DialogAnswers answers({box("receive-offer", QMessageBox::Yes),
                                   box("receive-import-incomplete", QMessageBox::Ok)});
            QVERIFY(sim.pushToInstrument("Results.dat", content.left(content.size() - 40)));
            QTRY_COMPARE_WITH_TIMEOUT(answers.seen.size(), 2, 10000);
        }
        check("receive-received");
        {
            DialogAnswers answers({box("receive-offer-long-name", QMessageBox::No)});
            QVERIFY(sim.pushToInstrument(
                "Results_of_the_intensive_care_unit_second_floor_west_wing_2024.dat", content));
            QTRY_COMPARE_WITH_TIMEOUT(answers.seen.size(), 1, 10000);
        }
        for (const bool stalls : {false, true}) {
            (stalls ? sim.options().stallPushAt : sim.options().truncatePushAt) = 700;
            DialogAnswers answers(
                {box(stalls ? "receive-stalled" : "receive-cut-short", QMessageBox::Ok)});
            QVERIFY(sim.pushToInstrument("Results.dat", content));
            QTRY_COMPARE_WITH_TIMEOUT(answers.seen.size(), 1, 10000);
            sim.options().stallPushAt = sim.options().truncatePushAt = -1;
            QVERIFY(QTest::qWaitFor([&] { return sim.pin() == BluetoothFavourites::PairingPin; },
                                    10000));
        }
        GuiTest::key(Qt::Key_F1);

        // Boxes the simulated module cannot bring up, shown as the screens show them: a
        // settings file that cannot be written, a received file that cannot be read, and
        // an import report with every line.
        const auto translated = [](const char *context, const char *source) {
            return QCoreApplication::translate(context, source);
        };
        const QStringList report{translated("BluetoothUpload", "Imported: %1").arg(120),
                                 translated("BluetoothUpload", "Stored under a new name: %1").arg(120),
                                 translated("BluetoothUpload", "Stored in part, damaged: %1").arg(120),
                                 translated("BluetoothUpload", "Not imported: %1").arg(120)};
        const QList<QPair<QString, QStringList>> boxes{
            {"favourites-not-written",
             {translated("BluetoothFavouritesScreen", "Warning"),
              translated("BluetoothFavouritesScreen",
                 "The favourites could not be saved. The stored favourites are unchanged.")}},
            {"receive-unreadable",
             {translated("BluetoothUpload", "Warning"), translated("BluetoothUpload", "Error reading file")}},
            {"receive-import-report",
             {translated("BluetoothUpload", "Import incomplete"), report.join(QLatin1Char('\n'))}},
        };
        for (const auto &b : boxes) {
            DialogAnswers answers({box(b.first, QMessageBox::Ok)});
            ScreenMessages::warn(b.second.at(0), b.second.at(1));
            QCOMPARE(answers.seen.size(), 1);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }
};

RONDIX_TEST(TestTranslations)
#include "tst_Translations.moc"
