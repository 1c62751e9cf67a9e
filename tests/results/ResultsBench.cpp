#include "ResultsBench.h"

#include "DataMenu.h"
#include "GuiTest.h"
#include "InfusionPumpMainScreen.h"
#include "InfusionPumpPowerBoardManager.h"
#include "RotaryEncoderList.h"
#include "StreamHelper.h"
#include "TestResultFactory.h"
#include "TestResultManager.h"
#include "ViewData.h"

#include <QBuffer>
#include <QDir>
#include <QTableWidget>

using namespace GuiTest;

ResultsBench::ResultsBench()
{
    area.startBoard();
    mainMenu = new InfusionPumpMainScreen(nullptr, nullptr);
    QDir().mkpath(area.root().path(TestResultManager::assetResultsDirectory));
}

DataManager &ResultsBench::data()
{
    return area.board()->m_DataManager;
}

bool ResultsBench::store(const QList<MedicalApplianceResult> &records)
{
    QByteArray exchange;
    QDataStream out(&exchange, QIODevice::WriteOnly);
    StreamHelper::setup(out);
    out << quint16(1) << quint16(0);
    for (const MedicalApplianceResult &record : records)
        out << record;
    QBuffer in(&exchange);
    in.open(QIODevice::ReadOnly);
    const ImportReport report = TestResultManager::getInstance()->importApplianceResults(in.readAll());
    return report.stored == records.size() && report.damaged == 0 && report.skipped == 0;
}

QStringList ResultsBench::files()
{
    return QDir(area.root().path(TestResultManager::assetResultsDirectory))
        .entryList(QDir::Files, QDir::Name);
}

QString ResultsBench::resultPath(const QString &fileName)
{
    return area.root().path(TestResultManager::assetResultsDirectory + QLatin1Char('/') + fileName);
}

bool ResultsBench::openList()
{
    if (!area.activate())
        return false;
    mainMenu->showScreen(true);
    auto *rows = mainMenu->findChild<RotaryEncoderList *>(QStringLiteral("listMainMenuList"));
    rows->setCurrentRow(0);
    turn(2); // "Data"
    key(Qt::Key_Escape);
    if (area.current() != dataMenu())
        return false;
    key(Qt::Key_F2); // "View"
    return list() && area.current() == list();
}

DataMenu *ResultsBench::dataMenu() const
{
    return mainMenu->getDataMenuScreen();
}

ViewData *ResultsBench::list() const
{
    return dataMenu()->viewScreen();
}

QStringList ResultsBench::column(int column) const
{
    const auto *table = list()->findChild<QTableWidget *>(QStringLiteral("dataTable"));
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts << (table->item(row, column) ? table->item(row, column)->text()
                                           : QStringLiteral("-"));
    return texts;
}

int ResultsBench::chosenRow() const
{
    const auto *table = list()->findChild<QTableWidget *>(QStringLiteral("dataTable"));
    const QList<QTableWidgetItem *> chosen = table->selectedItems();
    return chosen.isEmpty() ? -1 : chosen.first()->row();
}

MedicalApplianceResult resultRecord(const QString &asset, const QDateTime &taken,
                                    TEST_RESULT_STATUS status,
                                    const QList<TestResultElement *> &tests,
                                    const QString &sequence)
{
    MedicalApplianceResult record;
    record.overallResult = status;
    record.testDate = taken;
    record.retestPeriod = 9;
    record.applianceName = asset;
    record.testSequenceName = sequence;
    record.testResultsData = TestResultFactory::toByteArray(tests);
    qDeleteAll(tests);
    return record;
}
