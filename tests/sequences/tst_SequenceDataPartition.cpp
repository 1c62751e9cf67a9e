#include "GuiTest.h"
#include "SequenceBench.h"
#include "SequenceFiles.h"
#include "SmallPartition.h"
#include "TestRegistry.h"
#include "TestSequenceEdit.h"
#include "TestSequenceScreen.h"

#include <QTest>

using namespace GuiTest;
using namespace SequenceFiles;

namespace
{
const QString memoryWarning =
    QStringLiteral("Warning - Memory Usage greater than 95%, data may not be saved correctly");
const QString nameTitle = QStringLiteral("Enter new test sequence name");
} // namespace

// The sequence screens on a small data partition: nearly full, they warn before they
// create data; full, every write that fails is reported and nothing stored is lost.
class TestSequenceDataPartition : public QObject
{
    Q_OBJECT
private slots:
    void warnsBeforeCreatingDataOnly()
    {
        SequenceBench bench;
        SmallPartition partition(bench.area.root().path("/mnt/data"));
        if (!partition.mounted())
            QSKIP("mounting a tmpfs is not allowed here");
        QVERIFY(bench.writeFile("A", header() + nameA() + oneFlowElement()));
        QVERIFY(partition.fillPages(96));
        QVERIFY(bench.open());

        // New, Edit, Copy and the copy of an element warn, then go on.
        QCOMPARE(dialogs(press(Qt::Key_F2), {button(QMessageBox::Ok), cancel()}),
                 QStringList({memoryWarning, nameTitle}));
        turn(1);
        QCOMPARE(dialogs(press(Qt::Key_F3), {button(QMessageBox::Ok)}),
                 QStringList({memoryWarning}));
        QCOMPARE(bench.area.current(), bench.editor());
        turn(1);
        QCOMPARE(dialogs(press(Qt::Key_F4), {}), QStringList());
        QCOMPARE(dialogs(press(Qt::Key_F2), {button(QMessageBox::Ok)}),
                 QStringList({memoryWarning}));
        QCOMPARE(bench.editorRows().size(), 2);
        // Insert and save do not warn.
        QCOMPARE(dialogs(press(Qt::Key_F2), {}), QStringList());
        key(Qt::Key_F1);
        QCOMPARE(dialogs(press(Qt::Key_F1), {button(QMessageBox::No)}),
                 QStringList({"Save changes?"}));
        turn(1);
        QCOMPARE(dialogs(press(Qt::Key_F4), {}), QStringList()); // nor the menu
        QCOMPARE(dialogs(press(Qt::Key_F2), {button(QMessageBox::Ok)}),
                 QStringList({memoryWarning}));
        QCOMPARE(bench.files(), QStringList({"A", "A_2"}));

        // Rename and delete do not warn.
        turn(2);
        QCOMPARE(dialogs(press(Qt::Key_F4), {}), QStringList());
        QCOMPARE(dialogs(press(Qt::Key_F4), {cancel()}), QStringList({nameTitle}));
        turn(2);
        key(Qt::Key_F4);
        QCOMPARE(dialogs(press(Qt::Key_F3), {button(QMessageBox::Yes)}),
                 QStringList({"Are you sure?"}));
        QCOMPARE(bench.files(), QStringList({"A"}));
    }

    void failedWritesAreReportedAndLoseNothing()
    {
        SequenceBench bench;
        SmallPartition partition(bench.area.root().path("/mnt/data"));
        if (!partition.mounted())
            QSKIP("mounting a tmpfs is not allowed here");
        const QByteArray stored = header() + nameA() + oneFlowElement();
        QVERIFY(bench.writeFile("A", stored));
        QVERIFY(partition.fillUp());
        QVERIFY(bench.open());

        QCOMPARE(dialogs(press(Qt::Key_F2),
                         {button(QMessageBox::Ok), type("B"), button(QMessageBox::Ok)}),
                 QStringList({memoryWarning, nameTitle, "Failed to create test sequence: B"}));
        QCOMPARE(bench.rows(), QStringList({"A"}));

        turn(1);
        key(Qt::Key_F4);
        QCOMPARE(dialogs(press(Qt::Key_F2), {button(QMessageBox::Ok), button(QMessageBox::Ok)}),
                 QStringList({memoryWarning, "Unable to copy test sequence"}));
        QCOMPARE(bench.area.current(), bench.list);

        turn(1);
        key(Qt::Key_F4);
        QCOMPARE(dialogs(press(Qt::Key_F4), {type("C"), button(QMessageBox::Ok)}),
                 QStringList({nameTitle, "Unable to rename test sequence"}));
        QCOMPARE(bench.area.current(), bench.list);
        QCOMPARE(bench.files(), QStringList({"A"}));
        QCOMPARE(bench.file("A"), stored);

        // The editor keeps the changes it could not save, and asks again.
        turn(1);
        dialogs(press(Qt::Key_F3), {button(QMessageBox::Ok)});
        key(Qt::Key_F2);
        turn(1);
        key(Qt::Key_F4);
        QCOMPARE(bench.editorRows().size(), 2);
        QCOMPARE(dialogs(press(Qt::Key_F1), {button(QMessageBox::Yes), button(QMessageBox::Ok)}),
                 QStringList({"Save changes?", "Unable to save test sequence"}));
        QCOMPARE(bench.area.current(), bench.editor());
        QCOMPARE(bench.editorRows().size(), 2);
        QCOMPARE(bench.file("A"), stored);
        QCOMPARE(dialogs(press(Qt::Key_F1), {button(QMessageBox::No)}),
                 QStringList({"Save changes?"}));
        QCOMPARE(bench.area.current(), bench.list);
        QCOMPARE(bench.files(), QStringList({"A"}));
        QCOMPARE(bench.file("A"), stored);
    }
};

RONDIX_TEST(TestSequenceDataPartition)
#include "tst_SequenceDataPartition.moc"
