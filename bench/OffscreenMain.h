#pragma once

// The main of a benchmark that builds windows: Qt's offscreen platform unless
// the caller chose another.
#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

inline int RunOffscreenBenchmarks(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
