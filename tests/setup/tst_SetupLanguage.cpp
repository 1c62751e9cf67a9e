#include "GuiTest.h"
#include "InfusionPumpMainScreen.h"
#include "RotaryEncoderList.h"
#include "SetupBench.h"
#include "SetupLanguage.h"
#include "SetupScreen.h"
#include "SmallPartition.h"
#include "TestRegistry.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

using namespace GuiTest;

namespace
{
const QStringList ENGLISH_MENU{"Perform Test", "Remote Control", "Data", "Setup", "About"};
const QStringList POLISH_MENU{"Wykonaj test", "Zdalne sterowanie", "Dane", "Ustawienia",
                              "Informacje"};

QStringList rows(const QWidget *screen)
{
    QStringList out;
    auto *list = screen->findChild<RotaryEncoderList *>("listMainMenuList");
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// Opens the language screen from the setup menu and chooses a row with the select key.
void choose(SetupBench &bench, int row)
{
    auto *list = bench.setup->findChild<RotaryEncoderList *>("listMainMenuList");
    turn(5 - list->selectedRow());
    key(Qt::Key_Escape);
    auto *languages =
        bench.screen<SetupLanguage>()->findChild<RotaryEncoderList *>("listMainMenuList");
    turn(row - languages->selectedRow());
    key(Qt::Key_Escape);
    QApplication::processEvents(); // the language change reaches the screens as an event
}
} // namespace

class TestSetupLanguage : public QObject
{
    Q_OBJECT
private slots:
    void comesUpInTheStoredLanguage()
    {
        SetupBench bench({"[General]\nLanguageFile=/home/translations/kovinta_pl.qm\n", true});
        QApplication::processEvents();
        QCOMPARE(bench.menuRows(), POLISH_MENU);
        QCOMPARE(bench.setupTitle(), QString("Ustawienia"));
        QCOMPARE(rows(bench.screen<SetupLanguage>()),
                 QStringList({"Angielski", "Angielski (USA)", "Polski", "Włoski"}));
        // The list opens on its first row whatever the language.
        QVERIFY(bench.openSetup());
        turn(5);
        key(Qt::Key_Escape);
        QCOMPARE(bench.screen<SetupLanguage>()->findChild<RotaryEncoderList *>()->selectedRow(), 0);
    }

    void withoutASettingEnglishIsLoadedAndStored()
    {
        SetupBench bench({"[General]\n", true});
        QApplication::processEvents();
        QCOMPARE(bench.menuRows(), ENGLISH_MENU);
        QCOMPARE(bench.setting("LanguageFile"), QString("/home/translations/kovinta_en.qm"));
    }

    void choosingALanguageRelabelsEveryScreen()
    {
        SetupBench bench({ScreenArea::defaultSettings(), true});
        QVERIFY(bench.openSetup());
        choose(bench, 2);
        // Back on the setup menu, in Polish, and so is the main menu.
        QCOMPARE(bench.area.current(), bench.setup);
        QCOMPARE(bench.setupTitle(), QString("Ustawienia"));
        QCOMPARE(rows(bench.setup),
                 QStringList({"Data i godzina", "Numer seryjny", "Sekwencje testów", "Pamięć",
                              "Jednostki ciśnienia", "Język"}));
        QCOMPARE(bench.menuRows(), POLISH_MENU);
        QCOMPARE(bench.setting("LanguageFile"), QString("/home/translations/kovinta_pl.qm"));
        QVERIFY(bench.area.savePng(QDir::temp().filePath("setup-SetupScreen-pl.png")));
        // The soft keys still answer after their texts changed.
        key(Qt::Key_F1);
        QCOMPARE(bench.area.current(), bench.menu);
        QCOMPARE(bench.menu->findChild<QPushButton *>("pushButtonPrime")->text(), QString("ZALEJ"));
        key(Qt::Key_Escape);

        choose(bench, 3);
        QCOMPARE(bench.setupTitle(), QString("Impostazioni"));
        QCOMPARE(rows(bench.screen<SetupLanguage>()),
                 QStringList({"Inglese", "Inglese (USA)", "Polacco", "Italiano"}));

        // Back to English: one translator of the screen's making stays installed.
        choose(bench, 0);
        QCOMPARE(bench.menuRows(), ENGLISH_MENU);
        QCOMPARE(bench.setupTitle(), QString("Setup"));
        QCOMPARE(bench.screen<SetupLanguage>()->findChildren<QTranslator *>().size(), 1);
        QCOMPARE(bench.setting("LanguageFile"), QString("/home/translations/kovinta_en.qm"));
    }

    void aMissingTranslationIsStoredAndShowsEnglish()
    {
        SetupBench bench; // no translations installed
        QVERIFY(bench.openSetup());
        choose(bench, 2);
        QCOMPARE(bench.setting("LanguageFile"), QString("/home/translations/kovinta_pl.qm"));
        QCOMPARE(bench.setupTitle(), QString("Setup"));
        QCOMPARE(bench.menuRows(), ENGLISH_MENU);
    }

    void backLeavesTheLanguage()
    {
        SetupBench bench({ScreenArea::defaultSettings(), true});
        QVERIFY(bench.openSetup());
        turn(5);
        key(Qt::Key_Escape);
        turn(2);
        key(Qt::Key_F1);
        QApplication::processEvents();
        QCOMPARE(bench.area.current(), bench.setup);
        QCOMPARE(bench.setupTitle(), QString("Setup"));
        QCOMPARE(bench.setting("LanguageFile"), QString("/home/translations/kovinta_en.qm"));
    }

    void aLanguageThatCannotBeStoredAppliesAndIsReported()
    {
        SetupBench bench({ScreenArea::defaultSettings(), true});
        SmallPartition partition(bench.area.root().path("/mnt/data"));
        if (!partition.mounted())
            QSKIP("mounting a tmpfs is not allowed here");
        const QByteArray before = "[General]\nLanguageFile=/home/translations/kovinta_en.qm\n";
        QVERIFY(bench.area.root().writeFile("/mnt/data/kovinta.ini", before));
        QVERIFY(partition.fillUp());
        QVERIFY(bench.openSetup());
        DialogAnswers answers({DialogAnswers::press(QMessageBox::Ok)});
        choose(bench, 3);
        QCOMPARE(answers.seen.size(), 1);
        // Worded in the language just chosen.
        QCOMPARE(answers.seen[0].text, QString("Impossibile salvare la lingua. Resta valida fino "
                                               "allo spegnimento dello strumento."));
        QCOMPARE(bench.setupTitle(), QString("Impostazioni"));
        QCOMPARE(bench.area.root().readFile("/mnt/data/kovinta.ini"), before);
    }
};

RONDIX_TEST(TestSetupLanguage)
#include "tst_SetupLanguage.moc"
