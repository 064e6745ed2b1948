#include "tests/numtext/SeparatorsFixture.h"

#include <cstdlib>
#include <locale.h>
#include <optional>
#include <string>

namespace {

class LocaleSeparatorsTest : public SeparatorsTest {
protected:
    void SetUp() override
    {
        // Start from values no locale gives, so every test sees ReadLocaleSeparators write.
        UseSeparators('x', 'y');
    }
};

// Sets an environment variable for one test and puts the old value back.
class TEnvironmentScope {
public:
    TEnvironmentScope(const char* name, const char* value) : FName(name)
    {
        if (const char* old = std::getenv(name))
            FOld = old;
        setenv(name, value, 1);
    }
    ~TEnvironmentScope()
    {
        if (FOld)
            setenv(FName, FOld->c_str(), 1);
        else
            unsetenv(FName);
    }

private:
    const char* FName;
    std::optional<std::string> FOld;
};

bool LocaleInstalled(const char* name)
{
    const locale_t loc = newlocale(LC_NUMERIC_MASK, name, static_cast<locale_t>(nullptr));
    if (loc)
        freelocale(loc);
    return loc != nullptr;
}

} // namespace

TEST_F(LocaleSeparatorsTest, RussianLocaleGivesCommaAndNoBreakSpace)
{
    ASSERT_TRUE(LocaleInstalled("ru_RU.UTF-8")) << "tools/install-deps generates ru_RU.UTF-8";
    ReadLocaleSeparators("ru_RU.UTF-8");
    EXPECT_EQ(DecimalChar, ',');
    EXPECT_EQ(GroupChar, '\xA0'); // U+202F or U+00A0 in the locale, 0xA0 in Windows-1251
}

TEST_F(LocaleSeparatorsTest, CLocaleHasNoThousandsSeparatorSoTheDefaultStays)
{
    ReadLocaleSeparators("C");
    EXPECT_EQ(DecimalChar, '.');
    EXPECT_EQ(GroupChar, ',');
    UseSeparators('x', 'y');
    ReadLocaleSeparators("POSIX");
    EXPECT_EQ(DecimalChar, '.');
    EXPECT_EQ(GroupChar, ',');
}

TEST_F(LocaleSeparatorsTest, AnUnknownLocaleGivesTheDefaults)
{
    ReadLocaleSeparators("xx_NOWHERE.bogus");
    EXPECT_EQ(DecimalChar, '.');
    EXPECT_EQ(GroupChar, ',');
    UseSeparators('x', 'y');
    ReadLocaleSeparators(nullptr); // treated as ""
    EXPECT_NE(DecimalChar, 'x');
}

TEST_F(LocaleSeparatorsTest, AnEmptyNameReadsTheEnvironmentNotTheGlobalLocale)
{
    ASSERT_TRUE(LocaleInstalled("ru_RU.UTF-8"));
    const std::string globalBefore = setlocale(LC_ALL, nullptr);
    {
        TEnvironmentScope all("LC_ALL", "ru_RU.UTF-8");
        ReadLocaleSeparators();
        EXPECT_EQ(DecimalChar, ',');
        EXPECT_EQ(GroupChar, '\xA0');
    }
    {
        // Only the numeric category is Russian; the character set still comes with it.
        TEnvironmentScope all("LC_ALL", "");
        TEnvironmentScope ctype("LC_CTYPE", "C");
        TEnvironmentScope numeric("LC_NUMERIC", "ru_RU.UTF-8");
        ReadLocaleSeparators("");
        EXPECT_EQ(DecimalChar, ',');
        EXPECT_EQ(GroupChar, '\xA0');
    }
    {
        TEnvironmentScope all("LC_ALL", "C");
        ReadLocaleSeparators("");
        EXPECT_EQ(DecimalChar, '.');
        EXPECT_EQ(GroupChar, ',');
    }
    EXPECT_EQ(setlocale(LC_ALL, nullptr), globalBefore);
}

TEST(AnsiFromLocaleText, TakesTheFirstCharacterInWindows1251)
{
    EXPECT_EQ(AnsiFromLocaleText(",", "UTF-8"), ',');
    EXPECT_EQ(AnsiFromLocaleText(".,", "ANSI_X3.4-1968"), '.');
    EXPECT_EQ(AnsiFromLocaleText("\xE2\x80\xAF", "UTF-8"), '\xA0'); // U+202F narrow no-break space
    EXPECT_EQ(AnsiFromLocaleText("\xC2\xA0", "UTF-8"), '\xA0');     // U+00A0 no-break space
    EXPECT_EQ(AnsiFromLocaleText("\xE2\x80\x99x", "UTF-8"), '\x92'); // U+2019, first of two
    EXPECT_EQ(AnsiFromLocaleText("\xD0\x96", "UTF-8"), '\xC6');     // Cyrillic Zhe
    EXPECT_EQ(AnsiFromLocaleText("\xC3\xA9", "UTF-8"), '?');        // e-acute has no 1251 form
    EXPECT_EQ(AnsiFromLocaleText("\xA0", "CP1251"), '\xA0');
    EXPECT_EQ(AnsiFromLocaleText("\xA0", "ISO-8859-5"), '\xA0');
    EXPECT_EQ(AnsiFromLocaleText("\xB6", "ISO-8859-5"), '\xC6'); // Zhe in ISO-8859-5
}

TEST(AnsiFromLocaleText, EmptyUndecodableOrUnknownGivesNothing)
{
    EXPECT_EQ(AnsiFromLocaleText("", "UTF-8"), std::nullopt);
    EXPECT_EQ(AnsiFromLocaleText(nullptr, "UTF-8"), std::nullopt);
    EXPECT_EQ(AnsiFromLocaleText(",", nullptr), std::nullopt);
    EXPECT_EQ(AnsiFromLocaleText("\x80", "UTF-8"), std::nullopt);     // a stray continuation byte
    EXPECT_EQ(AnsiFromLocaleText("\xE2\x80", "UTF-8"), std::nullopt); // cut short
    EXPECT_EQ(AnsiFromLocaleText(",", "NO-SUCH-CHARACTER-SET"), std::nullopt);
}
