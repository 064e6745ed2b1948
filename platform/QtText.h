#pragma once
// Conversion between the system's Windows-1251 texts and Qt's Unicode strings,
// used only where Qt shows or measures a text.
#include "core/AnsiString.h"

#include <QString>

QString ToQString(std::string_view ansi);
// Characters with no Windows-1251 form become "?".
AnsiString FromQString(const QString& text);
