#include "results/InputNumber.h"

#include "core/CheckedFloat.h"
#include "core/ConvertError.h"
#include "numtext/ParseDecimal.h"
#include "numtext/TrimBlanks.h"

double ReadInputNumber(const AnsiString& text)
{
    try {
        return StoreDouble(ParseDecimal(TrimBlanks(text)));
    } catch (const EConvertError&) {
        throw EConvertError::InvalidFloat(text);
    } catch (const EOverflow&) {
        // A magnitude no double can hold is no usable input.
        throw EConvertError::InvalidFloat(text);
    }
}
