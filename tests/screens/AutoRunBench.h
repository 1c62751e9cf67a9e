#pragma once

#include "AbortFailMenu.h"
#include "AutoModeAssetDetails.h"
#include "InfusionPumpPowerBoardManager.h"
#include "RotaryEncoderList.h"
#include "ScreenArea.h"
#include "SummaryManualScreen.h"
#include "TestResultManager.h"
#include "TestSequenceManager.h"
#include "UserTestRunning.h"

#include <QDir>
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

// A stored sequence of the given element types; fill sets up element i.
inline bool storeSequence(const QString &name, const QList<unsigned char> &types,
                          const std::function<void(int, TestSequenceElement *)> &fill)
{
    if (!sequences()->createNewTestSequence(name)
        || !sequences()->openTestSequence(listedName(name)))
        return false;
    for (int i = 0; i < types.size(); ++i) {
        sequences()->insertTestElement(types[i], i - 1);
        fill(i, sequences()->getTestElementPtr(i));
    }
    return sequences()->saveCurrentTestSequence();
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

