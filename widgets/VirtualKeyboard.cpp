#include "VirtualKeyboard.h"

#include "VirtualKeyboardPrivate.h"

#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

VirtualKeyboard::VirtualKeyboard(QWidget *parent) : QWidget(parent), d(new VirtualKeyboardPrivate(this))
{
    d->setKeyboard(QwertyUpper);
    setFocusPolicy(Qt::WheelFocus);
}

void VirtualKeyboard::setKeyboard(VirtualKeyboard::Keyboard keyboard)
{
    d->setKeyboard(keyboard);
}

VirtualKeyboard::Keyboard VirtualKeyboard::keyboard() const
{
    return d->m_currentKeyboard;
}

void VirtualKeyboard::toggleShift()
{
    static const Keyboard shifted[] = {QwertyLower, QwertyUpper, AlphaLower, AlphaUpper};
    d->setKeyboard(shifted[d->m_currentKeyboard]);
    update();
}

void VirtualKeyboard::toggleKeyboard()
{
    static const Keyboard other[] = {AlphaUpper, AlphaLower, QwertyUpper, QwertyLower};
    d->setKeyboard(other[d->m_currentKeyboard]);
    update();
}

QChar VirtualKeyboard::getCurrentKey() const
{
    return d->currentKey();
}

void VirtualKeyboard::wheelEvent(QWheelEvent *event)
{
    if (d->moveCursor(event->angleDelta().y())) {
        event->accept();
        update();
    }
}

void VirtualKeyboard::paintEvent(QPaintEvent *)
{
    if (d->m_currentLayout < 0 || d->m_rows.isEmpty() || d->m_widestRow == 0)
        return;
    QPainter painter(this);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    font.setWeight(75);
    painter.setFont(font);
    painter.setRenderHint(QPainter::Antialiasing);

    // The whole grid is laid out on the widget, also when only part of it is exposed.
    const QRect area = rect();
    const int keyWidth = area.width() / d->m_widestRow;
    const int keyHeight = area.height() / d->m_rows.size();
    const int leftMargin = (area.width() - d->m_widestRow * keyWidth) / 2;
    for (int i = 0; i < d->m_rows.size(); ++i) {
        const VirtualKeyboardPrivate::KeyRow *row = d->m_rows.at(i);
        const int rowLeft = row->indent * keyWidth / 3 + leftMargin;
        const int rowTop = i * keyHeight;
        for (int j = 0; j < row->keys.size(); ++j) {
            const QString &text = row->keys.at(j);
            const QRect key(rowLeft + j * keyWidth, rowTop, keyWidth * text.length(), keyHeight);
            const bool highlighted = i == d->m_cursorRow && j == d->m_cursorColumn;
            QPainterPath path;
            path.addRoundedRect(key, 5, 5, Qt::AbsoluteSize);
            painter.setPen(Qt::white);
            painter.setBrush(highlighted ? QColor(160, 225, 250) : QColor(210, 205, 200));
            painter.drawPath(path);
            painter.setPen(Qt::black);
            painter.drawText(key, Qt::AlignCenter, text);
        }
    }
}
