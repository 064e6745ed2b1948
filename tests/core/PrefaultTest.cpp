#include "core/Prefault.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <vector>

TEST(Prefault, KeepsWhatTheBufferHoldsWhateverItsBoundsAndSize)
{
    // Several pages with values already written, advised whole and from odd offsets;
    // then an empty vector and a zero length.
    std::vector<std::uint64_t> values(3 * 4096);
    std::iota(values.begin(), values.end(), 1);
    for (std::size_t skip : {0, 1, 511, 4096})
        PrefaultForWriting(values.data() + skip, (values.size() - skip) * sizeof(std::uint64_t));
    PrefaultCapacity(values);
    std::vector<std::uint64_t> expected(values.size());
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(values, expected);

    std::vector<double> empty;
    PrefaultCapacity(empty);
    PrefaultForWriting(values.data(), 0);
    values.reserve(values.size() * 4);
    PrefaultCapacity(values);
    EXPECT_EQ(values, expected);
}
