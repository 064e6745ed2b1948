#include "results/TableText.h"
#include "tests/numtext/SeparatorsFixture.h"
#include "tests/results/TestRows.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

TEST(TableText, FieldsStayWholeWhateverTheyHold)
{
    const std::vector<AnsiString> captions = {AnsiFromUtf8("Мн"), AnsiFromUtf8("Ослабление,дб")};
    const struct {
        TRowTexts rows;
        int first, count;
        char separator;
        const char* text; // UTF-8
    } cases[] = {
        {TwoColumnRows({"1,0001", "0,0009", "1,0002", "0,0017"}), 0, 2, '\t', "Мн\tОслабление,дб\n1,0001\t0,0009\n1,0002\t0,0017\n"},
        {TwoColumnRows({"1,0001", "0,0009", "1,0002", "0,0017"}), 1, 1, '\t', "Мн\tОслабление,дб\n1,0002\t0,0017\n"},
        {TwoColumnRows({"1,0001", "0,0009"}), 0, 0, ';', "Мн;Ослабление,дб\n"},
        {TwoColumnRows({"1.0001", "0.0009"}), 0, 1, ',', "Мн,\"Ослабление,дб\"\n1.0001,0.0009\n"},
        // Captions edited in place may hold anything.
        {TwoColumnRows({"a;b", "say \"hi\"", "two\nlines", "cr\r"}), 0, 2, ';',
         "Мн;Ослабление,дб\n\"a;b\";\"say \"\"hi\"\"\"\n\"two\nlines\";\"cr\r\"\n"},
        {TwoColumnRows({"tab\there", "\"", "\xE0\xE1", ""}), 0, 2, '\t',
         "Мн\tОслабление,дб\n\"tab\there\"\t\"\"\"\"\nаб\t\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TableText(captions, c.rows, c.first, c.count, c.separator), c.text) << c.text;
}

class CsvSeparatorTest : public SeparatorsTest {};

TEST_F(CsvSeparatorTest, IsNeverTheDecimalCharacter)
{
    UseSeparators(',', ' ');
    EXPECT_EQ(CsvSeparator(), ';');
    UseSeparators('.', ',');
    EXPECT_EQ(CsvSeparator(), ',');
}

TEST(TableText, ALongTableComesInPiecesOfWholeLinesThatMakeUpTheText)
{
    TRowTexts rows(2);
    for (int i = 0; i < 40'000; ++i)
        rows.Append(std::to_string(i));
    const std::vector<AnsiString> captions = {"a", "b"};
    std::vector<std::string> pieces;
    WriteTableText(captions, rows, 3, rows.Count() - 5, '\t',
                   [&](std::string_view piece) { pieces.emplace_back(piece); });
    ASSERT_GT(pieces.size(), 2u);
    std::string joined;
    for (const std::string& piece : pieces) {
        EXPECT_EQ(piece.back(), '\n');
        joined += piece;
    }
    EXPECT_EQ(joined, TableText(captions, rows, 3, rows.Count() - 5, '\t'));
    EXPECT_EQ(joined.substr(0, 12), "a\tb\n6\t7\n8\t9\n");
    EXPECT_EQ(joined.substr(joined.size() - 12), "39994\t39995\n");
}
