#pragma once
// Helpers shared by the widget tests.
#include "app/Application.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QStringList>
#include <QStyleHints>
#include <QTest>
#include <QTimer>

#include <functional>

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

// While alive, a click on a list's selected row opens its in-place editor soon: the list
// waits out the double-click time first, which this makes short.
class TShortDoubleClick {
public:
    TShortDoubleClick() : FSaved(QGuiApplication::styleHints()->mouseDoubleClickInterval())
    {
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(50);
    }
    ~TShortDoubleClick() { QGuiApplication::styleHints()->setMouseDoubleClickInterval(FSaved); }
    TShortDoubleClick(const TShortDoubleClick&) = delete;
    TShortDoubleClick& operator=(const TShortDoubleClick&) = delete;

private:
    int FSaved;
};

// Runs the real event loop, which runs the idle step whenever it waits, until the
// condition holds, for two seconds at most; whether it held.
inline bool RunLoopUntil(const std::function<bool()>& done)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    poll.start(5);
    QTimer::singleShot(2000, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}

// Runs the loop until the list's in-place editor is open; the editor then, or null.
inline QLineEdit* WaitForEditor(const QWidget* list)
{
    RunLoopUntil([list] { return list->findChild<QLineEdit*>() != nullptr; });
    return list->findChild<QLineEdit*>();
}

// Shows the window with the control filling it; true once the window system has it on the screen.
inline bool ShownFilling(QWidget& window, QWidget* control)
{
    window.resize(300, 300);
    control->setGeometry(0, 0, 300, 300);
    window.show();
    return QTest::qWaitForWindowExposed(&window);
}
