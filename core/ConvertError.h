#pragma once
// Conversion errors of the number text: a text that is not a number, a picture that is too long.
#include "core/Exception.h"

class EConvertError : public Exception {
public:
    using Exception::Exception;
    // "'<text>' is not a valid floating point value"
    static EConvertError InvalidFloat(const AnsiString& text);
    // "Format string too long"
    static EConvertError FormatTooLong();
};
