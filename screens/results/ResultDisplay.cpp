#include "ResultDisplay.h"

#include "InfusionPumpPowerBoardManager.h"
#include "ScreenBase.h"

#include <QLabel>
#include <QPixmap>

namespace ResultDisplay
{

void showStatus(QLabel *word, QLabel *mark, TEST_RESULT_STATUS status, const QString &passText,
                const QString &failText)
{
    if (status != TEST_PASS && status != TEST_FAIL) {
        word->hide();
        mark->hide();
        return;
    }
    const bool pass = status == TEST_PASS;
    word->setText(pass ? passText : failText);
    word->setStyleSheet(pass ? QStringLiteral("color: rgb(0, 170, 0);")
                             : QStringLiteral("color: rgb(255, 0, 0);"));
    mark->setPixmap(QPixmap(pass ? QStringLiteral(":/Resources/tick.png")
                                 : QStringLiteral(":/Resources/cross.png")));
    word->show();
    mark->show();
}

QString number(float value)
{
    return QString::number(double(value), 'g', 6);
}

QString pressure(qint16 mmHg)
{
    const float shown =
        ScreenBase::board ? ScreenBase::board->m_DataManager.getPressureValue(mmHg) : mmHg;
    return QString::number(double(shown), 'f', 2);
}

QString pressureUnit()
{
    if (!ScreenBase::board)
        return DataManager::getPressureUnitString(DataManager::UNITS_MMHG);
    const DataManager &data = ScreenBase::board->m_DataManager;
    return DataManager::getPressureUnitString(data.getPressureUnits());
}

QString duration(const QVector<INFUSION_PUMP_REAL_TIME_DATA> &samples)
{
    return duration(samples.isEmpty() ? 0 : samples.constLast().u32ElapseTime);
}

QString duration(quint32 seconds)
{
    return ScreenBase::formatTimeFromPic(seconds);
}

} // namespace ResultDisplay
