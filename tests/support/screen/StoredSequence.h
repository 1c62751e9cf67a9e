#pragma once

#include <QList>
#include <QString>

#include <functional>

class TestSequenceElement;

// Stores a sequence of the given element types through the sequence store, as the
// sequence editor would: fill sets up element i before the save. The sequence is left as
// the store's current sequence. False when it cannot be created or saved.
bool storeSequence(const QString &name, const QList<unsigned char> &types,
                   const std::function<void(int, TestSequenceElement *)> &fill);
