#include "platform/QtText.h"

#include <QList>

QString ToQString(std::string_view ansi)
{
    QString out;
    out.reserve(static_cast<qsizetype>(ansi.size()));
    for (char c : ansi)
        out += QChar(static_cast<char16_t>(CodePointFromAnsi(c)));
    return out;
}

AnsiString FromQString(const QString& text)
{
    AnsiString out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const uint cp : text.toUcs4())
        out += AnsiFromCodePoint(cp);
    return out;
}
