// Texts that came from outside the instrument, on the screens that show them: a stored
// result (asset identity, sequence name, user-test prompt and units), the settings file
// (serial number, date and time formats), the channel controllers (versions, serial
// numbers), the Bluetooth module and the devices around it (names), and a file a phone
// pushes. Each shows as the text it is, never as markup: taken as rich text, an identity
// <img src="/dev/zero"> has the screen read /dev/zero as an image until memory runs out.
#include "AboutBluetoothScreen.h"
#include "AboutDetailsScreen.h"
#include "BluetoothDataTransfer.h"
#include "BluetoothFavourites.h"
#include "BluetoothFavouritesScreen.h"
#include "BluetoothUpload.h"
#include "BtModuleSim.h"
#include "DataMenu.h"
#include "DataTransfer.h"
#include "FindDevicesScreen.h"
#include "InfusionPumpMainScreen.h"
#include "InfusionPumpPowerBoardManager.h"
#include "PowerBoardSim.h"
#include "SetupBench.h"
#include "StoredRecords.h"
#include "SummaryManualScreen.h"
#include "TestRegistry.h"
#include "TestResultElementUserTest.h"
#include "TestResultFactory.h"
#include "TestResultManager.h"
#include "ViewData.h"
#include "ViewDataAssetDetails.h"
#include "ViewDataTestResults.h"
#include "ViewDataUserTestResult.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include <unistd.h>

using namespace GuiTest;

namespace
{
qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLongLong() * sysconf(_SC_PAGESIZE) : 0;
}

// The process's resident memory, watched from a thread while screens take a text: a
// rich-text engine reading /dev/zero grows it by hundreds of megabytes a second, and
// would take the shared machine down with the test, so past the limit the test ends.
class MemoryWatch
{
public:
    static constexpr qint64 abortGrowth = qint64(512) << 20;

    MemoryWatch() : m_start(residentBytes()), m_peak(m_start)
    {
        m_thread = std::thread([this] {
            while (!m_stop) {
                const qint64 now = residentBytes();
                if (now > m_peak)
                    m_peak = now;
                if (now - m_start > abortGrowth) {
                    std::fprintf(stderr,
                                 "memory grew by %lld MB while a screen showed an "
                                 "outside text: stopped\n",
                                 (long long)((now - m_start) >> 20));
                    std::_Exit(3);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        });
    }
    ~MemoryWatch()
    {
        m_stop = true;
        m_thread.join();
    }
    qint64 growthMb() const { return (m_peak - m_start) >> 20; }

private:
    const qint64 m_start;
    std::atomic<qint64> m_peak;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

// What a widget shows of its text, and whether it can only show it as text.
struct Shown {
    QString text;
    bool plain = false;
};

Shown shown(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget))
        return {label->text(), label->textFormat() == Qt::PlainText};
    if (auto *box = qobject_cast<QMessageBox *>(widget)) {
        bool plain = box->textFormat() == Qt::PlainText;
        for (QLabel *label : box->findChildren<QLabel *>())
            plain = plain && (label->text().isEmpty() || label->textFormat() == Qt::PlainText);
        return {box->text() + QLatin1Char('\n') + box->informativeText(), plain};
    }
    if (auto *edit = qobject_cast<QPlainTextEdit *>(widget))
        return {edit->toPlainText(), true};
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return {edit->text(), true};
    // Rows are drawn by the view's delegate: the toolkit's own draw text as text (the
    // instrument's, derived from them, only size the rows).
    const auto plainRows = [](QAbstractItemView *view) {
        const QAbstractItemDelegate *delegate = view->itemDelegate();
        return QByteArray(delegate->metaObject()->className()).startsWith('Q') ||
               delegate->inherits("QStyledItemDelegate") || delegate->inherits("QItemDelegate");
    };
    if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        QStringList rows;
        for (int i = 0; i < combo->count(); ++i)
            rows << combo->itemText(i);
        return {rows.join(QLatin1Char('\n')), plainRows(combo->view())};
    }
    if (auto *list = qobject_cast<QListWidget *>(widget)) {
        QStringList rows;
        for (int i = 0; i < list->count(); ++i)
            rows << list->item(i)->text();
        return {rows.join(QLatin1Char('\n')), plainRows(list)};
    }
    return {};
}

// The text as it stands, or its start where the field cuts it short with an ellipsis.
bool showsLiterally(const QString &shownText, const QString &text)
{
    if (shownText.contains(text))
        return true;
    const QString ellipsis(QChar(0x2026));
    for (const QString &line : shownText.split(QLatin1Char('\n'))) {
        const int at = line.indexOf(ellipsis);
        for (int from = 0; from + 3 <= at; ++from) {
            if (text.startsWith(line.mid(from, at - from)))
                return true;
        }
    }
    return false;
}

// Checks every widget that shows the text, and renders the screen on show.
class Check
{
public:
    explicit Check(const QString &text) : m_text(text) {}

    // expected: the text as this widget's source passed it on, when not the text itself.
    void operator()(QWidget *widget, const QString &where, const QString &expected = QString())
    {
        if (!widget) {
            m_faults << where + QStringLiteral(": not found");
            return;
        }
        const Shown s = shown(widget);
        if (!s.plain)
            m_faults << where + QStringLiteral(": may show markup");
        if (!showsLiterally(s.text, expected.isNull() ? m_text : expected))
            m_faults << where + QStringLiteral(": shows \"") + s.text + QStringLiteral("\"");
        const QImage image = widget->window()->grab().toImage();
        if (image.isNull())
            m_faults << where + QStringLiteral(": not rendered");
        const QString pngDir = qEnvironmentVariable("RONDIX_PNG_DIR");
        if (!pngDir.isEmpty()) {
            QString name = QStringLiteral("outside-%1-%2.png")
                               .arg(QLatin1String(QTest::currentDataTag()), where);
            name.replace(QRegularExpression(QStringLiteral("[^\\w.]+")), QStringLiteral("-"));
            image.save(QDir(pngDir).filePath(name));
        }
        ++m_checked;
    }
    // A message box as it came up, checked and then answered.
    DialogAnswers::Answer box(const QString &where, QMessageBox::StandardButton button)
    {
        return [this, where, button](QWidget *dialog) {
            (*this)(dialog, where);
            DialogAnswers::press(button)(dialog);
        };
    }

    // Waits until the screen has the text (the check then says what it shows instead).
    template <class Condition> void waitFor(Condition condition, int ms)
    {
        if (!QTest::qWaitFor(condition, ms))
            m_faults << QStringLiteral("waited %1 ms in vain").arg(ms);
    }

    QStringList faults() const { return m_faults; }
    int checked() const { return m_checked; }

private:
    QString m_text;
    QStringList m_faults;
    int m_checked = 0;
};

template <class Widget> Widget *child(QWidget *screen, const char *name)
{
    return screen ? screen->findChild<Widget *>(QLatin1String(name)) : nullptr;
}

// The settings file, written as the toolkit writes it (so any text survives the round).
void writeSettings(const QString &root, const QVariantMap &values)
{
    QSettings settings(root + QStringLiteral("/mnt/data/kovinta.ini"), QSettings::IniFormat);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        settings.setValue(it.key(), it.value());
}
} // namespace

class TestOutsideText : public QObject
{
    Q_OBJECT
private slots:
    void outsideTextShowsAsText_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("text");
        for (const char *source : {"stored result", "scanned asset", "settings file",
                                   "channel controllers", "Bluetooth"}) {
            QTest::addRow("%s, image of /dev/zero", source)
                << source << QStringLiteral("<img src=\"/dev/zero\">");
            QTest::addRow("%s, bold", source) << source << QStringLiteral("<b>x</b>");
        }
    }
    void outsideTextShowsAsText()
    {
        QFETCH(QString, source);
        QFETCH(QString, text);
        Check check(text);
        qint64 growthMb = 0;
        if (source == "stored result")
            growthMb = storedResult(text, check);
        else if (source == "scanned asset")
            growthMb = scannedAsset(text, check);
        else if (source == "settings file")
            growthMb = settingsFile(text, check);
        else if (source == "channel controllers")
            growthMb = channelControllers(text, check);
        else
            growthMb = bluetooth(text, check);
        if (QTest::currentTestFailed()) {
            qInfo("%s", qPrintable(check.faults().join('\n')));
            return;
        }
        qInfo("%s: %d places checked, resident memory grew by %lld MB at most", qPrintable(source),
              check.checked(), growthMb);
        QVERIFY2(check.faults().isEmpty(), qPrintable(check.faults().join('\n')));
        QVERIFY2(growthMb < 128, qPrintable(QString::number(growthMb) + " MB"));
    }

private:
    // A result stored with the text as its asset identity and sequence name, with a user
    // test whose prompt and units are the text: the list, the details, the user test and
    // the sequence that is not stored.
    qint64 storedResult(const QString &text, Check &check)
    {
        SetupBench bench;
        if (!bench.menu)
            return -1;
        QDir().mkpath(bench.area.root().path(TestResultManager::assetResultsDirectory));
        auto *user = new TestResultElementUserTest;
        user->testName = text;
        user->testUnits = text;
        user->status = TEST_PASS;
        user->channelId = 1;
        MedicalApplianceResult record;
        record.overallResult = TEST_PASS;
        record.testDate = QDateTime(QDate(2024, 3, 4), QTime(16, 15));
        record.applianceName = text;
        record.testSequenceName = text;
        record.testResultsData = TestResultFactory::toByteArray({user});
        delete user;
        if (!storeRecords({record})) {
            QTest::qFail("the result was not stored", __FILE__, __LINE__);
            return -1;
        }
        if (!bench.area.activate()) {
            QTest::qFail("no active screen area", __FILE__, __LINE__);
            return -1;
        }
        const MemoryWatch watch;
        DataMenu *data = bench.menu->getDataMenuScreen();
        data->showScreen(true);
        key(Qt::Key_F2); // View
        ViewData *list = data->viewScreen();
        if (!list || list->dataTableSize() != 1) {
            QTest::qFail("the result is not listed", __FILE__, __LINE__);
            return -1;
        }
        key(Qt::Key_F2);
        ViewDataAssetDetails *details = list->assetDetailsScreen();
        QApplication::processEvents();
        check(child<QLabel>(details, "asset_value_label"), "asset details, asset");
        check(child<QLabel>(details, "seq_value_label"), "asset details, sequence");
        key(Qt::Key_Escape); // Results
        key(Qt::Key_Escape); // View the user test
        ViewDataUserTestResult *userScreen =
            details->testResultsScreen() ? details->testResultsScreen()->userScreen() : nullptr;
        QApplication::processEvents();
        check(child<QPlainTextEdit>(userScreen, "testNameTextEdit"), "user test, prompt");
        check(child<QLineEdit>(userScreen, "unitLineEdit"), "user test, units");
        keys({Qt::Key_F1, Qt::Key_F1});
        {
            DialogAnswers answers({check.box("sequence not found", QMessageBox::Ok)});
            key(Qt::Key_F3);
            if (answers.seen.size() != 1)
                QTest::qFail("no box for the sequence", __FILE__, __LINE__);
        }
        return watch.growthMb();
    }

    // The text as the asset identity of an automatic run, in the summary of the channels.
    qint64 scannedAsset(const QString &text, Check &check)
    {
        SetupBench bench;
        if (!bench.menu || !bench.area.settle() || !bench.area.activate()) {
            QTest::qFail("no board", __FILE__, __LINE__);
            return -1;
        }
        const MemoryWatch watch;
        bench.area.board()->setChannelIsAutoMode(1, true);
        TestResultManager::getInstance()->setAssetId(text, 1);
        SummaryManualScreen *summary = bench.menu->getSummaryManualScreen();
        summary->showScreen(true);
        auto *asset = child<QLabel>(summary, "label_Channel_2_Asset_Id");
        check.waitFor([&] { return asset && !asset->text().isEmpty(); }, 5000);
        check(asset, "summary, asset of channel 2");
        return watch.growthMb();
    }

    // The serial number and the date and time formats as the settings file holds them:
    // the clock of the main menu, the instrument's serial number, a result's date.
    qint64 settingsFile(const QString &text, Check &check)
    {
        const QString quoted = QLatin1Char('\'') + text + QLatin1Char('\'');
        SetupBench bench({ScreenArea::defaultSettings(), false, {}, [&](const QString &root) {
                              writeSettings(root, {{"Serial_num", text},
                                                   {"Date_format", quoted + "dd.MM.yyyy"},
                                                   {"Time_format", "hh:mm:ss" + quoted}});
                          }});
        if (!bench.menu || !bench.area.activate()) {
            QTest::qFail("no main menu", __FILE__, __LINE__);
            return -1;
        }
        QDir().mkpath(bench.area.root().path(TestResultManager::assetResultsDirectory));
        MedicalApplianceResult record;
        record.overallResult = TEST_PASS;
        record.testDate = QDateTime(QDate(2024, 3, 4), QTime(16, 15));
        record.applianceName = QStringLiteral("Pump 1");
        if (!storeRecords({record})) {
            QTest::qFail("the result was not stored", __FILE__, __LINE__);
            return -1;
        }
        const MemoryWatch watch;
        bench.menu->showScreen(true);
        auto *clock = child<QLabel>(bench.menu, "label_Clock");
        check.waitFor([&] { return clock && clock->text().contains(text); }, 3000);
        check(clock, "main menu, clock");
        auto *about = bench.screen<AboutDetailsScreen>();
        about->showScreen(true);
        QApplication::processEvents();
        check(child<QLabel>(about, "serialNoLabel"), "about, serial number");
        DataMenu *data = bench.menu->getDataMenuScreen();
        data->showScreen(true);
        key(Qt::Key_F2);
        key(Qt::Key_F2);
        ViewDataAssetDetails *details =
            data->viewScreen() ? data->viewScreen()->assetDetailsScreen() : nullptr;
        QApplication::processEvents();
        check(child<QLabel>(details, "testDate_value_label"), "asset details, date");
        return watch.growthMb();
    }

    // A controller reporting the text as its versions and serial number.
    qint64 channelControllers(const QString &text, Check &check)
    {
        SetupBench bench({ScreenArea::defaultSettings(), false, [&](PowerBoardSim &sim) {
                              sim.controller(0).setIdentity((text + "," + text).toLatin1(),
                                                            text.toLatin1());
                          }});
        if (!bench.menu || !bench.area.settle() || !bench.area.activate()) {
            QTest::qFail("no board", __FILE__, __LINE__);
            return -1;
        }
        const MemoryWatch watch;
        auto *about = bench.screen<AboutDetailsScreen>();
        about->showScreen(true);
        auto *serial = child<QLabel>(about, "label_AboutDetails_ChSerial_1");
        check.waitFor([&] { return !serial->text().isEmpty(); }, 15000);
        check(child<QLabel>(about, "label_AboutDetails_ChFw1"), "about, firmware version");
        check(child<QLabel>(about, "label_AboutDetails_ChHw1"), "about, hardware version");
        check(serial, "about, channel serial number");
        return watch.growthMb();
    }

    // The module named after the instrument's serial number, a device around it and the
    // phone favourite named by the text, and a file the phone pushes under that name.
    qint64 bluetooth(const QString &text, Check &check)
    {
        // The module quotes a device's name in its reply, so the name holds no quotes.
        const QString deviceName = QString(text).remove(QLatin1Char('"'));
        QList<BtModuleSim::Device> around = BtModuleSim::defaultDevices();
        around[2].name = deviceName.toLatin1();
        BtModuleSim sim;
        sim.devices() = around;
        SetupBench bench({ScreenArea::defaultSettings(), false, {}, [&](const QString &root) {
                              writeSettings(root, {{"Serial_num", text},
                                                   {"BluetoothFavourites/MobilePhone/Id",
                                                    QString::fromLatin1(around.at(1).address)},
                                                   {"BluetoothFavourites/MobilePhone/Name", text}});
                              if (!sim.start(root))
                                  QTest::qFail("no module", __FILE__, __LINE__);
                          }});
        BluetoothFavourites *bt = BluetoothFavourites::getInstance();
        if (!bench.menu || !bench.area.activate() ||
            !QTest::qWaitFor([&] { return !sim.btName().isEmpty() && bt->mode() == BT_MODE_OFF; },
                             10000)) {
            QTest::qFail("the module was not set up", __FILE__, __LINE__);
            return -1;
        }
        const MemoryWatch watch;
        auto *about = bench.screen<AboutBluetoothScreen>();
        about->showScreen(true);
        auto *name = child<QLabel>(about, "BT_name_label");
        check.waitFor([&] { return name->text().contains(text); }, 10000);
        check(name, "about Bluetooth, module name");

        auto *favourites = new BluetoothFavouritesScreen(bench.menu->getDataMenuScreen(), nullptr);
        favourites->showScreen(true);
        key(Qt::Key_F2);
        FindDevicesScreen *search = favourites->searchScreen();
        check.waitFor([&] { return search->isSearchFinished(); }, 10000);
        check(child<QListWidget>(search, "listWidget"), "search, devices found", deviceName);
        key(Qt::Key_F1);
        check(child<QComboBox>(favourites, "mobilePhoneCombo"), "favourites, phone");
        favourites->disconnectAll(true);

        new DataTransfer(bench.menu, nullptr);
        auto *send = bench.screen<BluetoothDataTransfer>();
        send->setFilenameToSend(QString());
        send->showScreen(true);
        QApplication::processEvents();
        check(child<QLabel>(send, "labelBtInfo"), "send, phone favourite");
        key(Qt::Key_F1);

        auto *receive = bench.screen<BluetoothUpload>();
        receive->setUploadType(BluetoothUpload::UPLOAD_APPLIANCE_RESULTS);
        receive->showScreen(true);
        check(child<QLabel>(receive, "labelInstructions"), "receive, module name");
        check.waitFor(
            [&] { return sim.poweredOn() && sim.pin() == BluetoothFavourites::PairingPin; }, 10000);
        {
            DialogAnswers answers({check.box("receive, pushed file", QMessageBox::No)});
            if (!sim.pushToInstrument(text, QByteArray("not imported")))
                QTest::qFail("not pushed", __FILE__, __LINE__);
            else if (!QTest::qWaitFor([&] { return answers.seen.size() == 1; }, 10000))
                QTest::qFail("no file offered", __FILE__, __LINE__);
        }
        key(Qt::Key_F1);
        return watch.growthMb();
    }
};

RONDIX_TEST(TestOutsideText)
#include "tst_OutsideText.moc"
