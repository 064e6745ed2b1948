#include "numtext/FormatDecimal.h"

#include "numtext/DecimalSeparators.h"
#include "numtext/PowerOfTen.h"
#include "core/ConvertError.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

constexpr std::size_t kPictureLimit = 225; // pictures this long or longer are refused
constexpr int kSections = 3;               // positive, negative, zero
constexpr int kExpansionDigits = 18;       // digits of the decimal expansion; the pictures' precision
constexpr int kGeneralPrecision = 15;
constexpr int kNoDecimalLimit = 9999;
constexpr std::uint64_t kExpansionLimit = 1'000'000'000'000'000'000; // 10^18
constexpr std::uint64_t kExpansionFloor = kExpansionLimit / 10;

enum TValueKind { vkFinite, vkInfinite, vkNaN };

// A finite value rounded to decimal digits: 0.Digits * 10^Exponent, without trailing
// zeros. A value that rounded to zero has no digits and is not negative.
struct TDecimal {
    TValueKind Kind;
    bool Negative;
    int Exponent;
    int Count;
    char Digits[kExpansionDigits];
};

// "00" to "99", for writing digits two at a time.
constexpr auto kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

void WriteNineDigits(std::uint32_t value, char* out)
{
    for (int i = 7; i > 0; i -= 2) {
        std::memcpy(out + i, &kDigitPairs[2 * (value % 100)], 2);
        value /= 100;
    }
    out[0] = static_cast<char>('0' + value);
}

// The 18 digits of a value below 10^18, in two independent halves of nine so that the
// divisions stay in 32 bits and overlap (this runs for every number the sweep writes).
void WriteExpansionDigits(std::uint64_t value, char* out)
{
    constexpr std::uint64_t kHalf = 1'000'000'000;
    WriteNineDigits(static_cast<std::uint32_t>(value / kHalf), out);
    WriteNineDigits(static_cast<std::uint32_t>(value % kHalf), out + 9);
}

// Rounds the value half away from zero on its 18-digit decimal expansion, at the place
// `decimals` after the point but keeping at most `precision` significant digits.
void RoundToDecimal(TExtended value, int precision, int decimals, TDecimal& d)
{
    const TExtendedBits bits = value.Bits();
    d.Kind = vkFinite;
    d.Negative = bits.Negative();
    d.Exponent = 0;
    d.Count = 0;
    if (bits.Exponent() == kExtendedSpecialExponent) {
        // An infinity has no significand bits besides the integer bit.
        d.Kind = (bits.Significand << 1) == 0 ? vkInfinite : vkNaN;
        d.Negative = d.Kind == vkInfinite && bits.Negative();
        return;
    }
    if (bits.Exponent() == 0) { // zero or denormal
        d.Negative = false;
        return;
    }

    // The decimal exponent estimated from the binary one, then the 18-digit expansion.
    // The estimate can be one too small (the expansion reaches 10^18) or, for some tiny
    // magnitudes, one too large (the expansion stays below 10^17); either way the
    // exponent is corrected so that the first digit is never 0.
    int exponent = (((bits.Exponent() - kExtendedBias) * 19728) >> 16) + 1;
    const TExtended magnitude = Abs(value);
    const auto expansionAt = [&](int e) {
        return static_cast<std::uint64_t>(
            numtext_internal::ScaleByPowerOfTen(magnitude, kExpansionDigits - e).RoundToInt64());
    };
    auto expansion = expansionAt(exponent);
    if (expansion >= kExpansionLimit) {
        expansion = static_cast<std::uint64_t>((TExtended(expansion) / 10).RoundToInt64());
        ++exponent;
    } else if (expansion < kExpansionFloor) {
        --exponent;
        expansion = expansionAt(exponent);
    }
    WriteExpansionDigits(expansion, d.Digits);

    int place = exponent + decimals;
    if (place < 0) { // rounds to zero, exponent 0
        d.Negative = false;
        return;
    }
    place = std::min(place, precision);
    int count = kExpansionDigits;
    if (place < kExpansionDigits) {
        count = place;
        if (d.Digits[place] >= '5') {
            int i = place - 1;
            while (i >= 0 && d.Digits[i] == '9')
                --i;
            if (i < 0) { // carried out of the first digit
                d.Digits[0] = '1';
                count = 1;
                ++exponent;
            } else {
                ++d.Digits[i];
                count = i + 1;
            }
        }
    }
    while (count > 0 && d.Digits[count - 1] == '0')
        --count;
    d.Count = count;
    d.Exponent = exponent; // kept even when no digit is left
    if (count == 0)
        d.Negative = false;
}

// 15 significant digits, fixed for decimal exponents -3 to 15, scientific otherwise.
AnsiString GeneralForm(TExtended value, char decimalChar)
{
    TDecimal d;
    RoundToDecimal(value, kGeneralPrecision, kNoDecimalLimit, d);
    if (d.Kind == vkNaN)
        return "NAN";
    if (d.Kind == vkInfinite)
        return d.Negative ? "-INF" : "INF";

    char out[48];
    char* w = out;
    const char* digit = d.Digits;
    const char* const last = d.Digits + d.Count;
    if (d.Negative)
        *w++ = '-';
    if (d.Exponent > kGeneralPrecision || d.Exponent < -3) {
        *w++ = *digit++;
        if (digit != last) {
            *w++ = decimalChar;
            w = std::copy(digit, last, w);
        }
        *w++ = 'E';
        int shown = d.Exponent - 1;
        if (shown < 0) {
            *w++ = '-';
            shown = -shown;
        }
        w = std::to_chars(w, out + sizeof out, shown).ptr;
    } else if (d.Exponent <= 0) {
        *w++ = '0';
        if (d.Count > 0) {
            *w++ = decimalChar;
            w = std::fill_n(w, -d.Exponent, '0');
            w = std::copy(digit, last, w);
        }
    } else {
        for (int i = 0; i < d.Exponent; ++i)
            *w++ = digit != last ? *digit++ : '0';
        if (digit != last) {
            *w++ = decimalChar;
            w = std::copy(digit, last, w);
        }
    }
    return AnsiString(out, w);
}

bool IsPlaceholder(char c)
{
    return c == '0' || c == '#';
}

// The sections of a picture (views into it); a missing one is empty.
std::array<std::string_view, kSections> SplitPicture(std::string_view picture)
{
    if (picture.size() >= kPictureLimit)
        throw EConvertError::FormatTooLong();
    std::array<std::string_view, kSections> result;
    int index = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= picture.size(); ++i) {
        if (i == picture.size() || picture[i] == ';') {
            if (index < kSections)
                result[index++] = picture.substr(start, i - start);
            start = i + 1;
        } else if (!IsPlaceholder(picture[i]) && picture[i] != '.' && picture[i] != ',') {
            throw EConvertError(FormatMessage("Format string holds an unsupported character: '%s'",
                                              {AnsiString(1, picture[i])}));
        }
    }
    return result;
}

using TSection = TDecimalPicture::TSection;

TSection AnalyseSection(std::string_view text)
{
    constexpr int kNoZero = std::numeric_limits<int>::max() / 2;
    int placeholders = 0;
    int point = -1;
    int firstZero = kNoZero;
    int afterLastZero = 0;
    bool grouping = false;
    for (const char c : text) {
        if (c == '0') {
            firstZero = std::min(firstZero, placeholders);
            afterLastZero = placeholders + 1;
        }
        if (IsPlaceholder(c))
            ++placeholders;
        else if (c == '.' && point < 0)
            point = placeholders;
        else if (c == ',')
            grouping = true;
    }
    if (point < 0)
        point = placeholders;
    return {AnsiString(text), point, placeholders - point, std::max(0, point - firstZero),
            std::max(0, afterLastZero - point), grouping};
}

// Lays the digits into the section's placeholders.
AnsiString LayOut(const TSection& section, bool firstSection, const TDecimal& d, char decimalChar)
{
    // Every placeholder writes at most a separator and a character, the leftmost one
    // also the integer digits the picture has no room for (at most 18, each with a group separator).
    char out[2 * (kPictureLimit + kExpansionDigits) + 1];
    char* w = out;
    const char groupChar = GroupChar;
    const char* digit = d.Digits;
    const char* const last = d.Digits + d.Count;
    int place = std::max(d.Exponent, section.PointPosition); // place of the next character
    int delta = d.Exponent - section.PointPosition;

    const auto putChar = [&](char c) {
        if (place == 0)
            *w++ = decimalChar;
        *w++ = c;
        if (section.Grouping && place > 1 && place % 3 == 1)
            *w++ = groupChar;
        --place;
    };
    const auto putDigit = [&] {
        if (digit != last)
            putChar(*digit++);
        else if (place > -section.RequiredFraction)
            putChar('0');
        else
            --place;
    };

    if (d.Negative && firstSection)
        *w++ = '-';
    for (const char c : section.Text) {
        if (!IsPlaceholder(c))
            continue;
        if (delta > 0) { // the leftmost placeholder takes every surplus integer digit
            for (; delta > 0; --delta)
                putDigit();
            putDigit();
        } else if (delta < 0) {
            ++delta;
            if (place <= section.RequiredInteger)
                putChar('0');
            else
                --place;
        } else {
            putDigit();
        }
    }
    return AnsiString(out, w);
}

} // namespace

TDecimalPicture::TDecimalPicture(std::string_view picture)
{
    const auto sections = SplitPicture(picture);
    for (int i = 0; i < kSections; ++i)
        FSections[i] = AnalyseSection(sections[i]);
}

AnsiString TDecimalPicture::Format(TExtended value) const
{
    return Format(value, DecimalChar);
}

AnsiString TDecimalPicture::Format(TExtended value, char decimalChar) const
{
    const TExtendedBits bits = value.Bits();
    const bool exactZero = bits.Exponent() == 0 && bits.Significand == 0 && !bits.Negative();
    int index = exactZero ? 2 : bits.Negative() ? 1 : 0; // a negative zero counts as negative
    if (FSections[index].Text.empty())
        index = 0;
    if (FSections[index].Text.empty())
        return GeneralForm(value, decimalChar);

    TDecimal d;
    RoundToDecimal(value, kExpansionDigits, FSections[index].Decimals, d);
    if (d.Kind != vkFinite || d.Exponent > kExpansionDigits)
        return GeneralForm(value, decimalChar);
    if (d.Count == 0) { // rounded to zero: the zero section, else the first
        index = FSections[2].Text.empty() ? 0 : 2;
        if (FSections[index].Text.empty())
            return GeneralForm(value, decimalChar);
    }
    return LayOut(FSections[index], index == 0, d, decimalChar);
}

AnsiString FormatDecimal(std::string_view picture, TExtended value)
{
    return TDecimalPicture(picture).Format(value);
}
