#pragma once

// The main of a benchmark program that needs the program folder and widgets: off screen unless a
// display is asked for, the assembled program folder as the root.

#include "ProgramFolder.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstddef>
#include <functional>

namespace ortelia::bench {

// With Owned, one object of that type is made after the application and handed to
// registerBenchmarks before the run: the speech engine, of which a process has one, as in the
// program (eSpeak NG serves one engine per process).
template <class Owned = std::nullptr_t>
int runBenchmarks(int argc, char **argv, const std::function<void(Owned &)> &registerBenchmarks = {})
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ProgramFolder::setRoot(QStringLiteral(ORTELIA_PROGRAM_DIR));
    Owned owned{};
    if (registerBenchmarks)
        registerBenchmarks(owned);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace ortelia::bench
