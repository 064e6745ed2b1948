#include "platform/SystemColors.h"

#include <QGuiApplication>
#include <QPalette>

QColor ToQColor(TColor color)
{
    if (!IsSystemColor(color))
        return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    const QPalette palette = QGuiApplication::palette();
    if (color == clBtnFace)
        return palette.color(QPalette::Button);
    if (color == clWindowText)
        return palette.color(QPalette::WindowText);
    if (color == clInfoBk)
        return palette.color(QPalette::ToolTipBase);
    if (color == clScrollBar)
        return palette.color(QPalette::Midlight);
    if (color == clBtnShadow)
        return palette.color(QPalette::Dark);
    if (color == clBtnHighlight)
        return palette.color(QPalette::Light);
    return palette.color(QPalette::Window);
}

TColor ToTColor(const QColor& color)
{
    return static_cast<TColor>(color.red() | (color.green() << 8) | (color.blue() << 16));
}
