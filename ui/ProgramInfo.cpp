#include "ui/ProgramInfo.h"

#include <QApplication>
#include <QIcon>

const char* ProgramVersion()
{
    return KELVORIN_VERSION;
}

const char* ProgramHomepage()
{
    return KELVORIN_HOMEPAGE;
}

const char* ProgramLicence()
{
    return "GPL-3.0-or-later";
}

void SetDesktopIdentity()
{
    // The window manager's class is the application name; the desktop entry's
    // StartupWMClass names the same.
    QApplication::setApplicationName("Kelvorin2");
    QApplication::setOrganizationName("Kelvorin");
    QApplication::setApplicationVersion(KELVORIN_VERSION);
    QGuiApplication::setDesktopFileName(KELVORIN_APP_ID);
    // The installed theme's icon where there is one, else the drawing built into the program.
    QApplication::setWindowIcon(QIcon::fromTheme(KELVORIN_APP_ID, QIcon(":/kelvorin2.svg")));
}
