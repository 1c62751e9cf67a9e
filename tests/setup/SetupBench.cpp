#include "SetupBench.h"

#include "GuiTest.h"
#include "InfusionPumpMainScreen.h"
#include "RotaryEncoderList.h"
#include "SettingsConstants.h"
#include "SetupScreen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QSettings>
#include <QTimer>

using namespace GuiTest;

SetupBench::SetupBench(const Options &options) : area(options.settings)
{
    if (options.translations && !area.root().installTranslations())
        return;
    if (options.beforeStart)
        options.beforeStart(area.root().root());
    if (!area.startBoard(options.board))
        return;
    menu = new InfusionPumpMainScreen(nullptr, nullptr);
    setup = screen<SetupScreen>();
}

bool SetupBench::openSetup()
{
    if (!menu || !area.activate())
        return false;
    menu->showScreen(true);
    auto *list = menu->findChild<RotaryEncoderList *>(QStringLiteral("listMainMenuList"));
    turn(3 - list->currentRow());
    key(Qt::Key_Escape);
    return area.current() == setup;
}

QString SetupBench::setting(const QString &key) const
{
    return QSettings(area.settingsPath(), QSettings::IniFormat).value(key).toString();
}

QStringList SetupBench::menuRows() const
{
    QStringList rows;
    auto *list = menu->findChild<RotaryEncoderList *>(QStringLiteral("listMainMenuList"));
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

QString SetupBench::setupTitle() const
{
    return setup->findChild<QLabel *>(QStringLiteral("label_MSG_Prime"))->text();
}

DialogAnswers::DialogAnswers(const QList<Answer> &answers)
    : m_answers(answers), m_timer(new QTimer(this))
{
    connect(m_timer, &QTimer::timeout, this, &DialogAnswers::poll);
    m_timer->start(10);
}

DialogAnswers::Answer DialogAnswers::press(QMessageBox::StandardButton button)
{
    return [button](QWidget *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        QAbstractButton *target = box ? box->button(button) : nullptr;
        if (!target)
            return;
        for (int turns = 0; box->focusWidget() != target && turns < 8; ++turns)
            turn(1);
        key(Qt::Key_Escape);
    };
}

DialogAnswers::Answer DialogAnswers::close()
{
    return [](QWidget *dialog) {
        if (auto *d = qobject_cast<QDialog *>(dialog))
            d->done(0);
    };
}

void DialogAnswers::finished()
{
    // A box opened again at once is a new dialog for the operator.
    m_answering = nullptr;
    // The offscreen platform does not hand activation back when a dialog closes; the
    // device's window system does, and the soft keys need it.
    QTimer::singleShot(0, this, [this] {
        if (m_owner && m_owner->isVisible() && !QApplication::activeModalWidget()) {
            m_owner->activateWindow();
            QApplication::setActiveWindow(m_owner);
        }
    });
}

void DialogAnswers::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) {
        m_answering = nullptr;
        return;
    }
    if (m_answering == modal)
        return;
    m_answering = modal;
    SeenDialog dialog;
    dialog.title = modal->windowTitle();
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        dialog.text = box->text();
        dialog.informative = box->informativeText();
        dialog.icon = box->icon();
        dialog.buttons = box->buttons().size();
    }
    seen << dialog;
    if (auto *d = qobject_cast<QDialog *>(modal))
        connect(d, &QDialog::finished, this, &DialogAnswers::finished, Qt::UniqueConnection);
    if (QApplication::activeWindow() != modal)
        m_owner = QApplication::activeWindow();
    if (!modal->isActiveWindow()) {
        modal->activateWindow();
        QApplication::setActiveWindow(modal);
    }
    const Answer answer = m_answers.isEmpty() ? close() : m_answers.takeFirst();
    // Answered from the event loop the dialog runs, not from inside this poll.
    QTimer::singleShot(0, modal, [modal, answer] { answer(modal); });
}
