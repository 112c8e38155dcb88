// The K notation of stations, both ways.
#include "stationtext.h"

#include <gtest/gtest.h>

namespace {

struct Shown
{
    double station;
    int decimals;
    const char* text;
};

TEST(StationText, WritesKilometresPlusMetres)
{
    const Shown cases[] = {
        {1234.5, 3, "K1+234.500"},  {-13.5, 3, "K-0+013.500"},    {0.0, 3, "K0+000.000"},
        {-0.0001, 3, "K0+000.000"}, {1999.9996, 3, "K2+000.000"}, {500.0, 0, "K0+500"},
        {-1500.26, 1, "K-1+500.3"}, {123456.0, 0, "K123+456"},    {7.0, 6, "K0+007.000000"},
    };
    for (const Shown& c : cases)
        EXPECT_EQ(stationText(c.station, c.decimals), c.text) << c.station;
}

TEST(StationText, ReadsWhatItWritesAndPlainNumbers)
{
    for (const double L : {1234.5, -13.5, 0.0, 98765.432, -2000.0}) {
        double read = 1e9;
        ASSERT_TRUE(parseStation(stationText(L), read)) << L;
        EXPECT_DOUBLE_EQ(read, L);
    }
    const std::pair<const char*, double> accepted[] = {
        {"1+200", 1200.0},
        {" k2+050.5 ", 2050.5},
        {"1200", 1200.0},
        {"-7.25", -7.25},
    };
    for (const auto& [text, L] : accepted) {
        double read = 0.0;
        EXPECT_TRUE(parseStation(text, read)) << text;
        EXPECT_DOUBLE_EQ(read, L) << text;
    }
    for (const char* text :
         {"", "abc", "K1200", "1+", "1.5+200", "1+-200", "1+1200", "1+200x", "nan", "inf", "1,5"}) {
        double read = 42.0;
        EXPECT_FALSE(parseStation(text, read)) << text;
        EXPECT_EQ(read, 42.0) << text;
    }
}

}  // namespace
