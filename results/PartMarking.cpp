#include "results/PartMarking.h"

#include "numtext/DecimalSeparators.h"

#include <string>

namespace {

struct TUnit {
    int Power; // of ten, in pF
    const char* Name;
};
constexpr TUnit kPicofarads{0, " пФ"};
constexpr TUnit kNanofarads{3, " нФ"};
constexpr TUnit kMicrofarads{6, " мкФ"};

TUnit UnitOf(const TStandardValue& value)
{
    // The mantissa has two digits, so the value lies between 10^(Power+1) and 10^(Power+2) pF.
    if (value.Power + 1 < kNanofarads.Power)
        return kPicofarads;
    if (value.Power + 2 < kMicrofarads.Power)
        return kNanofarads;
    return kMicrofarads;
}

} // namespace

AnsiString PartMarking(const TStandardValue& value)
{
    const TUnit unit = UnitOf(value);
    const int power = value.Power - unit.Power;
    std::string digits = std::to_string(value.Mantissa);
    if (power >= 0) {
        digits.append(static_cast<std::size_t>(power), '0');
    } else {
        const std::size_t decimals = static_cast<std::size_t>(-power);
        if (digits.size() <= decimals)
            digits.insert(0, decimals + 1 - digits.size(), '0');
        digits.insert(digits.size() - decimals, 1, DecimalChar);
        digits.erase(digits.find_last_not_of('0') + 1);
        if (digits.back() == DecimalChar)
            digits.pop_back();
    }
    return digits + AnsiFromUtf8(unit.Name);
}
