#pragma once
// The program's command line. Without arguments the program opens its windows; with
// arguments it runs the command they name and opens none:
//   --table RC F FROM TO STEP [--csv] [--standard E6|E12|E24]
//                                       the capacitor table on standard output
//   --help, --version
#include <cstdio>

// Runs the command named by argv[1] onwards, writing to out and err (UTF-8), and gives
// the exit status: 0 done, 1 the output could not be written, 2 a wrong argument or
// input value (nothing is written to out then).
int RunCommandLine(int argc, char** argv, std::FILE* out, std::FILE* err);
