#pragma once

#include <QString>
#include <QtGlobal>

// A small tmpfs mounted at a path for one test (by default 100 pages, so usage moves in
// whole percent steps), unmounted on destruction. Needs the right to mount; the caller
// skips without it:
//
//     SmallPartition partition(root.path("/mnt/data"));
//     if (!partition.mounted())
//         QSKIP("mounting a tmpfs is not allowed here");
class SmallPartition
{
public:
    explicit SmallPartition(const QString &path, int pages = 100);
    ~SmallPartition();
    SmallPartition(const SmallPartition &) = delete;
    SmallPartition &operator=(const SmallPartition &) = delete;

    bool mounted() const { return m_mounted; }
    static qint64 pageSize() { return 4096; }
    // Fills the partition with the given number of pages in all (a file "fill").
    bool fillPages(int pages);
    // Fills it up to the given number of free pages.
    bool leaveFree(int pages);
    // Fills what is left, so that no further file can be written.
    bool fillUp();

private:
    QString m_path;
    int m_pages;
    bool m_mounted = false;
};
