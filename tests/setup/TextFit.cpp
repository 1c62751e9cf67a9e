#include "TextFit.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTableWidget>
#include <QTextDocument>

namespace TextFit
{

namespace
{

// The words a label shows: its own markup taken out, a plain-text label's text as it is.
QString shownText(const QLabel *label)
{
    const QString text = label->text();
    const Qt::TextFormat format = label->textFormat();
    if (format == Qt::PlainText || (format == Qt::AutoText && !Qt::mightBeRichText(text)))
        return text;
    QTextDocument doc;
    doc.setHtml(text);
    return doc.toPlainText();
}

int widest(const QFontMetrics &metrics, const QString &text)
{
    int width = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        width = qMax(width, metrics.horizontalAdvance(line));
    return width;
}

QString describe(const QWidget *widget, const QString &text, int needed, int room)
{
    // The screen: the widget's ancestor just below the screen area (or its window).
    const QWidget *screen = widget;
    while (screen->parentWidget() && !screen->isWindow() &&
           !screen->parentWidget()->inherits("QStackedWidget"))
        screen = screen->parentWidget();
    return QStringLiteral("%1 %2 \"%3\": needs %4, has %5")
        .arg(QString::fromLatin1(screen->metaObject()->className()), widget->objectName(), text)
        .arg(needed)
        .arg(room);
}

void checkLabel(QLabel *label, QStringList &out)
{
    const QString text = shownText(label);
    if (text.trimmed().isEmpty())
        return;
    const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                      -label->margin(), -label->margin());
    const QFontMetrics metrics(label->font());
    if (label->wordWrap()) {
        // Counted in lines: a line whose descent reaches over the edge still reads. A
        // word too long for a line cannot wrap.
        const QRect needed = metrics.boundingRect(room, Qt::TextWordWrap, text);
        if (needed.width() > room.width()) {
            out << describe(label, text, needed.width(), room.width());
            return;
        }
        const int lines = needed.height() / metrics.lineSpacing();
        const int room_lines = qMax(1, (room.height() + metrics.descent()) / metrics.lineSpacing());
        if (lines > room_lines)
            out << describe(label, text, lines, room_lines);
        return;
    }
    const int width = widest(metrics, text);
    if (width > room.width())
        out << describe(label, text, width, room.width());
}

void checkButton(QAbstractButton *button, QStringList &out)
{
    const QString text = button->text();
    if (text.trimmed().isEmpty() || qobject_cast<QCheckBox *>(button))
        return;
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    // Inside the key's border.
    const int width = widest(QFontMetrics(button->font()), text) + icon + 2;
    if (width > button->width())
        out << describe(button, text, width, button->width());
}

void checkList(QListWidget *list, QStringList &out)
{
    const int room = list->viewport()->width() - 2 * list->frameWidth() - 4;
    for (int i = 0; i < list->count(); ++i) {
        const QListWidgetItem *item = list->item(i);
        const QFont font = item->data(Qt::FontRole).isValid() ? item->font() : list->font();
        const int width = QFontMetrics(font).horizontalAdvance(item->text());
        if (width > room)
            out << describe(list, item->text(), width, room);
    }
}

void checkTable(QTableWidget *table, QStringList &out)
{
    const QFontMetrics metrics(table->horizontalHeader()->font());
    for (int column = 0; column < table->columnCount(); ++column) {
        const QTableWidgetItem *item = table->horizontalHeaderItem(column);
        if (!item || table->isColumnHidden(column))
            continue;
        // The header's own frame and margins take a few pixels.
        const int room = table->columnWidth(column) - 4;
        const int width = widest(metrics, item->text());
        if (width > room)
            out << describe(table, item->text(), width, room);
        // The table has no scroll bar: a column reaching past its edge is cut or unseen.
        const int end = table->columnViewportPosition(column) + table->columnWidth(column);
        if (end > table->viewport()->width())
            out << describe(table, item->text() + QStringLiteral(" column ends at"), end,
                            table->viewport()->width());
    }
}

void checkCombo(QComboBox *combo, QStringList &out)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const int room =
        combo->style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
            .width();
    for (int i = 0; i < combo->count(); ++i) {
        const int width = QFontMetrics(combo->font()).horizontalAdvance(combo->itemText(i));
        if (width > room)
            out << describe(combo, combo->itemText(i), width, room);
    }
}

void checkSpinBox(QAbstractSpinBox *box, QStringList &out)
{
    auto *edit = box->findChild<QLineEdit *>();
    if (!edit || box->text().isEmpty())
        return;
    const int width = QFontMetrics(box->font()).horizontalAdvance(box->text());
    const int room = edit->width() - 4;
    if (width > room)
        out << describe(box, box->text(), width, room);
}

} // namespace

QStringList cutOffText(QWidget *widget)
{
    QStringList out;
    if (auto *label = qobject_cast<QLabel *>(widget))
        checkLabel(label, out);
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        checkButton(button, out);
    else if (auto *list = qobject_cast<QListWidget *>(widget))
        checkList(list, out);
    else if (auto *combo = qobject_cast<QComboBox *>(widget))
        checkCombo(combo, out);
    else if (auto *box = qobject_cast<QAbstractSpinBox *>(widget))
        checkSpinBox(box, out);
    else if (auto *table = qobject_cast<QTableWidget *>(widget))
        checkTable(table, out);
    return out;
}

QStringList cutOff(QWidget *form)
{
    QStringList out;
    for (QWidget *widget : form->findChildren<QWidget *>()) {
        if (widget->isVisibleTo(form))
            out << cutOffText(widget);
    }
    return out;
}

} // namespace TextFit
