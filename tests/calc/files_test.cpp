// The road file and the intersection-point file.
#include "../namedpipe.h"
#include "roadbuilder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <clocale>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <tuple>

namespace fs = std::filesystem;

namespace {

const std::string kExamples = VANTOREL_TEST_DATA "/../../examples/example-road";

std::u16string u16(const std::string& ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

std::string readFile(const std::string& path)
{
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

// The shipped example road (curves both ways, a rolling profile, templates), without its path.
RoadSet exampleRoad()
{
    RoadSet road;
    EXPECT_TRUE(road.Load(kExamples + ".rod"));
    road.ClearFilePath();
    return road;
}

// Each test gets a fresh directory.
class Files : public ::testing::Test
{
protected:
    void SetUp() override { fs::create_directories(dir_); }

    void TearDown() override
    {
        fs::remove_all(dir_);
        RoadSet::fileVer = 0;
        RoadSet::Ver = RoadSet::VerCurrent;
    }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    std::string read(const std::string& name) const { return readFile(path(name)); }
    long files() const { return std::distance(fs::directory_iterator(dir_), {}); }

    bool load(RoadSet& road, const std::string& text)
    {
        std::ofstream(path("in.rod"), std::ios::binary) << text;
        return road.Load(path("in.rod"));
    }

    const fs::path dir_ = fs::temp_directory_path() /
                          ("trazel-" + std::to_string(::getpid()) + "-" +
                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

// The shipped example loads as version 2, saves back byte for byte (every tag in its place)
// and holds what the library computes from its design values (to 1e-7: the file holds them to 12
// decimals); its point file holds the intersection points of its chain. Load, Save and the point
// file read and write C numbers whatever the locale.
TEST_F(Files, SavedRoadsAreWrittenByteForByteAndTheExampleIsWhatTheLibraryComputes)
{
    // Distinct values catch swapped tags; the reader drops blanks and slashes from names.
    RoadSet small;
    small.InsertHorizonPoint(3380000.5, 500000.25, 100);
    RoadEntity& first = *small.GetHorizon(0);
    first.y2 = 500100.25;
    first.angle1 = 1.5707963267948966;
    first.length = 100;
    first.mode = 3;
    insertGrades(small, {{100, 12.5, 0}});
    small.GetVertical(0)->slope = -0.015625;
    small.AddSection({"Left Side", "a/b", 100, 200});
    small.AddTemplate({{{3.75, -0.075}}, "Left Side"});
    small.AddTemplate({{}, "a/b"});
    ASSERT_TRUE(small.Save(path("small.rod")));
    EXPECT_EQ(read("small.rod"), readFile(VANTOREL_TEST_DATA "/small-road.rod"));
    ASSERT_TRUE(small.Load(path("small.rod")));
    EXPECT_EQ(small.GetTemplate(0)->name + small.GetTemplate(1)->name + small.GetSection(0)->left +
                  small.GetSection(0)->right,
              "LeftSideabLeftSideab");

    RoadSet road;
    RoadSet::Ver = RoadSet::VerNewer;
    road.SetModified(true);
    ASSERT_TRUE(road.Load(kExamples + ".rod"));
    EXPECT_EQ(std::make_tuple(RoadSet::fileVer, RoadSet::Ver, road.IsModified()),
              std::make_tuple(2, RoadSet::VerCurrent, false));
    road.SetModified(true);
    ASSERT_TRUE(road.Save(path("road.rod")));
    EXPECT_EQ(read("road.rod"), readFile(kExamples + ".rod"));
    EXPECT_TRUE(!road.IsModified() && path("road.rod") == road.FilePath());

    ASSERT_TRUE(road.ApplyHorizon() == 0 && road.ApplyVertical() == 0);
    ASSERT_TRUE(road.Save(path("applied.rod")));
    std::istringstream made(read("applied.rod")), shipped(readFile(kExamples + ".rod"));
    for (std::string m, s; std::getline(made, m);) {
        ASSERT_TRUE(std::getline(shipped, s)) << m;
        const std::size_t tag = m.find('>') + 1;
        ASSERT_EQ(m.substr(0, tag), s.substr(0, tag));
        EXPECT_TRUE(m == s || std::fabs(std::stod(m.substr(tag)) - std::stod(s.substr(tag))) < 1e-7)
            << m << " vs " << s;
    }
    RoadSet points;
    ASSERT_TRUE(points.LoadCross(u16(kExamples + ".cross")));
    ASSERT_TRUE(points.NumberOfCross() == 6 && road.NumberOfCross() == 6);  // start, 4 curves, end
    for (int i = 0; i < 6; ++i) {
        const CrossEntity &p = *points.GetCross(i), &q = *road.GetCross(i);
        EXPECT_NEAR(std::hypot(p.x - q.x, p.y - q.y), 0, 1e-4) << i;
        EXPECT_NEAR(p.tangentLenIn + p.tangentLenOut, q.tangentLenIn + q.tangentLenOut, 1e-6) << i;
    }

    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "no de_DE.UTF-8 locale";
    char printed[16];
    std::snprintf(printed, sizeof printed, "%.1f", 0.5);
    points.ClearAll();
    points.InsertCross(pointAt(3380000.25, 500000.5, 450.5, 60.25, 120.125, 60.25));
    const bool done = road.Load(path("road.rod")) && road.Save(path("de.rod")) &&
                      points.SaveCross(u16(path("de.cross"))) &&
                      points.LoadCross(u16(path("de.cross")));
    std::setlocale(LC_ALL, "C");
    ASSERT_STREQ(printed, "0,5");  // the locale really writes commas
    ASSERT_TRUE(done);
    EXPECT_EQ(read("de.rod"), read("road.rod"));
    EXPECT_EQ(read("de.cross"), "3380000.25,500000.5,450.5,60.25,120.125,60.25\n");
    EXPECT_EQ(points.GetCross(0)->arcLen, 120.125);
}

// A file without a whole road, or with a number no road holds, is refused before the road is
// touched. Texts over 255 characters (blanks not counted), tags nested far deeper than five
// levels, a stray '>' and a tag closed never opened make a file malformed: the templates read
// before the error are kept. The reader's memory stays in proportion to the file.
TEST_F(Files, ReaderSkipsWhatItDoesNotKnowAndRefusesFilesWithoutACompleteRoad)
{
    RoadSet road = exampleRoad();
    ASSERT_TRUE(road.Save(path("road.rod")));
    const std::string saved = read("road.rod");
    road.InsertCross(pointAt(1, 2));
    road.SetModified(true);
    RoadSet::fileVer = 7;
    const auto value = [](const std::string& x1) {
        return "<Road><HorizontalAlignment><element><x1>" + x1 +
               "</x1></element></HorizontalAlignment></Road>";
    };
    const std::pair<const char*, std::string> cases[] = {
        {"empty", ""},
        {"blanks", " \n\t\n  \n"},
        {"CASS points", "A,,500000,3380000,10\nB,,500300,3380400,11\n"},
        {"a root without a road", "<Road><Comment>x</Comment></Road>"},
        {"cut short", saved.substr(0, saved.find("</VerticalAlignment>"))},
        {"declaration never closed", "<?xml version=\"1.0\"?>\n" + saved},
        {"not a number", value("nan")},
        {"infinite", value("-inf")},
        {"too large to write back", value("1e241")}};
    for (const auto& [what, text] : cases) {
        EXPECT_FALSE(load(road, text)) << what;
        EXPECT_EQ(
            std::make_tuple(road.NumberOfHorizon() + road.NumberOfTemplates(), road.NumberOfCross(),
                            road.IsModified(), RoadSet::fileVer, std::string(road.FilePath())),
            std::make_tuple(18 + 2, 7, true, 7, path("road.rod")))
            << what;
    }
    EXPECT_TRUE(load(road, value("-9.99e239")));

    const auto name = [](const std::string& name, const std::string& gap) {
        return "<Road><Template><element>" + gap + "<name>" + name +
               "</name></element></Template></Road>";
    };
    const auto nested = [](int depth) {
        std::string tags;
        for (int i = 0; i < depth; ++i)
            tags = "<a>" + tags + "</a>";
        return "<Road>" + tags + "<Version>2</Version></Road>";
    };
    const std::string longest(255, 'n');
    const std::pair<std::string, bool> texts[] = {
        {name(longest, std::string(255, '\t')), true},
        {name(longest + std::string(300, ' '), ""), true},
        {name(longest + "n", ""), false},
        {name("n", std::string(128, '\n') + std::string(128, '\t')), false},
        {"<Road><" + std::string(256, 't') + "></Road>", false},
        {"<Road> 3 > 4 </Road>", false},
        {"</Road>", false},
        {nested(31), true},
        {nested(32), false}};
    for (const auto& [text, loads] : texts)
        EXPECT_EQ(load(road, text), loads) << text.substr(0, 80);
    ASSERT_FALSE(load(road,
                      "<Road><Version>2</Version><Template><element><name>T</name></element>"
                      "</Template><Section><element><L1>0</L1><L2>9</L2></element></Section>"
                      "<HorizontalAlignment><element><x1>1</x2>"));
    ASSERT_EQ(std::make_tuple(road.NumberOfHorizon() + road.NumberOfCross() +
                                  road.NumberOfVertical() + road.NumberOfSections(),
                              road.NumberOfTemplates(), RoadSet::fileVer),
              std::make_tuple(0, 1, 2));
    EXPECT_EQ(road.GetTemplate(0)->name, "T");

    road = exampleRoad();
    for (int i = 0; i < 2000; ++i)
        road.AddSection({longest, longest, 5000.0 + i, 5001.0 + i});
    ASSERT_TRUE(road.Save(path("road.rod")) && road.Load(path("road.rod")));
    EXPECT_EQ(road.NumberOfSections(), 2006);
    std::string text = "<Road><Section><element><left>" + longest + "</left><right>" + longest +
                       "</right></element>";
    for (int i = 0; i < 100000; ++i)
        text += "<element></element>";
    EXPECT_FALSE(load(road, text + "</Section></Road>"));
    EXPECT_EQ(road.NumberOfSections(), 2006);

    // Blanks inside tags and values are dropped, unknown tags skipped. A missing or unreadable
    // value keeps that of the record before; a template keeps its name only.
    RoadSet read;
    ASSERT_TRUE(load(read,
                     "< Road >< Version > 2 </Version><Comment><element><x1>7</x1></element>"
                     "</Comment><Horizontal Alignment><element><type>1</type><x1>\t1 2.5\n"
                     "</ x1 ><mode>3</mode><colour>red</colour><deeper><x1>2</x1></deeper>"
                     "</element><element><type>2</type><x1>abc</x1></element>"
                     "</HorizontalAlignment><Template><element><name>T</name><item><dist>1</dist>"
                     "<dh>2</dh></item><item><dh>3</dh></item></element><element><item>"
                     "<dist>4</dist></item></element></Template></Road> > </g>"));
    ASSERT_EQ(std::make_pair(read.NumberOfHorizon(), read.NumberOfTemplates()),
              std::make_pair(2, 2));
    const RoadEntity& e = *read.GetHorizon(1);
    EXPECT_EQ(std::make_tuple(RoadSet::fileVer, read.GetHorizon(0)->x1, e.type, e.x1, e.mode),
              std::make_tuple(2, 12.5, 2, 12.5, 3));
    const RoadTemplate &t = *read.GetTemplate(0), &u = *read.GetTemplate(1);
    ASSERT_EQ(std::make_pair(t.items.size(), u.items.size()), std::make_pair(2ul, 1ul));
    EXPECT_EQ(std::make_tuple(t.items[1].dist, t.items[1].dh, u.name, u.items[0].dh),
              std::make_tuple(1.0, 3.0, std::string("T"), 3.0));
}

// The road stays as it was when a save or a load fails, and no road is written that would not
// read back: a file that cannot be opened again must not replace one that can; a device or a
// pipe is never read nor replaced. (A disk that fills up is the stake-out tool's test: both
// write through one function.)
TEST_F(Files, FailedSaveOrLoadLeavesFileAndRoadAlone)
{
    RoadSet road = exampleRoad();
    road.SetModified(true);
    EXPECT_FALSE(road.Save(""));  // no path stored yet
    ASSERT_TRUE(road.Save(path("road.rod")));
    const std::string before = read("road.rod");
    road.GetVertical(0)->height = 99;
    road.SetModified(true);
    road.InsertCross(pointAt(1, 2));
    fs::create_directory(path("folder.rod"));
    const NamedPipe pipe(path("pipe.rod"));
    ASSERT_TRUE(pipe.created());
    fs::create_symlink(pipe.path(), path("pipe-link.rod"));
    const std::u16string lone = u16(path("x")) + char16_t(0xD800);  // half a surrogate pair
    ASSERT_TRUE(pipe.returnsWithoutAWriter([&] {
        for (const std::string& name :
             {path("missing"), path("folder.rod"), pipe.path(), path("pipe-link.rod"),
              std::string(), std::string("/dev/zero"),  // would never end
              std::string("road\0x.rod", 10)})
            EXPECT_FALSE(road.Load(name) || road.LoadCross(u16(name))) << name;
    }));
    EXPECT_FALSE(road.LoadCross(lone) || road.LoadCross(u16(path("x")) + char16_t(0xDC00)));
    for (const std::u16string& p : {std::u16string(), lone, u16(path("folder.rod")),
                                    u16(path("missing/p.cross")), u16(pipe.path())})
        EXPECT_FALSE(road.SaveCross(p));
    for (const std::string& target : {path("folder.rod"), path("missing/road.rod"), pipe.path(),
                                      path("pipe-link.rod"), std::string("road\0x.rod", 10)})
        EXPECT_FALSE(road.Save(target)) << target;
    EXPECT_TRUE(pipe.isStillAPipe() && fs::is_symlink(path("pipe-link.rod")));
    EXPECT_EQ(std::make_tuple(road.NumberOfHorizon(), road.NumberOfCross(), road.IsModified(),
                              std::string(road.FilePath())),
              std::make_tuple(18, 7, true, path("road.rod")));

    const std::pair<const char*, std::function<void(RoadSet&)>> unreadable[] = {
        {"NaN", [](RoadSet& r) { r.GetHorizon(3)->x1 = std::nan(""); }},
        {"infinite", [](RoadSet& r) { r.GetVertical(2)->height = -HUGE_VAL; }},
        {"too large", [](RoadSet& r) { r.GetTemplate(0)->items[0].dist = 1e241; }},
        {"a tag bracket in a name", [](RoadSet& r) { r.GetTemplate(1)->name = "a>b"; }},
        {"a name too long", [](RoadSet& r) { r.GetSection(2)->left = std::string(256, 'n'); }}};
    for (const auto& [what, change] : unreadable) {
        RoadSet changed = road;
        change(changed);
        EXPECT_FALSE(changed.Save("") || changed.Save(path("other.rod"))) << what;
    }
    EXPECT_TRUE(read("road.rod") == before);
    EXPECT_EQ(files(), 4);
    // Blanks and slashes are dropped by the reader, so they do not count.
    road.GetTemplate(1)->name = std::string(255, 'n') + " / /";
    ASSERT_TRUE(road.Save("") && road.Load(path("road.rod")));  // the stored path
    EXPECT_EQ(road.GetTemplate(1)->name, std::string(255, 'n'));
    EXPECT_EQ(road.GetVertical(0)->height, 99);

    // A new file follows the umask, not the temporary's; a saved one keeps its permissions, a
    // link stays a link.
    ASSERT_EQ(::chmod(path("road.rod").c_str(), 0640), 0);
    ASSERT_TRUE(road.Save(path("road.rod")));
    const mode_t mask = ::umask(027);
    ASSERT_TRUE(road.Save(path("new.rod")));
    ::umask(mask);
    for (const char* name : {"road.rod", "new.rod"}) {
        struct stat st;
        ASSERT_EQ(::stat(path(name).c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0640u) << name;
    }
    fs::create_symlink(path("road.rod"), path("link.rod"));
    road.GetVertical(0)->height = 98;
    ASSERT_TRUE(road.Save(path("link.rod")) && fs::is_symlink(path("link.rod")));
    ASSERT_TRUE(road.Load(path("road.rod")));
    EXPECT_EQ(road.GetVertical(0)->height, 98);
}

// Points are written to 12 significant digits under any name, and reload with fresh tangents.
// The reader takes any separator; a line of more than 1023 characters ends the file quietly;
// bad lines refuse it.
TEST_F(Files, PointFilesWriteTheirPointsAndStopAtBadLines)
{
    RoadSet road;
    road.InsertCross(pointAt(3456789.123456789, 500000.5));
    CrossEntity curve = pointAt(3457000, 500300.25, -300, 40, 100, 60);
    curve.l = 123;
    road.InsertCross(curve);
    road.InsertCross(pointAt(3457100.000000001, -0.0000123456789012345));
    const std::u16string name = u"stra\u00dfe-\u9053\u8def-\U0001D11E.cross";  // as UTF-8
    ASSERT_TRUE(road.SaveCross(u16(path("")) + name));
    EXPECT_EQ(read("stra\xc3\x9f"
                   "e-\xe9\x81\x93\xe8\xb7\xaf-\xf0\x9d\x84\x9e.cross"),
              "3456789.12346,500000.5,0,0,0,0\n3457000,500300.25,300,40,100,60\n"
              "3457100,-1.23456789012e-05,0,0,0,0\n");
    ASSERT_TRUE(road.LoadCross(u16(path("")) + name));
    ASSERT_EQ(road.NumberOfCross(), 3);
    const CrossEntity& c = *road.GetCross(1);
    CrossEntity fresh = c;
    RoadSet::CalTangent_v2(&fresh);
    EXPECT_EQ(std::make_tuple(c.l, c.tangentLenIn, c.tangentLenOut, c.angle),
              std::make_tuple(0.0, fresh.tangentLenIn, fresh.tangentLenOut, fresh.angle));
    EXPECT_NE(c.tangentLenIn, c.tangentLenOut);  // unequal spirals

    using namespace std::string_literals;
    const std::string fits = "1,2,0,0,0,0" + std::string(1012, ' ');
    const std::tuple<std::string, bool, int> cases[] = {
        // text, loads, points
        {"1;2;3;4;5;6\n 1 , 2,\t3,4 ,5,6 and more\n1x2x3x4x5x6", true, 3},
        {"1,2,0,0,0,0\n", true, 1},
        {"", true, 0},
        {fits + "\n" + fits + " \n" + fits + "\n", true, 1},
        {std::string(100000, '7') + "\n", true, 0},
        {"1,2,0,0,0,0\n\n3,4,0,0,0,0\n", false, 0},
        {"1,2,0,0,0,0\n1,2,3\n", false, 0},
        {"1,2,0,0,0,0\n1,,2,0,0,0,0\n", false, 0},
        {"1,2,0,\0000,0,0\n"s, false, 0}};
    for (const auto& [text, loads, points] : cases) {
        road.InsertCross(pointAt(-1, -1));  // replaced in any case
        std::ofstream(path("in.cross"), std::ios::binary) << text;
        EXPECT_EQ(road.LoadCross(u16(path("in.cross"))), loads) << text.substr(0, 40);
        ASSERT_EQ(road.NumberOfCross(), points) << text.substr(0, 40);
        for (int i = 0; i < points; ++i) {
            const CrossEntity& p = *road.GetCross(i);
            EXPECT_EQ(p.x + p.y + p.radius + p.spiralLenIn + p.arcLen + p.spiralLenOut,
                      points == 3 ? 21 : 3);
            EXPECT_EQ(p.spiralLenIn, points == 3 ? 4 : 0);
        }
    }
}

}  // namespace
