#include "MemoryUsage.h"
#include "ui_MemoryUsage.h"

#include "DevicePath.h"
#include "DevicePaths.h"
#include "MemoryGuard.h"
#include "RestoreSettings.h"
#include "RotaryEncoderMessageBox.h"
#include "TestResultManager.h"
#include "TestSequenceManager.h"

static_assert(MemoryUsage::memoryWarningLevelPercent == MemoryGuard::warningLevelPercent,
              "one warning level");

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

double MemoryUsage::checkMemoryUsage()
{
    return MemoryGuard::dataPartitionUsage();
}

void MemoryUsage::showMemoryWarning(double percent, QWidget *caller)
{
    Q_UNUSED(caller)
    RotaryEncoderMessageBox box;
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    box.setWindowTitle(tr("Memory Usage Warning"));
    box.setIcon(QMessageBox::Warning);
    box.setText(tr("Warning - Memory Usage greater than %1%, data may not be saved correctly")
                    .arg(percent));
    box.setStandardButtons(QMessageBox::Ok);
    box.translateStandardButtons();
    box.exec();
}

void MemoryUsage::guard(QWidget *caller)
{
    if (MemoryGuard::exceedsWarningLevel(checkMemoryUsage()))
        showMemoryWarning(memoryWarningLevelPercent, caller);
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
