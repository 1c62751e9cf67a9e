#pragma once

#include "ScreenBase.h"

namespace Ui
{
class MemoryUsage;
}
class RestoreSettings;

// How full the data partition is and how many results and test sequences it holds;
// F4 leads on to the factory restore.
class MemoryUsage : public ScreenBase
{
    Q_OBJECT
public:
    // The folder whose file system is measured (a device path).
    static QString dataDirPath;

    MemoryUsage(QWidget *previousScreen, QWidget *parent);
    ~MemoryUsage() override;

    RestoreSettings *restoreScreen() const { return m_restoreScreen; }

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
