#include "CheckBox.h"

#include "FocusChain.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>

CheckBox::CheckBox(QWidget *parent) : QCheckBox(parent) {}

void CheckBox::setAccelerationParameters(float threshold, float exponent)
{
    m_threshold = threshold;
    m_exponent = exponent;
}

void CheckBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        click();
        event->accept();
        return;
    }
    QCheckBox::keyPressEvent(event);
}

void CheckBox::wheelEvent(QWheelEvent *event)
{
    FocusChain::move(this, event->angleDelta().y() > 0);
    event->accept();
}

void CheckBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect indicator = QRect(rect().topLeft(), QSize(13, 13)).intersected(rect()).adjusted(1, 1, -1, -1);
    const QColor colour = hasFocus() ? Qt::red : Qt::black;
    painter.setPen(colour);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(indicator);
    if (isChecked()) {
        const int dx = indicator.width() / 3;
        const int dy = indicator.height() / 3;
        painter.fillRect(indicator.adjusted(dx, dy, -dx, -dy), colour);
    }
}
