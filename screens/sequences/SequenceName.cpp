#include "SequenceName.h"

#include "ScreenKeyboard.h"
#include "TestSequenceManager.h"

#include <QCoreApplication>

namespace SequenceName
{

bool enter(QWidget *parent, QString &name)
{
    ScreenKeyboard keyboard(parent);
    keyboard.setTitle(QCoreApplication::translate("SequenceName", "Enter new test sequence name"));
    if (keyboard.exec() != ScreenKeyboard::Taken)
        return false;
    name = keyboard.getText();
    TestSequenceManager::makeValidName(name);
    return true;
}

bool isRefused(const QString &cleanedName)
{
    return cleanedName.isEmpty() || cleanedName.startsWith(QLatin1Char('.'));
}

} // namespace SequenceName
