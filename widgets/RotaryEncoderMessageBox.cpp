#include "RotaryEncoderMessageBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QWheelEvent>

RotaryEncoderMessageBox::RotaryEncoderMessageBox(QWidget *parent) : QMessageBox(parent)
{
    setMaximumSize(maxWidth, maxHeight);
    // Boxes name files, sequences and devices that came from outside; the toolkit's guess
    // at rich text would let such a name pull in any file as an image.
    setTextFormat(Qt::PlainText);
}

void RotaryEncoderMessageBox::translateStandardButtons()
{
    static const struct
    {
        StandardButton button;
        struct
        {
            const char *source;
            const char *comment;
        } text;
    } texts[] = {
        {Ok, QT_TRANSLATE_NOOP3("RotaryEncoderMessageBox", "Ok", "Message box button text")},
        {Open, QT_TRANSLATE_NOOP3("RotaryEncoderMessageBox", "Open", "Message box button text")},
        {Save, QT_TRANSLATE_NOOP3("RotaryEncoderMessageBox", "Save", "Message box button text")},
        {Cancel, QT_TRANSLATE_NOOP3("RotaryEncoderMessageBox", "Cancel", "Message box button text")},
        {Close, QT_TRANSLATE_NOOP3("RotaryEncoderMessageBox", "Close", "Message box button text")},
        {Discard, QT_TRANSLATE_NOOP3("RotaryEncoderMessageBox", "Discard", "Message box button text")},
        {Apply, QT_TRANSLATE_NOOP3("RotaryEncoderMessageBox", "Apply", "Message box button text")},
        {Reset, QT_TRANSLATE_NOOP3("RotaryEncoderMessageBox", "Reset", "Message box button text")},
        {RestoreDefaults, QT_TRANSLATE_NOOP3("RotaryEncoderMessageBox", "Restore", "Message box button text")},
        {Help, QT_TRANSLATE_NOOP3("RotaryEncoderMessageBox", "Help", "Message box button text")},
        {SaveAll, QT_TRANSLATE_NOOP3("RotaryEncoderMessageBox", "Save All", "Message box button text")},
        {Yes, QT_TRANSLATE_NOOP3("RotaryEncoderMessageBox", "Yes", "Message box button text")},
        {YesToAll, QT_TRANSLATE_NOOP3("RotaryEncoderMessageBox", "Yes To All", "Message box button text")},
        {No, QT_TRANSLATE_NOOP3("RotaryEncoderMessageBox", "No", "Message box button text")},
        {NoToAll, QT_TRANSLATE_NOOP3("RotaryEncoderMessageBox", "No To All", "Message box button text")},
        {Abort, QT_TRANSLATE_NOOP3("RotaryEncoderMessageBox", "Abort", "Message box button text")},
        {Retry, QT_TRANSLATE_NOOP3("RotaryEncoderMessageBox", "Retry", "Message box button text")},
        {Ignore, QT_TRANSLATE_NOOP3("RotaryEncoderMessageBox", "Ignore", "Message box button text")},
    };
    for (const auto &t : texts) {
        if (QAbstractButton *b = button(t.button))
            b->setText(tr(t.text.source, t.text.comment));
    }
}

bool RotaryEncoderMessageBox::event(QEvent *event)
{
    const bool result = QMessageBox::event(event);
    // The toolkit fixes the box's size to its contents whenever its layout changes;
    // the display has room for no more than the limit.
    if (event->type() == QEvent::LayoutRequest)
        limitSize();
    return result;
}

void RotaryEncoderMessageBox::childEvent(QChildEvent *event)
{
    // The informative text's label is made when that text is first set, guessing rich
    // text by default; it becomes plain text before it gets the text.
    if (event->added()) {
        if (auto *label = qobject_cast<QLabel *>(event->child()))
            label->setTextFormat(Qt::PlainText);
    }
    QMessageBox::childEvent(event);
}

void RotaryEncoderMessageBox::showEvent(QShowEvent *event)
{
    QMessageBox::showEvent(event);
    limitSize();
    placeOverActiveWindow();
}

void RotaryEncoderMessageBox::placeOverActiveWindow()
{
    // Without a parent the window system places the box as any new window, on a desktop
    // at its corner, off the instrument's display: it goes over the window in use, or the
    // one window shown when none is active.
    if (parentWidget())
        return;
    QWidget *anchor = QApplication::activeWindow();
    if (anchor == this || (anchor && !anchor->isVisible()))
        anchor = nullptr;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (int i = 0; !anchor && i < windows.size(); ++i) {
        QWidget *w = windows.at(i);
        if (w != this && w->isVisible() && w->windowType() == Qt::Window)
            anchor = w;
    }
    if (!anchor)
        return;
    QRect placed = frameGeometry();
    placed.moveCenter(anchor->frameGeometry().center());
    move(placed.topLeft());
}

void RotaryEncoderMessageBox::limitSize()
{
    if (maximumWidth() <= maxWidth && maximumHeight() <= maxHeight)
        return;
    int height = maximumHeight();
    if (maximumWidth() > maxWidth) {
        // The toolkit wraps the text only when it is wide for the screen it measures;
        // at the display's width it has to wrap in any case.
        if (auto *label = findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))) {
            label->setWordWrap(true);
            shortenLongWords();
            if (layout() && layout()->hasHeightForWidth())
                height = layout()->totalHeightForWidth(maxWidth);
        }
    }
    setFixedSize(qMin(maximumWidth(), maxWidth), qMin(height, maxHeight));
    // Measuring the words laid the texts out at the toolkit's width; they follow the box's
    // own size again, also when that did not change.
    if (layout())
        layout()->setGeometry(contentsRect());
}

void RotaryEncoderMessageBox::shortenLongWords()
{
    if (!layout())
        return;
    // Laid out at the width the toolkit chose, the texts start after the icon; at the
    // display's width they keep that start and lose what the box loses.
    layout()->setGeometry(QRect(0, 0, maximumWidth(), maximumHeight()));
    for (const char *name : {"qt_msgbox_label", "qt_msgbox_informativelabel"}) {
        auto *label = findChild<QLabel *>(QLatin1String(name));
        if (!label || label->textFormat() != Qt::PlainText)
            continue;
        const int room = maxWidth - label->x() - layout()->contentsMargins().right();
        const QFontMetrics metrics = label->fontMetrics();
        // A word wider than a line cannot wrap: a long file name, say, is cut in its
        // middle, so that its start and its end both show.
        QStringList lines = label->text().split(QLatin1Char('\n'));
        for (QString &line : lines) {
            QStringList words = line.split(QLatin1Char(' '));
            for (QString &word : words) {
                if (metrics.horizontalAdvance(word) > room)
                    word = metrics.elidedText(word, Qt::ElideMiddle, room);
            }
            line = words.join(QLatin1Char(' '));
        }
        const QString fitted = lines.join(QLatin1Char('\n'));
        if (fitted != label->text())
            label->setText(fitted);
    }
}

void RotaryEncoderMessageBox::wheelEvent(QWheelEvent *event)
{
    focusNextPrevChild(event->angleDelta().y() > 0);
    event->accept();
}

void RotaryEncoderMessageBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape) {
        QMessageBox::keyPressEvent(event);
        return;
    }
    if (auto *b = qobject_cast<QPushButton *>(focusWidget()))
        b->click();
    event->accept();
}
