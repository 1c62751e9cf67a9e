#pragma once

#include <QList>

#include <functional>

class QKeyEvent;
class RotaryEncoderList;

// The select key on a menu of operations, one row each.
namespace MenuKeys
{

// For the select key, runs the operation of the chosen row (nothing when no row is
// chosen) and returns true; other keys are left to the caller.
bool selectRow(QKeyEvent *event, const RotaryEncoderList *menu,
               const QList<std::function<void()>> &operations);

} // namespace MenuKeys
