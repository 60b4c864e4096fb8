#pragma once

// One test program for several Qt Test classes: each runs in turn, and the program's status is
// the number of cases that failed in all of them.

#include <QTest>

template <typename Test> int runTest(int argc, char* argv[]) {
    Test test;
    return QTest::qExec(&test, argc, argv);
}

template <typename... Tests> int runTests(int argc, char* argv[]) {
    int failures = 0;
    ((failures += runTest<Tests>(argc, argv)), ...); // in the order given
    return failures;
}
