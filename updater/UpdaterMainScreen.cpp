#include "UpdaterMainScreen.h"

#include "UpdaterStartup.h"

#include <QMessageBox>
#include <QSettings>

UpdaterMainScreen::UpdaterMainScreen(QWidget *parent, Qt::WindowFlags flags) : QWidget(parent, flags)
{
    setupUi(this);
    connect(F1Button, &QPushButton::clicked, this, &UpdaterMainScreen::F1Clicked);
    connect(F2Button, &QPushButton::clicked, this, &UpdaterMainScreen::F2Clicked);
    connect(F3Button, &QPushButton::clicked, this, &UpdaterMainScreen::F3Clicked);

    versionString.remove(QLatin1Char('$'));
    const QString product =
        QSettings().value(QStringLiteral("ProductName"), QStringLiteral("Unknown")).toString();
    // The product name comes from the settings file: text, never markup.
    versionLabel->setTextFormat(Qt::PlainText);
    versionLabel->setText(product + QStringLiteral(" Updater ") + versionString);
}

void UpdaterMainScreen::showMessage(const QString &text)
{
    QMessageBox box(this);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.exec();
}

void UpdaterMainScreen::F1Clicked()
{
    choose(UpdateViaPc);
}

void UpdaterMainScreen::F2Clicked()
{
    choose(UpdateViaMemoryStick);
}

void UpdaterMainScreen::F3Clicked()
{
    choose(UpdateViaSdCard);
}

void UpdaterMainScreen::choose(int updateType)
{
    // The type reaches the progress page, which writes its prompt, before it is shown.
    emit setUpdateType(updateType);
    emit requestChangeScreen(1);
}
