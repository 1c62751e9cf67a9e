#include "CheckBox.h"
#include "GuiTest.h"
#include "LineEdit.h"
#include "PlainTextEdit.h"
#include "RotaryEncoderComboBox.h"
#include "RotaryEncoderDateEdit.h"
#include "RotaryEncoderList.h"
#include "RotaryEncoderSpinBox.h"
#include "TestRegistry.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using namespace GuiTest;

namespace {
// A form of one field of each kind; it records the keys that travel up to it.
class Form : public QWidget
{
public:
    Form()
    {
        auto *layout = new QVBoxLayout(this);
        for (QWidget *w : std::initializer_list<QWidget *>{line, combo, spin, check, date, plain})
            layout->addWidget(w);
        for (QWidget *w : std::initializer_list<QWidget *>{line, combo, spin, check, date, plain})
            w->setFocusPolicy(Qt::WheelFocus);
        combo->addItems({"a", "b", "c"});
        spin->setRange(0, 100);
        date->setDate(QDate(2026, 12, 3));
        line->setText("old");
    }
    LineEdit *line = new LineEdit;
    RotaryEncoderComboBox *combo = new RotaryEncoderComboBox;
    RotaryEncoderSpinBox *spin = new RotaryEncoderSpinBox;
    CheckBox *check = new CheckBox;
    RotaryEncoderDateEdit *date = new RotaryEncoderDateEdit;
    PlainTextEdit *plain = new PlainTextEdit;
    QList<int> keysReachingForm;

protected:
    void keyPressEvent(QKeyEvent *e) override { keysReachingForm << e->key(); }
};
} // namespace

class TestWheelTabable : public QObject
{
    Q_OBJECT
private slots:
    void navigateModeMovesFocusThroughTheForm()
    {
        Form form;
        QVERIFY(showActive(&form));
        form.line->setFocus();
        QWidget *const order[] = {form.line, form.combo, form.spin, form.check, form.date, form.plain};
        for (int i = 1; i < 6; ++i) {
            turn(1);
            QVERIFY2(order[i]->hasFocus(), qPrintable(QString::number(i) + QApplication::focusWidget()->metaObject()->className()));
        }
        // A delta of zero counts as a turn back.
        wheel(0);
        QVERIFY(form.date->hasFocus());
        turn(-4);
        QVERIFY(form.line->hasFocus());
        QCOMPARE(form.spin->value(), 0);
        QCOMPARE(form.combo->currentIndex(), 0);
    }

    void lineEditTakesTextOnGreenKeepsItOnRed_data()
    {
        QTest::addColumn<QList<int>>("keyboardKeys");
        QTest::addColumn<QString>("expected");
        // Select types the highlighted "0"; F2 deletes; green takes, red keeps.
        QTest::newRow("green") << QList<int>{Qt::Key_F2, Qt::Key_F2, Qt::Key_F2, Qt::Key_Escape, Qt::Key_F6}
                               << "0";
        QTest::newRow("green appends") << QList<int>{Qt::Key_F1, Qt::Key_F6} << "old0";
        QTest::newRow("red") << QList<int>{Qt::Key_Escape, Qt::Key_F7} << "old";
    }
    void lineEditTakesTextOnGreenKeepsItOnRed()
    {
        QFETCH(QList<int>, keyboardKeys);
        QFETCH(QString, expected);
        Form form;
        QVERIFY(showActive(&form));
        form.line->setFocus();
        ModalAnswer answer(keyboardKeys);
        key(Qt::Key_Escape);
        QVERIFY(answer.answered());
        QCOMPARE(form.line->text(), expected);
        QCOMPARE(form.line->wheelMode(), WheelTabable::navigate);
        QTRY_VERIFY(form.line->hasFocus());
        QVERIFY(form.line->isReadOnly());
        // The select key acted on the field and went no further.
        QVERIFY(form.keysReachingForm.isEmpty());
    }

    void lineEditKeyboardRespectsMaxLength()
    {
        Form form;
        QVERIFY(showActive(&form));
        form.line->setMaxLength(3);
        form.line->setFocus();
        ModalAnswer answer({Qt::Key_Escape, Qt::Key_Escape, Qt::Key_F6});
        key(Qt::Key_Escape);
        QVERIFY(answer.answered());
        QCOMPARE(form.line->text(), QString("old"));
    }

    void plainTextEditHandsItsOwnMaxLength()
    {
        Form form;
        QVERIFY(showActive(&form));
        QCOMPARE(form.plain->getMaxLength(), PlainTextEdit::defaultMaxLength);
        form.plain->setMaxLength(2);
        form.plain->setPlainText("ab");
        form.plain->setFocus();
        ModalAnswer answer({Qt::Key_Escape, Qt::Key_F6});
        key(Qt::Key_Escape);
        QVERIFY(answer.answered());
        QCOMPARE(form.plain->toPlainText(), QString("ab"));
        QCOMPARE(form.plain->wheelMode(), WheelTabable::navigate);
    }

    void comboWrapsInEditMode_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("expected");
        QTest::newRow("last, back -> first") << 2 << -120 << 0;
        QTest::newRow("first, forward -> last") << 0 << 120 << 2;
        QTest::newRow("middle, forward -> previous") << 1 << 120 << 0;
        QTest::newRow("middle, back -> next") << 1 << -120 << 2;
    }
    void comboWrapsInEditMode()
    {
        QFETCH(int, start);
        QFETCH(int, delta);
        QFETCH(int, expected);
        Form form;
        QVERIFY(showActive(&form));
        form.combo->setCurrentIndex(start);
        form.combo->setFocus();
        key(Qt::Key_Escape);
        QCOMPARE(form.combo->wheelMode(), WheelTabable::edit);
        wheel(delta);
        QCOMPARE(form.combo->currentIndex(), expected);
        QVERIFY(form.combo->hasFocus());
        key(Qt::Key_Escape);
        turn(1);
        QCOMPARE(form.combo->currentIndex(), expected);
        QVERIFY(form.spin->hasFocus());
    }

    void comboSignalsEveryKeyButNotTheWheel()
    {
        Form form;
        QVERIFY(showActive(&form));
        form.combo->setFocus();
        QSignalSpy spy(form.combo, &RotaryEncoderComboBox::comboBoxSelectedItemChanged);
        keys({Qt::Key_Escape, Qt::Key_F6});
        QCOMPARE(spy.count(), 2);
        turn(1);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(form.combo->styleSheet(), QString("QComboBox { border: 1px solid red }"));
        QCOMPARE(form.keysReachingForm, QList<int>{Qt::Key_F6});
    }

    void checkBoxTogglesOnSelectAndDrawsRedWhenFocused()
    {
        Form form;
        QVERIFY(showActive(&form));
        form.check->resize(20, 20);
        form.check->setFocus();
        key(Qt::Key_Escape);
        QVERIFY(form.check->isChecked());
        QVERIFY(form.keysReachingForm.isEmpty());
        const QImage focused = form.check->grab().toImage();
        // The centre square of the 13 x 13 indicator is filled in the outline colour.
        QCOMPARE(focused.pixelColor(6, 6), QColor(Qt::red));
        key(Qt::Key_Escape);
        QVERIFY(!form.check->isChecked());
        QVERIFY(focused.pixelColor(6, 6) != form.check->grab().toImage().pixelColor(6, 6));
        form.line->setFocus();
        form.check->setChecked(true);
        QCOMPARE(form.check->grab().toImage().pixelColor(6, 6), QColor(Qt::black));
    }

    void dateEditStepsOnlyWhileEditing()
    {
        Form form;
        QVERIFY(showActive(&form));
        form.date->setFocus();
        form.date->setCurrentSection(QDateTimeEdit::DaySection);
        key(Qt::Key_Escape);
        QVERIFY(form.date->isEditing());
        turn(1);
        QCOMPARE(form.date->date(), QDate(2026, 12, 4));
        QVERIFY(form.date->hasFocus());
        key(Qt::Key_Escape);
        QVERIFY(!form.date->isEditing());
        turn(1);
        QCOMPARE(form.date->date(), QDate(2026, 12, 4));
        QVERIFY(form.plain->hasFocus());
        QVERIFY(form.keysReachingForm.isEmpty());
    }

    void listMovesSelectionWithWrap_data()
    {
        QTest::addColumn<int>("selected"); // -1: none
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("expectedSelected");
        QTest::addColumn<int>("expectedCurrent");
        QTest::newRow("last, forward wraps") << 2 << 120 << 0 << 0;
        QTest::newRow("first, back wraps") << 0 << -120 << 2 << 2;
        QTest::newRow("zero delta goes back") << 1 << 0 << 0 << 0;
        QTest::newRow("none, forward selects 0 only") << -1 << 120 << 0 << -1;
        QTest::newRow("none, back selects 0 only") << -1 << -120 << 0 << -1;
    }
    void listMovesSelectionWithWrap()
    {
        QFETCH(int, selected);
        QFETCH(int, delta);
        QFETCH(int, expectedSelected);
        QFETCH(int, expectedCurrent);
        RotaryEncoderList list;
        list.addItems({"one", "two", "three"});
        if (selected >= 0)
            list.setCurrentRow(selected);
        else
            list.clearSelection();
        QVERIFY(showActive(&list));
        list.setFocus();
        if (selected < 0) {
            // Focusing a list makes a row current without selecting it; start from none.
            list.setCurrentRow(-1);
            list.clearSelection();
        }
        wheel(delta);
        QCOMPARE(list.selectedItems().size(), 1);
        QCOMPARE(list.row(list.selectedItems().first()), expectedSelected);
        QCOMPARE(list.currentRow(), expectedCurrent);
    }

    void turnNotTakenTravelsToTheScreen()
    {
        // A plain button ignores the wheel; the list reports it not handled after
        // moving: both leave the turn to the screen, as on the instrument.
        struct Screen : QWidget
        {
            int turns = 0;
            void wheelEvent(QWheelEvent *e) override
            {
                ++turns;
                e->accept();
            }
        } screen;
        auto *layout = new QVBoxLayout(&screen);
        auto *button = new QPushButton("b");
        auto *list = new RotaryEncoderList;
        list->addItems({"one", "two"});
        layout->addWidget(button);
        layout->addWidget(list);
        QVERIFY(showActive(&screen));
        button->setFocus();
        turn(1);
        QCOMPARE(screen.turns, 1);
        list->setFocus();
        list->setCurrentRow(0);
        turn(1);
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(screen.turns, 2);
    }

    void emptyListIgnoresTheWheel()
    {
        RotaryEncoderList list;
        QVERIFY(showActive(&list));
        turn(1);
        QVERIFY(list.selectedItems().isEmpty());
    }
};

RONDIX_TEST(TestWheelTabable)
#include "tst_WheelTabable.moc"
