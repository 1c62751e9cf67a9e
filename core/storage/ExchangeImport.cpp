#include "ExchangeImport.h"

#include "TestResultManager.h"
#include "TestSequenceManager.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QMutex>
#include <QThread>
#include <QTimer>

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

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
        return true;
    default:
        return false;
    }
}

// Swallows user input for as long as it lives: the key pad's keys reach the program as
// window-system or posted events, the encoder's turns as wheel events sent at once.
class InputDrop : public QObject
{
public:
    InputDrop()
    {
        if (QCoreApplication::instance())
            QCoreApplication::instance()->installEventFilter(this);
    }
    ~InputDrop() override
    {
        if (QCoreApplication::instance())
            QCoreApplication::instance()->removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override { return isUserInput(event->type()); }
};
} // namespace

Outcome importFile(const QString &path, Kind kind, const Progress &progress)
{
    Outcome outcome;
    QByteArray data;
    // A stick can be slow: even the read must not hold up the poll.
    runAside([&] { FileUtils::readBounded(path, MAX_FILE_BYTES, data, &outcome.refusal); });
    if (outcome.refusal != FileUtils::ReadRefusal::None)
        return outcome;
    ImportProgress done{0};
    int told = -1;
    const auto tell = [&] {
        const int now = done.load();
        if (progress && now != told)
            progress(told = now);
    };
    QTimer teller;
    QObject::connect(&teller, &QTimer::timeout, tell);
    if (progress)
        teller.start(PROGRESS_INTERVAL_MS);
    outcome.report =
        kind == Kind::Results
            ? TestResultManager::getInstance()->importApplianceResults(data, storeAside, &done)
            : TestSequenceManager::getInstance()->importTestSequences(data, storeAside, &done);
    teller.stop();
    tell();
    return outcome;
}

void runAside(const std::function<void()> &work)
{
    QEventLoop loop;
    const std::unique_ptr<QThread> worker(QThread::create(work));
    // Queued to this thread, so a worker that ends before the loop starts still ends it.
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    // Not held back (ExcludeUserInputEvents would replay it all once the loop ends):
    // delivered now, and dropped.
    const InputDrop dropInput;
    worker->start();
    loop.exec();
    worker->wait();
}

} // namespace ExchangeImport
