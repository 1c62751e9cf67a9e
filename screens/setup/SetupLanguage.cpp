#include "SetupLanguage.h"
#include "ui_SetupLanguage.h"

#include "DevicePath.h"
#include "MenuKeys.h"
#include "ScreenMessages.h"
#include "SettingsConstants.h"
#include "SettingsReader.h"
#include "SettingsWriter.h"

#include <QCoreApplication>
#include <QDebug>
#include <QKeyEvent>
#include <QTranslator>

namespace
{
const QString DEFAULT_LANGUAGE_FILE = QStringLiteral("/home/translations/kovinta_en.qm");
} // namespace

SetupLanguage::SetupLanguage(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::SetupLanguage)
{
    ui->setupUi(this);
    ui->listMainMenuList->clear();
    m_languageFiles << DEFAULT_LANGUAGE_FILE << QStringLiteral("/home/translations/kovinta_us.qm")
                    << QStringLiteral("/home/translations/kovinta_pl.qm")
                    << QStringLiteral("/home/translations/kovinta_it.qm");
    applyLanguageNames();
    ui->listMainMenuList->setCurrentRow(0);
    connect(ui->pushButtonBack, &QPushButton::clicked, this, &SetupLanguage::onBackArrowClicked);

    const QString stored = SettingsReader()
                               .value(SETTINGS_KEY_LANGUAGE_FILE, DEFAULT_LANGUAGE_FILE)
                               .toString();
    // Nobody to tell at start-up: the language is in force, only the next start may
    // come up in English.
    if (!setLanguage(stored))
        qWarning() << Q_FUNC_INFO << "language file setting not written";
}

SetupLanguage::~SetupLanguage()
{
    delete ui;
}

void SetupLanguage::applyLanguageNames()
{
    m_languageNames = QStringList{tr("English", "language name on language menu"),
                                  tr("English (US)", "language name on language menu"),
                                  tr("Polish", "language name on language menu"),
                                  tr("Italian", "language name on language menu")};
    // Rows are made once and renamed in place, so the operator's row stays current.
    for (int row = 0; row < m_languageNames.size(); ++row) {
        if (QListWidgetItem *item = ui->listMainMenuList->item(row))
            item->setText(m_languageNames.at(row));
        else
            ui->listMainMenuList->addItem(m_languageNames.at(row));
    }
}

bool SetupLanguage::setLanguage(const QString &file)
{
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator);
        delete m_translator;
    }
    m_translator = new QTranslator(this);
    if (!m_translator->load(DevicePath::path(file)))
        qWarning() << Q_FUNC_INFO << "no translation in" << file;
    const bool stored = SettingsWriter::write(SETTINGS_KEY_LANGUAGE_FILE, file);
    QCoreApplication::installTranslator(m_translator);
    return stored;
}

void SetupLanguage::showScreen(bool state)
{
    ScreenBase::showScreen(state);
    ui->listMainMenuList->setFocus();
}

void SetupLanguage::keyPressEvent(QKeyEvent *event)
{
    QList<std::function<void()>> rows;
    for (const QString &file : qAsConst(m_languageFiles))
        rows << [this, file] { chooseLanguage(file); };
    if (!MenuKeys::selectRow(event, ui->listMainMenuList, rows))
        ScreenBase::keyPressEvent(event);
}

void SetupLanguage::chooseLanguage(const QString &file)
{
    if (!setLanguage(file)) {
        ScreenMessages::warn(tr("Language"), tr("The language could not be saved. It applies "
                                                "until the instrument is switched off."));
    }
    ui->pushButtonBack->click();
}

void SetupLanguage::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        applyLanguageNames();
    }
}
