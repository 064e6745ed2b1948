// The results texts written when they are read are the texts the general formatter
// writes for every value, in the list's rows and in the table text alike.
#include "numtext/FormatDecimal.h"
#include "results/ResultsTable.h"
#include "results/RowTexts.h"
#include "results/TableText.h"
#include "tests/numtext/SeparatorsFixture.h"

#include <stdexcept>

namespace {

class ResultRowsTest : public SeparatorsTest {
protected:
    void SetUp() override { UseSeparators(',', ' '); }
};

// Rc, f, step, from, to.
const TSweepInputs kSweeps[] = {
    {220, 50, 0.0001, 1.0001, 1.025},              // the stored inputs
    {220, 50, 0.000001, 1.000001, 1.2},            // many rows, Мн in six decimals
    {220, 50, 1e-10, 1.0000000001, 1.000000005},   // Сс in the thousands
    {1e-9, 1, 0.05, 1.05, 3},                      // Сс above 10^9: the general formatter's own rounding
    {1e-150, 1e-150, 0.25, 1.25, 4},               // Сс of 10^302: the general form
    {220, 50, 3e18, 1e17, 2e19},                   // Мн in the general form, Сс rounding to zero
    {0.5, 0.5, 1.0 / 16, 1 + 1.0 / 32, 3},         // Мн ending exactly in 5 at the fifth decimal
};

// The table as it was made before the texts were kept as numbers: every text written
// up front by the general formatter.
TRowTexts GeneralTexts(const std::vector<TSweepRow>& rows)
{
    const TDecimalPicture picture("0.0000");
    TRowTexts texts(3);
    for (const TSweepRow& row : rows)
        for (const double value : {row.Mn, row.Attenuation, row.Capacitance})
            texts.Append(picture.Format(value));
    return texts;
}

} // namespace

TEST_F(ResultRowsTest, TextsAndTablesAreTheGeneralFormattersForEverySweep)
{
    for (const char decimal : {',', '.'}) {
        UseSeparators(decimal, ' ');
        for (const TSweepInputs& sweep : kSweeps) {
            const std::vector<TSweepRow> values = CalcSweepRows(sweep);
            const TRowTexts expected = GeneralTexts(values);
            const TResultRows rows({sweep, values});
            ASSERT_EQ(rows.Count(), expected.Count());
            int differences = 0;
            for (int r = 0; r < rows.Count(); ++r)
                for (int k = 0; k < 3; ++k)
                    if (rows.Text(r, k) != expected.Text(r, k) && ++differences <= 5)
                        ADD_FAILURE() << "row " << r << " column " << k << ": " << rows.Text(r, k) << " instead of "
                                      << expected.Text(r, k);
            EXPECT_EQ(TableText(ResultCaptions(), rows, 0, rows.Count(), ';'),
                      TableText(ResultCaptions(), expected, 0, expected.Count(), ';'));
        }
    }
}

TEST_F(ResultRowsTest, TextsKeepTheDecimalCharacterOfTheirMakingAndTheirEdits)
{
    TResultRows rows({kSweeps[0], CalcSweepRows(kSweeps[0])});
    UseSeparators('.', ',');
    EXPECT_EQ(rows.Text(0, 0), "1,0001");
    rows.Replace(0, 0, "edited");
    EXPECT_EQ(rows.Text(0, 0), "edited");
    EXPECT_EQ(rows.Text(0, 2), "1,0221");
    EXPECT_EQ(rows.Text(1, 0), "1,0002");
    EXPECT_THROW(rows.Text(250, 0), std::out_of_range);
    EXPECT_THROW(rows.Text(0, 3), std::out_of_range);
    EXPECT_THROW(rows.Replace(-1, 0, "x"), std::out_of_range);
}
