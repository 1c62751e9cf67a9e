// The Bluetooth about page: what it makes of the module's information events, and the
// module's identity shown against the simulated module.
#include "AboutBluetoothScreen.h"
#include "AboutDetailsScreen.h"
#include "BluetoothFavourites.h"
#include "BtModuleSim.h"
#include "GuiTest.h"
#include "ScreenArea.h"
#include "TestRegistry.h"

#include <QDir>
#include <QLabel>
#include <QStackedWidget>
#include <QTest>

using namespace GuiTest;

namespace
{
QStringList values(QWidget *page)
{
    QStringList shown;
    for (const char *name : {"BT_name_label", "BT_ID_label", "BT_VERSION_label"})
        shown << page->findChild<QLabel *>(name)->text();
    return shown;
}

QByteArray infoEvent(int code, const QByteArray &text)
{
    return QByteArray(1, char(code)) + text;
}
} // namespace

class TestAboutBluetoothScreen : public QObject
{
    Q_OBJECT
private slots:
    // Events in order, and the name, address and version shown after them.
    void informationEvents_data()
    {
        QTest::addColumn<QList<QByteArray>>("events");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("a banner of several lines shows its first")
            << QList<QByteArray>{infoEvent(16,
                                           "WRAP THOR AI (4.1.0 build 435)\r\nCopyright 2024\r\n")}
            << QStringList{"", "", "WRAP THOR AI (4.1.0 build 435)"};
        QTest::newRow("a name of several words, single blanks")
            << QList<QByteArray>{infoEvent(19, "  Pexon   Kovinta\t(KV-1) ")}
            << QStringList{"Pexon Kovinta (KV-1)", "", ""};
        QTest::newRow("the address") << QList<QByteArray>{infoEvent(18, "00:07:80:4e:21:9a\r\n")}
                                     << QStringList{"", "00:07:80:4e:21:9a", ""};
        QTest::newRow("a text that starts with a line end is joined")
            << QList<QByteArray>{infoEvent(16, "\nline one\nline two")}
            << QStringList{"", "", "line one line two"};
        QTest::newRow("other events and empty ones change nothing")
            << QList<QByteArray>{infoEvent(19, "Mine"), infoEvent(9, "Phone"), infoEvent(11, "x"),
                                 QByteArray(), infoEvent(18, "")}
            << QStringList{"Mine", "", ""};
        QTest::newRow("the last of each kind stays")
            << QList<QByteArray>{infoEvent(19, "One"), infoEvent(18, "a"), infoEvent(19, "Two")}
            << QStringList{"Two", "a", ""};
        QTest::newRow("bytes as Latin-1") << QList<QByteArray>{infoEvent(19, "Caf\xe9")}
                                          << QStringList{QString::fromLatin1("Caf\xe9"), "", ""};
    }
    void informationEvents()
    {
        QFETCH(QList<QByteArray>, events);
        QFETCH(QStringList, shown);
        ScreenArea area;
        auto *page = new AboutBluetoothScreen(nullptr, nullptr);
        for (const QByteArray &e : events)
            emit BluetoothFavourites::getInstance()->btInfoReceived(e);
        QCOMPARE(values(page), shown);
    }

    // Built by the channel versions page, the page brings the service up; F2 there opens
    // it, it asks the module, shows what the module says, and F1 goes back.
    void theModuleTellsWhoItIs()
    {
        ScreenArea area(ScreenArea::defaultSettings() + "Serial_num=KV-0007\n");
        BtModuleSim module;
        QVERIFY(module.start(area.root().root()));
        QVERIFY(!BluetoothFavourites::hasInstance());
        auto *details = new AboutDetailsScreen(nullptr, nullptr);
        QVERIFY(BluetoothFavourites::hasInstance());
        auto *page = area.stack()->findChild<AboutBluetoothScreen *>();
        QCOMPARE(page->previousScreen(), details);
        // The module's first configuration, then it is off again.
        QTRY_VERIFY_WITH_TIMEOUT(module.starts() == 1 && !module.poweredOn(), 10000);
        QVERIFY(area.activate());
        details->showScreen(true);
        key(Qt::Key_F2);
        QCOMPARE(area.current(), page);
        QTRY_COMPARE_WITH_TIMEOUT(
            values(page),
            QStringList({"Pexon Kovinta (KV-0007)", QString(BtModuleSim::ownAddress),
                         QString(BtModuleSim::banner)}),
            10000);
        QVERIFY(area.savePng(QDir::temp().filePath("about-AboutBluetoothScreen.png")));
        key(Qt::Key_F1);
        QCOMPARE(area.current(), details);
    }

    // With no module answering, showing the page keeps what it had and never holds the
    // screen up.
    void aSilentModuleLeavesTheValues()
    {
        ScreenArea area;
        auto *details = new AboutDetailsScreen(nullptr, nullptr);
        auto *page = area.stack()->findChild<AboutBluetoothScreen *>();
        emit BluetoothFavourites::getInstance()->btInfoReceived(infoEvent(19, "Before"));
        QVERIFY(area.activate());
        details->showScreen(true);
        key(Qt::Key_F2);
        QCOMPARE(area.current(), page);
        QTest::qWait(2000);
        QCOMPARE(values(page), QStringList({"Before", "", ""}));
        key(Qt::Key_F1);
        QCOMPARE(area.current(), details);
    }
};

RONDIX_TEST(TestAboutBluetoothScreen)
#include "tst_AboutBluetoothScreen.moc"
