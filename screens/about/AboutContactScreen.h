#pragma once

#include "ScreenBase.h"

class QAbstractButton;

namespace Ui
{
class AboutContactScreen;
}

// Whom to contact for service and calibration. Its F2 and F3 lead to the other About
// pages; the About menu, which knows them, links those keys.
class AboutContactScreen : public ScreenBase
{
    Q_OBJECT
public:
    AboutContactScreen(QWidget *previousScreen, QWidget *parent);
    ~AboutContactScreen() override;

    QAbstractButton *detailsButton() const;
    QAbstractButton *calibrationButton() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::AboutContactScreen *ui;
};
