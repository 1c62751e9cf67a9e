#pragma once

#include <QString>

// A tmpfs of 100 pages mounted at a path (for example <root>/mnt/data), so the usage
// of the partition moves in whole percent steps. It hides what the path held until it
// is gone. Needs the right to mount; the caller skips without it.
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

private:
    QString m_path;
    bool m_mounted = false;
};
