#include "ui/ProgramWindows.h"

#include <QShortcut>

TProgramWindows::TProgramWindows()
{
    Form1 = &Main;
    Form2 = &Schematic;
    // Attached to the main window but heard in every window of the program; not while
    // the schematic window is shown modally. The keys themselves, not the platform's
    // standard ones: some platforms have no standard key to quit.
    const auto key = [this](QKeySequence keys, auto run) {
        auto* shortcut = new QShortcut(keys, &Main, run);
        shortcut->setContext(Qt::ApplicationShortcut);
    };
    key(QKeySequence(Qt::Key_F1), [this] { ShowHelp(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { Main.close(); });
}

TProgramWindows::~TProgramWindows()
{
    Form2 = nullptr;
    Form1 = nullptr;
}

void TProgramWindows::ShowHelp()
{
    if (Help.isVisible()) {
        Help.raise();
        Help.activateWindow();
    } else {
        Help.Show();
    }
}
