#include "FocusChain.h"

#include <QWidget>

namespace FocusChain {

void move(QWidget *from, bool forward)
{
    QWidget *window = from->window();
    QWidget *candidate = from;
    for (;;) {
        candidate = forward ? candidate->nextInFocusChain() : candidate->previousInFocusChain();
        if (!candidate || candidate == from)
            return; // nothing else takes the focus
        if (from->isAncestorOf(candidate) || candidate->focusProxy() || candidate->window() != window)
            continue;
        if ((candidate->focusPolicy() & Qt::TabFocus) && candidate->isEnabled() && candidate->isVisibleTo(window))
            break;
    }
    candidate->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

} // namespace FocusChain
