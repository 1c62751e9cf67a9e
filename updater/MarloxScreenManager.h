#pragma once

#include <QWidget>

class QStackedWidget;
class UpdaterMainScreen;
class UpdaterProgressScreen;

// Owns the updater's one window, a stacked widget with the main screen (page 0) and the
// progress screen (page 1). The manager itself is never shown.
class MarloxScreenManager : public QWidget
{
    Q_OBJECT
public:
    explicit MarloxScreenManager(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~MarloxScreenManager() override;

    QStackedWidget *stackedWidget() const { return m_StackedWidget; }
    UpdaterProgressScreen *progressScreen() const { return m_ProgressScreen; }
    UpdaterMainScreen *mainScreen() const { return m_MainScreen; }

public slots:
    void changeScreen(int index);

private:
    QStackedWidget *m_StackedWidget;
    UpdaterProgressScreen *m_ProgressScreen;
    UpdaterMainScreen *m_MainScreen;
};
