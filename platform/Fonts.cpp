#include "platform/Fonts.h"

#include "platform/Scaling.h"

#include <algorithm>
#include <cstdlib>

QFont MakePixelFont(const QString& name, int pixelHeight, bool bold, bool italic)
{
    static const bool substituted = [] {
        QFont::insertSubstitutions("MS Sans Serif", QStringList{"Liberation Sans", "Arial"});
        QFont::insertSubstitutions("Arial", QStringList{"Liberation Sans"});
        return true;
    }();
    (void)substituted;
    QFont font(name);
    font.setPixelSize(std::max(1, pixelHeight));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont MakeFont(const TFontStyle& style)
{
    return MakePixelFont(QString::fromUtf8(style.Name), Scaled(std::abs(style.Height)), style.Bold);
}
