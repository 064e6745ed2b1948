// The program: reads the locale's number separators, creates the windows and
// runs the event loop until the main window closes.
#include "app/Application.h"
#include "numtext/DecimalSeparators.h"
#include "ui/KelvMain1.h"
#include "ui/sx.h"

int main(int argc, char** argv)
{
    ReadLocaleSeparators();
    TApplication application(argc, argv);
    TForm1 form1;
    Form1 = &form1;
    TForm2 form2;
    Form2 = &form2;
    return application.Run();
}
