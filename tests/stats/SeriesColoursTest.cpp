#include "stats/SeriesColours.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(SeriesColoursTest, HuesSpreadFromRed) {
    EXPECT_EQ(SeriesColours(4), (std::vector<COLORREF>{RGB(255, 0, 0), RGB(128, 255, 0),
                                                       RGB(0, 255, 255), RGB(128, 0, 255)}));
    EXPECT_EQ(SeriesColours(2), (std::vector<COLORREF>{RGB(255, 0, 0), RGB(0, 255, 255)}));
}

}  // namespace
