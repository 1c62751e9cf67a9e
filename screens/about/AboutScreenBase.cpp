#include "AboutScreenBase.h"

#include "ScreenMessages.h"
#include "SettingsWriter.h"

#include <QDebug>

AboutScreenBase::AboutScreenBase(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent)
{
    connect(&m_timer, &QTimer::timeout, this, &AboutScreenBase::fetchData);
    m_timer.start(RefreshMs);
}

void AboutScreenBase::storeSettings(const QVariantMap &values)
{
    if (SettingsWriter::writeChanged(values)) {
        m_storeFailed = false;
        m_failureReported = false;
        return;
    }
    if (!m_storeFailed)
        qWarning() << metaObject()->className() << "could not store the channel details";
    m_storeFailed = true;
    if (isCurrentWidget() && !m_failureReported)
        reportStoreFailure();
}

void AboutScreenBase::reportStoreFailure()
{
    if (!m_storeFailed)
        return;
    // Marked first: the refresh goes on while the box is up.
    m_failureReported = true;
    ScreenMessages::warn(tr("About"), tr("The channel details could not be saved."));
}
