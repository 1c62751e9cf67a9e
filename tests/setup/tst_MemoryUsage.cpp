#include "CheckBox.h"
#include "GuiTest.h"
#include "MemoryUsage.h"
#include "RestoreSettings.h"
#include "SetupBench.h"
#include "SmallPartition.h"
#include "TestRegistry.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace GuiTest;

namespace
{
QString figure(QWidget *screen, const char *name)
{
    return screen->findChild<QLabel *>(name)->text();
}

QStringList stored(const TempRoot &root, const QString &folder)
{
    return QDir(root.path(folder)).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// The restore screen on its own, with a power-off notice that gives way after a few
// openings so the test ends.
class RestoreUntilNotice : public RestoreSettings
{
public:
    RestoreUntilNotice(QWidget *previous) : RestoreSettings(previous, nullptr) {}
    int noticeOpenings = 0;

protected:
    bool reopenPowerOffNotice() override { return ++noticeOpenings < 3; }
};

struct RestoreBench {
    RestoreBench()
    {
        area.root().writeFile("/mnt/data/kovinta.ini", settings);
        area.root().writeFile("/mnt/data/testSequences/SEQ-A", "a");
        area.root().writeFile("/mnt/data/testSequences/SEQ-B", "b");
        area.root().writeFile("/mnt/data/testResults/PUMP-1_01022024_101010", "r");
        previous = new ScreenBase(nullptr, nullptr);
        restore = new RestoreUntilNotice(previous);
    }
    bool open()
    {
        if (!area.activate())
            return false;
        restore->showScreen(true);
        return restore->findChild<CheckBox *>("restoreSettingsBox")->hasFocus();
    }
    // Ticks the boxes in form order with the encoder and the select key.
    void tick(bool settingsBox, bool sequencesBox, bool resultsBox)
    {
        for (bool on : {settingsBox, sequencesBox, resultsBox}) {
            if (on)
                key(Qt::Key_Escape);
            turn(1);
        }
    }
    const QByteArray settings =
        "[General]\nDate_format=MM.dd.yyyy\nSerial_num=KV-0815\nPressureUnits=2\n";
    ScreenArea area;
    ScreenBase *previous;
    RestoreUntilNotice *restore;
};
} // namespace

class TestMemoryUsage : public QObject
{
    Q_OBJECT
private slots:
    void figuresAreWorkedOutOnEachVisit()
    {
        SetupBench bench;
        SmallPartition partition(bench.area.root().path("/mnt/data"));
        if (!partition.mounted())
            QSKIP("mounting a tmpfs is not allowed here");
        QVERIFY(partition.fillPages(42));
        QVERIFY(bench.area.root().writeFile("/mnt/data/testResults/A_01022024_101010", "a"));
        QVERIFY(bench.area.root().writeFile("/mnt/data/testResults/A_02022024_101010", "a"));
        QVERIFY(bench.area.root().writeFile("/mnt/data/testSequences/SEQ", "s"));
        QVERIFY(bench.openSetup());
        turn(3);
        key(Qt::Key_Escape);
        auto *memory = bench.screen<MemoryUsage>();
        QCOMPARE(bench.area.current(), memory);
        // Two results of one asset count apart; the few bytes of the files do not reach
        // the tenth of a percent.
        QCOMPARE(figure(memory, "numAssetsLabel"), QString("2"));
        QCOMPARE(figure(memory, "numSequencesLabel"), QString("1"));
        QCOMPARE(figure(memory, "totalMemoryLabel"), QString("45.0 %"));
        QVERIFY(bench.area.savePng(QDir::temp().filePath("setup-MemoryUsage.png")));

        QVERIFY(bench.area.root().writeFile("/mnt/data/testResults/B_01022024_101010", "b"));
        QVERIFY(partition.fillPages(95));
        keys({Qt::Key_F1, Qt::Key_Escape});
        QCOMPARE(figure(memory, "numAssetsLabel"), QString("3"));
        QCOMPARE(figure(memory, "totalMemoryLabel"), QString("99.0 %"));

        // F4 leads on to the restore screen, F1 comes back.
        key(Qt::Key_F4);
        QCOMPARE(bench.area.current(), memory->restoreScreen());
        key(Qt::Key_F1);
        QCOMPARE(bench.area.current(), memory);
    }

    void anUnmeasurablePartitionShowsDashes()
    {
        SetupBench bench;
        QVERIFY(bench.openSetup());
        const QString saved = MemoryUsage::dataDirPath;
        MemoryUsage::dataDirPath = "/mnt/nothing";
        turn(3);
        key(Qt::Key_Escape);
        MemoryUsage::dataDirPath = saved;
        QCOMPARE(figure(bench.screen<MemoryUsage>(), "totalMemoryLabel"), QString("---"));
        QCOMPARE(figure(bench.screen<MemoryUsage>(), "numAssetsLabel"), QString("0"));
    }

    // No, or the select key pressed once more by habit: the question opens on No.
    void noLeavesEverythingAsItWas_data()
    {
        QTest::addColumn<bool>("selectAsOpened");
        QTest::newRow("no") << false;
        QTest::newRow("select as opened") << true;
    }
    void noLeavesEverythingAsItWas()
    {
        QFETCH(bool, selectAsOpened);
        RestoreBench bench;
        QVERIFY(bench.open());
        bench.tick(true, true, true);
        QMessageBox::StandardButton opened = QMessageBox::NoButton;
        const DialogAnswers::Answer select = [&opened](QWidget *dialog) {
            auto *box = qobject_cast<QMessageBox *>(dialog);
            if (box && box->defaultButton() == box->focusWidget())
                opened = box->standardButton(box->defaultButton());
            key(Qt::Key_Escape);
        };
        DialogAnswers answers({selectAsOpened ? select : DialogAnswers::press(QMessageBox::No)});
        key(Qt::Key_F4);
        if (selectAsOpened)
            QCOMPARE(opened, QMessageBox::No);
        QCOMPARE(answers.seen.size(), 1);
        QCOMPARE(answers.seen[0].title, QString("Settings Restore"));
        QCOMPARE(answers.seen[0].text, QString("Are you sure?"));
        QCOMPARE(answers.seen[0].icon, QMessageBox::Warning);
        QCOMPARE(bench.area.root().readFile("/mnt/data/kovinta.ini"), bench.settings);
        QCOMPARE(stored(bench.area.root(), "/mnt/data/testSequences"),
                 QStringList({"SEQ-A", "SEQ-B"}));
        QCOMPARE(bench.area.current(), bench.restore);
        QVERIFY(bench.restore->isRestoreSettingsChecked());
        QVERIFY(bench.restore->isDeleteSequencesChecked());
        QVERIFY(bench.restore->isDeleteResultsChecked());
    }

    void yesRestoresWhatIsTickedThenHoldsUntilPowerOff_data()
    {
        QTest::addColumn<bool>("settingsBox");
        QTest::addColumn<bool>("sequencesBox");
        QTest::addColumn<bool>("resultsBox");
        QTest::newRow("nothing ticked") << false << false << false;
        QTest::newRow("settings") << true << false << false;
        QTest::newRow("sequences") << false << true << false;
        QTest::newRow("results") << false << false << true;
        QTest::newRow("everything") << true << true << true;
    }
    void yesRestoresWhatIsTickedThenHoldsUntilPowerOff()
    {
        QFETCH(bool, settingsBox);
        QFETCH(bool, sequencesBox);
        QFETCH(bool, resultsBox);
        RestoreBench bench;
        QVERIFY(bench.open());
        bench.tick(settingsBox, sequencesBox, resultsBox);
        QVERIFY(bench.area.savePng(QDir::temp().filePath("setup-RestoreSettings.png")));
        DialogAnswers answers({DialogAnswers::press(QMessageBox::Yes)});
        key(Qt::Key_F4);

        QCOMPARE(bench.area.root().readFile("/mnt/data/kovinta.ini"),
                 settingsBox ? QByteArray("[General]\nSerial_num=KV-0815\n") : bench.settings);
        QCOMPARE(stored(bench.area.root(), "/mnt/data/testSequences"),
                 sequencesBox ? QStringList() : QStringList({"SEQ-A", "SEQ-B"}));
        QCOMPARE(stored(bench.area.root(), "/mnt/data/testResults"),
                 resultsBox ? QStringList() : QStringList({"PUMP-1_01022024_101010"}));
        QVERIFY(QFileInfo(bench.area.root().path("/mnt/data/testResults")).isDir());

        // The confirmation, then the power-off notice: no button, opened again each time
        // it closes.
        QCOMPARE(answers.seen.size(), 4);
        QCOMPARE(answers.seen[0].informative,
                 QString("The selected items will be restored to factory settings, you will be "
                         "required to power down once this step is complete."));
        for (int i = 1; i < 4; ++i) {
            QCOMPARE(answers.seen[i].title, QString("Factory Restore"));
            QCOMPARE(answers.seen[i].text,
                     QString("You must turn off the power for the new settings to take effect"));
            QCOMPARE(answers.seen[i].informative, QString());
            QCOMPARE(answers.seen[i].icon, QMessageBox::Information);
            QCOMPARE(answers.seen[i].buttons, 0);
        }
        QCOMPARE(bench.restore->noticeOpenings, 3);
    }

    void whatCouldNotBeRemovedIsListedBeforeTheNotice()
    {
        RestoreBench bench;
        for (const char *name : {"A", "B", "C", "D"})
            QVERIFY(QDir().mkpath(bench.area.root().path("/mnt/data/testResults/busy") + name));
        std::vector<std::unique_ptr<SmallPartition>> mounts;
        for (const char *name : {"A", "B", "C", "D"}) {
            mounts.emplace_back(
                new SmallPartition(bench.area.root().path("/mnt/data/testResults/busy") + name));
            if (!mounts.back()->mounted())
                QSKIP("mounting a tmpfs is not allowed here");
        }
        QVERIFY(bench.open());
        bench.tick(false, false, true);
        DialogAnswers answers(
            {DialogAnswers::press(QMessageBox::Yes), DialogAnswers::press(QMessageBox::Ok)});
        key(Qt::Key_F4);
        QVERIFY(answers.seen.size() >= 3);
        QCOMPARE(answers.seen[1].title, QString("Factory Restore"));
        QCOMPARE(answers.seen[1].icon, QMessageBox::Warning);
        QCOMPARE(answers.seen[1].text,
                 QString("Could not be removed:\ntestResults/busyA\ntestResults/busyB\n"
                         "testResults/busyC\nand 1 more"));
        QCOMPARE(answers.seen[2].text,
                 QString("You must turn off the power for the new settings to take effect"));
        QCOMPARE(stored(bench.area.root(), "/mnt/data/testResults"), QStringList());
    }
};

RONDIX_TEST(TestMemoryUsage)
#include "tst_MemoryUsage.moc"
