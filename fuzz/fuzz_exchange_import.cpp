// Hostile exchange files from a PC or memory stick: both imports must never crash or
// hang, and must store only whole records.
#include "FileUtils.h"
#include "FuzzRoot.h"
#include "ImportWarning.h"
#include "TestResultManager.h"
#include "TestSequenceManager.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString root = fuzzRoot();
    ImportWarning::setHandler([](const QString &, const QString &) {});
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    QBuffer results;
    results.setData(bytes);
    results.open(QIODevice::ReadOnly);
    TestResultManager::getInstance()->importApplianceResults(results.readAll());
    QBuffer sequences;
    sequences.setData(bytes);
    sequences.open(QIODevice::ReadOnly);
    TestSequenceManager::getInstance()->importTestSequences(sequences.readAll());
    // Whatever was stored must open again.
    TestResultManager *resultManager = TestResultManager::getInstance();
    for (const QString &file : resultManager->getApplianceResultList().keys()) {
        if (!resultManager->openApplianceResult(file, true))
            abort();
    }
    TestSequenceManager *sequenceManager = TestSequenceManager::getInstance();
    for (const QString &name : sequenceManager->getTestSequenceList()) {
        if (!sequenceManager->openTestSequence(name))
            abort();
    }
    FileUtils::removeDirContents(root + "/mnt/data/testResults");
    FileUtils::removeDirContents(root + "/mnt/data/testSequences");
    return 0;
}
