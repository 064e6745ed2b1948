#include "core/ConvertError.h"
#include "results/ResultsTable.h"
#include "tests/numtext/SeparatorsFixture.h"
#include "tests/results/WrittenTable.h"

#include <algorithm>

namespace {

class ResultsTableTest : public SeparatorsTest {
protected:
    void SetUp() override { UseSeparators(',', ' '); }
};

const TInputTexts kStored{"220", "50", "1,0001", "1,0250", "0,0001"};

} // namespace

TEST_F(ResultsTableTest, TheStoredInputsGiveTheCaptionsAndTwoHundredAndFiftyRows)
{
    const std::string table = WrittenResultsTable(kStored, '\t');
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 251);
    EXPECT_EQ(table.substr(0, table.find('\n', table.find('\n') + 1) + 1), "Мн\tОслабление,дб\tСс,мкФ\n1,0001\t0,0009\t1,0221\n");
    EXPECT_TRUE(table.ends_with("\n1,0250\t0,2145\t0,0642\n"));
}

TEST_F(ResultsTableTest, InputsAreReadInTheSweepsOrderAndCheckedBeforeAnyRow)
{
    const struct {
        TInputTexts texts;
        const char* message; // UTF-8
    } cases[] = {
        // Rc, f, step, from, to: the first text that does not parse is named.
        {{"x", "y", "1,0001", "1,0250", "z"}, "'x' is not a valid floating point value"},
        {{"220", "50", "a", "b", "c"}, "'c' is not a valid floating point value"},
        {{"220", "50", "1,0001", "1e400", "0,0001"}, "'1e400' is not a valid floating point value"},
        {{"220", "0", "1,0001", "1,0250", "0"}, "Шаг Мн должен быть больше 0"},
        {{"220", "50", "1,0250", "1,0001", "0,0001"}, "Мн «до» должно быть больше, чем «от»"},
    };
    for (const auto& c : cases) {
        try {
            WrittenResultsTable(c.texts, ';');
            ADD_FAILURE() << "no error for " << c.message;
        } catch (const Exception& error) {
            EXPECT_EQ(Utf8FromAnsi(error.Message()), c.message);
        }
    }
}
