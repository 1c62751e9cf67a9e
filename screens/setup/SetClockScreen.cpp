#include "SetClockScreen.h"
#include "ui_ClockSettingsScreen.h"

#include "FocusChain.h"
#include "ScreenMessages.h"
#include "SetupData.h"
#include "SystemClock.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QWheelEvent>

namespace
{
const QString DAY_FIRST = QStringLiteral("dd.MM.yyyy");
const QString MONTH_FIRST = QStringLiteral("MM.dd.yyyy");
const QString HOURS_24 = QStringLiteral("hh:mm:ss");
const QString HOURS_12 = QStringLiteral("hh:mm:ss ap");
} // namespace

SetClockScreen::SetClockScreen(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::ClockSettingsScreen)
{
    const SetupData data;
    dateFormat = data->vLoadDateFormat();
    timeFormat = data->vLoadTimeFormat();
    ui->setupUi(this);
    ui->timeEdit->installEventFilter(this);
    ui->dateEdit->installEventFilter(this);
    connect(ui->pushButtonBackFromTime, &QPushButton::clicked, this,
            &SetClockScreen::onBackArrowClicked);
    connect(ui->pushButtonTimeFormat, &QPushButton::clicked, this, &SetClockScreen::setTimeFormat);
    connect(ui->pushButtonDateFormat, &QPushButton::clicked, this, &SetClockScreen::setDateFormat);
    connect(ui->pushButtonConfirmTime, &QPushButton::clicked, this,
            &SetClockScreen::setTimeAndDate);
}

SetClockScreen::~SetClockScreen()
{
    delete ui;
}

void SetClockScreen::showScreen(bool state)
{
    const QDateTime now = QDateTime::currentDateTime();
    ui->dateEdit->setDate(now.date());
    ui->timeEdit->setTime(now.time());
    ui->dateEdit->setDisplayFormat(dateFormat);
    ui->timeEdit->setDisplayFormat(timeFormat);
    ScreenBase::showScreen(state);
    ui->timeEdit->setFocus();
}

void SetClockScreen::setDateFormat(bool)
{
    dateFormat = dateFormat == DAY_FIRST ? MONTH_FIRST : DAY_FIRST;
    ui->dateEdit->setDisplayFormat(dateFormat);
    if (!SetupData()->vSaveDateFormat(dateFormat))
        warnNotSaved();
}

void SetClockScreen::setTimeFormat(bool)
{
    timeFormat = timeFormat == HOURS_24 ? HOURS_12 : HOURS_24;
    ui->timeEdit->setDisplayFormat(timeFormat);
    if (!SetupData()->vSaveTimeFormat(timeFormat))
        warnNotSaved();
}

void SetClockScreen::setTimeAndDate(bool)
{
    switch (SystemClock::set(ui->dateEdit->date(), ui->timeEdit->time())) {
    case SystemClock::Set:
        break;
    case SystemClock::SystemClockFailed:
        ScreenMessages::warn(tr("Time and Date"),
                             tr("The clock could not be set. It keeps its time."));
        break;
    case SystemClock::HardwareClockFailed:
        ScreenMessages::warn(tr("Time and Date"),
                             tr("The time is set, but the clock could not keep it: it is "
                                "lost when the instrument is switched off."));
        break;
    }
}

void SetClockScreen::warnNotSaved()
{
    ScreenMessages::warn(tr("Time and Date"),
                         tr("The format could not be saved. It applies until the instrument "
                            "is switched off."));
}

bool SetClockScreen::eventFilter(QObject *watched, QEvent *event)
{
    // The encoder steps only the part of a field that is selected, and the key pad has
    // no key to choose another part: select walks through them.
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        auto *field = qobject_cast<QDateTimeEdit *>(watched);
        const bool editing =
            field == ui->timeEdit ? ui->timeEdit->isEditing() : ui->dateEdit->isEditing();
        if (field && !editing) {
            field->setCurrentSectionIndex(0);
        } else if (field && field->currentSectionIndex() < field->sectionCount() - 1) {
            field->setCurrentSectionIndex(field->currentSectionIndex() + 1);
            return true;
        }
    }
    return ScreenBase::eventFilter(watched, event);
}

void SetClockScreen::wheelEvent(QWheelEvent *event)
{
    QWidget *from = focusWidget() ? focusWidget() : ui->timeEdit;
    FocusChain::move(from, event->angleDelta().y() > 0);
    event->accept();
}

void SetClockScreen::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
