#pragma once
// Helpers shared by the widget tests.
#include "app/Application.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QStringList>
#include <QTest>

#include <vector>

// While alive, error boxes are recorded rather than shown.
class TErrorBoxes {
public:
    TErrorBoxes();
    // The texts of the boxes shown so far, after the pending ones have come up.
    static const std::vector<AnsiString>& Shown();

private:
    static std::vector<AnsiString> FShown;
};

// The menu's entries, each marked " (off)" while disabled.
inline QStringList MenuEntries(const QMenu& menu)
{
    QStringList entries;
    for (const QAction* action : menu.actions())
        entries << action->text() + (action->isEnabled() ? "" : " (off)");
    return entries;
}

// The context-menu key, as the window system sends it to the focused control.
inline void PressContextMenuKey(QWidget* control)
{
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(), control->mapToGlobal(QPoint()));
    QCoreApplication::sendEvent(control, &key);
}

// Shows the window with the control filling it; true once the window system has it on the screen.
inline bool ShownFilling(QWidget& window, QWidget* control)
{
    window.resize(300, 300);
    control->setGeometry(0, 0, 300, 300);
    window.show();
    return QTest::qWaitForWindowExposed(&window);
}
