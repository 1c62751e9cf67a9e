#include "ScreenArea.h"
#include "ScreenBase.h"
#include "TestRegistry.h"

#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

using namespace GuiTest;

namespace {
// A screen whose F1 soft key goes back, as every screen's form does.
class Page : public ScreenBase
{
public:
    explicit Page(QWidget *previous) : ScreenBase(previous, nullptr)
    {
        auto *back = new QPushButton(this);
        back->setShortcut(QKeySequence(Qt::Key_F1));
        back->setFocusPolicy(Qt::NoFocus);
        connect(back, &QPushButton::clicked, this, &Page::onBackArrowClicked);
    }
    int shown = 0;
    void showScreen(bool check) override
    {
        ++shown;
        ScreenBase::showScreen(check);
    }
};
} // namespace

class TestScreenBase : public QObject
{
    Q_OBJECT
private slots:
    void formatTimeFromPic_data()
    {
        QTest::addColumn<uint>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0u << "00:00:00";
        QTest::newRow("59") << 59u << "00:00:59";
        QTest::newRow("61") << 61u << "00:01:01";
        QTest::newRow("3600") << 3600u << "01:00:00";
        QTest::newRow("86399") << 86399u << "23:59:59";
        QTest::newRow("360000") << 360000u << "100:00:00";
        QTest::newRow("max") << 4294967295u << "1193046:28:15";
    }
    void formatTimeFromPic()
    {
        QFETCH(uint, seconds);
        QFETCH(QString, text);
        QCOMPARE(ScreenBase::formatTimeFromPic(seconds), text);
    }

    void pagesAndBack()
    {
        ScreenArea area;
        auto *root = new Page(nullptr);
        auto *child = new Page(root);
        auto *other = new Page(root);
        QVERIFY(area.activate());
        // The first page added is current; building more does not change that.
        QCOMPARE(area.current(), root);
        QVERIFY(root->isCurrentWidget());
        QCOMPARE(area.stack()->count(), 3);

        child->showScreen(true);
        QCOMPARE(area.current(), child);
        QTRY_VERIFY(child->hasFocus());
        child->showScreen(true); // again: stays current and focused
        QCOMPARE(area.current(), child);
        QVERIFY(child->hasFocus());

        key(Qt::Key_F1);
        QCOMPARE(area.current(), root);
        QCOMPARE(root->shown, 1); // through the virtual showScreen

        child->setPreviousScreen(other);
        child->showScreen(true);
        key(Qt::Key_F1);
        QCOMPARE(area.current(), other);

        // Back with no previous screen, or one that is not a screen, does nothing.
        key(Qt::Key_F1);
        QCOMPARE(area.current(), root);
        key(Qt::Key_F1);
        QCOMPARE(area.current(), root);
        QLabel notAScreen;
        child->setPreviousScreen(&notAScreen);
        child->showScreen(true);
        key(Qt::Key_F1);
        QCOMPARE(area.current(), child);
    }
};

RONDIX_TEST(TestScreenBase)
#include "tst_ScreenBase.moc"
