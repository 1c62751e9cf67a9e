#include "GuiTest.h"
#include "SequenceBench.h"
#include "SequenceFiles.h"
#include "TestRegistry.h"
#include "TestSequenceEdit.h"
#include "TestSequenceOptions.h"
#include "TestSequenceScreen.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace GuiTest;
using namespace SequenceFiles;

class TestSequenceScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void listsTheStoredNamesIgnoringCase()
    {
        SequenceBench bench;
        for (const char *name : {"beta", "Alpha", "Gamma", ".hidden"})
            QVERIFY(bench.writeFile(name, header() + nameA()));
        QVERIFY(QDir().mkpath(bench.area.root().path("/mnt/data/testSequences/folder")));
        QVERIFY(bench.open());
        QCOMPARE(bench.rows(), QStringList({"Alpha", "beta", "Gamma"}));
        QCOMPARE(bench.chosenRow(), -1);
        QCOMPARE(bench.list->findChild<QLabel *>("label_MSG_Prime")->text(),
                 QString("Test Sequences"));
        QVERIFY(bench.area.savePng(QDir::temp().filePath("TestSequences.png")));

        // A file that appeared elsewhere is listed the next time the screen shows.
        QVERIFY(bench.writeFile("delta", header() + nameA()));
        bench.list->showScreen(true);
        QCOMPARE(bench.rows(), QStringList({"Alpha", "beta", "delta", "Gamma"}));
    }

    void newStoresAnEmptySequenceUnderTheCleanedName()
    {
        SequenceBench bench;
        QVERIFY(bench.writeFile("ALPHA", header() + nameA()));
        QVERIFY(bench.open());
        QCOMPARE(dialogs(press(Qt::Key_F2), {type(" WARD 3,B ")}),
                 QStringList({"Enter new test sequence name"}));
        QCOMPARE(bench.files(), QStringList({"ALPHA", "_WARD_3B_"}));
        QCOMPARE(bench.file("_WARD_3B_").toHex(), QByteArray("01000100"
                                                             "12000000"
                                                             "5f005700410052004400"
                                                             "5f00330042005f00"));
        // Ignoring case, "_" sorts before letters.
        QCOMPARE(bench.rows(), QStringList({"_WARD_3B_", "ALPHA"}));
        QCOMPARE(bench.chosenRow(), 0);
        QCOMPARE(bench.area.current(), bench.list);
    }

    void newRefusesWhatCannotBeListed_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("nothing") << ""
                                 << "Failed to create test sequence: ";
        QTest::newRow("only removed characters") << ",,,"
                                                 << "Failed to create test sequence: ";
        QTest::newRow("hidden") << ".A"
                                << "Failed to create test sequence: .A";
        QTest::newRow("dot dot") << ".."
                                 << "Failed to create test sequence: ..";
        QTest::newRow("exists") << "ALPHA"
                                << "Test sequence name already exists: ALPHA";
    }
    void newRefusesWhatCannotBeListed()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        SequenceBench bench;
        QVERIFY(bench.writeFile("ALPHA", header() + nameA()));
        QVERIFY(bench.open());
        BoxSeen box;
        QCOMPARE(dialogs(press(Qt::Key_F2), {type(typed), button(QMessageBox::Ok, &box)}),
                 QStringList({"Enter new test sequence name", message}));
        QCOMPARE(box.title, QString("Warning"));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(bench.files(), QStringList({"ALPHA"}));
        QCOMPARE(bench.file("ALPHA"), header() + nameA());
        QCOMPARE(bench.area.current(), bench.list);
    }

    void cancelledNameCreatesNothing()
    {
        SequenceBench bench;
        QVERIFY(bench.open());
        QCOMPARE(dialogs(press(Qt::Key_F2), {cancel()}),
                 QStringList({"Enter new test sequence name"}));
        QCOMPARE(bench.files(), QStringList());
        QCOMPARE(bench.rows(), QStringList());
    }

    void editAndMenuActOnlyOnAChosenRow()
    {
        SequenceBench bench;
        QVERIFY(bench.open());
        for (int k : {Qt::Key_F3, Qt::Key_Escape, Qt::Key_F4}) {
            QCOMPARE(dialogs(press(k), {}), QStringList());
            QCOMPARE(bench.area.current(), bench.list);
        }
        QVERIFY(bench.writeFile("A", header() + nameA() + oneFlowElement()));
        bench.list->showScreen(true);
        for (int k : {Qt::Key_F3, Qt::Key_Escape, Qt::Key_F4}) {
            key(k);
            QCOMPARE(bench.area.current(), bench.list);
        }

        turn(1);
        QCOMPARE(bench.chosenRow(), 0);
        key(Qt::Key_F4);
        QCOMPARE(bench.area.current(), bench.list->optionsScreen());
        QCOMPARE(bench.list->optionsScreen()->findChild<QLabel *>("label_MSG_Prime")->text(),
                 QString("A"));
        key(Qt::Key_F1);
        QCOMPARE(bench.area.current(), bench.list);
        QCOMPARE(bench.chosenRow(), -1); // the rebuilt list chooses nothing

        turn(1);
        key(Qt::Key_Escape); // select is Edit
        QCOMPARE(bench.area.current(), bench.editor());
        QCOMPARE(bench.editor()->getTestSequenceName(), QString("A"));
        QVERIFY(!bench.editor()->isViewOnlyMode());
        key(Qt::Key_F1);
        QCOMPARE(bench.area.current(), bench.list);
        key(Qt::Key_F1);
        QCOMPARE(bench.area.current(), bench.setupMenu);
    }
};

RONDIX_TEST(TestSequenceScreenTest)
#include "tst_TestSequenceScreen.moc"
