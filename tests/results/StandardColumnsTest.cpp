#include "results/PartMarking.h"
#include "results/ResultsTable.h"
#include "results/StandardReport.h"
#include "tests/numtext/SeparatorsFixture.h"
#include "tests/results/WrittenTable.h"

#include <algorithm>

namespace {

class StandardColumnsTest : public SeparatorsTest {
protected:
    void SetUp() override { UseSeparators(',', ' '); }
};

const TInputTexts kStored{"220", "50", "1,0001", "1,0250", "0,0001"};

std::string Line(const std::string& text, int index)
{
    std::size_t start = 0;
    for (int k = 0; k < index; ++k)
        start = text.find('\n', start) + 1;
    return text.substr(start, text.find('\n', start) - start);
}

} // namespace

TEST_F(StandardColumnsTest, ValuesAreWrittenAsPartsAreMarked)
{
    const struct {
        int mantissa, power;
        const char* comma;
    } cases[] = {
        {10, -1, "1 пФ"},   {15, -1, "1,5 пФ"},   {68, 1, "680 пФ"},     {10, 2, "1 нФ"},
        {47, 3, "47 нФ"},   {10, 4, "0,1 мкФ"},   {68, 4, "0,68 мкФ"},   {22, 5, "2,2 мкФ"},
        {10, 5, "1 мкФ"},   {47, 7, "470 мкФ"},   {91, 10, "910000 мкФ"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Utf8FromAnsi(PartMarking({c.mantissa, c.power, 0})), c.comma);
    UseSeparators('.', ',');
    EXPECT_EQ(Utf8FromAnsi(PartMarking({15, 4, 0})), "0.15 мкФ");
}

TEST_F(StandardColumnsTest, TheTableGainsTheValueAtOrAboveWithItsMnAndAttenuation)
{
    const std::string plain = WrittenResultsTable(kStored, '\t');
    const std::string table = WrittenResultsTable(kStored, '\t', ssE12);
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 251);
    EXPECT_EQ(Line(table, 0), "Мн\tОслабление,дб\tСс,мкФ\tСс E12,мкФ\tМн E12\tОслабление E12,дб");
    EXPECT_EQ(Line(table, 1), "1,0001\t0,0009\t1,0221\t1,2000 (1,2 мкФ)\t1,0001\t0,0006");
    EXPECT_EQ(Line(table, 250), "1,0250\t0,2145\t0,0642\t0,0680 (68 нФ)\t1,0223\t0,1919");
    // Each row keeps the plain table's texts in front.
    for (int row = 1; row <= 250; row += 83)
        EXPECT_EQ(Line(table, row).find(Line(plain, row) + "\t"), 0u) << row;

    const std::string csv = WrittenResultsTable(kStored, ';', ssE6);
    EXPECT_EQ(Line(csv, 250), "1,0250;0,2145;0,0642;0,0680 (68 нФ);1,0223;0,1919");
    // A capacitance beyond the largest standard value has none.
    const std::string beyond = WrittenResultsTable({"0,000001", "0,0001", "1,0001", "1,00015", "0,0001"}, '\t', ssE24);
    EXPECT_TRUE(Line(beyond, 1).ends_with("\t—\t—\t—")) << Line(beyond, 1);
}

TEST_F(StandardColumnsTest, TheReportShowsEachSeriesAboveAndBelowTheRow)
{
    const TSweepTable table{{220, 50, 0.0001, 1.0001, 1.025}, CalcSweepRows({220, 50, 0.0001, 1.0001, 1.025})};
    const TStandardReport report = MakeStandardReport(table, 249);
    const std::string text = StandardReportText(report.Heading, report.Rows);
    EXPECT_EQ(Line(text, 0), "Строка 250: Мн 1,0250, ослабление 0,2145 дб, Сс 0,0642 мкФ; Rc 220 кОм, f 50 Гц");
    EXPECT_EQ(Line(text, 1), "Ряд\tНоминал\tСс,мкФ\tМн\tОслабление,дб\tФаза,°\tf для Мн,Гц");
    EXPECT_EQ(Line(text, 2), "E6, не меньше Сс\t68 нФ\t0,0680\t1,0223\t0,1919\t24,00\t47,24");
    EXPECT_EQ(Line(text, 3), "E6, меньше Сс\t47 нФ\t0,0470\t1,0462\t0,3925\t34,19\t68,34");
    EXPECT_EQ(Line(text, 5), "E12, меньше Сс\t56 нФ\t0,0560\t1,0328\t0,2801\t28,95\t57,36");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 8);

    const TSweepTable tiny{{1e6, 1e6, 0.0001, 1.0001, 1.025}, CalcSweepRows({1e6, 1e6, 0.0001, 1.0001, 1.025})};
    const TStandardReport tinyReport = MakeStandardReport(tiny, 0);
    const std::string below = StandardReportText(tinyReport.Heading, tinyReport.Rows);
    EXPECT_EQ(Line(below, 2), "E6, не меньше Сс\t1 пФ\t0,0000\t1,0000\t0,0000\t0,02\t11242,72");
    EXPECT_EQ(Line(below, 3), "E6, меньше Сс\t—\t—\t—\t—\t—\t—");

    for (const std::optional<int> row : {std::optional<int>(), std::optional<int>(250), std::optional<int>(-1)}) {
        const TStandardReport none = MakeStandardReport(table, row);
        EXPECT_EQ(none.Rows.Count(), 0);
        EXPECT_EQ(Utf8FromAnsi(none.Heading), "Строка таблицы не выбрана: выберите строку в списке результатов.");
    }
}
