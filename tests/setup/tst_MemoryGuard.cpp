#include "GuiTest.h"
#include "MemoryGuard.h"
#include "MemoryWarning.h"
#include "SmallPartition.h"
#include "TempRoot.h"
#include "TestRegistry.h"

#include <QTest>

class TestMemoryGuard : public QObject
{
    Q_OBJECT
private slots:
    void levelIsStrictlyAbove_data()
    {
        QTest::addColumn<double>("usage");
        QTest::addColumn<bool>("warns");
        QTest::newRow("below") << 42.3 << false;
        QTest::newRow("exactly the level") << 95.0 << false;
        QTest::newRow("just above") << 95.01 << true;
        QTest::newRow("full") << 100.0 << true;
    }
    void levelIsStrictlyAbove()
    {
        QFETCH(double, usage);
        QFETCH(bool, warns);
        QCOMPARE(MemoryGuard::exceedsWarningLevel(usage), warns);
    }

    void unmeasurablePartitionNeverBlocks()
    {
        TempRoot root; // no /mnt/data under it
        double percent = -1;
        QVERIFY(!MemoryGuard::usagePercent(root.path("/mnt/data"), percent));
        QCOMPARE(percent, -1.0);
        QCOMPARE(MemoryGuard::dataPartitionUsage(), 0.0);
        GuiTest::ModalAnswer answer({Qt::Key_Escape}, 500);
        MemoryWarning::guard();
        QVERIFY(!answer.answered());
    }

    void warningAtTheBoundaryOfARealPartition()
    {
        TempRoot root;
        SmallPartition partition(root.path("/mnt/data"));
        if (!partition.mounted())
            QSKIP("mounting a tmpfs is not allowed here");

        QVERIFY(partition.fillPages(95));
        QCOMPARE(MemoryGuard::dataPartitionUsage(), 95.0);
        {
            GuiTest::ModalAnswer answer({Qt::Key_Escape}, 500);
            MemoryWarning::guard();
            QVERIFY(!answer.answered());
        }

        QVERIFY(partition.fillPages(96));
        QCOMPARE(MemoryGuard::dataPartitionUsage(), 96.0);
        QString title;
        GuiTest::ModalAnswer answer([&](QWidget *box) {
            title = box->windowTitle();
            GuiTest::key(Qt::Key_Escape);
        });
        MemoryWarning::guard();
        QVERIFY(answer.answered());
        QCOMPARE(
            answer.dialogText(),
            QString("Warning - Memory Usage greater than 95%, data may not be saved correctly"));
        QCOMPARE(title, QString("Memory Usage Warning"));
    }
};

RONDIX_TEST(TestMemoryGuard)
#include "tst_MemoryGuard.moc"
