#include "ExchangeImport.h"
#include "ImportSummary.h"
#include "ImportWarning.h"
#include "StreamHelper.h"
#include "TempRoot.h"
#include "TestRegistry.h"
#include "TestResultManager.h"
#include "TestSequenceManager.h"

#include <QSemaphore>
#include <QTest>
#include <QThread>
#include <QTimer>

namespace
{
// A results exchange file of one record per asset, all of one date.
QByteArray resultsExchange(const QStringList &assets)
{
    QByteArray bytes = QByteArray::fromHex("01000000");
    QDataStream out(&bytes, QIODevice::Append);
    StreamHelper::setup(out);
    for (const QString &asset : assets) {
        MedicalApplianceResult r;
        r.overallResult = TEST_PASS;
        r.testDate = QDateTime(QDate(2024, 3, 5), QTime(9, 4, 30));
        r.applianceName = asset;
        out << r;
    }
    return bytes;
}
} // namespace

class TestExchangeImport : public QObject
{
    Q_OBJECT
private slots:
    // The work cannot end unless this thread's timers are served while it runs.
    void runAsideServesTheEventLoopMeanwhile()
    {
        QSemaphore served;
        bool released = false;
        QTimer::singleShot(50, [&] { served.release(); });
        ExchangeImport::runAside([&] { released = served.tryAcquire(1, 10000); });
        QVERIFY(released);
    }

    // Records are stored off this thread; the current record and the format warning stay
    // on it (a box shown from a worker would bring the program down).
    void importsAsTheStoreWouldAndWarnsOnThisThread()
    {
        TempRoot root;
        QThread *warnedOn = nullptr;
        ImportWarning::setHandler(
            [&](const QString &, const QString &) { warnedOn = QThread::currentThread(); });
        const std::shared_ptr<void> logWarningsAgain(nullptr,
                                                     [](void *) { ImportWarning::setHandler({}); });
        QVERIFY(root.writeFile("/mnt/update/r.vexd", resultsExchange({"A", "B"})));
        const ExchangeImport::Outcome results = ExchangeImport::importFile(
            root.path("/mnt/update/r.vexd"), ExchangeImport::Kind::Results);
        QCOMPARE(int(results.refusal), int(FileUtils::ReadRefusal::None));
        QCOMPARE(importSummary(results.report), QString("stored 2 renamed 0 damaged 0 skipped 0"));
        QCOMPARE(TestResultManager::getInstance()->getApplianceResultList().keys(),
                 QStringList({"A_05032024_090430", "B_05032024_090430"}));
        QCOMPARE(TestResultManager::getInstance()->getCurrentAssetId(), QString("B"));

        const ExchangeImport::Outcome sequences = ExchangeImport::importFile(
            root.path("/mnt/update/r.vexd"), ExchangeImport::Kind::Sequences);
        QVERIFY(sequences.report.wrongKind);
        QCOMPARE(warnedOn, QThread::currentThread());
        QVERIFY(TestSequenceManager::getInstance()->getTestSequenceList().isEmpty());
    }
};

RONDIX_TEST(TestExchangeImport)
#include "tst_ExchangeImport.moc"
