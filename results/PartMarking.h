#pragma once
// A standard value written as parts are marked: «680 пФ», «47 нФ», «0,1 мкФ», «2,2 мкФ».
#include "calc/StandardSeries.h"
#include "core/AnsiString.h"

// Picofarads below 1 nF, nanofarads below 0,1 µF, microfarads from there; at most the
// two digits of the mantissa, no trailing zeros after DecimalChar. Windows-1251.
AnsiString PartMarking(const TStandardValue& value);
