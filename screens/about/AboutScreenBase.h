#pragma once

#include "ScreenBase.h"

#include <QTimer>
#include <QVariantMap>

// A page of the About area that refreshes itself once a second, from the moment it is
// built and whether or not it is shown: what it shows of the channels, it also keeps in
// the settings file for the rest of the system.
class AboutScreenBase : public ScreenBase
{
    Q_OBJECT
public:
    static constexpr int RefreshMs = 1000;

    AboutScreenBase(QWidget *previousScreen, QWidget *parent);

public slots:
    // The page's refresh; nothing here.
    virtual void fetchData() {}

protected:
    // Keeps the values in the settings file, writing only those that changed (the data
    // partition is flash). A write that fails leaves the file as it was and is tried
    // again on the next refresh; the operator is told while the page is on show.
    void storeSettings(const QVariantMap &values);
    // Tells the operator, when the last write failed. For a page being shown.
    void reportStoreFailure();

private:
    QTimer m_timer;
    bool m_storeFailed = false;
    bool m_failureReported = false;
};
