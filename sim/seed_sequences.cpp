// Gives a desktop run something to run automatically: when the device root under
// INSTRUMENT_ROOT holds no test sequence yet, stores "Demo_run" with one step of each
// kind, set for the simulated power board's pumps. Never touches stored sequences.
#include "TestSequenceElementFlowTest.h"
#include "TestSequenceElementPCATest.h"
#include "TestSequenceElementUserTest.h"
#include "TestSequenceManager.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("INSTRUMENT_ROOT")) {
        std::fprintf(stderr, "seed_sequences: INSTRUMENT_ROOT is not set\n");
        return 2;
    }
    TestSequenceManager *sequences = TestSequenceManager::getInstance();
    if (!sequences->getTestSequenceList().isEmpty())
        return 0;
    // A name its file keeps as it is: the lists show file names, a result the name
    // stored in the file, and the two should read alike.
    const QString name = QStringLiteral("Demo_run");
    QString fileName = name;
    TestSequenceManager::makeValidName(fileName);
    if (!sequences->createNewTestSequence(name) || !sequences->openTestSequence(fileName))
        return 1;
    enum : unsigned char { user = 0, flow = 1, pca = 2, occlusion = 3 };
    const unsigned char steps[] = {flow, occlusion, pca, user, user};
    for (int i = 0; i < 5; ++i)
        sequences->insertTestElement(steps[i], i - 1);

    // 100 ml/h for 30 s, judged on the average within 10 %.
    auto *f = static_cast<TestSequenceElementFlowTest *>(sequences->getTestElementPtr(0));
    f->setting.u32ElapseTimeSetting = 30;
    f->limits.limitType = TestSequencePassFailLimits::AVERAGE_FLOW;
    f->limits.flowTarget = 100.0f;
    // The simulated pump alarms at 500 mmHg.
    TestSequenceElement *o = sequences->getTestElementPtr(1);
    o->limits.upperPressure = 600.0f;
    o->limits.lowerPressure = 100.0f;
    auto *p = static_cast<TestSequenceElementPCATest *>(sequences->getTestElementPtr(2));
    p->setting.u32ElapseTimeSetting = 30;
    p->limits.bolusTarget = 0.0f;
    auto *heard = static_cast<TestSequenceElementUserTest *>(sequences->getTestElementPtr(3));
    heard->testText = QStringLiteral("The occlusion alarm was audible");
    auto *volume = static_cast<TestSequenceElementUserTest *>(sequences->getTestElementPtr(4));
    volume->testText = QStringLiteral("Volume in the burette");
    volume->units = QStringLiteral("ml");
    return sequences->saveCurrentTestSequence() ? 0 : 1;
}
