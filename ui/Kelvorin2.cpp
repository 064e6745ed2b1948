// The program: reads the locale's number separators, then either runs the command
// that its arguments name, or creates the windows and runs the event loop until the
// main window closes. The window's place and the folder last saved to are read from
// the user's settings at the start and written back at the end.
#include "app/Application.h"
#include "app/SessionSettings.h"
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
    const TSessionSettings settings(windows.Main);
    return application.Run();
}
