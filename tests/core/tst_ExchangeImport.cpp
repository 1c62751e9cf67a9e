#include "ExchangeImport.h"
#include "ImportSummary.h"
#include "ImportWarning.h"
#include "StreamHelper.h"
#include "TempRoot.h"
#include "TestRegistry.h"
#include "TestResultManager.h"
#include "TestSequenceManager.h"

#include "WheelDelivery.h"

#include <algorithm>

#include <QKeyEvent>
#include <QSemaphore>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWidget>

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

// Counts the keys and turns that reach it.
class InputCounter : public QWidget
{
public:
    int keys = 0;
    int turns = 0;

protected:
    void keyPressEvent(QKeyEvent *) override { ++keys; }
    void wheelEvent(QWheelEvent *event) override
    {
        ++turns;
        event->accept();
    }
};
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

    // Keys and turns that come while the work runs neither act then nor wait to act when
    // it ends (they could dismiss the box that tells what the import did); afterwards
    // they act again.
    void inputMeanwhileIsDropped()
    {
        InputCounter widget;
        QSemaphore pressed;
        QTimer::singleShot(50, [&] {
            QCoreApplication::postEvent(
                &widget, new QKeyEvent(QEvent::KeyPress, Qt::Key_F4, Qt::NoModifier));
            QTest::keyClick(&widget, Qt::Key_Escape);
            WheelDelivery::deliver(&widget, 120);
            pressed.release();
        });
        bool released = false;
        ExchangeImport::runAside([&] { released = pressed.tryAcquire(1, 10000); });
        QVERIFY(released);
        const int keysMeanwhile = widget.keys;
        const int turnsMeanwhile = widget.turns;
        QCoreApplication::processEvents();
        QCOMPARE(keysMeanwhile, 0);
        QCOMPARE(turnsMeanwhile, 0);
        QCOMPARE(widget.keys, 0);

        QCoreApplication::postEvent(&widget,
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_F4, Qt::NoModifier));
        QCoreApplication::processEvents();
        WheelDelivery::deliver(&widget, 120);
        QCOMPARE(widget.keys, 1);
        QCOMPARE(widget.turns, 1);
    }

    // The count of records gone through is told on this thread, last of all the whole.
    void progressIsToldOnThisThread()
    {
        TempRoot root;
        QStringList assets;
        for (int i = 0; i < 50; ++i)
            assets << QString("P%1").arg(i);
        QVERIFY(root.writeFile("/mnt/update/r.vexd", resultsExchange(assets)));
        QList<int> told;
        bool elsewhere = false;
        const ExchangeImport::Outcome outcome = ExchangeImport::importFile(
            root.path("/mnt/update/r.vexd"), ExchangeImport::Kind::Results, [&](int done) {
                told << done;
                elsewhere = elsewhere || QThread::currentThread() != qApp->thread();
            });
        QCOMPARE(outcome.report.stored, 50);
        QVERIFY(!told.isEmpty());
        QCOMPARE(told.last(), 50);
        QVERIFY(std::is_sorted(told.cbegin(), told.cend()));
        QVERIFY(!elsewhere);
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
