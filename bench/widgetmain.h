#pragma once
// main() of a benchmark program that drives windows: Qt Widgets on the
// offscreen platform unless another one is asked for.

#include <QApplication>

#include <benchmark/benchmark.h>

inline int runWidgetBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
