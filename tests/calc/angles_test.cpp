#include "roadset.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

constexpr double kTwoPi = 6.283185307179586;

// 359.99999999° goes through every carry; angles wrap into one turn. No 60' or 60" shown, even
// on whole seconds (where binary fractions fall just short of a digit), and all read back.
TEST(AngleUnits, PackedDegreesBothWaysWithinOneTurn)
{
    const std::pair<double, double> cases[] = {// radians, packed
                                               {kTwoPi, 360.0},
                                               {-0.1, 354.1613519},
                                               {deg2rad(30.5), 30.3},
                                               {kTwoPi + deg2rad(30.5), 30.3},
                                               {deg2rad(12.3456789), 12.2044444},
                                               {deg2rad(359.99999999), 360.0}};
    for (const auto& [radians, packed] : cases)
        EXPECT_DOUBLE_EQ(rad2dms(radians), packed) << radians;
    EXPECT_TRUE(std::isnan(rad2dms(std::nan(""))));  // non-finite input comes back, no hang
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> turn(0.0, kTwoPi);
    for (int i = 0; i < 20000; ++i) {
        const double a =
            i % 2 ? turn(random) : deg2rad(i % 360 + (i / 7) % 60 / 60.0 + (i / 3) % 60 / 3600.0);
        const long long digits = std::llround(rad2dms(a) * 1e7);  // dddmmss.sss as printed
        ASSERT_TRUE(digits / 100000 % 100 < 60 && digits % 100000 < 60000) << digits;
        ASSERT_NEAR(dms2rad(rad2dms(a)), a, deg2rad(0.0011 / 3600.0)) << digits;
    }
    // 45.3 is 45.2999... in binary (truncated: 29'99.99"); wrapped, not negated; 70' as typed.
    const std::pair<double, double> typed[] = {
        {45.3, deg2rad(45.5)},         {12.2044444, deg2rad(12 + 20 / 60.0 + 44.444 / 3600)},
        {0.0001, deg2rad(1 / 3600.0)}, {359.5959999, deg2rad(360 - 0.001 / 3600)},
        {361.0, deg2rad(1.0)},         {-30.3, deg2rad(329.0 + 70.0 / 60.0)}};
    for (const auto& [packed, radians] : typed)
        EXPECT_NEAR(dms2rad(packed), radians, 1e-12) << packed;
    EXPECT_TRUE(std::isinf(dms2rad(HUGE_VAL)) && std::isfinite(dms2rad(1e300)));
    // NormalizeRad takes off one turn at most and snaps tiny values to 0.
    for (auto [in, out] :
         {std::pair{2 * kTwoPi + 0.5, kTwoPi + 0.5}, {-0.5, kTwoPi - 0.5}, {5e-13, 0.0}}) {
        NormalizeRad(in);
        EXPECT_DOUBLE_EQ(in, out);
    }
}

}  // namespace
