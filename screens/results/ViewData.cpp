#include "ViewData.h"
#include "ui_ViewData.h"

#include "DataTransfer.h"
#include "InfusionPumpPowerBoardManager.h"
#include "ScreenMessages.h"
#include "TestResultManager.h"
#include "ViewDataAssetDetails.h"

#include <QKeyEvent>
#include <QWheelEvent>

namespace
{
const QString HEADER_STYLE = QStringLiteral("background-color: rgb(255, 255, 255);");

// The "Date" cell orders by when the result was taken, not by its text, which leads with
// the day of the month. A row whose file could not be read has no date and comes first.
class DateItem : public QTableWidgetItem
{
public:
    DateItem(const QString &text, const QDateTime &taken)
        : QTableWidgetItem(text, UserType), m_taken(taken)
    {
    }

    bool operator<(const QTableWidgetItem &other) const override
    {
        if (other.type() != UserType)
            return QTableWidgetItem::operator<(other);
        const QDateTime &theirs = static_cast<const DateItem &>(other).m_taken;
        if (!m_taken.isValid() || !theirs.isValid())
            return !m_taken.isValid() && theirs.isValid();
        return m_taken < theirs;
    }

private:
    QDateTime m_taken;
};

QString statusText(int status)
{
    switch (status) {
    case TEST_PASS:
        return ViewData::tr("Pass");
    case TEST_FAIL:
        return ViewData::tr("Fail");
    default:
        return ViewData::tr("Info");
    }
}
} // namespace

ViewData::ViewData(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::ViewData)
{
    ui->setupUi(this);
    // The rows are built by every showing, the first included.
    connect(ui->pushButtonBack, &QPushButton::clicked, this, &ViewData::onBackArrowClicked);
    connect(ui->pushButtonTransfer, &QPushButton::clicked, this, &ViewData::transferButtonClicked);
    connect(ui->pushButtonSort, &QPushButton::clicked, this, &ViewData::sortButtonClicked);
    connect(ui->pushButtonView, &QPushButton::clicked, this, &ViewData::viewButtonClicked);
}

ViewData::~ViewData()
{
    delete ui;
}

void ViewData::showScreen(bool check)
{
    ScreenBase::showScreen(check);
    m_row = 0;
    updateResultsList();
}

void ViewData::updateResultsList()
{
    TestResultManager *store = TestResultManager::getInstance();
    m_results = store->getApplianceResultList();
    const QString dateFormat =
        board ? board->m_DataManager.vLoadDateFormat() : QStringLiteral("dd.MM.yyyy");
    QTableWidget *table = ui->dataTable;
    table->setUpdatesEnabled(false);
    table->setRowCount(0);
    table->setRowCount(m_results.size());
    int row = 0;
    for (auto it = m_results.cbegin(); it != m_results.cend(); ++it, ++row) {
        auto *asset = new QTableWidgetItem(it.value());
        asset->setData(Qt::UserRole, it.key());
        table->setItem(row, 0, asset);
        // Only the head of each file is read; a file that cannot be read shows no date
        // and no status rather than another result's. Nor does one without a date (a
        // zero-filled file reads as one): every saved result has its date, so such a
        // file is damaged, and its verdict is no more to be trusted than a date would be.
        MedicalApplianceResult head;
        if (store->readApplianceResultHead(it.key(), head) && head.testDate.isValid()) {
            table->setItem(row, 1,
                           new DateItem(head.testDate.date().toString(dateFormat), head.testDate));
            table->setItem(row, 2, new QTableWidgetItem(statusText(head.overallResult)));
        } else {
            table->setItem(row, 1, new DateItem(QString(), QDateTime()));
            table->setItem(row, 2, new QTableWidgetItem(QString()));
        }
    }
    fitColumns();
    // Every row is one line in the table's font, so one row's fitted height fits them all;
    // fitting thousands of rows one by one would cost more than reading their files.
    if (table->rowCount() > 0) {
        table->resizeRowToContents(0);
        table->verticalHeader()->setDefaultSectionSize(table->rowHeight(0));
    }
    table->horizontalHeader()->setStyleSheet(HEADER_STYLE);
    table->verticalHeader()->setStyleSheet(HEADER_STYLE);
    m_sortState = ASSET_DESCENDING;
    setSort();
    table->setUpdatesEnabled(true);
}

void ViewData::fitColumns()
{
    QTableWidget *table = ui->dataTable;
    table->resizeColumnToContents(0);
    table->resizeColumnToContents(1);
    // Date and status always show whole; the asset gets the room they leave, and a longer
    // identity ends in an ellipsis. The row numbers' width follows the row count.
    const QAbstractItemView *view = table;
    const int status =
        qMax(table->horizontalHeader()->sectionSizeHint(2), view->sizeHintForColumn(2));
    const int room = table->width() - 2 * table->frameWidth() -
                     table->verticalHeader()->sizeHint().width() - table->columnWidth(1) - status;
    if (table->columnWidth(0) > room)
        table->setColumnWidth(0, qMax(room, table->horizontalHeader()->minimumSectionSize()));
}

void ViewData::setSort()
{
    switch (m_sortState) {
    case DATE_ASCENDING:
        m_sortState = DATE_DESCENDING;
        ui->dataTable->sortItems(1, Qt::DescendingOrder);
        break;
    case DATE_DESCENDING:
        m_sortState = ASSET_ASCENDING;
        ui->dataTable->sortItems(0, Qt::AscendingOrder);
        break;
    case ASSET_ASCENDING:
        m_sortState = ASSET_DESCENDING;
        ui->dataTable->sortItems(0, Qt::DescendingOrder);
        break;
    default:
        m_sortState = DATE_ASCENDING;
        ui->dataTable->sortItems(1, Qt::AscendingOrder);
        break;
    }
    selectRememberedRow();
}

void ViewData::sortButtonClicked()
{
    setSort();
}

void ViewData::selectRememberedRow()
{
    QTableWidget *table = ui->dataTable;
    if (m_row < 0 || m_row >= table->rowCount()) {
        table->clearSelection();
        return;
    }
    table->selectRow(m_row);
    table->scrollToItem(table->item(m_row, 0));
}

int ViewData::dataTableSize() const
{
    return ui->dataTable->rowCount();
}

QString ViewData::openAsset()
{
    const QTableWidgetItem *asset =
        m_row >= 0 && m_row < dataTableSize() ? ui->dataTable->item(m_row, 0) : nullptr;
    if (!asset)
        return QString();
    const QString fileName = asset->data(Qt::UserRole).toString();
    return TestResultManager::getInstance()->openApplianceResult(fileName, true) ? fileName
                                                                                 : QString();
}

QString ViewData::openHighlighted()
{
    if (dataTableSize() == 0)
        return QString();
    const QString fileName = openAsset();
    if (fileName.isEmpty()) {
        ScreenMessages::warn(tr("View Results"), tr("The appliance result could not be opened.\n"
                                                    "The list has been updated."));
        m_row = 0;
        updateResultsList();
    }
    return fileName;
}

void ViewData::viewButtonClicked()
{
    const QString fileName = openHighlighted();
    if (fileName.isEmpty())
        return;
    const TestResultManager *store = TestResultManager::getInstance();
    if (!m_assetDetails)
        m_assetDetails = new ViewDataAssetDetails(this, nullptr);
    m_assetDetails->setAssetId(store->getCurrentAssetId());
    m_assetDetails->setDateTime(store->getCurrentAssetDateTime());
    m_assetDetails->setTestSequence(store->getCurrentApplianceResultSequenceName());
    m_assetDetails->setFilename(fileName);
    m_assetDetails->showScreen(true);
}

void ViewData::transferButtonClicked()
{
    const QString fileName = openHighlighted();
    if (fileName.isEmpty())
        return;
    if (!m_transfer)
        m_transfer = new DataTransfer(this, nullptr);
    m_transfer->setFileList({fileName});
    m_transfer->showScreen(true);
}

void ViewData::nextItem()
{
    if (m_row < dataTableSize() - 1)
        ++m_row;
    else
        m_row = 0;
    selectRememberedRow();
}

void ViewData::previousItem()
{
    if (m_row < 1)
        m_row = dataTableSize() - 1;
    else
        --m_row;
    selectRememberedRow();
}

void ViewData::wheelEvent(QWheelEvent *event)
{
    if (event->angleDelta().y() > 0)
        nextItem();
    else
        previousItem();
    event->accept();
}

void ViewData::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        viewButtonClicked();
        event->accept();
        return;
    }
    ScreenBase::keyPressEvent(event);
}

void ViewData::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
