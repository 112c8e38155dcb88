#include "roadset.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <clocale>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

const std::string kExamples = VANTOREL_TEST_DATA "/../../examples";

std::u16string u16(const std::string& ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

CrossEntity point(double x, double y, double radius = 0, double in = 0, double arc = 0,
                  double out = 0)
{
    CrossEntity c;
    c.x = x;
    c.y = y;
    c.radius = radius;
    c.spiralLenIn = in;
    c.arcLen = arc;
    c.spiralLenOut = out;
    return c;
}

class CrossFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() /
               ("trazel-cross-" + std::to_string(::getpid()) + "-" + test->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }

    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    std::string read(const std::string& name) const
    {
        std::ifstream in(path(name), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // Loads `text` into a road that holds one point beforehand.
    bool load(RoadSet& road, const std::string& text)
    {
        road.ClearCross();
        road.InsertCross(point(-1, -1));
        std::ofstream(path("in.cross"), std::ios::binary) << text;
        return road.LoadCross(u16(path("in.cross")));
    }

    fs::path dir_;
};

TEST_F(CrossFile, SavedPointsReloadWithFreshTangents)
{
    RoadSet road;
    road.InsertCross(point(3456789.123456789, 500000.5));
    CrossEntity curve = point(3457000, 500300.25, -300, 40, 100, 60);
    curve.l = 123;
    road.InsertCross(curve);
    road.InsertCross(point(3457100.000000001, -0.0000123456789012345));
    ASSERT_TRUE(road.SaveCross(u16(path("p.cross"))));
    EXPECT_EQ(read("p.cross"),
              "3456789.12346,500000.5,0,0,0,0\n"
              "3457000,500300.25,300,40,100,60\n"
              "3457100,-1.23456789012e-05,0,0,0,0\n");

    RoadSet loaded;
    ASSERT_TRUE(loaded.LoadCross(u16(path("p.cross"))));
    ASSERT_EQ(loaded.NumberOfCross(), 3);
    const CrossEntity& c = *loaded.GetCross(1);
    EXPECT_EQ(c.x, 3457000);
    EXPECT_EQ(c.radius, 300);
    EXPECT_EQ(c.spiralLenIn, 40);
    EXPECT_EQ(c.arcLen, 100);
    EXPECT_EQ(c.spiralLenOut, 60);
    EXPECT_EQ(c.l, 0);
    CrossEntity expected = c;
    RoadSet::CalTangent_v2(&expected);
    EXPECT_EQ(c.tangentLenIn, expected.tangentLenIn);
    EXPECT_EQ(c.tangentLenOut, expected.tangentLenOut);
    EXPECT_EQ(c.angle, expected.angle);
    EXPECT_GT(c.tangentLenIn, 0);
    EXPECT_NE(c.tangentLenIn, c.tangentLenOut);  // unequal spirals
    EXPECT_EQ(loaded.GetCross(0)->tangentLenIn, 0);
    EXPECT_NEAR(loaded.GetCross(0)->x, 3456789.123456789, 1e-4);
}

TEST_F(CrossFile, AnyNonBlankSeparatorAndEitherFileEnd)
{
    RoadSet road;
    ASSERT_TRUE(load(road, "1;2;3;4;5;6\n 1 , 2,\t3,4 ,5,6 and more\n1x2x3x4x5x6"));
    ASSERT_EQ(road.NumberOfCross(), 3);
    for (int i = 0; i < 3; ++i) {
        const CrossEntity& c = *road.GetCross(i);
        EXPECT_EQ(c.x + c.y + c.radius + c.spiralLenIn + c.arcLen + c.spiralLenOut, 21);
        EXPECT_EQ(c.spiralLenIn, 4);
    }
    ASSERT_TRUE(load(road, "1,2,0,0,0,0\n"));  // ends with "GetLine Failed", still true
    EXPECT_EQ(road.NumberOfCross(), 1);
    ASSERT_TRUE(load(road, ""));
    EXPECT_EQ(road.NumberOfCross(), 0);
}

TEST_F(CrossFile, UnparsableLineEmptiesTheList)
{
    using namespace std::string_literals;
    RoadSet road;
    for (const std::string& text : {"1,2,0,0,0,0\n\n3,4,0,0,0,0\n"s, "1,2,0,0,0,0\n1,2,3\n"s,
                                    "1,2,0,0,0,0\n1,,2,0,0,0,0\n"s, "1,2,0,\0000,0,0\n"s}) {
        EXPECT_FALSE(load(road, text)) << text;
        EXPECT_EQ(road.NumberOfCross(), 0) << text;
    }
}

TEST_F(CrossFile, OverlongLineEndsTheFileQuietly)
{
    const std::string fits = "1,2,0,0,0,0" + std::string(1012, ' ');
    ASSERT_EQ(fits.size(), 1023u);
    RoadSet road;
    ASSERT_TRUE(load(road, fits + "\n" + fits + " \n" + fits + "\n"));
    EXPECT_EQ(road.NumberOfCross(), 1);
    ASSERT_TRUE(load(road, std::string(100000, '7') + "\n"));
    EXPECT_EQ(road.NumberOfCross(), 0);
}

TEST_F(CrossFile, PathsThatNameNoFileChangeNothing)
{
    RoadSet road;
    road.InsertCross(point(1, 2));
    fs::create_directory(path("folder.cross"));
    const std::u16string lone = u16(path("x")) + char16_t(0xD800) + u".cross";
    for (const std::u16string& p :
         {u16(path("missing.cross")), u16(path("folder.cross")), lone,
          u16(path("x")) + char16_t(0xDC00), std::u16string(),
          u16(path("nul")) + char16_t(0) + u"x", std::u16string(u"/dev/zero")}) {
        EXPECT_FALSE(road.LoadCross(p));
        EXPECT_EQ(road.NumberOfCross(), 1);
    }
    EXPECT_FALSE(road.SaveCross(std::u16string()));
    EXPECT_FALSE(road.SaveCross(lone));
    EXPECT_FALSE(road.SaveCross(u16(path("folder.cross"))));
    EXPECT_FALSE(road.SaveCross(u16(path("missing/p.cross"))));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(CrossFile, NonAsciiPathIsUtf8OnDisk)
{
    RoadSet road;
    road.InsertCross(point(1, 2));
    const std::u16string name = u"stra\u00dfe-\u9053\u8def-\U0001D11E.cross";
    ASSERT_TRUE(road.SaveCross(u16(path("")) + name));
    EXPECT_EQ(read("stra\xc3\x9f"
                   "e-\xe9\x81\x93\xe8\xb7\xaf-\xf0\x9d\x84\x9e.cross"),
              "1,2,0,0,0,0\n");
    RoadSet loaded;
    ASSERT_TRUE(loaded.LoadCross(u16(path("")) + name));
    EXPECT_EQ(loaded.NumberOfCross(), 1);
}

TEST_F(CrossFile, CommaLocaleChangesNothing)
{
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "no de_DE.UTF-8 locale";
    RoadSet road;
    road.InsertCross(point(3380000.25, 500000.5, 450.5, 60.25, 120.125, 60.25));
    const bool saved = road.SaveCross(u16(path("de.cross")));
    RoadSet loaded;
    const bool read = loaded.LoadCross(u16(path("de.cross")));
    std::setlocale(LC_ALL, "C");
    ASSERT_TRUE(saved);
    EXPECT_EQ(this->read("de.cross"), "3380000.25,500000.5,450.5,60.25,120.125,60.25\n");
    ASSERT_TRUE(read);
    EXPECT_EQ(loaded.GetCross(0)->arcLen, 120.125);
}

TEST(ExampleFiles, ShippedCrossFileDescribesTheShippedRoad)
{
    RoadSet road;
    ASSERT_TRUE(road.Load(kExamples + "/example-road.rod"));
    RoadSet::fileVer = 0;
    RoadSet points;
    ASSERT_TRUE(points.LoadCross(u16(kExamples + "/example-road.cross")));
    ASSERT_EQ(points.NumberOfCross(), road.NumberOfCross());
    ASSERT_EQ(points.NumberOfCross(), 6);
    for (int i = 0; i < points.NumberOfCross(); ++i) {
        const CrossEntity& p = *points.GetCross(i);
        const CrossEntity& q = *road.GetCross(i);
        EXPECT_NEAR(p.x, q.x, 1e-4);
        EXPECT_NEAR(p.y, q.y, 1e-4);
        EXPECT_NEAR(p.radius, std::fabs(q.radius), 1e-9);
        EXPECT_NEAR(p.arcLen, q.arcLen, 1e-9);
        EXPECT_NEAR(p.spiralLenIn, q.spiralLenIn, 1e-9);
        EXPECT_NEAR(p.spiralLenOut, q.spiralLenOut, 1e-9);
        EXPECT_NEAR(p.tangentLenIn, q.tangentLenIn, 1e-6);
        EXPECT_NEAR(p.tangentLenOut, q.tangentLenOut, 1e-6);
    }
}

}  // namespace
