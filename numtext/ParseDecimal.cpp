#include "numtext/ParseDecimal.h"

#include "numtext/DecimalSeparators.h"
#include "numtext/PowerOfTen.h"
#include "core/CheckedFloat.h"
#include "core/ConvertError.h"

#include <cstdint>

namespace {

constexpr int kExponentReadLimit = 500;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

class TReader {
public:
    explicit TReader(std::string_view text) : FPos(text.data()), FEnd(text.data() + text.size()) {}

    bool AtEnd() const { return FPos == FEnd; }
    bool Take(char c)
    {
        if (FPos == FEnd || *FPos != c)
            return false;
        ++FPos;
        return true;
    }
    void SkipBlanks()
    {
        while (Take(' ')) {
        }
    }
    // The next character when it is a digit, consumed; else -1.
    int TakeDigit()
    {
        if (FPos == FEnd || !IsDigit(*FPos))
            return -1;
        return *FPos++ - '0';
    }
    bool NextIsDigit() const { return FPos != FEnd && IsDigit(*FPos); }
    const char* Position() const { return FPos; }

private:
    const char* FPos;
    const char* FEnd;
};

} // namespace

TExtended ParseDecimal(std::string_view text)
{
    const auto reject = [&] { return EConvertError::InvalidFloat(AnsiString(text)); };

    TExtendedFlagsHold hold; // the caller's flags come back whatever happens
    TExtendedFlagsHold::UseDefaultModes();

    TReader in(text);
    in.SkipBlanks();
    const bool negative = in.Take('-');
    if (!negative)
        in.Take('+');

    const char* mantissaStart = in.Position();
    TExtended acc = 0;
    std::int64_t power = 0;
    for (int d; (d = in.TakeDigit()) >= 0;)
        acc = acc * 10 + d;
    if (in.Take(DecimalChar)) {
        for (int d; (d = in.TakeDigit()) >= 0; --power)
            acc = acc * 10 + d;
    }
    if (in.Position() == mantissaStart)
        throw reject();

    if (in.Take('E') || in.Take('e')) {
        const bool negativeExponent = in.Take('-');
        if (!negativeExponent)
            in.Take('+');
        int exponent = 0;
        while (exponent < kExponentReadLimit && in.NextIsDigit())
            exponent = exponent * 10 + in.TakeDigit();
        power += negativeExponent ? -exponent : exponent;
    }
    in.SkipBlanks();
    if (!in.AtEnd())
        throw reject();

    // The power of ten is assembled first and applied once. A power beyond the extended
    // range is infinity: dividing by it gives zero, multiplying zero by it is invalid.
    using numtext_internal::PowerOfTen;
    TExtended scaled = acc;
    if (power > 0) {
        scaled = acc * PowerOfTen(static_cast<std::uint64_t>(power));
    } else if (power < 0) {
        const std::uint64_t n = 0 - static_cast<std::uint64_t>(power);
        scaled = n >= static_cast<std::uint64_t>(numtext_internal::kPowerLimit) ? TExtended(0) : acc / PowerOfTen(n);
    }
    const TExtended magnitude = scaled.Settled();
    if ((ExtendedFlags() & efInvalid) || IsInfinite(magnitude))
        throw reject();
    return negative ? -magnitude : magnitude;
}
