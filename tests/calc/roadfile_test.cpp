#include "roadbuilder.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <clocale>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

const std::string kExamples = VANTOREL_TEST_DATA "/../../examples";

// The example road shipped in examples/: 4.1 km of survey-grid road with
// curves both ways, a rolling profile and fill and cut templates.
RoadSet exampleRoad()
{
    RoadSet road = RoadBuilder(3381250.0, 502340.0, 1.05, 0.0)
                       .line(420)
                       .spiral(0, 800, 120)
                       .arc(800, 310)
                       .spiral(800, 0, 120)
                       .line(560)
                       .spiral(0, -600, 100)
                       .arc(-600, 420)
                       .spiral(-600, 0, 100)
                       .line(380)
                       .spiral(0, 1200, 80)
                       .arc(1200, 260)
                       .spiral(1200, 0, 80)
                       .line(450)
                       .spiral(0, -500, 90)
                       .arc(-500, 240)
                       .spiral(-500, 0, 90)
                       .line(300)
                       .build();

    const double grades[][3] = {// station, height, vertical curve radius
                                {0, 152.4, 0},        {650, 161.5, 8000},   {1500, 154.7, 6000},
                                {2350, 164.9, 10000}, {3300, 160.15, 5000}, {4120, 165.07, 0}};
    for (const auto& g : grades) {
        VerticalEntity v;
        v.mile = g[0];
        v.height = g[1];
        v.radius = g[2];
        road.InsertVertical(v);
    }
    EXPECT_EQ(road.ApplyVertical(), 0);

    RoadTemplate fill;  // lanes, hard shoulder, verge, 1:1.5 embankment
    fill.name = "Fill";
    fill.items = {{3.75, -0.075}, {6.25, -0.15}, {7.0, -0.18}, {11.5, -3.18}};
    RoadTemplate cut;  // lanes, hard shoulder, verge, ditch, 1:1 cutting
    cut.name = "Cut";
    cut.items = {{3.75, -0.075}, {6.25, -0.15}, {7.0, -0.18}, {7.6, -0.78},
                 {8.2, -0.78},   {8.8, -0.18},  {14.8, 5.82}};
    road.AddTemplate(fill);
    road.AddTemplate(cut);

    const struct
    {
        double L1, L2;
        const char* left;
        const char* right;
    } ranges[] = {{0, 400, "Fill", "Fill"},     {400, 1000, "Cut", "Cut"},
                  {1000, 1900, "Fill", "Fill"}, {1900, 2800, "Cut", "Fill"},
                  {2800, 3700, "Fill", "Fill"}, {3700, 4200, "Cut", "Cut"}};
    for (const auto& r : ranges) {
        RoadSection s;
        s.L1 = r.L1;
        s.L2 = r.L2;
        s.left = r.left;
        s.right = r.right;
        EXPECT_TRUE(road.AddSection(s));
    }
    return road;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

void expectSameRoad(const RoadSet& a, const RoadSet& b, double tolerance)
{
    ASSERT_EQ(a.NumberOfHorizon(), b.NumberOfHorizon());
    for (int i = 0; i < a.NumberOfHorizon(); ++i) {
        const RoadEntity& p = *a.GetHorizon(i);
        const RoadEntity& q = *b.GetHorizon(i);
        SCOPED_TRACE("element " + std::to_string(i));
        EXPECT_EQ(p.type, q.type);
        EXPECT_EQ(p.pz, q.pz);
        EXPECT_EQ(p.mode, q.mode);
        for (double RoadEntity::*f :
             {&RoadEntity::radius, &RoadEntity::rou1, &RoadEntity::rou2, &RoadEntity::x1,
              &RoadEntity::y1, &RoadEntity::x2, &RoadEntity::y2, &RoadEntity::angle1,
              &RoadEntity::angle2, &RoadEntity::l1, &RoadEntity::length})
            EXPECT_NEAR(p.*f, q.*f, tolerance);
    }
    ASSERT_EQ(a.NumberOfVertical(), b.NumberOfVertical());
    for (int i = 0; i < a.NumberOfVertical(); ++i) {
        for (double VerticalEntity::*f :
             {&VerticalEntity::mile, &VerticalEntity::height, &VerticalEntity::slope,
              &VerticalEntity::radius, &VerticalEntity::tangent})
            EXPECT_NEAR(a.GetVertical(i)->*f, b.GetVertical(i)->*f, tolerance);
    }
    ASSERT_EQ(a.NumberOfSections(), b.NumberOfSections());
    for (int i = 0; i < a.NumberOfSections(); ++i) {
        EXPECT_EQ(a.GetSection(i)->left, b.GetSection(i)->left);
        EXPECT_EQ(a.GetSection(i)->right, b.GetSection(i)->right);
        EXPECT_NEAR(a.GetSection(i)->L1, b.GetSection(i)->L1, tolerance);
        EXPECT_NEAR(a.GetSection(i)->L2, b.GetSection(i)->L2, tolerance);
    }
    ASSERT_EQ(a.NumberOfTemplates(), b.NumberOfTemplates());
    for (int i = 0; i < a.NumberOfTemplates(); ++i) {
        const RoadTemplate& p = *a.GetTemplate(i);
        const RoadTemplate& q = *b.GetTemplate(i);
        EXPECT_EQ(p.name, q.name);
        ASSERT_EQ(p.items.size(), q.items.size());
        for (std::size_t k = 0; k < p.items.size(); ++k) {
            EXPECT_NEAR(p.items[k].dist, q.items[k].dist, tolerance);
            EXPECT_NEAR(p.items[k].dh, q.items[k].dh, tolerance);
        }
    }
}

class RoadFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() /
               ("trazel-" + std::to_string(::getpid()) + "-" + test->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }

    void TearDown() override
    {
        fs::remove_all(dir_);
        RoadSet::fileVer = 0;
        RoadSet::Ver = RoadSet::VerCurrent;
    }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    // The names in the test directory, to see that no temporary file stays.
    std::string listing() const
    {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_))
            names.insert(entry.path().filename().string());
        std::string list;
        for (const std::string& name : names)
            list += name + " ";
        return list;
    }

    bool load(RoadSet& road, const std::string& text)
    {
        writeFile(path("in.rod"), text);
        return road.Load(path("in.rod"));
    }

    fs::path dir_;
};

TEST_F(RoadFile, SavedBytesFollowTheLineTemplates)
{
    RoadSet road;
    road.InsertHorizonPoint(3380000.5, 500000.25, 100);
    RoadEntity line;
    line.type = 1;
    line.x1 = 3380000.5;
    line.y1 = 500000.25;
    line.x2 = 3380000.5;
    line.y2 = 500100.25;
    line.angle1 = line.angle2 = 1.5707963267948966;
    line.l1 = 100;
    line.length = 100;
    line.mode = 3;
    road.InsertHorizon(line);
    VerticalEntity v;
    v.mile = 100;
    v.height = 12.5;
    v.slope = -0.015625;
    road.InsertVertical(v);
    road.AddSection(RoadSection{"fill", "cut", 100, 200});
    road.AddTemplate(RoadTemplate{{{3.75, -0.075}}, "fill"});
    road.AddTemplate(RoadTemplate{{}, "cut"});

    ASSERT_TRUE(road.Save(path("small.rod")));
    const char* expected =
        "<Road>\n"
        "\t<Version>2</Version>\n"
        "\t<HorizontalAlignment>\n"
        "\t\t<element>\n"
        "\t\t\t<type>0</type>\n"
        "\t\t\t<x1>3380000.500000000000</x1>\n"
        "\t\t\t<y1>500000.250000000000</y1>\n"
        "\t\t\t<l1>100.000000000000</l1>\n"
        "\t\t\t<x2>3380000.500000000000</x2>\n"
        "\t\t\t<y2>500000.250000000000</y2>\n"
        "\t\t\t<angle1>0.000000000000</angle1>\n"
        "\t\t\t<angle2>0.000000000000</angle2>\n"
        "\t\t\t<rou1>0.000000000000</rou1>\n"
        "\t\t\t<rou2>0.000000000000</rou2>\n"
        "\t\t\t<radius>0.000000000000</radius>\n"
        "\t\t\t<length>0.000000000000</length>\n"
        "\t\t\t<pz>0</pz>\n"
        "\t\t\t<mode>0</mode>\n"
        "\t\t</element>\n"
        "\t\t<element>\n"
        "\t\t\t<type>1</type>\n"
        "\t\t\t<x1>3380000.500000000000</x1>\n"
        "\t\t\t<y1>500000.250000000000</y1>\n"
        "\t\t\t<l1>100.000000000000</l1>\n"
        "\t\t\t<x2>3380000.500000000000</x2>\n"
        "\t\t\t<y2>500100.250000000000</y2>\n"
        "\t\t\t<angle1>1.570796326795</angle1>\n"
        "\t\t\t<angle2>1.570796326795</angle2>\n"
        "\t\t\t<rou1>0.000000000000</rou1>\n"
        "\t\t\t<rou2>0.000000000000</rou2>\n"
        "\t\t\t<radius>0.000000000000</radius>\n"
        "\t\t\t<length>100.000000000000</length>\n"
        "\t\t\t<pz>0</pz>\n"
        "\t\t\t<mode>3</mode>\n"
        "\t\t</element>\n"
        "\t</HorizontalAlignment>\n"
        "\t<VerticalAlignment>\n"
        "\t\t<element>\n"
        "\t\t\t<mile>100.000000000000</mile>\n"
        "\t\t\t<height>12.500000000000</height>\n"
        "\t\t\t<tangent>0.000000000000</tangent>\n"
        "\t\t\t<slope>-0.015625000000</slope>\n"
        "\t\t\t<radius>0.000000000000</radius>\n"
        "\t\t</element>\n"
        "\t</VerticalAlignment>\n"
        "\t<Section>\n"
        "\t\t<element>\n"
        "\t\t\t<L1>100.000000000000</L1>\n"
        "\t\t\t<L2>200.000000000000</L2>\n"
        "\t\t\t<left>fill</left>\n"
        "\t\t\t<right>cut</right>\n"
        "\t\t</element>\n"
        "\t</Section>\n"
        "\t<Template>\n"
        "\t\t<element>\n"
        "\t\t\t<name>fill</name>\n"
        "\t\t\t<item>\n"
        "\t\t\t\t<dist>3.750000000000</dist>\n"
        "\t\t\t\t<dh>-0.075000000000</dh>\n"
        "\t\t\t</item>\n"
        "\t\t</element>\n"
        "\t\t<element>\n"
        "\t\t\t<name>cut</name>\n"
        "\t\t</element>\n"
        "\t</Template>\n"
        "</Road>\n";
    EXPECT_EQ(readFile(path("small.rod")), expected);
    EXPECT_STREQ(road.FilePath(), path("small.rod").c_str());
    EXPECT_FALSE(road.IsModified());

    RoadSet empty;
    ASSERT_TRUE(empty.Save(path("empty.rod")));
    EXPECT_EQ(readFile(path("empty.rod")),
              "<Road>\n\t<Version>2</Version>\n\t<HorizontalAlignment>\n\t</HorizontalAlignment>\n"
              "\t<VerticalAlignment>\n\t</VerticalAlignment>\n\t<Section>\n\t</Section>\n"
              "\t<Template>\n\t</Template>\n</Road>\n");
}

TEST_F(RoadFile, SavedRoadReloadsToTwelveDecimals)
{
    RoadSet road = exampleRoad();
    road.SetModified(true);
    ASSERT_TRUE(road.Save(path("road.rod")));

    RoadSet loaded;
    RoadSet::Ver = RoadSet::VerNewer;
    loaded.SetModified(true);
    ASSERT_TRUE(loaded.Load(path("road.rod")));
    expectSameRoad(road, loaded, 6e-13);
    EXPECT_EQ(RoadSet::fileVer, 2);
    EXPECT_EQ(RoadSet::Ver, RoadSet::VerCurrent);
    EXPECT_FALSE(loaded.IsModified());
    EXPECT_STREQ(loaded.FilePath(), path("road.rod").c_str());
    EXPECT_EQ(loaded.NumberOfCross(), 6);  // start, four curves, end

    ASSERT_TRUE(loaded.Save(path("again.rod")));
    EXPECT_EQ(readFile(path("again.rod")), readFile(path("road.rod")));
}

TEST_F(RoadFile, CommaLocaleChangesNothing)
{
    ASSERT_TRUE(exampleRoad().Save(path("c.rod")));
    const std::string c = readFile(path("c.rod"));
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "no de_DE.UTF-8 locale";
    char printed[16];
    std::snprintf(printed, sizeof printed, "%.1f", 0.5);
    RoadSet road = exampleRoad();
    const bool saved = road.Save(path("de.rod"));
    RoadSet loaded;
    const bool read = loaded.Load(path("de.rod"));
    std::setlocale(LC_ALL, "C");

    ASSERT_STREQ(printed, "0,5");  // the locale really writes commas
    ASSERT_TRUE(saved);
    ASSERT_TRUE(read);
    EXPECT_EQ(readFile(path("de.rod")), c);
    expectSameRoad(road, loaded, 6e-13);
}

TEST_F(RoadFile, EmptyOrBlankFileIsAnEmptyRoad)
{
    for (const char* text : {"", " \n\t\n  \n"}) {
        RoadSet road = exampleRoad();
        RoadSet::fileVer = 2;
        ASSERT_TRUE(load(road, text));
        EXPECT_EQ(RoadSet::fileVer, 0);
        EXPECT_TRUE(road.isHorizonEmpty());
        EXPECT_TRUE(road.isVerticalEmpty());
        EXPECT_EQ(road.NumberOfSections() + road.NumberOfTemplates(), 0);
    }
}

TEST_F(RoadFile, ReaderDropsBlanksAndSlashes)
{
    RoadSet road;
    road.AddTemplate(RoadTemplate{{}, "Left Side"});
    road.AddTemplate(RoadTemplate{{}, "a/b"});
    road.AddSection(RoadSection{"Left Side", "a/b", 0, 10});
    ASSERT_TRUE(road.Save(path("names.rod")));
    EXPECT_NE(readFile(path("names.rod")).find("<name>Left Side</name>"), std::string::npos);

    RoadSet loaded;
    ASSERT_TRUE(loaded.Load(path("names.rod")));
    EXPECT_EQ(loaded.GetTemplate(0)->name, "LeftSide");
    EXPECT_EQ(loaded.GetTemplate(1)->name, "ab");
    EXPECT_EQ(loaded.GetSection(0)->left, "LeftSide");
    EXPECT_EQ(loaded.GetSection(0)->right, "ab");

    ASSERT_TRUE(load(loaded,
                     "< Road >< Version > 2 </Version>\n<Horizontal Alignment><element>"
                     "<x1>\t1 2.5\n</ x1 ></element></HorizontalAlignment></Road>"));
    EXPECT_EQ(RoadSet::fileVer, 2);
    ASSERT_EQ(loaded.NumberOfHorizon(), 1);
    EXPECT_EQ(loaded.GetHorizon(0)->x1, 12.5);
}

TEST_F(RoadFile, TextsLongerThan255CharactersAreMalformed)
{
    const auto file = [](const std::string& name, const std::string& gap) {
        return "<Road><Template><element>" + gap + "<name>" + name +
               "</name></element></Template></Road>";
    };
    RoadSet road;
    ASSERT_TRUE(load(road, file(std::string(255, 'n'), std::string(255, '\t'))));
    EXPECT_EQ(road.GetTemplate(0)->name, std::string(255, 'n'));
    EXPECT_TRUE(load(road, file(std::string(255, 'n') + std::string(300, ' '), "")));

    EXPECT_FALSE(load(road, file(std::string(256, 'n'), "")));
    EXPECT_FALSE(load(road, file(std::string(300, 'n'), "")));
    EXPECT_FALSE(load(road, file("n", std::string(128, '\n') + std::string(128, '\t'))));
    EXPECT_FALSE(load(road, "<Road><" + std::string(256, 't') + "></Road>"));
}

TEST_F(RoadFile, MalformedFileKeepsOnlyTheTemplatesReadBeforeTheError)
{
    RoadSet road = exampleRoad();
    road.Save(path("road.rod"));
    ASSERT_FALSE(load(road,
                      "<Road><Version>2</Version><Template><element><name>T</name></element>"
                      "</Template><Section><element><L1>0</L1><L2>9</L2></element></Section>"
                      "<HorizontalAlignment><element><x1>1</x2>"));
    EXPECT_EQ(road.NumberOfHorizon(), 0);
    EXPECT_EQ(road.NumberOfCross(), 0);
    EXPECT_EQ(road.NumberOfVertical(), 0);
    EXPECT_EQ(road.NumberOfSections(), 0);
    ASSERT_EQ(road.NumberOfTemplates(), 1);
    EXPECT_EQ(road.GetTemplate(0)->name, "T");
    EXPECT_STREQ(road.FilePath(), "");
    EXPECT_EQ(RoadSet::fileVer, 2);

    EXPECT_FALSE(load(road, "<Road> 3 > 4 </Road>"));  // '>' outside a tag
    EXPECT_FALSE(load(road, "</Road>"));               // nothing open to close
}

TEST_F(RoadFile, LeadingDeclarationHidesEveryTag)
{
    RoadSet road = exampleRoad();
    ASSERT_TRUE(road.Save(path("road.rod")));
    RoadSet loaded;
    ASSERT_TRUE(load(loaded, "<?xml version=\"1.0\"?>\n" + readFile(path("road.rod"))));
    EXPECT_TRUE(loaded.isHorizonEmpty());
    EXPECT_EQ(loaded.NumberOfTemplates(), 0);
    EXPECT_EQ(RoadSet::fileVer, 0);
}

TEST_F(RoadFile, MissingOrBadValueKeepsThatOfThePreviousRecord)
{
    RoadSet road;
    ASSERT_TRUE(load(road,
                     "<Road><Version>two</Version><HorizontalAlignment>"
                     "<element><type>1</type><x1>5</x1><mode>3</mode></element>"
                     "<element><type>2</type><x1>abc</x1></element>"
                     "</HorizontalAlignment><Template><element><name>T</name>"
                     "<item><dist>1</dist><dh>2</dh></item><item><dh>3</dh></item></element>"
                     "<element><item><dist>4</dist></item></element></Template></Road>"));
    EXPECT_EQ(RoadSet::fileVer, 0);
    ASSERT_EQ(road.NumberOfHorizon(), 2);
    EXPECT_EQ(road.GetHorizon(1)->type, 2);
    EXPECT_EQ(road.GetHorizon(1)->x1, 5);
    EXPECT_EQ(road.GetHorizon(1)->mode, 3);
    ASSERT_EQ(road.NumberOfTemplates(), 2);
    ASSERT_EQ(road.GetTemplate(0)->items.size(), 2u);
    EXPECT_EQ(road.GetTemplate(0)->items[1].dist, 1);
    EXPECT_EQ(road.GetTemplate(0)->items[1].dh, 3);
    EXPECT_EQ(road.GetTemplate(1)->name, "T");  // the name stays, the items do not
    ASSERT_EQ(road.GetTemplate(1)->items.size(), 1u);
    EXPECT_EQ(road.GetTemplate(1)->items[0].dh, 3);
}

TEST_F(RoadFile, UnknownTagsUnclosedTagsAndTextAfterTheRootAreAccepted)
{
    RoadSet road;
    ASSERT_TRUE(load(road,
                     "<Road><Comment><element><x1>7</x1></element></Comment>"
                     "<HorizontalAlignment><element><colour>red</colour><x1>1</x1>"
                     "<deeper><x1>2</x1></deeper></element></HorizontalAlignment>"
                     "</Road> > </garbage>"));
    ASSERT_EQ(road.NumberOfHorizon(), 1);
    EXPECT_EQ(road.GetHorizon(0)->x1, 1);

    ASSERT_TRUE(load(road, "<Road><HorizontalAlignment><element><x1>1</x1></element><element>"));
    EXPECT_EQ(road.NumberOfHorizon(), 1);
}

TEST_F(RoadFile, SaveNeedsAPath)
{
    RoadSet road = exampleRoad();
    road.SetModified(true);
    EXPECT_FALSE(road.Save(""));
    EXPECT_TRUE(road.IsModified());
    EXPECT_EQ(listing(), "");

    ASSERT_TRUE(road.Save(path("road.rod")));
    road.GetVertical(0)->height = 99;
    ASSERT_TRUE(road.Save(""));  // the stored path
    RoadSet loaded;
    ASSERT_TRUE(loaded.Load(path("road.rod")));
    EXPECT_EQ(loaded.GetVertical(0)->height, 99);

    EXPECT_FALSE(road.Save(std::string("road\0x.rod", 10)));
    EXPECT_FALSE(loaded.Load(std::string("road\0x.rod", 10)));
}

TEST_F(RoadFile, FailedSaveLeavesFileAndRoadAlone)
{
    RoadSet road = exampleRoad();
    ASSERT_TRUE(road.Save(path("road.rod")));
    const std::string before = readFile(path("road.rod"));
    road.GetVertical(0)->height = 99;
    road.SetModified(true);

    // The disk fills up after a few kilobytes.
    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
    rlimit small = limit;
    small.rlim_cur = 4096;
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool overwritten = road.Save("");
    const bool created = road.Save(path("new.rod"));
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, handler);

    EXPECT_FALSE(overwritten);
    EXPECT_FALSE(created);
    EXPECT_EQ(readFile(path("road.rod")), before);
    EXPECT_EQ(listing(), "road.rod ");
    EXPECT_TRUE(road.IsModified());
    EXPECT_STREQ(road.FilePath(), path("road.rod").c_str());

    fs::create_directory(path("folder.rod"));
    EXPECT_FALSE(road.Save(path("folder.rod")));
    EXPECT_FALSE(road.Save(path("missing/road.rod")));
    EXPECT_STREQ(road.FilePath(), path("road.rod").c_str());
    EXPECT_EQ(listing(), "folder.rod road.rod ");
}

TEST_F(RoadFile, SaveKeepsPermissionsAndLinks)
{
    RoadSet road = exampleRoad();
    ASSERT_TRUE(road.Save(path("road.rod")));
    ASSERT_EQ(::chmod(path("road.rod").c_str(), 0640), 0);
    ASSERT_TRUE(road.Save(path("road.rod")));
    struct stat st;
    ASSERT_EQ(::stat(path("road.rod").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    const mode_t mask = ::umask(027);
    const bool created = road.Save(path("new.rod"));
    ::umask(mask);
    ASSERT_TRUE(created);
    ASSERT_EQ(::stat(path("new.rod").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    fs::create_symlink(path("road.rod"), path("link.rod"));
    road.GetVertical(0)->height = 99;
    ASSERT_TRUE(road.Save(path("link.rod")));
    EXPECT_TRUE(fs::is_symlink(path("link.rod")));
    RoadSet loaded;
    ASSERT_TRUE(loaded.Load(path("road.rod")));
    EXPECT_EQ(loaded.GetVertical(0)->height, 99);
}

TEST_F(RoadFile, UnreadableFileChangesNothing)
{
    RoadSet road = exampleRoad();
    road.SetModified(true);
    fs::create_directory(path("folder.rod"));
    EXPECT_FALSE(road.Load(path("missing.rod")));
    EXPECT_FALSE(road.Load(path("folder.rod")));
    EXPECT_FALSE(road.Load(""));
    EXPECT_FALSE(road.Load("/dev/zero"));  // would never end
    EXPECT_EQ(road.NumberOfHorizon(), 18);
    EXPECT_EQ(road.NumberOfTemplates(), 2);
    EXPECT_TRUE(road.IsModified());
}

TEST(ExampleFiles, ShippedRoadIsTheExampleRoadAsSaved)
{
    RoadSet shipped;
    ASSERT_TRUE(shipped.Load(kExamples + "/example-road.rod"));
    expectSameRoad(exampleRoad(), shipped, 1e-9);
    RoadSet::fileVer = 0;
}

TEST(ExampleFiles, ShippedRoadEvaluatesEverywhere)
{
    RoadSet road;
    ASSERT_TRUE(road.Load(kExamples + "/example-road.rod"));
    EXPECT_EQ(RoadSet::fileVer, RoadSet::currVer);
    RoadSet::fileVer = 0;

    int turns[2] = {0, 0};
    for (int i = 2; i < road.NumberOfHorizon(); ++i) {
        const RoadEntity& before = *road.GetHorizon(i - 1);
        const RoadEntity& e = *road.GetHorizon(i);
        EXPECT_NEAR(e.x1, before.x2, 1e-6) << "element " << i;
        EXPECT_NEAR(e.y1, before.y2, 1e-6) << "element " << i;
        EXPECT_NEAR(e.angle1, before.angle2, 1e-9) << "element " << i;
        EXPECT_NEAR(e.l1, before.l1 + before.length, 1e-9) << "element " << i;
        if (e.type == 2)
            ++turns[e.pz];
    }
    EXPECT_EQ(turns[0], 2);
    EXPECT_EQ(turns[1], 2);

    const RoadEntity& last = *road.GetHorizon(road.NumberOfHorizon() - 1);
    const double end = last.l1 + last.length;
    EXPECT_NEAR(end, 4120, 1e-9);
    for (double mile = 0; mile <= end; mile += 10) {
        double x = 0, y = 0, h = 0;
        ASSERT_TRUE(road.L2XY(mile, 0, &x, &y)) << mile;
        ASSERT_TRUE(road.CalElevation(mile, &h, nullptr)) << mile;
        EXPECT_GT(h, 150);
        EXPECT_LT(h, 170);
        RoadSection* s = road.GetSectionByLC(mile);
        ASSERT_NE(s, nullptr) << mile;
        ASSERT_NE(road.GetTemplateByName(s->left), nullptr);
        ASSERT_NE(road.GetTemplateByName(s->right), nullptr);
        EXPECT_NEAR(road.CalDetaH(s, 3.75), -0.075, 1e-12);
        EXPECT_NEAR(road.CalDetaH(s, -3.75), -0.075, 1e-12);
    }
}

// Writes the example files anew from exampleRoad(); run it by hand with
// --gtest_also_run_disabled_tests --gtest_filter=ExampleFiles.DISABLED_Regenerate
TEST(ExampleFiles, DISABLED_Regenerate)
{
    RoadSet road = exampleRoad();
    ASSERT_TRUE(road.Save(kExamples + "/example-road.rod"));
    ASSERT_TRUE(road.ToCross_v2());
    const std::string cross = kExamples + "/example-road.cross";
    ASSERT_TRUE(road.SaveCross(std::u16string(cross.begin(), cross.end())));
}

}  // namespace
