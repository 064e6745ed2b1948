// Renders the program's windows to PNG files without a display, for review and
// for the README: RenderWindows <output folder>.
#include "app/Application.h"
#include "numtext/DecimalSeparators.h"
#include "ui/KelvMain1.h"

#include <QDir>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>

namespace {

bool Save(QWidget* window, const QString& path)
{
    Application->Idle(); // the command update, as after start-up
    QCoreApplication::processEvents();
    if (!window->grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: RenderWindows <output folder>\n");
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ReadLocaleSeparators();
    TApplication application(argc, argv);
    TForm1 form1;
    Form1 = &form1;
    form1.Show();

    const QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath(".");
    return Save(&form1, out.filePath("Form1.png")) ? 0 : 1;
}
