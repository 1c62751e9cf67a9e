#include "GuiTest.h"
#include "ScreenKeyboard.h"
#include "TestRegistry.h"
#include "VirtualKeyboard.h"

#include <QApplication>
#include <QTest>

using namespace GuiTest;

namespace {
QList<int> turns(int n)
{
    QList<int> list;
    for (int i = 0; i < n; ++i)
        list << 120;
    return list;
}
} // namespace

class TestScreenKeyboard : public QObject
{
    Q_OBJECT
private slots:
    void typing_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("maxLength"); // 0: none
        QTest::addColumn<QList<int>>("input"); // keys; 120/-120 are turns
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("text");
        QTest::newRow("select at once types 0") << "" << 0 << QList<int>{Qt::Key_Escape, Qt::Key_F6} << 0 << "0";
        QTest::newRow("F1 types too") << "ab" << 0 << QList<int>{120, Qt::Key_F1, Qt::Key_F6} << 0 << "ab1";
        QTest::newRow("back from 0 is Space") << "a" << 0 << QList<int>{-120, Qt::Key_Escape, Qt::Key_F6} << 0
                                              << "a ";
        QTest::newRow("on from Space is 0") << "" << 0 << QList<int>{-120, 120, Qt::Key_Escape, Qt::Key_F6} << 0
                                            << "0";
        QTest::newRow("ten on is Q") << "" << 0 << turns(10) + QList<int>{Qt::Key_Escape, Qt::Key_F6}
                                     << 0 << "Q";
        QTest::newRow("shift gives lower case") << "" << 0
                                                << turns(10) + QList<int>{Qt::Key_F3, Qt::Key_Escape, Qt::Key_F6}
                                                << 0 << "q";
        QTest::newRow("delete") << "abc" << 0 << QList<int>{Qt::Key_F2, Qt::Key_F6} << 0 << "ab";
        QTest::newRow("delete on empty") << "" << 0 << QList<int>{Qt::Key_F2, Qt::Key_F6} << 0 << "";
        QTest::newRow("red keeps nothing") << "abc" << 0 << QList<int>{Qt::Key_Escape, Qt::Key_F7} << 1 << "abc0";
        QTest::newRow("full stays full") << "abc" << 3 << QList<int>{Qt::Key_Escape, Qt::Key_F6} << 0 << "abc";
    }
    void typing()
    {
        QFETCH(QString, start);
        QFETCH(int, maxLength);
        QFETCH(QList<int>, input);
        QFETCH(int, result);
        QFETCH(QString, text);
        ScreenKeyboard keyboard;
        keyboard.setText(start);
        if (maxLength)
            keyboard.setTextMaxLength(maxLength);
        ModalAnswer answer([input](QWidget *) {
            for (int k : input) {
                if (k == 120 || k == -120)
                    wheel(k);
                else
                    key(k);
            }
        });
        QCOMPARE(keyboard.exec(), result);
        QVERIFY(answer.answered());
        // The caller reads the text only on 0; what the line holds is shown either way.
        QCOMPARE(keyboard.getText(), text);
    }

    void layoutSwitches()
    {
        ScreenKeyboard keyboard;
        VirtualKeyboard *grid = keyboard.keyGrid();
        QCOMPARE(grid->keyboard(), VirtualKeyboard::QwertyUpper);
        const QList<QPair<int, VirtualKeyboard::Keyboard>> steps = {
            {Qt::Key_F3, VirtualKeyboard::QwertyLower},
            {Qt::Key_F4, VirtualKeyboard::AlphaLower},
            {Qt::Key_F4, VirtualKeyboard::QwertyLower},
            {Qt::Key_F3, VirtualKeyboard::QwertyUpper},
            {Qt::Key_F4, VirtualKeyboard::AlphaUpper},
        };
        QList<VirtualKeyboard::Keyboard> seen;
        ModalAnswer answer([&](QWidget *) {
            for (const auto &s : steps) {
                key(s.first);
                seen << grid->keyboard();
            }
            key(Qt::Key_F7);
        });
        keyboard.exec();
        QVERIFY(answer.answered());
        QCOMPARE(seen.size(), steps.size());
        for (int i = 0; i < steps.size(); ++i)
            QCOMPARE(seen.at(i), steps.at(i).second);
    }

    void highlightPastARowEndIsClampedOnSwitch()
    {
        // The tenth key of the third alphabetical row ("T") has no place in the Qwerty
        // row of nine keys: it lands on that row's last key, "L".
        VirtualKeyboard grid;
        grid.setKeyboard(VirtualKeyboard::AlphaUpper);
        grid.resize(264, 110);
        grid.show();
        for (int i = 0; i < 29; ++i) {
            QWheelEvent e(QPointF(1, 1), QPointF(1, 1), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
            QApplication::sendEvent(&grid, &e);
        }
        QCOMPARE(grid.getCurrentKey(), QChar('T'));
        grid.toggleKeyboard();
        QCOMPARE(grid.getCurrentKey(), QChar('L'));
        QWheelEvent e(QPointF(1, 1), QPointF(1, 1), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(&grid, &e);
        QCOMPARE(grid.getCurrentKey(), QChar('Z'));
    }

    void escapeNeverRejects()
    {
        // Escape is the select key: it types, it does not close the dialog.
        ScreenKeyboard keyboard;
        ModalAnswer answer([&](QWidget *) {
            key(Qt::Key_Escape);
            key(Qt::Key_Escape);
            QVERIFY(keyboard.isVisible());
            key(Qt::Key_F6);
        });
        QCOMPARE(keyboard.exec(), 0);
        QCOMPARE(keyboard.getText(), QString("00"));
    }
};

RONDIX_TEST(TestScreenKeyboard)
#include "tst_ScreenKeyboard.moc"
