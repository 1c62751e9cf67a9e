#include "TestResultElement.h"

TestResultElement::TestResultElement(unsigned char type)
    : id(type)
{
}

void TestResultElement::serialize(QDataStream &out, bool withType) const
{
    if (withType)
        out << quint8(id);
    out << quint8(status) << quint16(channelId) << channelSerialNumber << serialNumber;
}

void TestResultElement::unserialize(QDataStream &in, bool withType)
{
    quint8 type = 0, st = 0;
    quint16 channel = 0;
    if (withType) {
        in >> type;
        id = type;
    }
    in >> st >> channel >> channelSerialNumber >> serialNumber;
    status = TEST_RESULT_STATUS(st);
    channelId = channel;
}

void TestResultElement::dumpBase(QDebug &debug, const char *className) const
{
    debug << className << " {\n"
          << "\tId = " << int(id) << "\n"
          << "\tStatus = " << int(status) << "\n"
          << "\tchannelId = " << channelId << "\n"
          << "\tchannelSerialNumber = " << channelSerialNumber << "\n"
          << "\tserialNumber = " << serialNumber << "\n";
}

void TestResultElement::dump(QDebug debug) const
{
    QDebugStateSaver saver(debug);
    debug.nospace().noquote();
    dumpBase(debug, "TestResultElement");
    debug << "}";
}

bool TestResultElement::readCount(QDataStream &in, qint32 &count)
{
    in >> count;
    if (in.status() != QDataStream::Ok)
        return false;
    if (count < 0) {
        in.setStatus(QDataStream::ReadCorruptData);
        return false;
    }
    return true;
}

void TestResultElement::writeSamples(QDataStream &out,
                                     const QVector<INFUSION_PUMP_REAL_TIME_DATA> &samples)
{
    out << qint32(samples.size());
    for (const INFUSION_PUMP_REAL_TIME_DATA &sample : samples)
        out << sample;
}

void TestResultElement::readSamples(QDataStream &in, QVector<INFUSION_PUMP_REAL_TIME_DATA> &samples)
{
    samples.clear();
    qint32 count = 0;
    if (!readCount(in, count))
        return;
    for (qint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        INFUSION_PUMP_REAL_TIME_DATA sample{};
        in >> sample;
        if (in.status() == QDataStream::Ok)
            samples.append(sample);
    }
}

void TestResultElement::checkEmbeddedType(QDataStream &in, unsigned char read,
                                          unsigned char expected)
{
    if (read != expected && in.status() == QDataStream::Ok)
        in.setStatus(QDataStream::ReadCorruptData);
}
