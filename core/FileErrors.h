#pragma once
// Errors of writing a file the user chose.
#include "core/Exception.h"

class EFileWrite : public Exception {
public:
    // "Не удалось сохранить файл «<path>»: <reason>"
    EFileWrite(const AnsiString& path, const AnsiString& reason)
        : Exception(FormatMessage(AnsiFromUtf8("Не удалось сохранить файл «%s»: %s"), {path, reason})) {}
};
