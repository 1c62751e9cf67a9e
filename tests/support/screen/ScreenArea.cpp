#include "ScreenArea.h"

#include <algorithm>

#include "BluetoothFavourites.h"
#include "InfusionPumpPowerBoardManager.h"
#include "PowerBoardSim.h"
#include "ScreenBase.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTest>

QByteArray ScreenArea::defaultSettings()
{
    return "[General]\nDate_format=dd.MM.yyyy\nTime_format=hh:mm:ss\n";
}

ScreenArea::ScreenArea(const QByteArray &settings) : m_stack(new QStackedWidget)
{
    m_root.writeFile("/mnt/data/kovinta.ini", settings);
    m_stack->setMinimumSize(290, 201);
    m_stack->resize(320, 240);
    ScreenBase::stackedWidget = m_stack;
}

ScreenArea::~ScreenArea()
{
    // Screens first: they are connected to the board manager.
    delete m_stack;
    ScreenBase::stackedWidget = nullptr;
    ScreenBase::board = nullptr;
    m_board.reset();
    m_sim.reset();
    // The Bluetooth service that a screen brought up must not outlive this root: its
    // timers would reach for the power line and the port wherever the root then points.
    if (BluetoothFavourites::hasInstance())
        delete BluetoothFavourites::getInstance();
}

InfusionPumpPowerBoardManager *ScreenArea::startBoard(const std::function<void(PowerBoardSim &)> &configure)
{
    m_sim.reset(new PowerBoardSim);
    if (configure)
        configure(*m_sim);
    if (!m_sim->start(m_root.root()))
        return nullptr;
    m_board.reset(new InfusionPumpPowerBoardManager(QStringLiteral("/dev/ttyAPP1")));
    attachBoard(m_board.get());
    return m_board.get();
}

bool ScreenArea::settle()
{
    if (!m_sim)
        return false;
    // Wait generously for the start-up prime of every channel that answers (one that
    // never does is found absent after its five tries), a poll, and then a quiet line.
    QDeadlineTimer deadline(60000);
    int seen = -1;
    QDeadlineTimer quiet;
    const auto primed = [this](const QStringList &l) {
        for (int ch = 0; ch < 4; ++ch) {
            if (board()->getChannelStatus(ch) != 0 && !l.contains(QStringLiteral("%1 I6").arg(ch)))
                return false;
        }
        return true;
    };
    while (!deadline.hasExpired()) {
        QTest::qWait(10);
        const QStringList l = lines();
        if (!primed(l) || !l.filter(QRegularExpression(QStringLiteral(" I4$"))).size())
            continue;
        if (l.size() != seen) {
            seen = l.size();
            quiet.setRemainingTime(350);
        } else if (quiet.hasExpired()) {
            m_sim->clearCommands();
            return true;
        }
    }
    return false;
}

QStringList ScreenArea::lines() const
{
    QStringList out;
    if (!m_sim)
        return out;
    for (const PowerBoardSim::Command &c : m_sim->commands()) {
        // The change-setting commands are three letters and binary arguments.
        const int letters = c.payload.startsWith("IF") ? 3 : c.payload.size();
        QString s = QString::number(c.channel) + QLatin1Char(' ') + QString::fromLatin1(c.payload.left(letters));
        if (letters < c.payload.size())
            s += QLatin1Char(' ') + QString::fromLatin1(c.payload.mid(letters).toHex(' '));
        out << s;
    }
    return out;
}

QStringList ScreenArea::requests() const
{
    QStringList out;
    for (const QString &l : lines()) {
        if (!l.endsWith(QLatin1String(" I4")))
            out << l;
    }
    return out;
}

QStringList ScreenArea::requestsByChannel() const
{
    QStringList out = requests();
    std::stable_sort(out.begin(), out.end(), [](const QString &a, const QString &b) {
        return a.section(QLatin1Char(' '), 0, 0).toInt() < b.section(QLatin1Char(' '), 0, 0).toInt();
    });
    return out;
}

QWidget *ScreenArea::current() const
{
    return m_stack->currentWidget();
}

void ScreenArea::attachBoard(InfusionPumpPowerBoardManager *board)
{
    ScreenBase::board = board;
}

bool ScreenArea::activate()
{
    return GuiTest::showActive(m_stack);
}

bool ScreenArea::savePng(const QString &path) const
{
    return GuiTest::savePng(m_stack, path);
}

QString ScreenArea::settingsPath() const
{
    return m_root.path("/mnt/data/kovinta.ini");
}
