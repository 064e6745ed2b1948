#pragma once
// A Qt action with a caption written in UTF-8 that runs its command through the error
// sink, so a failing command shows the error box like any other handler.
#include <functional>

class QAction;
class QObject;

QAction* NewGuardedAction(QObject* parent, const char* caption, std::function<void()> run);
