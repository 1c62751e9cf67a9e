#include "ManualBench.h"

#include "DevicePath.h"
#include "SummaryManualScreen.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSpinBox>
#include <QTest>

ManualBench::ManualBench(const QByteArray &settings, const QList<int> &absentChannels)
    : area(settings), m_absent(absentChannels)
{
    for (int channel : absentChannels)
        sim.setAbsent(channel, true);
    if (!sim.start(area.root().root()))
        return;
    board.reset(new InfusionPumpPowerBoardManager(DevicePath::path("/dev/ttyAPP1"), nullptr));
    area.attachBoard(board.get());
    summary = new SummaryManualScreen(nullptr, nullptr);
}

ManualBench::~ManualBench() = default;

bool ManualBench::waitForStartUp()
{
    if (!board)
        return false;
    QDeadlineTimer deadline(30000);
    auto done = [this] {
        for (int channel = 0; channel < 4; ++channel) {
            if (m_absent.contains(channel)) {
                if (board->getChannelStatus(channel) != 0)
                    return false;
            } else if (!commands().contains(Command(channel, "I6"))) {
                return false;
            }
        }
        return true;
    };
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(20);
    }
    // The priming of the last absent channel may still be retried; let it fail.
    QTest::qWait(m_absent.isEmpty() ? 100 : 1500);
    sim.clearCommands();
    return true;
}

QList<ManualBench::Command> ManualBench::commands() const
{
    QList<Command> list;
    for (const PowerBoardSim::Command &c : sim.commands())
        if (c.payload != "I4" && !c.repeated)
            list.append({c.channel, c.payload});
    return list;
}

QByteArray ManualBench::testDataReply(int type, int status, int pressure, unsigned elapsed,
                                      unsigned volume, unsigned instant, unsigned average)
{
    QByteArray reply;
    QDataStream out(&reply, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("\x05\x00\x1f" "EPS", 6); // sequence, length, mnemonic
    out << quint8(type) << quint8(status) << qint16(pressure) << quint32(elapsed)
        << quint32(volume) << quint16(0) << quint32(instant) << quint32(average) << qint16(0)
        << quint8(0) << qint16(0);
    return reply;
}

QString labelText(const QWidget *screen, const char *label)
{
    const auto *widget = screen->findChild<QLabel *>(QLatin1String(label));
    return widget ? widget->text() : QStringLiteral("<no label %1>").arg(QLatin1String(label));
}

double boxValue(const QWidget *screen, const char *box)
{
    if (const auto *spin = screen->findChild<QSpinBox *>(QLatin1String(box)))
        return spin->value();
    const auto *spin = screen->findChild<QDoubleSpinBox *>(QLatin1String(box));
    return spin ? spin->value() : -1e9;
}
