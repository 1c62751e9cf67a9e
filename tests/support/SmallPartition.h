#pragma once

#include <QString>

// A tmpfs of 100 pages mounted at a path (the data partition of a test root), so its
// usage moves in whole percent steps. Needs the right to mount: callers skip without it.
class SmallPartition
{
public:
    explicit SmallPartition(const QString &path);
    ~SmallPartition();
    SmallPartition(const SmallPartition &) = delete;
    SmallPartition &operator=(const SmallPartition &) = delete;

    bool mounted() const { return m_mounted; }
    static qint64 pageSize() { return 4096; }
    // Fills the partition with the given number of pages in all.
    bool fillPages(int pages);
    // Fills what is left, so that no further file can be written.
    bool fillUp();

private:
    QString m_path;
    bool m_mounted = false;
};
