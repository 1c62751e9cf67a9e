#pragma once

#include <QByteArray>

// Sequence files as the store keeps them, written out byte by byte: the words 1 and 1,
// the name (byte length, then UTF-16 low byte first), then the element block (byte
// length, then the elements, each led by its type byte). Floats are 8-byte doubles.
namespace SequenceFiles
{

// A flow element with its defaults.
// clang-format off
inline QByteArray flowElement()
{
    return QByteArray::fromHex("01"                                  // flow
                               "01" "0000000000005940" "0a" "0a"     // average, 100, 10 %, 10 %
                               "0000000000002440" "0000000000002440" // pressure limits 10, 10
                               "0000000000005940" "0a" "0a"          // bolus 100, 10 %, 10 %
                               "0000000000005940" "0000" "1e00"      // 100 ml/h, 0 mmHg, 30 s
                               "84030000" "00" "00");                // 900 s, scrolling, type 0
}
// clang-format on

// An element block of that one flow element.
inline QByteArray oneFlowElement()
{
    return QByteArray::fromHex("38000000") + flowElement();
}

// Four flow elements, the second with a back pressure of 1 mmHg, the third of 2, the
// fourth of 3, so that rows can be told apart in the stored file.
inline QByteArray fourFlowElements()
{
    QByteArray block = QByteArray::fromHex("e0000000");
    for (char backPressure = 0; backPressure < 4; ++backPressure) {
        QByteArray element = flowElement();
        element[46] = backPressure; // low byte of the back pressure
        block += element;
    }
    return block;
}

inline QByteArray header()
{
    return QByteArray::fromHex("01000100");
}

// Names used by the tests, as the file holds them.
inline QByteArray nameA()
{
    return QByteArray::fromHex("02000000"
                               "4100");
}
inline QByteArray nameA2()
{
    return QByteArray::fromHex("06000000"
                               "41005f003200");
}
inline QByteArray nameA3()
{
    return QByteArray::fromHex("06000000"
                               "41005f003300");
}

} // namespace SequenceFiles
