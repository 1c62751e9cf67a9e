#include "SequenceBench.h"

#include "GuiTest.h"
#include "InfusionPumpPowerBoardManager.h"
#include "RotaryEncoderDoubleSpinBox.h"
#include "RotaryEncoderList.h"
#include "RotaryEncoderSpinBox.h"
#include "ScreenBase.h"
#include "TestSequenceEdit.h"
#include "TestSequenceManager.h"
#include "TestSequenceScreen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QStackedWidget>

#include <memory>
#include <vector>

using namespace GuiTest;

namespace
{
// Far above any speed a test turns at: every detent is one step.
constexpr float noAcceleration = 1e9f;

template <class Box> void stepOncePerDetent(QWidget *screen)
{
    for (Box *box : screen->findChildren<Box *>())
        box->setAccelerationParameters(noAcceleration, 1.0f);
}
} // namespace

SequenceBench::SequenceBench()
{
    if (!area.startBoard())
        return;
    setupMenu = new ScreenBase(nullptr, nullptr);
    list = new TestSequenceScreen(setupMenu, nullptr);
    for (int i = 0; i < area.stack()->count(); ++i) {
        stepOncePerDetent<RotaryEncoderSpinBox>(area.stack()->widget(i));
        stepOncePerDetent<RotaryEncoderDoubleSpinBox>(area.stack()->widget(i));
    }
}

DataManager &SequenceBench::data()
{
    return area.board()->m_DataManager;
}

TestSequenceEdit *SequenceBench::editor() const
{
    return list->editScreen();
}

bool SequenceBench::open()
{
    if (!list)
        return false;
    list->showScreen(true);
    return area.activate();
}

QStringList SequenceBench::files() const
{
    return QDir(TestSequenceManager::directory())
        .entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

QByteArray SequenceBench::file(const QString &name) const
{
    QFile f(TestSequenceManager::directory() + QLatin1Char('/') + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

bool SequenceBench::writeFile(const QString &name, const QByteArray &content)
{
    return area.root().writeFile(
        TestSequenceManager::testSequenceDirectory + QLatin1Char('/') + name, content);
}

namespace
{
QStringList rowsOf(const QWidget *screen, const char *list)
{
    QStringList texts;
    const auto *view = screen->findChild<RotaryEncoderList *>(QLatin1String(list));
    for (int i = 0; view && i < view->count(); ++i)
        texts << view->item(i)->text();
    return texts;
}

int chosenRowOf(const QWidget *screen, const char *list)
{
    const auto *view = screen->findChild<RotaryEncoderList *>(QLatin1String(list));
    return view ? view->selectedRow() : -2;
}
} // namespace

QStringList SequenceBench::rows() const
{
    return rowsOf(list, "testSeqList");
}

int SequenceBench::chosenRow() const
{
    return chosenRowOf(list, "testSeqList");
}

QStringList SequenceBench::editorRows() const
{
    return rowsOf(editor(), "testList");
}

int SequenceBench::editorChosenRow() const
{
    return chosenRowOf(editor(), "testList");
}
