#include "GuiTest.h"

#include "ScreenKeyboard.h"
#include "VirtualKeyboard.h"
#include "WheelDelivery.h"

#include <algorithm>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace GuiTest {

namespace {
void reactivate(QWidget *window)
{
    if (window && window->isVisible() && !QApplication::activeModalWidget()) {
        window->activateWindow();
        QApplication::setActiveWindow(window);
    }
}
} // namespace

bool showActive(QWidget *window)
{
    window->resize(320, 240);
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window, 5000);
}

QWidget *focusTarget()
{
    QWidget *modal = QApplication::activeModalWidget();
    QWidget *focus = QApplication::focusWidget();
    if (modal && (!focus || !modal->isAncestorOf(focus)))
        return modal->focusWidget() ? modal->focusWidget() : modal;
    if (focus)
        return focus;
    return QApplication::activeWindow();
}

void key(int key, Qt::KeyboardModifiers modifiers)
{
    QWidget *target = focusTarget();
    if (!target)
        return;
    QPointer<QWidget> window = target->window();
    QTest::keyClick(target, Qt::Key(key), modifiers);
    // A soft key's shortcut clicks its button after a short animation; wait for it, so
    // the click has happened when the next line of the test runs.
    const auto animating = [window] {
        if (!window)
            return false;
        const auto buttons = window->findChildren<QAbstractButton *>();
        return std::any_of(buttons.begin(), buttons.end(), [](QAbstractButton *b) { return b->isDown(); });
    };
    for (int i = 0; i < 500 && animating(); ++i)
        QTest::qWait(10);
}

bool typeIntoFocusedField(const QString &text, int erase)
{
    ModalAnswer answer([text, erase](QWidget *w) {
        if (!qobject_cast<ScreenKeyboard *>(w))
            return;
        for (int i = 0; i < erase; ++i)
            key(Qt::Key_F2);
        typeOnKeyboard(w, text);
    });
    key(Qt::Key_Escape);
    return answer.answered();
}

void keys(const QList<int> &keyList)
{
    for (int k : keyList)
        key(k);
}

void wheel(int delta, Qt::KeyboardModifiers modifiers)
{
    QWidget *target = focusTarget();
    if (!target)
        return;
    WheelDelivery::deliver(target, delta, modifiers);
}

void turn(int detents, Qt::KeyboardModifiers modifiers)
{
    const int step = detents >= 0 ? 120 : -120;
    for (int i = 0; i < qAbs(detents); ++i)
        wheel(step, modifiers);
}

bool typeOnKeyboard(QWidget *keyboard, const QString &text)
{
    auto *board = qobject_cast<ScreenKeyboard *>(keyboard);
    if (!board)
        return false;
    // A whole turn round the largest layout visits every key once.
    constexpr int keysPerLayout = 45;
    const auto walkTo = [board](QChar c) {
        for (int turns = 0; turns < keysPerLayout; ++turns) {
            if (board->keyGrid()->getCurrentKey() == c)
                return true;
            turn(1);
        }
        return false;
    };
    for (const QChar c : text) {
        // Layouts in turn: as shown, other case, other layout, its other case.
        const int switches[] = {0, Qt::Key_F3, Qt::Key_F4, Qt::Key_F3};
        bool found = false;
        for (int k : switches) {
            if (k)
                key(k);
            if ((found = walkTo(c)))
                break;
        }
        if (!found) {
            key(Qt::Key_F7); // never leave the caller stuck in the keyboard's exec()
            return false;
        }
        key(Qt::Key_Escape);
    }
    key(Qt::Key_F6);
    return true;
}

bool savePng(QWidget *widget, const QString &path)
{
    return widget->grab().save(path, "PNG");
}

ModalAnswer::ModalAnswer(std::function<void(QWidget *)> action, int timeoutMs)
    : m_action(std::move(action)), m_timer(new QTimer(this)), m_before(QApplication::activeModalWidget()),
      m_owner(QApplication::activeWindow()),
      m_remainingPolls(timeoutMs / 10)
{
    m_timer->setInterval(10);
    connect(m_timer, &QTimer::timeout, this, &ModalAnswer::poll);
    m_timer->start();
}

ModalAnswer::ModalAnswer(const QList<int> &keyList, int timeoutMs)
    : ModalAnswer([keyList](QWidget *) { keys(keyList); }, timeoutMs)
{
}

ModalAnswer::~ModalAnswer() = default;

void ModalAnswer::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || modal == m_before || !modal->isVisible()) {
        if (--m_remainingPolls <= 0)
            m_timer->stop();
        return;
    }
    m_timer->stop();
    m_answered = true;
    // The offscreen platform does not hand activation back when the dialog closes;
    // the device's window system does. Give it back, so shortcuts fire again.
    QPointer<QWidget> owner = m_owner;
    if (!owner || owner == modal)
        owner = modal->parentWidget() ? modal->parentWidget()->window() : nullptr;
    connect(modal, &QObject::destroyed, this, [owner] { reactivate(owner); });
    auto *watch = new QTimer(this);
    QPointer<QWidget> dialog = modal;
    connect(watch, &QTimer::timeout, this, [watch, dialog, owner] {
        if (dialog && dialog->isVisible())
            return;
        watch->stop();
        reactivate(owner);
    });
    watch->start(10);
    if (auto *box = qobject_cast<QMessageBox *>(modal))
        m_text = box->text();
    else
        m_text = modal->windowTitle();
    if (!modal->isActiveWindow()) {
        modal->activateWindow();
        QApplication::setActiveWindow(modal);
    }
    m_action(modal);
}

} // namespace GuiTest
