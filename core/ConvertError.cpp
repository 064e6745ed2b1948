#include "core/ConvertError.h"

EConvertError EConvertError::InvalidFloat(const AnsiString& text)
{
    return EConvertError(FormatMessage("'%s' is not a valid floating point value", {text}));
}

EConvertError EConvertError::FormatTooLong()
{
    return EConvertError("Format string too long");
}
