#include "SetupScreen.h"
#include "ui_InfusionPumpSetup.h"

#include "MemoryUsage.h"
#include "MenuKeys.h"
#include "PinEntry.h"
#include "SerialNoEntry.h"
#include "SetClockScreen.h"
#include "SetupLanguage.h"
#include "SetupPressureUnits.h"
#include "TestSequenceScreen.h"

#include <QKeyEvent>

namespace
{
// The PIN in front of the serial number.
const QString SERIAL_NUMBER_PIN = QStringLiteral("4729");
} // namespace

SetupScreen::SetupScreen(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::InfusionPumpSetup)
{
    ui->setupUi(this);
    m_clockScreen = new SetClockScreen(this, nullptr);
    m_serialNoEntry = new SerialNoEntry(this, qobject_cast<ScreenBase *>(previousScreen), nullptr);
    m_pinEntry = new PinEntry(this, m_serialNoEntry, nullptr);
    m_pinEntry->setPin(SERIAL_NUMBER_PIN);
    ui->listMainMenuList->setCurrentRow(0);
    m_testSequenceScreen = new TestSequenceScreen(this, nullptr);
    m_memoryScreen = new MemoryUsage(this, nullptr);
    m_pressureUnitsScreen = new SetupPressureUnits(this, nullptr);
    // Last: it installs the stored translation, which every screen built so far follows.
    m_languageScreen = new SetupLanguage(this, nullptr);
    connect(ui->pushButtonBack, &QPushButton::clicked, this, &SetupScreen::onBackArrowClicked);
}

SetupScreen::~SetupScreen()
{
    delete ui;
}

void SetupScreen::showScreen(bool state)
{
    ScreenBase::showScreen(state);
    ui->listMainMenuList->setFocus();
}

void SetupScreen::keyPressEvent(QKeyEvent *event)
{
    const QList<std::function<void()>> rows = {
        [this] { m_clockScreen->showScreen(true); },
        [this] { m_pinEntry->showScreen(true); },
        [this] { m_testSequenceScreen->showScreen(true); },
        [this] { m_memoryScreen->showScreen(true); },
        [this] { m_pressureUnitsScreen->showScreen(true); },
        [this] { m_languageScreen->showScreen(true); },
    };
    if (!MenuKeys::selectRow(event, ui->listMainMenuList, rows))
        ScreenBase::keyPressEvent(event);
}

void SetupScreen::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
