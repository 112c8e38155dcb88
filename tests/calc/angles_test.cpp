#include "roadset.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <random>

namespace {

constexpr double kTwoPi = 6.283185307179586;

double dmsAngle(double degrees, double minutes, double seconds)
{
    return deg2rad(degrees + minutes / 60.0 + seconds / 3600.0);
}

// Splits a packed value into its degree, minute and second digit groups as
// a reader of the printed number would.
void digits(double packed, int& d, int& m, double& s)
{
    const long long total = std::llround(packed * 1e7);
    d = static_cast<int>(total / 10000000);
    m = static_cast<int>(total / 100000 % 100);
    s = static_cast<double>(total % 100000) / 1000.0;
}

TEST(Rad2Dms, PacksDegreesMinutesAndSeconds)
{
    EXPECT_DOUBLE_EQ(rad2dms(deg2rad(30.5)), 30.3);
    EXPECT_DOUBLE_EQ(rad2dms(deg2rad(12.3456789)), 12.2044444);
    EXPECT_DOUBLE_EQ(rad2dms(0.0), 0.0);
}

TEST(Rad2Dms, FullTurnAndCarriesGiveThreeHundredSixty)
{
    EXPECT_DOUBLE_EQ(rad2dms(kTwoPi), 360.0);
    EXPECT_DOUBLE_EQ(rad2dms(deg2rad(359.99999999)), 360.0);
}

TEST(Rad2Dms, NegativeAnglesAreTakenModuloAFullTurn)
{
    EXPECT_DOUBLE_EQ(rad2dms(-0.1), 354.1613519);
    EXPECT_DOUBLE_EQ(rad2dms(kTwoPi + deg2rad(30.5)), 30.3);
}

TEST(Rad2Dms, NeverShowsSixtyMinutesOrSecondsAndRoundTrips)
{
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> turn(0.0, kTwoPi);
    for (int i = 0; i < 20000; ++i) {
        // Half of the angles sit exactly on whole seconds, where binary
        // fractions are most likely to fall just short of a digit.
        const double a = i % 2 ? turn(random) : dmsAngle(i % 360, (i / 7) % 60, (i / 3) % 60);
        const double packed = rad2dms(a);
        int d = 0, m = 0;
        double s = 0.0;
        digits(packed, d, m, s);
        ASSERT_LT(m, 60) << packed;
        ASSERT_LT(s, 60.0) << packed;
        ASSERT_NEAR(dms2rad(packed), a, deg2rad(0.0011 / 3600.0)) << packed;
    }
}

TEST(Dms2Rad, ReadsPackedValues)
{
    EXPECT_DOUBLE_EQ(dms2rad(30.3), deg2rad(30.5));
    EXPECT_DOUBLE_EQ(dms2rad(0.3), deg2rad(0.5));
    EXPECT_NEAR(dms2rad(12.2044444), dmsAngle(12, 20, 44.444), 1e-12);
}

TEST(Dms2Rad, DigitsOfInexactBinaryFractionsAreReadAsTyped)
{
    // 45.3 is 45.29999999999999716 in binary; plain truncation reads 29'99.99".
    EXPECT_NEAR(dms2rad(45.3), deg2rad(45.5), 1e-12);
    EXPECT_NEAR(dms2rad(329.7), deg2rad(329.0 + 70.0 / 60.0), 1e-12);
    EXPECT_NEAR(dms2rad(0.0001), dmsAngle(0, 0, 1), 1e-12);
    EXPECT_NEAR(dms2rad(359.5959999), dmsAngle(359, 59, 59.999), 1e-12);
}

TEST(Dms2Rad, OutOfRangeValuesWrapWithoutNegating)
{
    EXPECT_NEAR(dms2rad(361.0), deg2rad(1.0), 1e-12);
    EXPECT_NEAR(dms2rad(-30.3), dms2rad(329.7), 1e-12);
    EXPECT_NEAR(dms2rad(30.7), deg2rad(30.0 + 70.0 / 60.0), 1e-12);
}

TEST(Angles, NonFiniteInputComesBackInsteadOfHanging)
{
    EXPECT_TRUE(std::isnan(rad2dms(std::nan(""))));
    EXPECT_TRUE(std::isinf(dms2rad(HUGE_VAL)));
    EXPECT_TRUE(std::isfinite(dms2rad(1e300)));
}

TEST(NormalizeRad, StepsOnceAndSnapsTinyValues)
{
    double a = 2 * kTwoPi + 0.5;
    NormalizeRad(a);
    EXPECT_DOUBLE_EQ(a, kTwoPi + 0.5);
    a = -0.5;
    NormalizeRad(a);
    EXPECT_DOUBLE_EQ(a, kTwoPi - 0.5);
    a = 5e-13;
    NormalizeRad(a);
    EXPECT_EQ(a, 0.0);
}

TEST(Angles, DecimalCommaLocaleChangesNothing)
{
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 locale not installed";
    const double packed = rad2dms(deg2rad(30.5));
    const double back = dms2rad(12.2044444);
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_DOUBLE_EQ(packed, 30.3);
    EXPECT_NEAR(back, dmsAngle(12, 20, 44.444), 1e-12);
}

}  // namespace
