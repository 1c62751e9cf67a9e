#pragma once

#include <QObject>
#include <QString>

// One GPIO line through the kernel's sysfs files. Nothing in the update flow uses it.
// The direction and value files are opened at construction, so they open only for a pin
// that was exported before.
class GpioPinController : public QObject
{
public:
    GpioPinController(const QString &pin, QObject *parent = nullptr);
    ~GpioPinController() override;

    bool createDriver();
    bool removeDriver();
    bool setDirection(const QString &direction);
    bool setValue(const QString &value);
    // "0" or "1", or "-1" when the value file is not open.
    QString getValue();
    void toggleValue();

private:
    static bool writeText(int fd, const QString &text);

    QString m_Pin;
    int m_ExportFd;
    int m_DirectionFd;
    int m_ValueFd;
};
