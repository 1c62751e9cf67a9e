#pragma once

#include <QObject>

// Test classes of one area register here; the area's one executable runs them all.
// RONDIX_TEST_CLASS=<name> in the environment runs only that class; further command
// line arguments go to QTest (for example a test function name).
namespace TestRegistry {
using Factory = QObject *(*)();
int add(const char *name, Factory factory);
int runAll(int argc, char **argv);
} // namespace TestRegistry

#define RONDIX_TEST(Class)                                                                    \
    static const int rondixTestRegistered_##Class =                                           \
        TestRegistry::add(#Class, []() -> QObject * { return new Class; });
