#include "TempRoot.h"
#include "TestRegistry.h"
#include "TestSequenceElementUserTest.h"
#include "TestSequenceManager.h"

#include <QProcess>
#include <QTest>

// The desktop run's demonstration sequence: stored in an empty root, one step of each
// kind that the sequence engine accepts; a root that holds sequences is left alone.
class TestSeedSequences : public QObject
{
    Q_OBJECT
private slots:
    void seedsOnlyAnEmptyRoot()
    {
        TempRoot root; // INSTRUMENT_ROOT for the program too
        QCOMPARE(QProcess::execute(SEED_SEQUENCES_PATH, {}), 0);
        TestSequenceManager *sequences = TestSequenceManager::getInstance();
        QCOMPARE(sequences->getTestSequenceList(), QStringList({"Demo_run"}));
        QVERIFY(sequences->openTestSequence("Demo_run", 0));
        // A result names the sequence as its file stores it, the lists by its file name.
        QCOMPARE(sequences->getCurrentTestSequenceName(0), QStringLiteral("Demo_run"));
        QVERIFY(sequences->isValidCurrentTestSequence(0));
        QList<int> types;
        for (int i = 0; i < sequences->getCurrentTestSequenceSize(0); ++i)
            types << sequences->getTestElementPtr(i, 0)->id;
        QCOMPARE(types, QList<int>({1, 3, 2, 0, 0}));
        QCOMPARE(
            static_cast<TestSequenceElementUserTest *>(sequences->getTestElementPtr(4, 0))->units,
            QStringLiteral("ml"));

        QVERIFY(sequences->removeTestSequence("Demo_run"));
        QVERIFY(sequences->createNewTestSequence("mine"));
        QCOMPARE(QProcess::execute(SEED_SEQUENCES_PATH, {}), 0);
        QCOMPARE(sequences->getTestSequenceList(), QStringList({"mine"}));
    }
};

RONDIX_TEST(TestSeedSequences)
#include "tst_SeedSequences.moc"
