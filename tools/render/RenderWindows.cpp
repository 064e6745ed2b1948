// Renders the program's windows to PNG files without a display, for review and
// for the README: RenderWindows <output folder>. Writes the main window as it
// starts (main-window.png), after Calculate with the default inputs
// (main-window-calculated.png), the results list's context menu over it
// (list-context-menu.png), its two chart pages (main-window-attenuation.png,
// main-window-phase.png, the phase for row 0) with each chart alone
// (chart-attenuation.png, chart-phase.png), the schematic window (schematic-window.png),
// and the help window that F1 opens (help-window.png) with its About box (about-box.png).
#include "app/Application.h"
#include "app/Button.h"
#include "app/ListView.h"
#include "app/PageControl.h"
#include "chart/Chart.h"
#include "numtext/DecimalSeparators.h"
#include "ui/ProgramInfo.h"
#include "ui/ProgramWindows.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

bool SavePicture(const QPixmap& picture, const QDir& out, const char* name)
{
    const QString path = out.filePath(name);
    if (!picture.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

bool Save(QWidget* window, const QDir& out, const char* name)
{
    Application->Idle(); // the command update, as whenever the loop waits
    QCoreApplication::processEvents();
    return SavePicture(window->grab(), out, name);
}

// A right click on a row of the list, and the menu it opens drawn over the window.
bool SaveListMenu(TForm1& form, const QDir& out, const char* name)
{
    const int row = 3;
    form.List->SelectRow(row);
    const QPoint at = form.List->visualRect(form.List->Items().index(row, 1)).center();
    bool ok = false;
    QTimer::singleShot(0, &form, [&] {
        QWidget* menu = QApplication::activePopupWidget();
        if (!menu)
            return;
        QPixmap picture = form.grab();
        QPainter(&picture).drawPixmap(form.mapFromGlobal(menu->pos()), menu->grab());
        ok = SavePicture(picture, out, name);
        menu->close();
    });
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, form.List->viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(form.List->viewport(), &click);
    return ok;
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
    SetDesktopIdentity();
    TProgramWindows windows;
    TForm1& form1 = windows.Main;
    TForm2& form2 = windows.Schematic;
    form1.Show();

    const QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath(".");
    bool ok = Save(&form1, out, "main-window.png");
    form1.Button1->click();
    ok = Save(&form1, out, "main-window-calculated.png") && ok;
    ok = SaveListMenu(form1, out, "list-context-menu.png") && ok;
    // The chart pages, switched to as a user does, by their buttons; the phase for row 0.
    form1.List->SelectRow(0);
    const QList<QPushButton*> pageButtons = form1.PageControl2->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly);
    pageButtons.at(1)->click();
    ok = Save(&form1, out, "main-window-attenuation.png") && ok;
    ok = Save(form1.Chart1, out, "chart-attenuation.png") && ok;
    pageButtons.at(2)->click();
    ok = Save(&form1, out, "main-window-phase.png") && ok;
    ok = Save(form1.Chart2, out, "chart-phase.png") && ok;
    pageButtons.at(0)->click();
    // The schematic window is modal: grab it from inside its modal show.
    QTimer::singleShot(0, &form2, [&] {
        ok = Save(&form2, out, "schematic-window.png") && ok;
        form2.Button1->click();
    });
    form1.Button2->click();

    windows.ShowHelp();
    ok = Save(&windows.Help, out, "help-window.png") && ok;
    QTimer::singleShot(0, &windows.Help, [&] {
        QWidget* about = QApplication::activeModalWidget();
        ok = about && Save(about, out, "about-box.png") && ok;
        if (about)
            about->close();
    });
    windows.Help.Button1->click();
    return ok ? 0 : 1;
}
