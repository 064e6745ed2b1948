#pragma once
#include "core/AnsiString.h"
#include "core/Extended.h"

#include <string_view>

// The number written by a picture, with DecimalChar and GroupChar.
//
// A picture holds up to three sections separated by ";" (positive, negative, zero); a
// missing or empty section is replaced by the first. A section is made of the
// placeholders "0" (a digit always written) and "#" (a digit written only when
// significant), "." (where the decimal separator goes; the first one counts) and ","
// (anywhere: group the integer digits by three). The value is rounded half away from
// zero, on its 18-digit decimal expansion, to the section's decimals; a value that rounds
// to zero never gets a minus sign. Magnitudes of 1e18 or more, infinities, NaNs and an
// empty first section give the general form: 15 significant digits, fixed or scientific
// ("1,5E30"), "NAN", "INF", "-INF".
//
// Literal characters, quoted text and the exponent placeholders ("E+", "e-"...) are not
// supported: a picture holding any character other than "0#.,;" is refused with
// EConvertError, as is a picture of 225 characters or more ("Format string too long").
AnsiString FormatDecimal(std::string_view picture, TExtended value);

// A picture analysed once, for writing many numbers with it; Format(value) gives what
// FormatDecimal(picture, value) gives. Construction refuses a picture as FormatDecimal does.
class TDecimalPicture {
public:
    explicit TDecimalPicture(std::string_view picture);
    AnsiString Format(TExtended value) const;
    // The same with another decimal character than DecimalChar.
    AnsiString Format(TExtended value, char decimalChar) const;

    // What a section asks of the digits; placeholders are counted from 0, left to right.
    struct TSection {
        AnsiString Text;
        int PointPosition;    // placeholders before the first "."
        int Decimals;         // placeholders after it
        int RequiredInteger;  // integer digits always written ("0" placeholders before the point)
        int RequiredFraction; // fraction digits always written (up to the last "0")
        bool Grouping;        // the section holds ","
    };

private:
    TSection FSections[3]; // positive, negative, zero; a missing section has no text
};
