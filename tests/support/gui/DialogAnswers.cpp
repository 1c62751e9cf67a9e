#include "DialogAnswers.h"

#include "GuiTest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include <memory>
#include <vector>

using namespace GuiTest;

namespace
{
void note(QMessageBox *box, BoxSeen *seen)
{
    if (!seen)
        return;
    *seen = {box->windowTitle(), box->text(), box->informativeText(), box->icon()};
    if (box->defaultButton())
        seen->defaultButton = box->standardButton(box->defaultButton());
    if (auto *focused = qobject_cast<QAbstractButton *>(QApplication::focusWidget()))
        seen->focused = box->standardButton(focused);
}
} // namespace

Answer button(QMessageBox::StandardButton pressed, BoxSeen *seen)
{
    return [pressed, seen](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        if (!box)
            return;
        note(box, seen);
        QAbstractButton *target = box->button(pressed);
        for (int turns = 0; target && turns < 4 && QApplication::focusWidget() != target; ++turns)
            turn(1);
        key(Qt::Key_Escape);
    };
}

Answer selectAsOpened(BoxSeen *seen)
{
    return [seen](QWidget *w) {
        if (auto *box = qobject_cast<QMessageBox *>(w))
            note(box, seen);
        key(Qt::Key_Escape);
    };
}

Answer type(const QString &text)
{
    return [text](QWidget *w) { typeOnKeyboard(w, text); };
}

Answer cancel()
{
    return [](QWidget *) { key(Qt::Key_F7); };
}

QStringList dialogs(const std::function<void()> &trigger, const QList<Answer> &answers)
{
    // A dialog nobody expected is closed (red key, then select on a box's button) and
    // reported like the others, so a test fails instead of waiting in it for ever.
    QList<Answer> all = answers;
    all << [](QWidget *w) {
        QPointer<QWidget> dialog = w;
        key(Qt::Key_F7);
        if (dialog && dialog->isVisible())
            key(Qt::Key_Escape);
    };
    // Each answer arms the next before it closes its own dialog, so the next one waits
    // for the dialog that opens after it.
    QStringList shown;
    std::vector<std::unique_ptr<ModalAnswer>> armed;
    std::function<void(int)> arm = [&](int i) {
        armed.emplace_back(new ModalAnswer([&, i](QWidget *w) {
            if (auto *box = qobject_cast<QMessageBox *>(w))
                shown << box->text();
            else if (auto *title = w->findChild<QLabel *>(QStringLiteral("label_MSG_Prime")))
                shown << title->text();
            else
                shown << w->windowTitle();
            if (i + 1 < all.size())
                arm(i + 1);
            all.at(i)(w);
        }));
    };
    // The offscreen platform hands activation back to nobody once a chain of dialogs has
    // closed; the device's window system gives it back to the screen area.
    QPointer<QWidget> window = QApplication::activeWindow();
    arm(0);
    trigger();
    if (window && window->isVisible() && !QApplication::activeModalWidget()) {
        window->activateWindow();
        QApplication::setActiveWindow(window);
    }
    return shown;
}

std::function<void()> press(int pressedKey)
{
    return [pressedKey] { key(pressedKey); };
}
