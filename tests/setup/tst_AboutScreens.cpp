// The About area against the simulated power board: its pages and soft keys, the
// channels' identities and dates as the controllers report them, and the settings keys
// the rest of the system reads.
#include "AboutCalibrationScreen.h"
#include "AboutDetailsScreen.h"
#include "AboutScreen.h"
#include "GuiTest.h"
#include "InfusionPumpMainScreen.h"
#include "PowerBoardSim.h"
#include "SetupBench.h"
#include "SmallPartition.h"
#include "TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>

using namespace GuiTest;

namespace
{
constexpr int kReplyWaitMs = 15000;

// From the main menu to the About menu with its soft key.
bool openAbout(SetupBench &bench)
{
    if (!bench.menu || !bench.area.activate())
        return false;
    bench.menu->showScreen(true);
    key(Qt::Key_F4);
    return bench.area.current() == bench.screen<AboutScreen>();
}

QString text(QWidget *page, const QString &label)
{
    auto *l = page->findChild<QLabel *>(label);
    return l ? l->text() : QStringLiteral("<no %1>").arg(label);
}

// What a page shows of the four channels, one line per channel.
QStringList rows(QWidget *page, const QStringList &columns)
{
    QStringList shown;
    for (int ch = 1; ch <= 4; ++ch) {
        QStringList row;
        for (const QString &column : columns)
            row << text(page, column.arg(ch));
        shown << row.join(QLatin1Char('|'));
    }
    return shown;
}

const QStringList kIdentityColumns{"label_AboutDetails_ChFw%1", "label_AboutDetails_ChHw%1",
                                   "label_AboutDetails_ChSerial_%1"};
const QStringList kDateColumns{"label_AboutCalibrationCalDate_%1",
                               "label_AboutCalibrationVerifyDate_%1"};

// What the settings file holds for the four channels, in the same form.
QStringList identityKeys(const SetupBench &bench)
{
    QStringList keys;
    for (int ch = 1; ch <= 4; ++ch)
        keys << QStringList{bench.setting(QStringLiteral("FirmwareVersion_ch%1").arg(ch)),
                            bench.setting(QStringLiteral("HardwareVersion_ch%1").arg(ch)),
                            bench.setting(QStringLiteral("SerialNumber_ch%1").arg(ch))}
                    .join(QLatin1Char('|'));
    return keys;
}

QStringList dateKeys(const SetupBench &bench)
{
    QStringList keys;
    for (int ch = 1; ch <= 4; ++ch)
        keys << bench.setting(QStringLiteral("CalDate_ch%1").arg(ch)) + QLatin1Char('|') +
                    bench.setting(QStringLiteral("VerDate_ch%1").arg(ch));
    return keys;
}
} // namespace

class TestAboutScreens : public QObject
{
    Q_OBJECT
private slots:
    // Keys from the About menu, the page they reach, and where back leads from there.
    void softKeysLinkThePages_data()
    {
        QTest::addColumn<QList<int>>("path");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("back");
        const QString menu = "AboutScreen";
        QTest::newRow("details") << QList<int>{Qt::Key_F2} << "AboutDetailsScreen" << menu;
        QTest::newRow("dates") << QList<int>{Qt::Key_F3} << "AboutCalibrationScreen" << menu;
        QTest::newRow("contact") << QList<int>{Qt::Key_F4} << "AboutContactScreen" << menu;
        QTest::newRow("contact, details")
            << QList<int>{Qt::Key_F4, Qt::Key_F2} << "AboutDetailsScreen" << menu;
        QTest::newRow("contact, dates")
            << QList<int>{Qt::Key_F4, Qt::Key_F3} << "AboutCalibrationScreen" << menu;
        QTest::newRow("contact's F4 does nothing")
            << QList<int>{Qt::Key_F4, Qt::Key_F4} << "AboutContactScreen" << menu;
        QTest::newRow("details, Bluetooth")
            << QList<int>{Qt::Key_F2, Qt::Key_F2} << "AboutBluetoothScreen"
            << "AboutDetailsScreen";
        QTest::newRow("Bluetooth's F2 to F4 do nothing")
            << QList<int>{Qt::Key_F2, Qt::Key_F2, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4}
            << "AboutBluetoothScreen"
            << "AboutDetailsScreen";
        QTest::newRow("details, dates")
            << QList<int>{Qt::Key_F2, Qt::Key_F3} << "AboutCalibrationScreen" << menu;
        QTest::newRow("details, contact")
            << QList<int>{Qt::Key_F2, Qt::Key_F4} << "AboutContactScreen" << menu;
        QTest::newRow("dates, details")
            << QList<int>{Qt::Key_F3, Qt::Key_F2} << "AboutDetailsScreen" << menu;
        QTest::newRow("dates, caption-less F3: the PIN gate")
            << QList<int>{Qt::Key_F3, Qt::Key_F3} << "PinEntry" << menu;
        QTest::newRow("dates, contact")
            << QList<int>{Qt::Key_F3, Qt::Key_F4} << "AboutContactScreen" << menu;
    }
    void softKeysLinkThePages()
    {
        QFETCH(QList<int>, path);
        QFETCH(QString, page);
        QFETCH(QString, back);
        SetupBench bench;
        QVERIFY(openAbout(bench));
        keys(path);
        QCOMPARE(bench.area.current()->metaObject()->className(), qPrintable(page));
        QVERIFY(bench.area.savePng(QDir::temp().filePath("about-" + page + ".png")));
        key(Qt::Key_F1);
        QCOMPARE(bench.area.current()->metaObject()->className(), qPrintable(back));
        if (back == "AboutScreen") {
            key(Qt::Key_F1);
            QCOMPARE(bench.area.current(), bench.menu);
        }
    }

    // The main menu's "About" row opens it too, and the menu always shows the product
    // and the maker's contact, whatever a language change did to its form.
    void theMenuTellsWhatAndWhom()
    {
        SetupBench bench;
        QVERIFY(openAbout(bench));
        AboutScreen *about = bench.screen<AboutScreen>();
        const QStringList shown{
            text(about, "label_AboutDetails_1"), text(about, "label_AboutDetails_2"),
            text(about, "label_AboutDetails_3"), text(about, "label_AboutDetails_4")};
        QCOMPARE(shown.at(0), QString("Pexon Kovinta Infusion Pump Analyser"));
        QVERIFY(!shown.at(1).isEmpty() && shown.at(2).contains('@') &&
                shown.at(3).startsWith("www."));
        QVERIFY(bench.area.savePng(QDir::temp().filePath("about-AboutScreen.png")));
        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(about, &change);
        QCOMPARE(text(about, "label_AboutDetails_1"), shown.at(0));
        QCOMPARE(text(about, "label_AboutDetails_4"), shown.at(3));

        key(Qt::Key_F1);
        turn(4);
        key(Qt::Key_Escape);
        QCOMPARE(bench.area.current(), about);
    }

    // Usable channels show their controllers' replies, an absent one "N/A" (translated on
    // the identities page only), and the settings keys hold what is shown. Once the
    // values stand, the refresh leaves the settings file alone.
    void identitiesAndDatesOfTheChannels_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("absent");
        QTest::newRow("English") << "en"
                                 << "N/A";
        QTest::newRow("Polish") << "pl"
                                << "b.d.";
    }
    void identitiesAndDatesOfTheChannels()
    {
        QFETCH(QString, language);
        QFETCH(QString, absent);
        SetupBench bench({ScreenArea::defaultSettings() +
                              "Serial_num=KV-0042\nLanguageFile=/home/translations/kovinta_" +
                              language.toLatin1() + ".qm\n",
                          true, [](PowerBoardSim &sim) { sim.setAbsent(2, true); }});
        QVERIFY(bench.area.settle());
        QVERIFY(openAbout(bench));
        key(Qt::Key_F2);
        auto *details = bench.screen<AboutDetailsScreen>();
        QCOMPARE(bench.area.current(), details);
        const QStringList identities{"2.07|PB-C|PB2403-101", "2.07|PB-C|PB2403-102",
                                     absent + "|" + absent + "|", "2.07|PB-C|PB2403-104"};
        QTRY_COMPARE_WITH_TIMEOUT(rows(details, kIdentityColumns), identities, kReplyWaitMs);
        QCOMPARE(text(details, "serialNoLabel"), QString("KV-0042"));
        QVERIFY(!text(details, "label_AboutDetails_FirmWareVal").isEmpty());
        QTRY_COMPARE(identityKeys(bench), identities);
        QVERIFY(bench.area.savePng(QDir::temp().filePath("about-details-" + language + ".png")));

        key(Qt::Key_F3);
        auto *dates = bench.screen<AboutCalibrationScreen>();
        QCOMPARE(bench.area.current(), dates);
        const QStringList calibrated{"12 Mar 2026|2 Apr 2026", "13 Mar 2026|2 Apr 2026", "N/A|N/A",
                                     "15 Mar 2026|2 Apr 2026"};
        QTRY_COMPARE_WITH_TIMEOUT(rows(dates, kDateColumns), calibrated, kReplyWaitMs);
        QTRY_COMPARE(dateKeys(bench), calibrated);
        QVERIFY(bench.area.savePng(QDir::temp().filePath("about-dates-" + language + ".png")));

        // Nothing changes now: three refreshes of each page write nothing.
        const quint64 settings = TempRoot::inodeOf(bench.area.settingsPath());
        QTest::qWait(3 * AboutDetailsScreen::RefreshMs + 200);
        QCOMPARE(TempRoot::inodeOf(bench.area.settingsPath()), settings);
    }

    // A channel that stops answering shows "Fault" and an empty serial number, although
    // its replies are still held, and its keys follow; when it answers again, its
    // replies show again.
    void aChannelThatLosesContactShowsFault()
    {
        SetupBench bench;
        QVERIFY(bench.area.settle());
        QVERIFY(openAbout(bench));
        key(Qt::Key_F2);
        auto *details = bench.screen<AboutDetailsScreen>();
        auto *dates = bench.screen<AboutCalibrationScreen>();
        QTRY_COMPARE_WITH_TIMEOUT(rows(details, kIdentityColumns).at(1),
                                  QString("2.07|PB-C|PB2403-102"), kReplyWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(rows(dates, kDateColumns).at(1),
                                  QString("13 Mar 2026|2 Apr 2026"), kReplyWaitMs);

        bench.area.sim().setSilent(1, true);
        QTRY_COMPARE_WITH_TIMEOUT(rows(details, kIdentityColumns).at(1), QString("Fault|Fault|"),
                                  kReplyWaitMs);
        QTRY_COMPARE(rows(dates, kDateColumns).at(1), QString("Fault|Fault"));
        QTRY_COMPARE(identityKeys(bench).at(1), QString("Fault|Fault|"));
        QTRY_COMPARE(dateKeys(bench).at(1), QString("Fault|Fault"));
        // The other channels go on as they were.
        QCOMPARE(rows(details, kIdentityColumns).at(0), QString("2.07|PB-C|PB2403-101"));

        bench.area.sim().setSilent(1, false);
        QTRY_COMPARE_WITH_TIMEOUT(rows(details, kIdentityColumns).at(1),
                                  QString("2.07|PB-C|PB2403-102"), kReplyWaitMs);
        QTRY_COMPARE(identityKeys(bench).at(1), QString("2.07|PB-C|PB2403-102"));
    }

    // A change the full data partition cannot take keeps the old file; the operator is
    // told once on the page on show, and on the other page when it is opened; the keys
    // are written once there is room again.
    void aKeyThatCannotBeStoredIsToldAndTriedAgain()
    {
        SetupBench bench;
        SmallPartition partition(bench.area.root().path("/mnt/data"));
        if (!partition.mounted())
            QSKIP("mounting a tmpfs is not allowed here");
        QVERIFY(
            bench.area.root().writeFile("/mnt/data/kovinta.ini", ScreenArea::defaultSettings()));
        QVERIFY(bench.area.settle());
        QVERIFY(openAbout(bench));
        key(Qt::Key_F2);
        QTRY_COMPARE_WITH_TIMEOUT(identityKeys(bench).at(1), QString("2.07|PB-C|PB2403-102"),
                                  kReplyWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(dateKeys(bench).at(1), QString("13 Mar 2026|2 Apr 2026"),
                                  kReplyWaitMs);
        const QByteArray stored = bench.area.root().readFile("/mnt/data/kovinta.ini");

        QVERIFY(partition.fillUp());
        DialogAnswers answers(
            {DialogAnswers::press(QMessageBox::Ok), DialogAnswers::press(QMessageBox::Ok)});
        bench.area.sim().setSilent(1, true);
        QTRY_COMPARE_WITH_TIMEOUT(answers.seen.size(), 1, kReplyWaitMs);
        QCOMPARE(answers.seen.at(0).text, QString("The channel details could not be saved."));
        QTest::qWait(2 * AboutDetailsScreen::RefreshMs + 200);
        QCOMPARE(answers.seen.size(), 1);
        QCOMPARE(bench.area.root().readFile("/mnt/data/kovinta.ini"), stored);

        // The dates page may see the silence a little after the details page did: under
        // load its own failed store can come after it is opened, and is told then.
        key(Qt::Key_F3);
        QTRY_COMPARE_WITH_TIMEOUT(answers.seen.size(), 2, kReplyWaitMs);
        QCOMPARE(bench.area.current(), bench.screen<AboutCalibrationScreen>());

        QVERIFY(QFile::remove(bench.area.root().path("/mnt/data/fill-up")));
        QTRY_COMPARE_WITH_TIMEOUT(identityKeys(bench).at(1), QString("Fault|Fault|"), kReplyWaitMs);
        QTRY_COMPARE(dateKeys(bench).at(1), QString("Fault|Fault"));
        QCOMPARE(answers.seen.size(), 2);
    }
};

RONDIX_TEST(TestAboutScreens)
#include "tst_AboutScreens.moc"
