#include "AboutScreen.h"

#include "AboutCalibrationScreen.h"
#include "AboutContactScreen.h"
#include "AboutDetailsScreen.h"
#include "CalibrateScreen.h"
#include "PinEntry.h"
#include "ui_AboutScreen.h"

const QString AboutScreen::CalibrationPin = QStringLiteral("5274");

namespace
{
// The maker's contact data: the same in every language.
const char *const kTelephone = "+44 (0)1632 960418";
const char *const kEmail = "info@pexon.example";
const char *const kWebsite = "www.pexon.example";
} // namespace

AboutScreen::AboutScreen(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::AboutScreen)
{
    ui->setupUi(this);

    m_contactScreen = new AboutContactScreen(this, nullptr);
    m_calibrationScreen = new AboutCalibrationScreen(this, nullptr);
    m_detailsScreen = new AboutDetailsScreen(this, nullptr);
    m_calibrateScreen = new CalibrateScreen(this, nullptr);
    m_pinEntry = new PinEntry(this, m_calibrateScreen, nullptr);
    m_pinEntry->setPin(CalibrationPin);

    const auto link = [this](QAbstractButton *key, ScreenBase *page) {
        connect(key, &QAbstractButton::clicked, page, &ScreenBase::showScreen);
    };
    connect(ui->pushButtonBackFromAbout, &QPushButton::clicked, this,
            &AboutScreen::onBackArrowClicked);
    link(ui->pushButtonAboutDetails, m_detailsScreen);
    link(ui->pushButtonAboutCal, m_calibrationScreen);
    link(ui->pushButtonAboutContactDetails, m_contactScreen);

    link(m_contactScreen->detailsButton(), m_detailsScreen);
    link(m_contactScreen->calibrationButton(), m_calibrationScreen);

    link(m_detailsScreen->calibrationButton(), m_calibrationScreen);
    link(m_detailsScreen->contactButton(), m_contactScreen);

    link(m_calibrationScreen->detailsButton(), m_detailsScreen);
    link(m_calibrationScreen->calibrateButton(), m_pinEntry);
    link(m_calibrationScreen->contactButton(), m_contactScreen);

    setTexts();
}

AboutScreen::~AboutScreen()
{
    delete ui;
}

void AboutScreen::setTexts()
{
    ui->label_AboutDetails_1->setText(tr("Pexon Kovinta Infusion Pump Analyser"));
    ui->label_AboutDetails_2->setText(QString::fromLatin1(kTelephone));
    ui->label_AboutDetails_3->setText(QString::fromLatin1(kEmail));
    ui->label_AboutDetails_4->setText(QString::fromLatin1(kWebsite));
}

void AboutScreen::showScreen(bool check)
{
    setTexts();
    ScreenBase::showScreen(check);
}

void AboutScreen::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        // The form's own texts are placeholders for these.
        setTexts();
    }
}
