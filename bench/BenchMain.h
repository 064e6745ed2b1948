#pragma once
// Runs benchmarks headless inside an application object of the given class, under a
// decimal-comma locale as the stored inputs need; ends with the process's peak memory.
#include "numtext/DecimalSeparators.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

template <class Application>
int RunBenchmarks(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    ReadLocaleSeparators("ru_RU.UTF-8");
    Application application(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident memory: %ld MB\n", usage.ru_maxrss / 1024);
    return 0;
}
