#pragma once

#include "ui_UpdaterMainScreen.h"

#include <QWidget>

// Page 0 of the updater: the operator picks the source of the update with F1, F2 or F3.
class UpdaterMainScreen : public QWidget, public Ui::UpdaterMainScreen
{
    Q_OBJECT
public:
    // The update types the keys choose.
    enum { UpdateViaPc = 0, UpdateViaMemoryStick = 1, UpdateViaSdCard = 2 };

    explicit UpdaterMainScreen(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    void showMessage(const QString &text);

signals:
    void requestChangeScreen(int newIndex);
    void setUpdateType(int updateType);

public slots:
    void F1Clicked();
    void F2Clicked();
    void F3Clicked();

private:
    void choose(int updateType);
};
