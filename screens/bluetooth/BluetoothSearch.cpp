#include "BluetoothSearch.h"
#include "ui_BluetoothSearch.h"

#include "ListViewItemDelegate.h"

#include <QWheelEvent>

BluetoothSearch::BluetoothSearch(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::BluetoothSearch),
      m_delegate(new ListViewItemDelegate(this))
{
    ui->setupUi(this);
    ui->messageLabel->hide();
    ui->listWidget->setItemDelegate(m_delegate);
    ui->listWidget->setSpacing(2);
    setItemSize(QSize(200, 20), 2);
}

BluetoothSearch::~BluetoothSearch()
{
    delete ui;
}

void BluetoothSearch::setMenuItems(const QStringList &items)
{
    const int row = ui->listWidget->currentRow();
    ui->listWidget->clear();
    if (items.isEmpty())
        return;
    ui->listWidget->addItems(items);
    ui->listWidget->setCurrentRow(row >= 0 && row < items.size() ? row : 0);
}

void BluetoothSearch::setItemSize(const QSize &size, int spacing)
{
    m_delegate->setSize(size);
    ui->listWidget->setSpacing(spacing);
    if (size.height() >= 12) {
        const QString font = QStringLiteral("font-size: %1px;").arg(size.height() - 5);
        // The declaration replaces one set before rather than piling up.
        QString sheet = ui->listWidget->styleSheet();
        const int at = sheet.indexOf(QLatin1String("font-size:"));
        if (at >= 0)
            sheet.truncate(at);
        ui->listWidget->setStyleSheet(sheet.trimmed() + QLatin1Char(' ') + font);
    }
    ui->listWidget->doItemsLayout();
}

void BluetoothSearch::setMessageText(const QString &text)
{
    ui->messageLabel->setText(text);
}

void BluetoothSearch::setMessageVisible(bool visible)
{
    ui->messageLabel->setVisible(visible);
}

void BluetoothSearch::vSetProgressVisible(bool visible)
{
    ui->progressBar->setVisible(visible);
}

void BluetoothSearch::vSetProgressValue(int value)
{
    ui->progressBar->setValue(value);
}

int BluetoothSearch::iGetProgressValue() const
{
    return ui->progressBar->value();
}

void BluetoothSearch::setCurrentIndex(int row)
{
    ui->listWidget->setCurrentRow(row);
}

int BluetoothSearch::currentIndex() const
{
    return ui->listWidget->currentRow();
}

void BluetoothSearch::wheelEvent(QWheelEvent *event)
{
    event->accept();
    const int count = ui->listWidget->count();
    if (count == 0)
        return;
    const int step = event->angleDelta().y() > 0 ? 1 : -1;
    const int row = qMax(ui->listWidget->currentRow(), 0);
    ui->listWidget->setCurrentRow((row + step + count) % count);
}

void BluetoothSearch::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
