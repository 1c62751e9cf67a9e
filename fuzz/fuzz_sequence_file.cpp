// Hostile sequence files: opening one must never crash, hang or run away with memory.
#include "FileUtils.h"
#include "FuzzRoot.h"
#include "TestSequenceManager.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString root = fuzzRoot();
    writeFuzzFile(root + "/mnt/data/testSequences/F", data, size);
    TestSequenceManager *manager = TestSequenceManager::getInstance();
    if (manager->openTestSequence("F", 1)) {
        QStringList lines;
        manager->getCurrentTestNames(lines, 1);
        manager->isValidCurrentTestSequence(1);
    }
    if (manager->openTestSequence("F")) {
        manager->copyTestElement(0);
        manager->saveCurrentTestSequence();
    }
    // Saves under fuzzed names would otherwise pile up over a run.
    FileUtils::removeDirContents(root + "/mnt/data/testSequences");
    return 0;
}
