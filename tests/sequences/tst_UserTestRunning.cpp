#include "GuiTest.h"
#include "LineEdit.h"
#include "PlainTextEdit.h"
#include "ScreenArea.h"
#include "TestRegistry.h"
#include "TestSequenceElementUserTest.h"
#include "UserTestRunning.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QTest>

using namespace GuiTest;

namespace
{
// The prompt with the screen it returns to, in a shown and active screen area, and two
// questions: one that asks for a value and one that does not.
struct PromptBench {
    PromptBench()
        : previous(new ScreenBase(nullptr, nullptr)), prompt(new UserTestRunning(previous, nullptr))
    {
        withValue.testText = QStringLiteral("Occlusion alarm pressure");
        withValue.units = QStringLiteral("PSI");
        withoutValue.testText = QStringLiteral("Door latch holds");
        previous->showScreen(true);
    }

    // Puts a question to a channel and shows it, as the summary does.
    void put(unsigned short channel, TestSequenceElementUserTest &test)
    {
        prompt->vSetChannel(channel);
        prompt->setTestData(&test);
        prompt->showScreen(true);
    }

    QDoubleSpinBox *box() const { return prompt->findChild<QDoubleSpinBox *>("resultBox"); }
    QString question() const
    {
        return prompt->findChild<PlainTextEdit *>("testNameTextEdit")->toPlainText();
    }
    QString channelShown() const { return prompt->findChild<QLabel *>("label_Channel")->text(); }
    LineEdit *unit() const { return prompt->findChild<LineEdit *>("unitLineEdit"); }

    ScreenArea area;
    ScreenBase *previous;
    UserTestRunning *prompt;
    TestSequenceElementUserTest withValue;
    TestSequenceElementUserTest withoutValue;
};
} // namespace

class TestUserTestRunning : public QObject
{
    Q_OBJECT
private slots:
    // F4 and F3 answer the channel shown without leaving the prompt; a value is taken
    // only when the question asks for one. The encoder steps the value box directly.
    void answers_data()
    {
        QTest::addColumn<bool>("asksValue");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("status");
        QTest::addColumn<double>("value");
        QTest::newRow("value, pass") << true << int(Qt::Key_F4) << 1 << 0.3;
        QTest::newRow("value, fail") << true << int(Qt::Key_F3) << 0 << 0.3;
        QTest::newRow("no value, pass") << false << int(Qt::Key_F4) << 1 << 0.0;
        QTest::newRow("no value, fail") << false << int(Qt::Key_F3) << 0 << 0.0;
        QTest::newRow("green: nothing") << true << int(Qt::Key_F6) << 3 << 0.0;
        QTest::newRow("select: nothing") << true << int(Qt::Key_Escape) << 3 << 0.0;
    }
    void answers()
    {
        QFETCH(bool, asksValue);
        QFETCH(int, key);
        QFETCH(int, status);
        QFETCH(double, value);
        PromptBench b;
        QVERIFY(b.area.activate());
        b.put(2, asksValue ? b.withValue : b.withoutValue);
        QCOMPARE(b.channelShown(), QStringLiteral("3"));
        QCOMPARE(b.question(), asksValue ? b.withValue.testText : b.withoutValue.testText);
        QCOMPARE(b.box()->isVisible(), asksValue);
        QCOMPARE(b.unit()->isVisible(), asksValue);
        if (asksValue) {
            QCOMPARE(b.unit()->text(), QStringLiteral("PSI"));
            QCOMPARE(focusTarget(), static_cast<QWidget *>(b.box()));
        }
        turn(3); // 0.3 in the box when it is there
        GuiTest::key(key);
        QCOMPARE(b.area.current(), static_cast<QWidget *>(b.prompt));
        QCOMPARE(b.prompt->getTestStatus(), status);
        QCOMPARE(b.prompt->getTestResult(), value);
        QCOMPARE(b.prompt->getTestStatus(2), status);
        QCOMPARE(b.prompt->getTestStatus(0), 3);
    }

    // The value box follows the channel shown; the question shown and every answer stay.
    void channelsKeepTheirValues()
    {
        PromptBench b;
        QVERIFY(b.area.activate());
        b.put(0, b.withValue);
        b.box()->setValue(2.5);
        GuiTest::key(Qt::Key_F4);
        b.prompt->vSetChannel(2);
        QCOMPARE(b.box()->value(), 0.0);
        QCOMPARE(b.channelShown(), QStringLiteral("3"));
        QCOMPARE(b.question(), b.withValue.testText);
        b.box()->setValue(7.25);
        b.prompt->vSetChannel(0);
        QCOMPARE(b.box()->value(), 2.5);
        QCOMPARE(b.prompt->getTestStatus(), 1);
        QCOMPARE(b.prompt->getTestStatus(2), 3);
        QCOMPARE(b.prompt->getTestResult(2), 7.25);

        // Selecting the channel shown keeps what the box holds, hidden or not.
        b.put(0, b.withoutValue);
        b.box()->setValue(4.0);
        b.prompt->vSetChannel(0);
        QCOMPARE(b.prompt->getTestResult(), 4.0);
    }

    // Showing the prompt again for an answered channel asks again; F1 goes back
    // without an answer.
    void showingAsksAgain()
    {
        PromptBench b;
        QVERIFY(b.area.activate());
        b.put(1, b.withValue);
        b.box()->setValue(1.5);
        GuiTest::key(Qt::Key_F4);
        QCOMPARE(b.prompt->getTestStatus(), 1);
        b.prompt->showScreen(true);
        QCOMPARE(b.prompt->getTestStatus(), 3);
        QCOMPARE(b.prompt->getTestResult(), 1.5);
        GuiTest::key(Qt::Key_F1);
        QCOMPARE(b.area.current(), b.previous);
        QCOMPARE(b.prompt->getTestStatus(1), 3);
    }

    // A question put to a channel the prompt does not show leaves what it shows alone:
    // the question, the unit, the channel number and the value in the box stay those
    // of the channel shown, and the other channel starts from 0.
    void questionForAnotherChannel()
    {
        PromptBench b;
        QVERIFY(b.area.activate());
        b.put(0, b.withValue);
        b.box()->setValue(3.5);
        b.prompt->setTestData(3, &b.withoutValue);
        QCOMPARE(b.prompt->getChannelId(), (unsigned short)0);
        QCOMPARE(b.question(), b.withValue.testText);
        QVERIFY(b.box()->isVisible());
        QCOMPARE(b.box()->value(), 3.5);
        QCOMPARE(b.prompt->getTestResult(3), 0.0);
        QCOMPARE(b.prompt->getTestStatus(3), 3);
        GuiTest::key(Qt::Key_F4);
        QCOMPARE(b.prompt->getTestStatus(3), 3);

        b.prompt->vSetChannel(3);
        b.prompt->showScreen(true);
        QCOMPARE(b.question(), b.withoutValue.testText);
        QVERIFY(!b.box()->isVisible());
        QCOMPARE(b.prompt->getTestResult(0), 3.5);
    }
};

RONDIX_TEST(TestUserTestRunning)
#include "tst_UserTestRunning.moc"
