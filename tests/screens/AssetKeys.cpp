#include "AssetKeys.h"

#include "GuiTest.h"

using namespace GuiTest;

namespace AssetKeys {

Box confirm()
{
    Box seen;
    ModalAnswer answer([&seen](QWidget *w) {
        if (auto *box = qobject_cast<QMessageBox *>(w)) {
            seen.title = box->windowTitle();
            seen.text = box->text();
            seen.reason = box->informativeText();
            seen.icon = box->icon();
        }
        key(Qt::Key_Escape);
    });
    key(Qt::Key_F4);
    seen.shown = answer.answered();
    return seen;
}

void chooseVerdict(int row, int fromRow, int turnsToBox)
{
    turn(turnsToBox);
    key(Qt::Key_Escape);
    turn(fromRow - row); // a forward turn steps up the list
    key(Qt::Key_Escape);
}

} // namespace AssetKeys
