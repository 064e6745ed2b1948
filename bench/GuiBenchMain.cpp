// Benchmarks that need the clipboard but no window run inside a plain GUI application.
#include "bench/BenchMain.h"

#include <QGuiApplication>

int main(int argc, char** argv)
{
    return RunBenchmarks<QGuiApplication>(argc, argv);
}
