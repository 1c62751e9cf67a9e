// Hostile result files: opening one must never crash, hang or run away with memory.
#include "FuzzRoot.h"
#include "TestResultManager.h"

#include <QTextStream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString root = fuzzRoot();
    writeFuzzFile(root + "/mnt/data/testResults/F_01012024_000000", data, size);
    TestResultManager *manager = TestResultManager::getInstance();
    if (manager->openApplianceResult("F_01012024_000000", true)) {
        QString text;
        QTextStream out(&text);
        manager->sendCurrentApplianceCSVToStream(out, true);
        manager->getApplianceResultList();
    }
    return 0;
}
