#pragma once

#include "DataManager.h"
#include "InfusionPumpPowerBoardManager.h"
#include "ScreenBase.h"

#include <memory>

// The data manager the set-up screens read and write the settings through: the board's,
// or, in a screen area without a board, one of their own on the same settings file.
//
//     SetupData()->vSaveDateFormat(format);
class SetupData
{
public:
    SetupData()
    {
        if (!ScreenBase::board)
            m_own = std::make_unique<DataManager>();
    }
    DataManager *operator->() const
    {
        return m_own ? m_own.get() : &ScreenBase::board->m_DataManager;
    }

private:
    std::unique_ptr<DataManager> m_own;
};
