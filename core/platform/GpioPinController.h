#pragma once

#include <QObject>
#include <QString>

// One GPIO line through sysfs ("/sys/class/gpio", under the device root prefix). Every
// call opens the file, writes or reads, and closes it; nothing is kept open, and the
// line stays exported when the object goes.
class GpioPinController : public QObject
{
    Q_OBJECT
public:
    explicit GpioPinController(QString number, QObject *parent = nullptr);

    // Each returns false only when the file cannot be opened. Exporting a line that is
    // already exported fails in the kernel but still counts as done: the line is there.
    bool createDriver();
    bool removeDriver();
    // "in", "out", or "high"/"low" (output driven to that level in one step).
    bool setDirection(QString direction);
    bool setValue(QString value);
    // The first character of the value file, or "-1" when it cannot be read.
    QString getValue();
    // "0" becomes "1" and "1" becomes "0"; any other reading changes nothing.
    void toggleValue();

private:
    QString linePath(const char *file) const;

    QString m_number;
};
