#include "ManualBench.h"

#include "InfusionPumpMainScreen.h"
#include "PowerBoardManager.h"
#include "PowerBoardSim.h"
#include "SummaryManualScreen.h"

#include <QDataStream>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSpinBox>

ManualBench::ManualBench(const QByteArray &settings, const QList<int> &absentChannels,
                         bool mainMenu)
    : area(settings)
{
    if (!area.startBoard([&](PowerBoardSim &sim) {
            for (int channel : absentChannels)
                sim.setAbsent(channel, true);
        }))
        return;
    if (mainMenu)
        menu = new InfusionPumpMainScreen(nullptr, nullptr);
    else
        summary = new SummaryManualScreen(nullptr, nullptr);
}

QByteArray ManualBench::testDataReply(int type, int status, int pressure, unsigned elapsed,
                                      unsigned volume, unsigned instant, unsigned average)
{
    QByteArray reply;
    QDataStream out(&reply, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("\x05\x1e\x00" "EPS", 6); // sequence, payload length, mnemonic
    out << quint8(type) << quint8(status) << qint16(pressure) << quint32(elapsed)
        << quint32(volume) << quint16(0) << quint32(instant) << quint32(average) << qint16(0)
        << quint8(0) << qint16(0);
    out << PowerBoardManager::checksum(5, reply.mid(1));
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
