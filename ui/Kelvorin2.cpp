// The program: reads the locale's number separators, then either runs the command
// that its arguments name, or creates the windows and runs the event loop until the
// main window closes.
#include "app/Application.h"
#include "numtext/DecimalSeparators.h"
#include "ui/CommandLine.h"
#include "ui/ProgramInfo.h"
#include "ui/ProgramWindows.h"

int main(int argc, char** argv)
{
    ReadLocaleSeparators();
    if (argc > 1)
        return RunCommandLine(argc, argv, stdout, stderr);
    TApplication application(argc, argv);
    SetDesktopIdentity();
    TProgramWindows windows;
    return application.Run();
}
