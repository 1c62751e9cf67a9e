#include "ResultDisplay.h"

#include "InfusionPumpPowerBoardManager.h"
#include "ResultFormat.h"
#include "ScreenBase.h"

#include <QLabel>
#include <QPixmap>

namespace ResultDisplay
{

void showStatus(QLabel *word, QLabel *mark, TEST_RESULT_STATUS status, const QString &passText,
                const QString &failText)
{
    const ResultFormat::Verdict verdict = ResultFormat::verdict(status);
    if (!verdict.shown) {
        word->hide();
        mark->hide();
        return;
    }
    word->setText(verdict.pass ? passText : failText);
    word->setStyleSheet(verdict.styleSheet);
    mark->setPixmap(QPixmap(verdict.mark));
    word->show();
    mark->show();
}

QString pressure(qint16 mmHg)
{
    const float shown =
        ScreenBase::board ? ScreenBase::board->m_DataManager.getPressureValue(mmHg) : mmHg;
    return ResultFormat::pressure(shown);
}

QString pressureUnit()
{
    if (!ScreenBase::board)
        return DataManager::getPressureUnitString(DataManager::UNITS_MMHG);
    const DataManager &data = ScreenBase::board->m_DataManager;
    return DataManager::getPressureUnitString(data.getPressureUnits());
}

} // namespace ResultDisplay
