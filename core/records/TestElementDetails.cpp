#include "TestElementDetails.h"

TestElementDetails *TestElementDetails::getInstance()
{
    static TestElementDetails *instance = new TestElementDetails;
    return instance;
}

TestElementDetails::TestElementDetails()
{
    add(USER_TEST, QT_TR_NOOP("User Test"), 0x3F);
    add(FLOW_TEST, QT_TR_NOOP("Flow Rate Test"), FLAG_SEQUENCE);
    add(PCA_TEST, QT_TR_NOOP("PCA Test"), FLAG_SEQUENCE);
    add(OCCLUSION_TEST, QT_TR_NOOP("Occlusion Test"), FLAG_SEQUENCE);
}

QString TestElementDetails::Details::name() const
{
    return TestElementDetails::tr(source);
}

void TestElementDetails::add(unsigned char id, const char *source, int flags)
{
    Details d;
    d.id = id;
    d.source = source;
    d.flags = flags;
    m_details.insert(id, d);
}

const TestElementDetails::Details *TestElementDetails::getDetails(unsigned char id) const
{
    const auto it = m_details.constFind(id);
    return it == m_details.constEnd() ? nullptr : &it.value();
}

unsigned char TestElementDetails::elementTypeFromSettingType(unsigned char settingType)
{
    static const unsigned char table[] = {FLOW_TEST, OCCLUSION_TEST, PCA_TEST, USER_TEST};
    return settingType < 4 ? table[settingType] : 0xFF;
}

unsigned char TestElementDetails::settingTypeFromElementType(unsigned char elementType)
{
    static const unsigned char table[] = {3, 0, 2, 1};
    return elementType < 4 ? table[elementType] : 0xFF;
}
