#include "Appearance.h"

#include "Scaling.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

QColor ToQColor(TColor color)
{
    if (!IsSystemColor(color))
        return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    const QPalette palette = QApplication::palette();
    if (color == clBtnFace)
        return palette.color(QPalette::Button);
    if (color == clWindowText)
        return palette.color(QPalette::WindowText);
    if (color == clInfoBk)
        return palette.color(QPalette::ToolTipBase);
    if (color == clScrollBar)
        return palette.color(QPalette::Midlight);
    return palette.color(QPalette::Window);
}

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

QFont MakeFont(const TFontStyle& style)
{
    static const bool substituted = [] {
        // Stand-ins with the same metrics where the Windows faces are missing.
        QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "Arial"});
        QFont::insertSubstitutions("Arial", {"Liberation Sans"});
        return true;
    }();
    (void)substituted;
    QFont font(style.Name);
    font.setPixelSize(std::max(1, Scaled(std::abs(style.Height))));
    font.setBold(style.Bold);
    return font;
}

void SetControlFont(QWidget* control, const TFontStyle& style)
{
    control->setFont(MakeFont(style));
    SetFontColor(control, style.Color);
}
