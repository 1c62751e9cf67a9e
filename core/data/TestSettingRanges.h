#pragma once

// The ranges the manual set-up screens allow for a channel's test settings. Whatever
// else gives a value (the PC, the settings file) is held to them before it can reach a
// channel controller.
struct TestSettingRanges {
    static constexpr int maxTestTime = 23 * 3600 + 59 * 60 + 59; // s
    static constexpr short minBackPressure = -200;               // mmHg
    static constexpr short maxBackPressure = 600;                // mmHg
    static constexpr unsigned short minWindowSize = 1;           // s
    static constexpr unsigned short maxWindowSize = 600;         // s
    static constexpr float minBasalFlowRate = 1.0f;              // ml/h
    static constexpr float maxBasalFlowRate = 30.0f;             // ml/h
    static constexpr float maxBolusVolume = 99999.0f;            // ml
    static constexpr unsigned char maxPumpType = 1;              // auto reverse
    static constexpr unsigned char maxTestType = 3;              // user test
};
