#pragma once

#include "MedicalApplianceResult.h"
#include "ScreenArea.h"

#include <QDateTime>
#include <QList>
#include <QStringList>

class DataManager;
class DataMenu;
class InfusionPumpMainScreen;
class TestResultElement;
class ViewData;

// Stored results and the main menu on a screen area with the power board behind it (the
// result screens show pressures in the operator's unit). Results are stored by the result
// store itself, imported from an exchange file as a PC sends them.
struct ResultsBench {
    ResultsBench();

    DataManager &data();
    // Stores each record as its own result file; false when one was not stored whole.
    bool store(const QList<MedicalApplianceResult> &records);
    // The file names in the results directory.
    QStringList files();
    QString resultPath(const QString &fileName);

    // From the main menu by keys: "Data", then "View". False when a screen did not come.
    bool openList();
    DataMenu *dataMenu() const;
    ViewData *list() const;
    // The texts of one column of the result list, top to bottom, and the chosen row.
    QStringList column(int column) const;
    int chosenRow() const;

    ScreenArea area;
    InfusionPumpMainScreen *mainMenu = nullptr;
};

// A result record of the asset, taken at the time, with the given verdict, sequence and
// tests (deleted here once stored in the record).
MedicalApplianceResult resultRecord(const QString &asset, const QDateTime &taken,
                                    TEST_RESULT_STATUS status,
                                    const QList<TestResultElement *> &tests = {},
                                    const QString &sequence = QStringLiteral("Ward1"));
