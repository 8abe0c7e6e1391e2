#pragma once

// The main of a benchmark program that needs the program folder and widgets: off screen unless a
// display is asked for, the assembled program folder as the root.

#include "ProgramFolder.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace ortelia::bench {

inline int runBenchmarks(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ProgramFolder::setRoot(QStringLiteral(ORTELIA_PROGRAM_DIR));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace ortelia::bench
