#include "GuiTest.h"
#include "SequenceBench.h"
#include "SequenceFiles.h"
#include "TestRegistry.h"
#include "TestSequenceOptions.h"
#include "TestSequenceScreen.h"

#include <QDir>
#include <QLabel>
#include <QTest>

using namespace GuiTest;
using namespace SequenceFiles;

namespace
{
// The list with "A" (one flow element) and "A_2", the options of the given row open.
struct OptionsBench : SequenceBench {
    bool openOptions(int row)
    {
        if (!writeFile("A", header() + nameA() + oneFlowElement()) ||
            !writeFile("A_2", header() + nameA2() + oneFlowElement()) || !open())
            return false;
        turn(1 + row);
        key(Qt::Key_F4);
        return area.current() == list->optionsScreen();
    }
};
} // namespace

class TestSequenceOptionsTest : public QObject
{
    Q_OBJECT
private slots:
    void copyTakesTheFirstFreeNumber()
    {
        OptionsBench bench;
        QVERIFY(bench.openOptions(0));
        QCOMPARE(bench.list->optionsScreen()->findChild<QLabel *>("label_MSG_Prime")->text(),
                 QString("A"));
        QVERIFY(bench.area.savePng(QDir::temp().filePath("TestSequenceOptions.png")));
        QCOMPARE(dialogs(press(Qt::Key_F2), {}), QStringList());
        QCOMPARE(bench.area.current(), bench.list);
        QCOMPARE(bench.files(), QStringList({"A", "A_2", "A_3"}));
        QCOMPARE(bench.file("A_3"), header() + nameA3() + oneFlowElement());
        QCOMPARE(bench.file("A"), header() + nameA() + oneFlowElement());

        // The select key on the menu's first row copies too: "A_2" becomes "A_2_2".
        turn(2);
        key(Qt::Key_F4);
        turn(1);
        key(Qt::Key_Escape);
        QCOMPARE(bench.area.current(), bench.list);
        QCOMPARE(bench.files(), QStringList({"A", "A_2", "A_2_2", "A_3"}));
        QCOMPARE(bench.file("A_2_2"),
                 header() +
                     QByteArray::fromHex("0a000000"
                                         "41005f0032005f003200") // "A_2_2"
                     + oneFlowElement());
    }

    void renameRewritesTheNameInsideTheFile()
    {
        OptionsBench bench;
        QVERIFY(bench.openOptions(0));
        QCOMPARE(dialogs(press(Qt::Key_F4), {type("WARD 9")}),
                 QStringList({"Enter new test sequence name"}));
        QCOMPARE(bench.area.current(), bench.list);
        QCOMPARE(bench.files(), QStringList({"A_2", "WARD_9"}));
        QCOMPARE(bench.file("WARD_9"),
                 header() +
                     QByteArray::fromHex("0c000000"
                                         "5700410052004400"
                                         "5f003900") // "WARD_9"
                     + oneFlowElement());
        QCOMPARE(bench.rows(), QStringList({"A_2", "WARD_9"}));
        QCOMPARE(bench.list->optionsScreen()->getTestSequenceName(), QString("WARD_9"));
    }

    void renameRefusedChangesNothing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("its own name") << "A"
                                      << "Test sequence name already exists: A";
        QTest::newRow("another's name") << "A 2"
                                        << "Test sequence name already exists: A_2";
        QTest::newRow("cleans to nothing") << ",,"
                                           << "Unable to rename test sequence";
        QTest::newRow("hidden") << ".A"
                                << "Unable to rename test sequence";
    }
    void renameRefusedChangesNothing()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        OptionsBench bench;
        QVERIFY(bench.openOptions(0));
        BoxSeen box;
        QCOMPARE(dialogs(press(Qt::Key_F4), {type(typed), button(QMessageBox::Ok, &box)}),
                 QStringList({"Enter new test sequence name", message}));
        QCOMPARE(box.title, QString("Warning"));
        QCOMPARE(bench.area.current(), bench.list);
        QCOMPARE(bench.files(), QStringList({"A", "A_2"}));
        QCOMPARE(bench.file("A"), header() + nameA() + oneFlowElement());
    }

    void renameCancelledAndSelectKeyOnRename()
    {
        OptionsBench bench;
        QVERIFY(bench.openOptions(0));
        turn(1);
        turn(1);
        turn(1); // "Copy", "Delete", "Rename"
        QCOMPARE(dialogs(press(Qt::Key_Escape), {cancel()}),
                 QStringList({"Enter new test sequence name"}));
        QCOMPARE(bench.area.current(), bench.list);
        QCOMPARE(bench.files(), QStringList({"A", "A_2"}));
    }

    void deleteAsksFirst()
    {
        OptionsBench bench;
        QVERIFY(bench.openOptions(1));
        BoxSeen box;
        QCOMPARE(dialogs(press(Qt::Key_F3), {button(QMessageBox::No, &box)}),
                 QStringList({"Are you sure?"}));
        QCOMPARE(box.title, QString("Delete Test Sequence"));
        QCOMPARE(box.informative, QString("This will delete test sequence A_2"));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(bench.area.current(), bench.list);
        QCOMPARE(bench.files(), QStringList({"A", "A_2"}));

        turn(2);
        key(Qt::Key_F4);
        QCOMPARE(dialogs(press(Qt::Key_F3), {button(QMessageBox::Yes)}),
                 QStringList({"Are you sure?"}));
        QCOMPARE(bench.area.current(), bench.list);
        QCOMPARE(bench.files(), QStringList({"A"}));
        QCOMPARE(bench.rows(), QStringList({"A"}));
    }

    // Delete chosen with the select key, then the select key once more by habit: the
    // question opens on No and the sequence stays.
    void deleteOpensOnNo()
    {
        OptionsBench bench;
        QVERIFY(bench.openOptions(1));
        turn(1);
        turn(1); // "Copy", "Delete"
        BoxSeen box;
        QCOMPARE(dialogs(press(Qt::Key_Escape), {selectAsOpened(&box)}),
                 QStringList({"Are you sure?"}));
        QCOMPARE(box.defaultButton, QMessageBox::No);
        QCOMPARE(box.focused, QMessageBox::No);
        QCOMPARE(bench.files(), QStringList({"A", "A_2"}));
    }
};

RONDIX_TEST(TestSequenceOptionsTest)
#include "tst_TestSequenceOptions.moc"
