#pragma once

#include <QByteArray>
#include <QMetaType>

// One raw test-data reply of the power board and the channel (0 to 3) it came from,
// handed from the board manager to the data manager.
class TestData
{
public:
    TestData() = default;
    TestData(int channel, const QByteArray &data) : m_data(data), m_channel(channel) {}
    virtual ~TestData() = default;
    TestData(const TestData &) = default;
    TestData &operator=(const TestData &) = default;

    QByteArray m_data;
    int m_channel = 0;
};

Q_DECLARE_METATYPE(TestData)
