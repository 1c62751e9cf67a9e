#pragma once

#include "AbortFailMenu.h"
#include "AutoModeAssetDetails.h"
#include "InfusionPumpPowerBoardManager.h"
#include "RotaryEncoderList.h"
#include "ScreenArea.h"
#include "StoredSequence.h"
#include "SummaryManualScreen.h"
#include "TestResultManager.h"
#include "TestSequenceManager.h"
#include "UserTestRunning.h"

#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

#include <functional>

// The summary with its automatic sequence engine on a bench of its own: the power-board
// simulator behind the board manager, sequences stored through the sequence manager and
// assets confirmed the way the asset screen confirms them.
using Board = InfusionPumpPowerBoardManager;

inline TestSequenceManager *sequences()
{
    return TestSequenceManager::getInstance();
}

inline TestResultManager *results()
{
    return TestResultManager::getInstance();
}

// The name the sequence list shows for a sequence created as name: its file's name.
inline QString listedName(QString name)
{
    TestSequenceManager::makeValidName(name);
    return name;
}

inline QString assetOf(int channel)
{
    return QStringLiteral("asset%1").arg(channel + 1);
}

inline int savedFiles(int channel)
{
    return QDir(TestResultManager::directory())
        .entryList({assetOf(channel) + QStringLiteral("_*")}, QDir::Files)
        .size();
}

// The instrument with the power board on the line and the summary built; the channels'
// stored results and asset records emptied.
struct Bench
{
    Bench()
    {
        board = area.startBoard();
        summary = new SummaryManualScreen(nullptr, nullptr);
        for (unsigned short c = 0; c < 4; ++c) {
            results()->deleteAllTestResults(c);
            results()->setAssetId(QString(), c);
        }
    }

    DataManager &data() { return board->m_DataManager; }
    AbortFailMenu *menu() const { return area.stack()->findChild<AbortFailMenu *>(); }
    UserTestRunning *prompt() { return summary->getUserTestScreen(); }

    // Ticks run only when the test asks for them.
    void holdTicks()
    {
        for (QTimer *timer : summary->findChildren<QTimer *>(QString(), Qt::FindDirectChildrenOnly))
            timer->stop();
    }
    void tick() { summary->fetchData(); }

    // What the asset screen's confirmation leaves behind, then its signal.
    void confirmAsset(unsigned short c, const QString &sequence)
    {
        QVERIFY(sequences()->openTestSequence(listedName(sequence), c));
        results()->deleteAllTestResults(c);
        results()->setCurrentOverallStatus(TEST_PASS, c);
        results()->setAssetId(assetOf(c), c);
        results()->setApplianceData("Make", "Model", "SN", c);
        board->setChannelAutoState(c, Board::AUTO_ASSET_ENTRY);
        emit summary->getAutoModeAssetDetailsScreen()->assetConfirmed(c);
    }

    // The operator's choice on the abort/fail menu: its row, then the select key.
    void choose(int option)
    {
        menu()->list()->setCurrentRow(option);
        QTest::keyClick(menu(), Qt::Key_Escape);
    }

    // The value in the prompt's box, then F4 (pass) or F3 (fail).
    void answerPrompt(TEST_RESULT_STATUS status, double value)
    {
        prompt()->findChild<QDoubleSpinBox *>(QStringLiteral("resultBox"))->setValue(value);
        if (status == TEST_PASS)
            prompt()->passButtonClicked();
        else
            prompt()->failButtonClicked();
    }

    // AUTO on the summary with the channel's row selected.
    void pressAuto(int c)
    {
        summary->channelList()->setCurrentRow(c);
        summary->findChild<QPushButton *>(QStringLiteral("pushButtonAuto"))->click();
    }

    QString row(int c, const char *column)
    {
        return summary->findChild<QLabel *>(QStringLiteral("label_Channel_%1_%2").arg(c + 1).arg(column))->text();
    }

    ScreenArea area;
    Board *board = nullptr;
    SummaryManualScreen *summary = nullptr;
};

