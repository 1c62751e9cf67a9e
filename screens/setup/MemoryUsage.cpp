#include "MemoryUsage.h"
#include "ui_MemoryUsage.h"

#include "DevicePath.h"
#include "DevicePaths.h"
#include "MemoryGuard.h"
#include "RestoreSettings.h"
#include "TestResultManager.h"
#include "TestSequenceManager.h"

QString MemoryUsage::dataDirPath = DevicePaths::dataPartition;

MemoryUsage::MemoryUsage(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), m_restoreScreen(new RestoreSettings(this, nullptr)),
      ui(new Ui::MemoryUsage)
{
    ui->setupUi(this);
    updateFigures();
    connect(ui->pushButtonBack, &QPushButton::clicked, this, &MemoryUsage::onBackArrowClicked);
    connect(ui->pushButtonRestore, &QPushButton::clicked, this, &MemoryUsage::onRestoreClicked);
}

MemoryUsage::~MemoryUsage()
{
    delete ui;
}

void MemoryUsage::showScreen(bool state)
{
    ScreenBase::showScreen(state);
    updateFigures();
}

void MemoryUsage::updateFigures()
{
    ui->numAssetsLabel->setText(
        QString::number(TestResultManager::getInstance()->getApplianceResultList().size()));
    ui->numSequencesLabel->setText(
        QString::number(TestSequenceManager::getInstance()->getTestSequenceList().size()));
    double percent = 0;
    ui->totalMemoryLabel->setText(MemoryGuard::usagePercent(DevicePath::path(dataDirPath), percent)
                                      ? QString::number(percent, 'f', 1) + tr(" %")
                                      : QStringLiteral("---"));
}

void MemoryUsage::onRestoreClicked()
{
    m_restoreScreen->showScreen(true);
}

void MemoryUsage::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        // The percentage carries a translated unit; the counts are redrawn with it.
        updateFigures();
    }
}
