#include "HostPinPage.h"
#include "MemoryMap.h"
#include "MemoryMappedPinController.h"
#include "PinLines.h"
#include "TestRegistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestPinController : public QObject
{
    Q_OBJECT
private:
    std::shared_ptr<HostPinPage> m_page;

private slots:
    void init()
    {
        m_page = std::make_shared<HostPinPage>();
        m_page->install();
    }
    void cleanup()
    {
        HostPinPage::uninstall();
        m_page.reset();
    }

    void bitChanges_data()
    {
        QTest::addColumn<quint32>("before");
        QTest::addColumn<int>("op"); // 0 setValue, 1 setDirection
        QTest::addColumn<quint32>("mask");
        QTest::addColumn<int>("value");
        QTest::addColumn<quint32>("after");
        QTest::newRow("set keeps others") << 0x80000001u << 0 << 0x400u << 1 << 0x80000401u;
        QTest::newRow("clear keeps others") << 0xFFFFFFFFu << 0 << 0x400u << 0 << 0xFFFFFBFFu;
        QTest::newRow("value 2 clears") << 0x00000400u << 0 << 0x400u << 2 << 0x00000000u;
        QTest::newRow("output") << 0x00010000u << 1 << 0x8000u << 1 << 0x00018000u;
        QTest::newRow("input") << 0x0001C000u << 1 << 0x8000u << 0 << 0x00014000u;
    }
    void bitChanges()
    {
        QFETCH(quint32, before);
        QFETCH(int, op);
        QFETCH(quint32, mask);
        QFETCH(int, value);
        QFETCH(quint32, after);
        m_page->poke(0x740, before);
        MemoryMappedPinController pins(0x80018000);
        QVERIFY(pins.isMapped());
        if (op == 0)
            pins.setValue(0x740, mask, static_cast<unsigned char>(value));
        else
            pins.setDirection(0x740, mask, MemoryMappedPinController::PIN_DIRECTION(value));
        QCOMPARE(m_page->read(0x740), after);
        QCOMPARE(m_page->writeCount(), 1);
    }

    void readsInputBit()
    {
        MemoryMappedPinController pins(0x80018000);
        m_page->poke(0x940, 0x8000);
        QVERIFY(pins.getValue(0x940, 0x8000));
        QVERIFY(!pins.getValue(0x940, 0x4000));
    }

    void unreachablePageIsLeftAlone()
    {
        m_page->setMapped(false);
        MemoryMappedPinController pins(0x80018000);
        QVERIFY(!pins.isMapped());
        pins.setValue(0x740, 0x400, 1);
        pins.setDirection(0xB40, 0x400, MemoryMappedPinController::Output);
        QVERIFY(!pins.getValue(0x940, 0xFFFFFFFF));
        QCOMPARE(m_page->writeCount(), 0);
    }

    void resetAndReleaseWords()
    {
        MemoryMappedPinController pins(0x80018000);
        m_page->poke(0x720, 0x00000001); // an unrelated pin of bank 2 stays high
        PinLines::holdAllInReset(pins);
        QCOMPARE(m_page->read(0x740), 0x00000000u);
        QCOMPARE(m_page->read(0xB40), 0x00000400u);
        QCOMPARE(m_page->read(0x720), 0x00000001u);
        QCOMPARE(m_page->read(0xB20), 0x00228000u);
        QCOMPARE(m_page->read(0x700), 0x00020000u);

        PinLines::releaseAll(pins);
        QCOMPARE(m_page->read(0x740), 0x00000400u); // clock and data low, reset 1 high
        QCOMPARE(m_page->read(0xB40), 0x00000000u); // all of them inputs
        QCOMPARE(m_page->read(0x720), 0x00228001u);
        QCOMPARE(m_page->read(0xB20), 0x00000000u);
        QCOMPARE(m_page->read(0x700), 0x00020000u);
    }

    void mapsAFileStretch()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("page");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(8192, '\0'));
        f.close();
        {
            MemoryMap map(path, 4096, 3, true, 4096);
            QVERIFY(map.pointer());
            QCOMPARE(map.mappedLength(), 4096);
            static_cast<char *>(map.pointer())[0x740] = 0x5A;
        }
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll().at(4096 + 0x740), char(0x5A));
    }

    void mapFailuresGiveNoPointer()
    {
        QTemporaryDir dir;
        MemoryMap missing(dir.filePath("none"), 4096, 3, true, 0);
        QVERIFY(!missing.pointer());
        // A file that ends before the stretch would fault on first access.
        QFile f(dir.filePath("short"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(100, '\0'));
        f.close();
        MemoryMap tooShort(f.fileName(), 4096, 3, true, 0x80018000);
        QVERIFY(!tooShort.pointer());
        QCOMPARE(tooShort.mappedLength(), 0);
    }
};

RONDIX_TEST(TestPinController)
#include "tst_PinController.moc"
