#include "numtext/DecimalSeparators.h"

#include "core/AnsiString.h"

#include <cstring>
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

char DecimalChar = '.';
char GroupChar = ',';

namespace {

constexpr char kDefaultDecimal = '.';
constexpr char kDefaultGroup = ',';

// Frees a locale object when the reading is done.
struct TLocaleHandle {
    locale_t Locale;
    explicit TLocaleHandle(locale_t locale) : Locale(locale) {}
    ~TLocaleHandle()
    {
        if (Locale)
            freelocale(Locale);
    }
    TLocaleHandle(const TLocaleHandle&) = delete;
    TLocaleHandle& operator=(const TLocaleHandle&) = delete;
};

// The character set in which the locale's numeric strings are stored: that of the
// locale whose LC_NUMERIC data they are, which for "" need not be the LC_CTYPE the
// environment names.
const char* NumericCodeset(locale_t numeric, const char* localeName, TLocaleHandle& ctype)
{
#ifdef _NL_LOCALE_NAME
    const char* name = nl_langinfo_l(_NL_LOCALE_NAME(LC_NUMERIC), numeric);
    if (name && *name)
        localeName = name;
#endif
    ctype.Locale = newlocale(LC_CTYPE_MASK, localeName, static_cast<locale_t>(nullptr));
    return ctype.Locale ? nl_langinfo_l(CODESET, ctype.Locale) : nullptr;
}

} // namespace

std::optional<char> AnsiFromLocaleText(const char* text, const char* codeset)
{
    if (!text || !*text || !codeset || !*codeset)
        return std::nullopt;
    const iconv_t converter = iconv_open("UTF-32LE", codeset);
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    char* in = const_cast<char*>(text);
    std::size_t inLeft = std::strlen(text);
    unsigned char out[4];
    char* outPtr = reinterpret_cast<char*>(out);
    std::size_t outLeft = sizeof out;
    // Room for one character only: a longer text stops after its first, and whatever
    // follows it does not count.
    iconv(converter, &in, &inLeft, &outPtr, &outLeft);
    iconv_close(converter);
    if (outLeft != 0)
        return std::nullopt;
    char32_t cp = out[0] | (out[1] << 8) | (out[2] << 16) | (static_cast<char32_t>(out[3]) << 24);
    if (cp == 0x202F) // the narrow no-break space that several locales group digits with
        cp = 0x00A0;
    return AnsiFromCodePoint(cp);
}

void ReadLocaleSeparators(const char* localeName)
{
    if (!localeName)
        localeName = "";
    char decimal = kDefaultDecimal;
    char group = kDefaultGroup;
    TLocaleHandle numeric(newlocale(LC_NUMERIC_MASK, localeName, static_cast<locale_t>(nullptr)));
    if (numeric.Locale) {
        TLocaleHandle ctype(nullptr);
        if (const char* codeset = NumericCodeset(numeric.Locale, localeName, ctype)) {
            decimal = AnsiFromLocaleText(nl_langinfo_l(RADIXCHAR, numeric.Locale), codeset)
                          .value_or(kDefaultDecimal);
            group = AnsiFromLocaleText(nl_langinfo_l(THOUSEP, numeric.Locale), codeset)
                        .value_or(kDefaultGroup);
        }
    }
    DecimalChar = decimal;
    GroupChar = group;
}
