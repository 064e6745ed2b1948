#include "app/Appearance.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

void SetControlColor(QWidget* control, TColor color)
{
    QPalette palette = control->palette();
    const QColor c = ToQColor(color);
    palette.setColor(QPalette::Window, c);
    if (qobject_cast<QLineEdit*>(control) || control->inherits("QAbstractItemView"))
        palette.setColor(QPalette::Base, c);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

void SetFontColor(QWidget* control, TColor color)
{
    QPalette palette = control->palette();
    const QColor c = ToQColor(color);
    palette.setColor(QPalette::WindowText, c);
    palette.setColor(QPalette::ButtonText, c);
    palette.setColor(QPalette::Text, c);
    control->setPalette(palette);
}

void SetMarked(QWidget* control, bool marked)
{
    const QWidget* parent = control->parentWidget();
    const QColor color = marked ? ToQColor(clRed) : (parent ? parent->palette() : QGuiApplication::palette()).color(QPalette::Text);
    // Asked on every idle step: only a change repaints.
    if (control->palette().color(QPalette::Text) == color)
        return;
    QPalette palette = control->palette();
    palette.setColor(QPalette::Text, color);
    control->setPalette(palette);
}

void SetControlFont(QWidget* control, const TFontStyle& style)
{
    control->setFont(MakeFont(style));
    SetFontColor(control, style.Color);
}
