#pragma once

#include <QObject>
#include <QString>

// A stretch of a device file mapped into the process. The mapping is released with the
// object. pointer() is null when the file could not be opened or mapped.
class MemoryMap : public QObject
{
public:
    // protection: bit 0 read, bit 1 write, bit 2 execute.
    MemoryMap(const QString &path, int length, int protection, bool shared, qint64 offset);
    ~MemoryMap() override;

    void *pointer() const { return m_Pointer; }
    int mappedLength() const { return m_MappedLength; }

private:
    void *m_Pointer = nullptr;
    int m_MappedLength = 0;
};
