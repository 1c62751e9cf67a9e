#pragma once

#include "ScreenBase.h"

namespace Ui
{
class MemoryUsage;
}
class RestoreSettings;

// How full the data partition is and how many results and test sequences it holds;
// F4 leads on to the factory restore. Its statics are the memory guard that the
// sequence screens and the automatic-mode asset screen run before they create data.
class MemoryUsage : public ScreenBase
{
    Q_OBJECT
public:
    // The folder whose file system is measured (a device path).
    static QString dataDirPath;
    static constexpr double memoryWarningLevelPercent = 95.0;

    MemoryUsage(QWidget *previousScreen, QWidget *parent);
    ~MemoryUsage() override;

    RestoreSettings *restoreScreen() const { return m_restoreScreen; }

    // The used share of the data partition in percent (0 when it cannot be measured).
    static double checkMemoryUsage();
    // The modal warning naming the level; caller is not used (the box has no parent).
    static void showMemoryWarning(double percent, QWidget *caller);
    // The guard as every caller runs it: measure, warn above the level, then return so
    // the caller's action goes on whatever the usage.
    static void guard(QWidget *caller);

public slots:
    void showScreen(bool) override;
    void onRestoreClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    void updateFigures();

    RestoreSettings *m_restoreScreen;
    Ui::MemoryUsage *ui;
};
