#include "AutoFlowTestSettings.h"
#include "GuiTest.h"
#include "SequenceBench.h"
#include "SequenceFiles.h"
#include "TestRegistry.h"
#include "TestSequenceEdit.h"
#include "TestSequenceEditOptions.h"
#include "TestSequenceInsertTest.h"
#include "TestSequenceScreen.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace GuiTest;
using namespace SequenceFiles;

namespace
{
QPushButton *softKey(QWidget *screen, const char *name)
{
    return screen->findChild<QPushButton *>(QLatin1String(name));
}

// An answer to the delete question: the select key on the button the box opened on.
constexpr int selectAsOpenedAnswer = -1;

// The list with the sequence "A" of four flow elements, open in the editor.
struct EditorBench : SequenceBench {
    bool openEditor()
    {
        if (!writeFile("A", header() + nameA() + fourFlowElements()) || !open())
            return false;
        turn(1);
        key(Qt::Key_F3);
        return area.current() == editor();
    }
    // Chooses a row of the editor's list, from none chosen.
    void choose(int row) { turn(row + 1); }
};
} // namespace

class TestSequenceEditTest : public QObject
{
    Q_OBJECT
private slots:
    // Every key an operator presses, from an empty list to the saved file.
    void buildsOneElementOfEachTypeByKeys()
    {
        SequenceBench bench;
        QVERIFY(bench.open());
        QCOMPARE(dialogs(press(Qt::Key_F2), {type("PUMP 1")}),
                 QStringList({"Enter new test sequence name"}));
        QCOMPARE(bench.rows(), QStringList({"PUMP_1"}));
        key(Qt::Key_F3); // the new sequence is chosen
        QCOMPARE(bench.area.current(), bench.editor());
        QCOMPARE(bench.editor()->findChild<QLabel *>("label_MSG_Prime")->text(), QString("PUMP_1"));
        QCOMPARE(bench.editorRows(), QStringList());

        // Insert flow, occlusion, bolus and custom, each after the one before.
        for (int kind = 0; kind < 4; ++kind) {
            key(Qt::Key_F2);
            QCOMPARE(bench.area.current(), bench.editor()->insertScreen());
            turn(1); // the insert list keeps its row: one turn on to the next kind
            if (kind == 1)
                QVERIFY(bench.area.savePng(QDir::temp().filePath("TestSequenceInsertTest.png")));
            key(Qt::Key_F4);
            QCOMPARE(bench.area.current(), bench.editor());
            QCOMPARE(bench.editorChosenRow(), kind);
        }
        QCOMPARE(bench.editorRows(), QStringList({"1: Flow Rate Test ", "2: Occlusion Test ",
                                                  "3: PCA Test ", "4: User Test "}));
        QVERIFY(bench.area.savePng(QDir::temp().filePath("TestSequenceEdit.png")));

        // Flow: back pressure 5, window 20, limit on the volume.
        turn(1); // from the last row round to the first
        key(Qt::Key_F3);
        keys({Qt::Key_Escape});
        turn(5);
        key(Qt::Key_Escape); // on to the window
        key(Qt::Key_Escape);
        turn(-10);
        key(Qt::Key_Escape); // on to the hours
        turn(3);             // minutes, seconds, limit type
        key(Qt::Key_Escape);
        turn(-1); // "Average Flow" to "Volume"
        key(Qt::Key_Escape);
        key(Qt::Key_F4);
        QCOMPARE(bench.area.current(), bench.editor());
        QCOMPARE(bench.editorChosenRow(), -1);

        // Occlusion: auto reverse, limits 25 and 5 mmHg.
        turn(2);
        key(Qt::Key_F3);
        key(Qt::Key_Escape);
        turn(1);
        key(Qt::Key_Escape);
        turn(1);
        key(Qt::Key_Escape);
        turn(15);
        key(Qt::Key_Escape); // on to the lower limit
        key(Qt::Key_Escape);
        turn(-5);
        key(Qt::Key_Escape);
        key(Qt::Key_F4);

        // PCA: basal 12.5 ml/h, bolus 97.5 ml, upper 15 %.
        turn(3);
        key(Qt::Key_F3);
        key(Qt::Key_Escape);
        turn(25);
        key(Qt::Key_Escape);
        key(Qt::Key_Escape);
        turn(-25);
        key(Qt::Key_Escape);
        key(Qt::Key_Escape);
        turn(5);
        key(Qt::Key_Escape);
        key(Qt::Key_F4);

        // User: the check and its unit, typed on the keyboard.
        turn(4);
        key(Qt::Key_F3);
        QCOMPARE(dialogs(press(Qt::Key_Escape), {type("CHECK ALARM")}),
                 QStringList({"Data Entry"}));
        turn(1);
        QCOMPARE(dialogs(press(Qt::Key_Escape), {type("ML")}), QStringList({"Data Entry"}));
        key(Qt::Key_F4);
        QCOMPARE(bench.area.current(), bench.editor());

        BoxSeen box;
        QCOMPARE(dialogs(press(Qt::Key_F1), {button(QMessageBox::Yes, &box)}),
                 QStringList({"Save changes?"}));
        QCOMPARE(box.title, QString("Save changes?"));
        QCOMPARE(box.informative, QString("Save changes to the current test sequence?"));
        QCOMPARE(bench.area.current(), bench.list);
        // clang-format off
        QCOMPARE(bench.file("PUMP_1").toHex(),
                 QByteArray("01000100"                                  // sequence file
                            "0c000000" "500055004d0050005f003100"       // "PUMP_1"
                            "f3000000"                                  // 243 bytes of elements
                            // flow: volume limit 100 +10 % -10 %, pressure and bolus limits
                            // as new; 100 ml/h, 5 mmHg, window 20 s, 900 s
                            "01" "02" "0000000000005940" "0a" "0a"
                            "0000000000002440" "0000000000002440" "0000000000005940" "0a" "0a"
                            "0000000000005940" "0500" "1400" "84030000" "00" "00"
                            // occlusion: limits 25 and 5 mmHg, auto reverse
                            "03" "01" "0000000000005940" "0a" "0a"
                            "0000000000003940" "0000000000001440" "0000000000005940" "0a" "0a"
                            "01"
                            // PCA: bolus 97.5 ml +15 % -10 %; basal 12.5, bolus 97.5,
                            // loading dose 0, total 0, window 30 s, 900 s
                            "02" "01" "0000000000005940" "0a" "0a"
                            "0000000000002440" "0000000000002440" "0000000000605840" "0f" "0a"
                            "0000000000002940" "0000000000605840" "0000000000000000"
                            "0000000000000000" "1e00" "84030000"
                            // user: no limits, "CHECK ALARM" in "ML"
                            "00" "01" "0000000000000000" "00" "00"
                            "0000000000000000" "0000000000000000" "0000000000000000" "00" "00"
                            "16000000" "43004800450043004b00200041004c00410052004d00"
                            "04000000" "4d004c00"));
        // clang-format on
    }

    void selectionAfterReturning_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QList<int>>("keyPresses"); // on the editor, with its answers below
        QTest::addColumn<int>("answer");            // to the delete question
        QTest::addColumn<QByteArray>("backPressures");
        QTest::addColumn<int>("chosen");
        const int yes = QMessageBox::Yes, no = QMessageBox::No, none = 0;
        // The select key pressed once more by habit; the question opens on No.
        // clang-format off
        QTest::newRow("delete the first") << 0 << QList<int>{Qt::Key_F4, Qt::Key_F3} << yes
                                          << QByteArray("\1\2\3", 3) << 0;
        QTest::newRow("delete the last") << 3 << QList<int>{Qt::Key_F4, Qt::Key_F3} << yes
                                         << QByteArray("\0\1\2", 3) << 2;
        QTest::newRow("delete answered no") << 2 << QList<int>{Qt::Key_F4, Qt::Key_F3} << no
                                            << QByteArray("\0\1\2\3", 4) << 1;
        QTest::newRow("delete answered by select as opened")
            << 2 << QList<int>{Qt::Key_F4, Qt::Key_F3} << selectAsOpenedAnswer
            << QByteArray("\0\1\2\3", 4) << 1;
        QTest::newRow("copy") << 2 << QList<int>{Qt::Key_F4, Qt::Key_F2} << none
                              << QByteArray("\0\1\2\2\3", 5) << 3;
        QTest::newRow("copy the last") << 3 << QList<int>{Qt::Key_F4, Qt::Key_F2} << none
                                       << QByteArray("\0\1\2\3\3", 5) << 4;
        QTest::newRow("options left by back") << 1 << QList<int>{Qt::Key_F4, Qt::Key_F1} << none
                                              << QByteArray("\0\1\2\3", 4) << -1;
        QTest::newRow("insert after the last") << 3 << QList<int>{Qt::Key_F2, Qt::Key_F4} << none
                                               << QByteArray("\0\1\2\3\0", 5) << 4;
        QTest::newRow("insert left by back") << 1 << QList<int>{Qt::Key_F2, Qt::Key_F1} << none
                                             << QByteArray("\0\1\2\3", 4) << 2;
        QTest::newRow("insert with no row chosen") << -1 << QList<int>{Qt::Key_F2, Qt::Key_F4}
                                                   << none << QByteArray("\0\0\1\2\3", 5) << 0;
        // clang-format on
    }
    void selectionAfterReturning()
    {
        QFETCH(int, row);
        QFETCH(QList<int>, keyPresses);
        QFETCH(int, answer);
        QFETCH(QByteArray, backPressures);
        QFETCH(int, chosen);
        EditorBench bench;
        QVERIFY(bench.openEditor());
        bench.choose(row);
        key(keyPresses.first());
        // The menus choose their first row, flow on the insert list.
        turn(1);
        QVERIFY(bench.area.savePng(
            QDir::temp().filePath("SequenceEdit-%1.png").arg(QTest::currentDataTag())));
        QList<Answer> answers;
        BoxSeen box;
        if (answer == selectAsOpenedAnswer)
            answers << selectAsOpened(&box);
        else if (answer)
            answers << button(QMessageBox::StandardButton(answer));
        dialogs(press(keyPresses.last()), answers);
        QCOMPARE(bench.area.current(), bench.editor());
        QCOMPARE(bench.editorChosenRow(), chosen);
        if (answer == selectAsOpenedAnswer)
            QCOMPARE(box.focused, QMessageBox::No);

        QCOMPARE(dialogs(press(Qt::Key_F1), {button(QMessageBox::Yes)}),
                 QStringList({"Save changes?"}));
        const QByteArray stored = bench.file("A");
        QByteArray shown;
        for (int i = 0; i < backPressures.size(); ++i)
            shown += stored.at(4 + 6 + 4 + 56 * i + 46);
        QCOMPARE(stored.size(), 4 + 6 + 4 + 56 * backPressures.size());
        QCOMPARE(shown.toHex(), backPressures.toHex());
    }

    void leavingAsksOnlyAfterAChange()
    {
        EditorBench bench;
        QVERIFY(bench.openEditor());
        QCOMPARE(dialogs(press(Qt::Key_F1), {}), QStringList());
        QCOMPARE(bench.area.current(), bench.list);

        // Opening a form and leaving it by its back key counts as a change.
        bench.choose(0);
        key(Qt::Key_F3);
        bench.choose(2);
        key(Qt::Key_Escape);
        QCOMPARE(bench.area.current(), bench.editor()->flowForm());
        key(Qt::Key_F1);
        QCOMPARE(bench.area.current(), bench.editor());
        QCOMPARE(dialogs(press(Qt::Key_F1), {button(QMessageBox::No)}),
                 QStringList({"Save changes?"}));
        QCOMPARE(bench.area.current(), bench.list);
        QCOMPARE(bench.file("A"), header() + nameA() + fourFlowElements());

        bench.choose(0);
        key(Qt::Key_F3);
        QCOMPARE(dialogs(press(Qt::Key_F1), {}), QStringList());
    }

    void viewOnlyChangesNothing()
    {
        EditorBench bench;
        QVERIFY(bench.writeFile("A", header() + nameA() + fourFlowElements()));
        QVERIFY(bench.open());
        TestSequenceEdit *editor = bench.editor();
        editor->setTestSequenceName("A");
        editor->getTestListFromFile();
        editor->setViewOnlyMode(true);
        editor->showScreen(true);
        QCOMPARE(softKey(editor, "pushButtonInsert")->text(), QString());
        QCOMPARE(softKey(editor, "pushButtonEdit")->text(), QString("View"));
        QCOMPARE(softKey(editor, "pushButtonOptions")->text(), QString());
        // A language change retranslates the form but keeps the name and the keys of the mode.
        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(editor, &change);
        QCOMPARE(editor->findChild<QLabel *>("label_MSG_Prime")->text(), QString("A"));
        QCOMPARE(softKey(editor, "pushButtonEdit")->text(), QString("View"));
        QVERIFY(!softKey(editor, "pushButtonInsert")->isEnabled());
        bench.choose(1);
        for (int k : {Qt::Key_F2, Qt::Key_F4}) {
            key(k);
            QCOMPARE(bench.area.current(), editor);
        }

        for (int k : {Qt::Key_F3, Qt::Key_Escape}) {
            key(k);
            QCOMPARE(bench.area.current(), editor->flowForm());
            QVERIFY(!editor->flowForm()
                         ->findChild<QWidget *>("spinBoxBackPressureSetting")
                         ->isEnabled());
            key(Qt::Key_Escape);
            turn(3);
            key(Qt::Key_F4);
            QCOMPARE(bench.area.current(), editor->flowForm());
            key(Qt::Key_F1);
            QCOMPARE(bench.area.current(), editor);
            bench.choose(1);
        }
        QCOMPARE(dialogs(press(Qt::Key_F1), {}), QStringList());
        QCOMPARE(bench.area.current(), bench.list);
        QCOMPARE(bench.file("A"), header() + nameA() + fourFlowElements());

        // Opened for editing again, the keys are back.
        bench.choose(0);
        key(Qt::Key_F3);
        QCOMPARE(softKey(editor, "pushButtonInsert")->text(), QString("Insert"));
        QCOMPARE(softKey(editor, "pushButtonEdit")->text(), QString("Edit"));
        QCOMPARE(softKey(editor, "pushButtonOptions")->text(), QString("Menu"));
        QVERIFY(softKey(editor, "pushButtonOptions")->isEnabled());
    }

    // A file that cannot be read opens as an empty list; one whose element list is cut or
    // holds an unknown element shows what is whole. Neither is ever saved over.
    void unreadableOrDamagedSequenceIsNeverSaved_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<int>("rows");
        // An element of an unknown type: nothing after it can be read.
        QTest::newRow("unknown element") << QByteArray(header() + QByteArray::fromHex("02000000"
                                                                                     "4200"
                                                                                     "02000000"
                                                                                     "0901"))
                                         << true << 0;
        QTest::newRow("bytes after the record")
            << QByteArray(header() + nameA() + fourFlowElements() + QByteArray(1, '\0')) << true << 4;
        QTest::newRow("not a sequence file") << QByteArray::fromHex("0100") << false << 0;
    }
    void unreadableOrDamagedSequenceIsNeverSaved()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, loaded);
        QFETCH(int, rows);
        EditorBench bench;
        QVERIFY(bench.openEditor()); // "A" is now the store's current sequence
        key(Qt::Key_F1);
        QVERIFY(bench.writeFile("B", content));
        bench.list->showScreen(true);
        bench.choose(1);
        QCOMPARE(bench.rows().at(1), QString("B"));
        key(Qt::Key_F3);
        TestSequenceEdit *editor = bench.editor();
        QCOMPARE(bench.area.current(), editor);
        QCOMPARE(editor->isLoaded(), loaded);
        QCOMPARE(editor->isDamaged(), loaded);
        QCOMPARE(bench.editorRows().size(), rows);
        for (const char *name : {"pushButtonInsert", "pushButtonOptions"})
            QVERIFY2(!softKey(editor, name)->isEnabled(), name);
        for (int k : {Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_Escape}) {
            key(k);
            QCOMPARE(bench.area.current(), editor);
        }
        QCOMPARE(dialogs(press(Qt::Key_F1), {}), QStringList());
        QCOMPARE(bench.file("B"), content);
        QCOMPARE(bench.file("A"), header() + nameA() + fourFlowElements());
    }
};

RONDIX_TEST(TestSequenceEditTest)
#include "tst_TestSequenceEdit.moc"
