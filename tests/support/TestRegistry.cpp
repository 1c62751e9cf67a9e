#include "TestRegistry.h"

#include <QApplication>
#include <QTest>

#include <memory>
#include <vector>

namespace TestRegistry {
namespace {
struct Entry
{
    const char *name;
    Factory factory;
};
std::vector<Entry> &entries()
{
    static std::vector<Entry> e;
    return e;
}
} // namespace

int add(const char *name, Factory factory)
{
    entries().push_back({name, factory});
    return int(entries().size());
}

int runAll(int argc, char **argv)
{
    const QByteArray only = qgetenv("RONDIX_TEST_CLASS");
    int failed = 0;
    int run = 0;
    for (const Entry &e : entries()) {
        if (!only.isEmpty() && only != e.name)
            continue;
        std::unique_ptr<QObject> test(e.factory());
        ++run;
        if (QTest::qExec(test.get(), argc, argv) != 0)
            ++failed;
    }
    if (run == 0) {
        fprintf(stderr, "no test class named %s\n", only.constData());
        return 1;
    }
    fprintf(stderr, "%d passed, %d failed\n", run - failed, failed);
    return failed == 0 ? 0 : 1;
}
} // namespace TestRegistry
