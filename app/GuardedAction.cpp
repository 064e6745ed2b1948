#include "GuardedAction.h"

#include "core/AnsiString.h"
#include "platform/Guarded.h"
#include "platform/QtText.h"

#include <QAction>

QAction* NewGuardedAction(QObject* parent, const char* caption, std::function<void()> run)
{
    auto* action = new QAction(ToQString(AnsiFromUtf8(caption)), parent);
    QObject::connect(action, &QAction::triggered, parent, [run = std::move(run)] { Guarded(run); });
    return action;
}
