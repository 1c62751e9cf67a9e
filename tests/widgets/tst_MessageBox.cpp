#include "GuiTest.h"
#include "RotaryEncoderMessageBox.h"
#include "TestRegistry.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

using namespace GuiTest;

namespace {
// Stands in for a translation file: translates the message box's words into capitals.
class UpperCaseTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *disambiguation, int) const override
    {
        if (QByteArray(context) == "RotaryEncoderMessageBox"
            && QByteArray(disambiguation) == "Message box button text")
            return QString::fromLatin1(source).toUpper();
        return QString();
    }
    bool isEmpty() const override { return false; }
};

void setUp(RotaryEncoderMessageBox &box, QMessageBox::StandardButtons buttons)
{
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    box.setWindowTitle("Question");
    box.setIcon(QMessageBox::Warning);
    box.setText("Delete the sequence?");
    box.setStandardButtons(buttons);
    box.translateStandardButtons();
}
} // namespace

class TestMessageBox : public QObject
{
    Q_OBJECT
private slots:
    void answeredByWheelAndSelect_data()
    {
        QTest::addColumn<int>("defaultButton");
        QTest::addColumn<QList<int>>("turns");
        QTest::addColumn<int>("expected");
        QTest::newRow("select on Yes") << int(QMessageBox::Yes) << QList<int>{} << int(QMessageBox::Yes);
        QTest::newRow("turn to No") << int(QMessageBox::Yes) << QList<int>{120} << int(QMessageBox::No);
        QTest::newRow("turn back to No") << int(QMessageBox::Yes) << QList<int>{-120} << int(QMessageBox::No);
        QTest::newRow("there and back") << int(QMessageBox::No) << QList<int>{120, 0} << int(QMessageBox::No);
    }
    void answeredByWheelAndSelect()
    {
        QFETCH(int, defaultButton);
        QFETCH(QList<int>, turns);
        QFETCH(int, expected);
        RotaryEncoderMessageBox box;
        setUp(box, QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::StandardButton(defaultButton));
        ModalAnswer answer([turns](QWidget *) {
            for (int delta : turns)
                wheel(delta);
            key(Qt::Key_Escape);
        });
        QCOMPARE(box.exec(), expected);
        QVERIFY(answer.answered());
    }

    void selectWithNoButtonFocusedDoesNotClose()
    {
        RotaryEncoderMessageBox box;
        setUp(box, QMessageBox::Ok);
        ModalAnswer answer([&box](QWidget *) {
            box.setFocus(); // the box itself, not a button
            key(Qt::Key_Escape);
            QVERIFY(box.isVisible());
            key(Qt::Key_Return); // the toolkit's own keys still work
        });
        QCOMPARE(box.exec(), int(QMessageBox::Ok));
        QVERIFY(answer.answered());
    }

    void limitedToTheDisplay()
    {
        RotaryEncoderMessageBox box;
        setUp(box, QMessageBox::Ok);
        box.setText(QString("A long text that does not fit. ").repeated(40));
        box.show();
        QTRY_VERIFY(box.isVisible());
        QApplication::processEvents();
        QVERIFY(box.width() <= RotaryEncoderMessageBox::maxWidth);
        QVERIFY(box.height() <= RotaryEncoderMessageBox::maxHeight);
    }

    // A name too long for a line cannot wrap: it is cut in its middle to the room the
    // box has, in the text and the informative text, so both its ends show.
    void aLongWordKeepsBothEnds()
    {
        const QString name = "Results_" + QString(120, 'x') + "_2024.dat";
        RotaryEncoderMessageBox box;
        setUp(box, QMessageBox::Ok);
        box.setText("Not found: " + name);
        box.setInformativeText(name + " was left out.");
        box.show();
        QTRY_VERIFY(box.isVisible());
        QApplication::processEvents();
        QVERIFY(box.width() <= RotaryEncoderMessageBox::maxWidth);
        for (const char *name : {"qt_msgbox_label", "qt_msgbox_informativelabel"}) {
            auto *label = box.findChild<QLabel *>(name);
            QVERIFY(label);
            const QFontMetrics metrics(label->font());
            for (const QString &word : label->text().split(' '))
                QVERIFY2(metrics.horizontalAdvance(word) <= label->contentsRect().width(),
                         qPrintable(word));
            QVERIFY2(label->text().contains("Results_x") && label->text().contains("x_2024.dat"),
                     qPrintable(label->text()));
        }
        QVERIFY(box.text().startsWith("Not found: Results_"));
        QVERIFY(box.informativeText().endsWith(".dat was left out."));
    }

    // Boxes name files and devices from outside: the text and the informative text show
    // as they stand, markup included, whichever is set first.
    void textsShowAsText_data()
    {
        QTest::addColumn<bool>("informativeFirst");
        QTest::newRow("text first") << false;
        QTest::newRow("informative text first") << true;
    }
    void textsShowAsText()
    {
        QFETCH(bool, informativeFirst);
        const QString text = "Not found: <b>x</b>";
        const QString informative = "<img src=\"missing.png\"> <i>y</i>";
        RotaryEncoderMessageBox box;
        setUp(box, QMessageBox::Ok);
        if (informativeFirst)
            box.setInformativeText(informative);
        box.setText(text);
        box.setInformativeText(informative);
        box.show();
        QTRY_VERIFY(box.isVisible());
        QStringList shown;
        for (QLabel *label : box.findChildren<QLabel *>()) {
            if (label->text().isEmpty())
                continue;
            shown << label->text();
            QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->text()));
        }
        shown.sort();
        QCOMPARE(shown, QStringList({informative, text}));
    }

    // A box without a parent comes up centred over the window in use, also when no
    // window is active.
    void placedOverTheWindowInUse_data()
    {
        QTest::addColumn<bool>("active");
        QTest::newRow("over the active window") << true;
        QTest::newRow("over the one window shown") << false;
    }
    void placedOverTheWindowInUse()
    {
        QFETCH(bool, active);
        QWidget display;
        display.setGeometry(500, 400, 320, 240);
        display.show();
        QVERIFY(QTest::qWaitForWindowExposed(&display));
        if (active) {
            display.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&display));
        } else {
            QApplication::setActiveWindow(nullptr);
        }
        RotaryEncoderMessageBox box;
        setUp(box, QMessageBox::Ok | QMessageBox::Cancel);
        box.show();
        QTRY_VERIFY(box.isVisible());
        QVERIFY2(display.frameGeometry().contains(box.frameGeometry()),
                 qPrintable(QString("%1,%2 %3x%4")
                                .arg(box.x())
                                .arg(box.y())
                                .arg(box.width())
                                .arg(box.height())));
        QVERIFY(
            (box.frameGeometry().center() - display.frameGeometry().center()).manhattanLength() <=
            2);
    }

    void standardButtonTexts()
    {
        RotaryEncoderMessageBox box;
        setUp(box, QMessageBox::Yes | QMessageBox::NoToAll | QMessageBox::RestoreDefaults);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), QString("Yes"));
        QCOMPARE(box.button(QMessageBox::NoToAll)->text(), QString("No To All"));
        QCOMPARE(box.button(QMessageBox::RestoreDefaults)->text(), QString("Restore"));
        UpperCaseTranslator translator;
        QApplication::installTranslator(&translator);
        box.translateStandardButtons();
        QApplication::removeTranslator(&translator);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), QString("YES"));
        QCOMPARE(box.button(QMessageBox::NoToAll)->text(), QString("NO TO ALL"));
        QCOMPARE(box.button(QMessageBox::RestoreDefaults)->text(), QString("RESTORE"));
        QVERIFY(!box.button(QMessageBox::Ok));
    }
};

RONDIX_TEST(TestMessageBox)
#include "tst_MessageBox.moc"
