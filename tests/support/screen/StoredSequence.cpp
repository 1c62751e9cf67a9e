#include "StoredSequence.h"

#include "TestSequenceManager.h"

bool storeSequence(const QString &name, const QList<unsigned char> &types,
                   const std::function<void(int, TestSequenceElement *)> &fill)
{
    TestSequenceManager *sequences = TestSequenceManager::getInstance();
    // Opened by the name the sequence list shows, its file's name.
    QString listed = name;
    TestSequenceManager::makeValidName(listed);
    if (!sequences->createNewTestSequence(name) || !sequences->openTestSequence(listed))
        return false;
    for (int i = 0; i < types.size(); ++i) {
        sequences->insertTestElement(types[i], i - 1);
        fill(i, sequences->getTestElementPtr(i));
    }
    return sequences->saveCurrentTestSequence();
}
