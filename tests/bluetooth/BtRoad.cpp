#include "BtRoad.h"

#include "BluetoothFavourites.h"
#include "TestResultManager.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

const QStringList BtRoad::configuration{
    "SET CONTROL AUTOCALL", "SET CONTROL ECHO 5",  "SET PROFILE SPP ON",
    "SET PROFILE OPP ON",   "SET BT CLASS 100110", "SET BT NAME Pexon Kovinta (KV-0007)"};

QByteArray BtRoad::favouriteSettings()
{
    const QList<BtModuleSim::Device> d = BtModuleSim::defaultDevices();
    return ScreenArea::defaultSettings() +
           "Serial_num=KV-0007\n[BluetoothFavourites]\nBarCode\\Id=" + d.at(0).address +
           "\nBarCode\\Name=" + d.at(0).name + "\nMobilePhone\\Id=" + d.at(1).address +
           "\nMobilePhone\\Name=" + d.at(1).name + "\n";
}

BtRoad::BtRoad(const std::function<void(BtModuleSim::Options &)> &configure,
               const QByteArray &settings)
    : area(settings)
{
    if (configure)
        configure(sim.options());
    sim.start(area.root().root());
}

BluetoothFavourites *BtRoad::bt() const
{
    return BluetoothFavourites::getInstance();
}

bool BtRoad::configured()
{
    return QTest::qWaitFor([&] { return bt()->mode() == BT_MODE_OFF && !sim.poweredOn(); },
                           10000) &&
           sim.commands().mid(sim.commands().size() - configuration.size()) == configuration;
}

QByteArray BtRoad::resultsExchangeFile(const QString &devicePath, int samples)
{
    TestResultManager *results = TestResultManager::getInstance();
    results->createTestData(2, samples, 0);
    const QStringList names = results->getApplianceResultList().keys();
    const QString path = area.root().path(devicePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (results->exportApplianceResults(path, names) != 2)
        return QByteArray();
    for (const QString &n : names)
        results->removeApplianceResult(n);
    return area.root().readFile(devicePath);
}
