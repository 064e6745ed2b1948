#include "results/RowTexts.h"

#include <gtest/gtest.h>

TEST(RowTexts, HoldsWholeRowsAndReplacesSingleTexts)
{
    TRowTexts texts(3);
    for (const char* t : {"1,0001", "0,0009", "1,0221", "1,0002", "", "0,5"})
        texts.Append(t);
    texts.Append("half a row");
    EXPECT_EQ(texts.Count(), 2);
    EXPECT_EQ(texts.Text(1, 0), "1,0002");
    EXPECT_EQ(texts.Text(1, 1), "");
    texts.Replace(0, 0, "a much longer caption than before");
    texts.Replace(1, 2, texts.Text(0, 0)); // a text taken from the buffer itself
    EXPECT_EQ(texts.Text(0, 0), "a much longer caption than before");
    EXPECT_EQ(texts.Text(0, 1), "0,0009");
    EXPECT_EQ(texts.Text(1, 2), "a much longer caption than before");
    EXPECT_THROW(texts.Text(3, 0), std::out_of_range);
    EXPECT_THROW(texts.Replace(3, 0, "x"), std::out_of_range);
}
