// The program: reads the locale's number separators, creates the windows and
// runs the event loop until the main window closes.
#include "app/Application.h"
#include "numtext/DecimalSeparators.h"
#include "ui/ProgramWindows.h"

int main(int argc, char** argv)
{
    ReadLocaleSeparators();
    TApplication application(argc, argv);
    TProgramWindows windows;
    return application.Run();
}
