#pragma once

#include <QApplication>
#include <QTest>

#include <memory>

namespace ortelia::test {

// The main of a test executable that holds several test objects: runs each in turn under one
// application and returns the number of failed test functions.
template <typename... Tests> int runTests(int argc, char **argv)
{
    QApplication app(argc, argv);
    int failures = 0;
    ((failures += QTest::qExec(std::make_unique<Tests>().get(), argc, argv)), ...);
    return failures;
}

} // namespace ortelia::test
