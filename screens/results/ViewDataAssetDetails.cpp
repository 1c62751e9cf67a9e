#include "ViewDataAssetDetails.h"
#include "ui_ViewDataAssetDetails.h"

#include "InfusionPumpPowerBoardManager.h"
#include "ScreenMessages.h"
#include "TestResultManager.h"
#include "TestSequenceEdit.h"
#include "TestSequenceManager.h"
#include "ViewDataTestResults.h"

#include <QKeyEvent>

ViewDataAssetDetails::ViewDataAssetDetails(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::ViewDataAssetDetails)
{
    ui->setupUi(this);
    connect(ui->pushButtonBack, &QPushButton::clicked, this,
            &ViewDataAssetDetails::onBackArrowClicked);
    connect(ui->pushButtonDelete, &QPushButton::clicked, this,
            &ViewDataAssetDetails::deleteButtonClicked);
    connect(ui->pushButtonResults, &QPushButton::clicked, this,
            &ViewDataAssetDetails::resultsButtonClicked);
    connect(ui->pushButtonSeq, &QPushButton::clicked, this,
            &ViewDataAssetDetails::seqButtonClicked);
}

ViewDataAssetDetails::~ViewDataAssetDetails()
{
    delete ui;
}

void ViewDataAssetDetails::setAssetId(const QString &assetId)
{
    m_assetId = assetId;
    ui->asset_value_label->setText(assetId);
}

void ViewDataAssetDetails::setDateTime(const QDateTime &dateTime)
{
    m_dateTime = dateTime;
    showDateTime();
}

void ViewDataAssetDetails::showDateTime()
{
    QString dateFormat = QStringLiteral("dd.MM.yyyy");
    QString timeFormat = QStringLiteral("hh:mm:ss ap");
    if (board) {
        dateFormat = board->m_DataManager.vLoadDateFormat();
        timeFormat = board->m_DataManager.vLoadTimeFormat();
    }
    ui->testDate_value_label->setText(
        m_dateTime.toString(dateFormat + QLatin1Char('\n') + timeFormat));
}

void ViewDataAssetDetails::setTestSequence(const QString &sequenceName)
{
    m_sequenceName = sequenceName;
    ui->seq_value_label->setText(sequenceName);
}

void ViewDataAssetDetails::setFilename(const QString &fileName)
{
    m_fileName = fileName;
}

void ViewDataAssetDetails::resultsButtonClicked()
{
    if (!m_testResults)
        m_testResults = new ViewDataTestResults(this, nullptr);
    m_testResults->showScreen(true);
}

void ViewDataAssetDetails::seqButtonClicked()
{
    // The editor would otherwise show whichever sequence the store opened last under
    // this result's name.
    if (!TestSequenceManager::getInstance()->testSequenceExists(m_sequenceName)) {
        ScreenMessages::warn(tr("Test Sequence"),
                             tr("Test sequence not found: %1").arg(m_sequenceName));
        return;
    }
    if (!m_sequenceEdit)
        m_sequenceEdit = new TestSequenceEdit(this, nullptr);
    m_sequenceEdit->setTestSequenceName(m_sequenceName);
    m_sequenceEdit->getTestListFromFile();
    m_sequenceEdit->setViewOnlyMode(true);
    m_sequenceEdit->showScreen(true);
}

void ViewDataAssetDetails::deleteButtonClicked()
{
    if (!ScreenMessages::confirm(this, tr("Delete Appliance Result"),
                                 tr("The current appliance result will be deleted. \n"
                                    "Press Ok to confirm"),
                                 ScreenMessages::Question::Erases))
        return;
    if (!TestResultManager::getInstance()->removeApplianceResult(m_fileName))
        ScreenMessages::warn(tr("Delete Appliance Result"),
                             tr("The appliance result could not be deleted."));
    // The list is rebuilt from the files, so it shows what is stored either way.
    ui->pushButtonBack->click();
}

void ViewDataAssetDetails::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        resultsButtonClicked();
        event->accept();
        return;
    }
    ScreenBase::keyPressEvent(event);
}

void ViewDataAssetDetails::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        showDateTime();
    }
}
