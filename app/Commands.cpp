#include "app/Commands.h"

#include "core/AnsiString.h"
#include "platform/Guarded.h"
#include "platform/QtText.h"

#include <QAction>
#include <QWidget>

QAction* AddCommand(QWidget* control, const char* name, const char* caption, std::function<void()> run,
                    const QList<QKeySequence>& keys)
{
    auto* action = new QAction(ToQString(AnsiFromUtf8(caption)), control);
    action->setObjectName(QString::fromUtf8(name));
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WidgetShortcut); // not while an in-place editor has the focus
    action->setShortcutVisibleInContextMenu(true);
    QObject::connect(action, &QAction::triggered, control, [run = std::move(run)] { Guarded(run); });
    control->addAction(action);
    return action;
}

QAction* CommandOf(const QWidget* control, const char* name)
{
    for (QAction* action : control->actions())
        if (action->objectName() == QLatin1String(name))
            return action;
    return nullptr;
}
