#include "UtilityFunctions.h"

#include <QLayout>
#include <QWidget>

QDateTime UtilityFunctions::picToQDate(const QByteArray &date)
{
    if (date.size() < 6)
        return QDateTime();
    const auto byte = [&date](int i) { return int(quint8(date.at(i))); };
    const QDate d(byte(5) * 256 + byte(4), byte(3), byte(2));
    const QTime t(byte(1), byte(0), 0);
    if (!d.isValid() || !t.isValid())
        return QDateTime();
    return QDateTime(d, t, Qt::LocalTime);
}

QByteArray UtilityFunctions::qDateToPic(const QDateTime &dateTime)
{
    const QDate d = dateTime.date();
    const QTime t = dateTime.time();
    QByteArray bytes;
    bytes.append(char(t.minute()));
    bytes.append(char(t.hour()));
    bytes.append(char(d.day()));
    bytes.append(char(d.month()));
    bytes.append(char(d.year() % 256));
    bytes.append(char(d.year() / 256));
    bytes.append(char(120));
    bytes.append(char(120));
    return bytes;
}

void UtilityFunctions::setLayoutEnabled(QLayout *layout, bool enable)
{
    if (!layout)
        return;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (QWidget *w = item->widget())
            w->setEnabled(enable);
        else if (QLayout *inner = item->layout())
            setLayoutEnabled(inner, enable);
    }
}
