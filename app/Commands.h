#pragma once
// A control's commands, attached by the window that owns the control: each a named Qt
// action with a caption written in UTF-8, added to the control so that its shortcuts
// work while the control has the focus and the control's context menu lists it. A
// command runs through the error sink, so a failing command shows the error box like
// any other handler.
#include <QList>
#include <QKeySequence>

#include <functional>

class QAction;
class QWidget;

QAction* AddCommand(QWidget* control, const char* name, const char* caption, std::function<void()> run,
                    const QList<QKeySequence>& keys = {});

// The control's command of that name; null when it has none.
QAction* CommandOf(const QWidget* control, const char* name);
