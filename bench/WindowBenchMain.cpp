// Benchmarks of windows and controls run inside the program's application object.
#include "app/Application.h"
#include "bench/BenchMain.h"

int main(int argc, char** argv)
{
    return RunBenchmarks<TApplication>(argc, argv);
}
