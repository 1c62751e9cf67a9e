#pragma once

#include "ScreenBase.h"

#include <QStringList>

namespace Ui
{
class SetupLanguage;
}
class QTranslator;

// The user-interface language: the select key loads the chosen translation for the whole
// program and remembers it. Building this screen installs the remembered one, so it is
// also what brings the program up in the operator's language.
class SetupLanguage : public ScreenBase
{
    Q_OBJECT
public:
    SetupLanguage(QWidget *previousScreen, QWidget *parent);
    ~SetupLanguage() override;

    // Makes file (a device path) the program's translation and stores it; false when it
    // could not be stored (the language still changes). A file that cannot be loaded
    // leaves the texts in English.
    bool setLanguage(const QString &file);

public slots:
    void showScreen(bool) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void applyLanguageNames();
    // The select key on a row: the language, then back to the setup menu.
    void chooseLanguage(const QString &file);

    Ui::SetupLanguage *ui;
    QStringList m_languageNames;
    QStringList m_languageFiles;
    QTranslator *m_translator = nullptr;
};
