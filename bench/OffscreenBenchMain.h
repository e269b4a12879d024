#pragma once

#include <QApplication>
#include <QtGlobal>

#include <benchmark/benchmark.h>

#include "ApplicationLook.h"

namespace zorvanta::bench {

/// Runs the benchmarks that `registerBenchmarks` adds inside one offscreen QApplication.
inline int RunOffscreenBenchmarks(int argc, char** argv, void (*registerBenchmarks)())
{
    // The figures are for drawing without a display; a developer may still pick a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QApplication application(argc, argv);
    ApplyApplicationLook(application);  // the figures are for the look users see
    registerBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace zorvanta::bench
