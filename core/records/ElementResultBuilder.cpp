#include "ElementResultBuilder.h"

#include "SettingsConstants.h"
#include "SettingsReader.h"
#include "TestElementDetails.h"
#include "TestResultElementFlowTest.h"
#include "TestResultElementOccTest.h"
#include "TestResultElementPCATest.h"
#include "TestResultElementUserTest.h"
#include "TestSequenceElementFlowTest.h"
#include "TestSequenceElementOccTest.h"
#include "TestSequenceElementPCATest.h"
#include "TestSequenceElementUserTest.h"

namespace {
template <typename Result, typename Step>
Result *measuredResult(const TestSequenceElement &step, const ElementResultBuilder::Measurements &m)
{
    const auto *own = dynamic_cast<const Step *>(&step);
    if (!own)
        return nullptr;
    auto *result = new Result;
    result->samples = m.samples;
    result->testData = m.live;
    result->sequenceElement = *own;
    return result;
}
} // namespace

ElementResultBuilder::SerialNumbers ElementResultBuilder::readSerialNumbers(unsigned short channel)
{
    const SettingsReader settings;
    SerialNumbers serials;
    const QString &none = SETTINGS_DEFAULT_SERIAL_NUM;
    serials.instrument = settings.value(SETTINGS_KEY_SERIAL_NUM, none).toString();
    serials.channel = channel < 4
        ? settings.value(QStringLiteral("SerialNumber_ch%1").arg(channel + 1), none).toString()
        : QStringLiteral("??");
    return serials;
}

TestResultElement *ElementResultBuilder::build(const TestSequenceElement &step,
                                               TEST_RESULT_STATUS status, unsigned short channel,
                                               const SerialNumbers &serials,
                                               const Measurements &measured)
{
    TestResultElement *result = nullptr;
    switch (step.id) {
    case TestElementDetails::FLOW_TEST:
        result = measuredResult<TestResultElementFlowTest, TestSequenceElementFlowTest>(step, measured);
        break;
    case TestElementDetails::OCCLUSION_TEST:
        if (auto *occ = measuredResult<TestResultElementOccTest, TestSequenceElementOccTest>(step, measured)) {
            // The step set the channel's pump type: the record says which it ran with.
            occ->pumpType = TestResultElementOccTest::storedPumpType(occ->sequenceElement.setting.u8InfusionPumpType);
            result = occ;
        }
        break;
    case TestElementDetails::PCA_TEST:
        if (auto *pca = measuredResult<TestResultElementPCATest, TestSequenceElementPCATest>(step, measured)) {
            pca->boluses = measured.boluses;
            result = pca;
        }
        break;
    case TestElementDetails::USER_TEST:
        if (const auto *own = dynamic_cast<const TestSequenceElementUserTest *>(&step)) {
            auto *user = new TestResultElementUserTest;
            user->testName = own->testText;
            user->testUnits = own->units;
            user->result = static_cast<float>(measured.userValue);
            result = user;
        }
        break;
    default:
        break;
    }
    if (!result)
        return nullptr;
    result->status = status;
    result->channelId = static_cast<unsigned short>(channel + 1);
    result->channelSerialNumber = serials.channel;
    result->serialNumber = serials.instrument;
    return result;
}
