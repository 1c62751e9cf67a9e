#include "RestoreSettings.h"
#include "ui_RestoreSettings.h"

#include "FactoryRestore.h"
#include "MemoryUsage.h"
#include "RotaryEncoderMessageBox.h"
#include "ScreenMessages.h"
#include "TestResultManager.h"
#include "TestSequenceManager.h"

namespace
{
// As many names as the message box shows without cutting them off.
constexpr int LISTED_NAMES = 3;
} // namespace

RestoreSettings::RestoreSettings(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::RestoreSettings)
{
    ui->setupUi(this);
    connect(ui->pushButtonBack, &QPushButton::clicked, this, &RestoreSettings::onBackArrowClicked);
    connect(ui->pushButtonRestore, &QPushButton::clicked, this, &RestoreSettings::onRestoreClicked);
}

RestoreSettings::~RestoreSettings()
{
    delete ui;
}

bool RestoreSettings::isRestoreSettingsChecked() const
{
    return ui->restoreSettingsBox->isChecked();
}

bool RestoreSettings::isDeleteSequencesChecked() const
{
    return ui->deleteTestSequencesBox->isChecked();
}

bool RestoreSettings::isDeleteResultsChecked() const
{
    return ui->deleteResultsBox->isChecked();
}

void RestoreSettings::showScreen(bool state)
{
    ScreenBase::showScreen(state);
    ui->restoreSettingsBox->setFocus();
}

void RestoreSettings::onRestoreClicked()
{
    RotaryEncoderMessageBox box(this);
    ScreenMessages::setUp(box, QMessageBox::Warning, tr("Settings Restore"), tr("Are you sure?"),
                          QMessageBox::Yes | QMessageBox::No,
                          tr("The selected items will be restored to factory settings, you will "
                             "be required to power down once this step is complete.",
                             "Informative message shown when about to restore factory settings"),
                          ScreenMessages::Question::Erases);
    if (box.exec() != QMessageBox::Yes)
        return;

    QStringList notRemoved;
    if (isRestoreSettingsChecked() && !FactoryRestore::restoreSettings())
        notRemoved << tr("Settings");
    if (isDeleteSequencesChecked())
        FactoryRestore::emptyDataFolder(MemoryUsage::dataDirPath,
                                        TestSequenceManager::testSequenceDirectory, notRemoved);
    if (isDeleteResultsChecked())
        FactoryRestore::emptyDataFolder(MemoryUsage::dataDirPath,
                                        TestResultManager::assetResultsDirectory, notRemoved);
    if (!notRemoved.isEmpty())
        listNotRemoved(notRemoved);
    holdUntilPowerOff(box);
}

void RestoreSettings::listNotRemoved(const QStringList &names)
{
    QStringList lines = names.mid(0, LISTED_NAMES);
    if (names.size() > LISTED_NAMES)
        lines << tr("and %n more", "", names.size() - LISTED_NAMES);
    ScreenMessages::warn(tr("Factory Restore"), tr("Could not be removed:") + QLatin1Char('\n') +
                                                    lines.join(QLatin1Char('\n')));
}

void RestoreSettings::holdUntilPowerOff(RotaryEncoderMessageBox &box)
{
    ScreenMessages::setUp(box, QMessageBox::Information, tr("Factory Restore"),
                          tr("You must turn off the power for the new settings to take effect"),
                          QMessageBox::NoButton);
    do {
        box.exec();
    } while (reopenPowerOffNotice());
}

void RestoreSettings::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
