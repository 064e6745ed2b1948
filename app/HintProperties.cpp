#include "app/HintProperties.h"

#include <QByteArray>
#include <QVariant>
#include <QWidget>

namespace {
constexpr const char* kHintProperty = "kelvorinHint";
constexpr const char* kShowHintProperty = "kelvorinShowHint";
}

void SetHint(QWidget* control, const AnsiString& hint)
{
    control->setProperty(kHintProperty, QByteArray(hint.data(), static_cast<qsizetype>(hint.size())));
}

AnsiString HintOf(const QWidget* control)
{
    return control->property(kHintProperty).toByteArray().toStdString();
}

void SetShowHint(QWidget* control, bool show)
{
    control->setProperty(kShowHintProperty, show);
}

bool ShowHintOf(const QWidget* control)
{
    for (const QWidget* w = control; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        const QVariant own = w->property(kShowHintProperty);
        if (own.isValid())
            return own.toBool();
    }
    return false;
}

QWidget* HintControlFor(QWidget* underMouse)
{
    for (QWidget* w = underMouse; w; w = w->isWindow() ? nullptr : w->parentWidget())
        if (ShowHintOf(w))
            return w;
    return nullptr;
}

AnsiString HintTextFor(const QWidget* control)
{
    for (const QWidget* w = control; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        AnsiString hint = HintOf(w);
        if (!hint.empty())
            return hint;
    }
    return {};
}
