#include "ExchangeImport.h"

#include "TestResultManager.h"
#include "TestSequenceManager.h"

#include <QEventLoop>
#include <QMutex>
#include <QThread>

#include <memory>

namespace ExchangeImport
{

namespace
{
// Imports one after another even when a second one starts while the first is storing
// (a Bluetooth push offered meanwhile): two at once could write the same file.
QMutex storing;

void storeAside(const std::function<void()> &work)
{
    runAside([&work] {
        const QMutexLocker lock(&storing);
        work();
    });
}
} // namespace

Outcome importFile(const QString &path, Kind kind)
{
    Outcome outcome;
    QByteArray data;
    // A stick can be slow: even the read must not hold up the poll.
    runAside([&] { FileUtils::readBounded(path, MAX_FILE_BYTES, data, &outcome.refusal); });
    if (outcome.refusal != FileUtils::ReadRefusal::None)
        return outcome;
    outcome.report =
        kind == Kind::Results
            ? TestResultManager::getInstance()->importApplianceResults(data, storeAside)
            : TestSequenceManager::getInstance()->importTestSequences(data, storeAside);
    return outcome;
}

void runAside(const std::function<void()> &work)
{
    QEventLoop loop;
    const std::unique_ptr<QThread> worker(QThread::create(work));
    // Queued to this thread, so a worker that ends before the loop starts still ends it.
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
}

} // namespace ExchangeImport
