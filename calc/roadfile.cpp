// The road file: a tagged text with every element, grade point, section and
// template, derived values included, so that a loaded road is used as saved.
#include "roadset.h"

#include "atomicfile.h"
#include "filepath.h"
#include "numbers.h"
#include "tagreader.h"
#include "trazellog.h"

#include <sys/stat.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

namespace {

constexpr int kDecimals = 12;
constexpr std::size_t kChunkSize = 64 * 1024;
// The largest magnitude whose text fits in a tag: 240 digits, a sign, the
// point and the decimals make 254 characters.
constexpr double kLargestNumber = 1e240;
// What the records read may take, per byte of the file and in all: a road
// file spends far more bytes on a record than the record takes, but values
// that carry over from one element to the next cost nothing in the file.
constexpr std::size_t kMemoryPerFileByte = 4;
constexpr std::size_t kMemoryAllowance = 1 << 20;

// Whether a number reads back as written: finite, and short enough.
bool isWritable(double v)
{
    return std::fabs(v) < kLargestNumber;
}

// Whether a name reads back from its tag, where the reader drops blanks and
// slashes: no tag brackets, and not too long for the reader.
bool isWritable(std::string_view name)
{
    name = name.substr(0, name.find('\0'));  // written as a C string
    if (name.find_first_of("<>") != std::string_view::npos)
        return false;
    const auto kept =
        std::count_if(name.begin(), name.end(), [](char c) { return c != ' ' && c != '/'; });
    return static_cast<std::size_t>(kept) <= TagReader::kMaxText;
}

// One value tag of a record: its name in the file and the field it holds.
template <typename Record>
struct Field
{
    const char* tag;
    double Record::*real;
    int Record::*whole;
    std::string Record::*text;
};

template <typename Record>
constexpr Field<Record> real(const char* tag, double Record::*field)
{
    return {tag, field, nullptr, nullptr};
}

template <typename Record>
constexpr Field<Record> whole(const char* tag, int Record::*field)
{
    return {tag, nullptr, field, nullptr};
}

template <typename Record>
constexpr Field<Record> text(const char* tag, std::string Record::*field)
{
    return {tag, nullptr, nullptr, field};
}

// The value tags in the order the file holds them.
const Field<RoadEntity> kElementFields[] = {
    whole("type", &RoadEntity::type),    real("x1", &RoadEntity::x1),
    real("y1", &RoadEntity::y1),         real("l1", &RoadEntity::l1),
    real("x2", &RoadEntity::x2),         real("y2", &RoadEntity::y2),
    real("angle1", &RoadEntity::angle1), real("angle2", &RoadEntity::angle2),
    real("rou1", &RoadEntity::rou1),     real("rou2", &RoadEntity::rou2),
    real("radius", &RoadEntity::radius), real("length", &RoadEntity::length),
    whole("pz", &RoadEntity::pz),        whole("mode", &RoadEntity::mode),
};
const Field<VerticalEntity> kGradePointFields[] = {
    real("mile", &VerticalEntity::mile),       real("height", &VerticalEntity::height),
    real("tangent", &VerticalEntity::tangent), real("slope", &VerticalEntity::slope),
    real("radius", &VerticalEntity::radius),
};
const Field<RoadSection> kSectionFields[] = {
    real("L1", &RoadSection::L1),
    real("L2", &RoadSection::L2),
    text("left", &RoadSection::left),
    text("right", &RoadSection::right),
};
const Field<SectionItem> kBreakFields[] = {
    real("dist", &SectionItem::dist),
    real("dh", &SectionItem::dh),
};

class RoadFileWriter
{
public:
    std::string text;
    // False once a value was written that would not read back.
    bool readable = true;

    void open(int depth, const char* tag) { line(depth) += '<' + std::string(tag) + ">\n"; }
    void close(int depth, const char* tag) { line(depth) += "</" + std::string(tag) + ">\n"; }

    void value(int depth, const char* tag, std::string_view content)
    {
        line(depth) += '<';
        text += tag;
        text += '>';
        text += content;
        text += "</";
        text += tag;
        text += ">\n";
    }

    void number(int depth, const char* tag, double v)
    {
        readable = readable && isWritable(v);
        value(depth, tag, numbers::fixed(v, kDecimals));
    }

    // Names are written as C strings, up to the first NUL if any.
    void name(int depth, const char* tag, const std::string& name)
    {
        readable = readable && isWritable(name);
        value(depth, tag, name.c_str());
    }

    template <typename Record, std::size_t N>
    void values(int depth, const Record& record, const Field<Record> (&fields)[N])
    {
        for (const Field<Record>& f : fields) {
            if (f.real)
                number(depth, f.tag, record.*f.real);
            else if (f.whole)
                value(depth, f.tag, numbers::integer(record.*f.whole));
            else
                name(depth, f.tag, record.*f.text);
        }
    }

private:
    std::string& line(int depth) { return text.append(static_cast<std::size_t>(depth), '\t'); }
};

// The text of the road file; none when a value would not read back, since
// a file that cannot be opened again must not replace one that can.
std::optional<std::string> roadFileText(const RoadSet& road)
{
    RoadFileWriter w;
    w.open(0, "Road");
    w.value(1, "Version", numbers::integer(RoadSet::currVer));
    w.open(1, "HorizontalAlignment");
    for (int i = 0; i < road.NumberOfHorizon(); ++i) {
        w.open(2, "element");
        w.values(3, *road.GetHorizon(i), kElementFields);
        w.close(2, "element");
    }
    w.close(1, "HorizontalAlignment");
    w.open(1, "VerticalAlignment");
    for (int i = 0; i < road.NumberOfVertical(); ++i) {
        w.open(2, "element");
        w.values(3, *road.GetVertical(i), kGradePointFields);
        w.close(2, "element");
    }
    w.close(1, "VerticalAlignment");
    w.open(1, "Section");
    for (int i = 0; i < road.NumberOfSections(); ++i) {
        w.open(2, "element");
        w.values(3, *road.GetSection(i), kSectionFields);
        w.close(2, "element");
    }
    w.close(1, "Section");
    w.open(1, "Template");
    for (int i = 0; i < road.NumberOfTemplates(); ++i) {
        const RoadTemplate& t = *road.GetTemplate(i);
        w.open(2, "element");
        w.name(3, "name", t.name);
        for (const SectionItem& item : t.items) {
            w.open(3, "item");
            w.values(4, item, kBreakFields);
            w.close(3, "item");
        }
        w.close(2, "element");
    }
    w.close(1, "Template");
    w.close(0, "Road");
    if (!w.readable)
        return std::nullopt;
    return std::move(w.text);
}

// Sets the field named `tag` from `content`; a value that does not parse
// leaves the field as it was. False for a number no road holds: one that is
// not finite, or too large to be written again.
template <typename Record, std::size_t N>
bool readValue(Record& record, const Field<Record> (&fields)[N], const std::string& tag,
               const std::string& content)
{
    for (const Field<Record>& f : fields) {
        if (tag != f.tag)
            continue;
        if (f.real) {
            double v = record.*f.real;
            if (numbers::parse(content, v) != 0 && !isWritable(v))
                return false;
            record.*f.real = v;
        } else if (f.whole) {
            numbers::parse(content, record.*f.whole);
        } else {
            record.*f.text = content;
        }
        return true;
    }
    return true;
}

bool isRoadPart(const std::string& tag)
{
    for (const char* part :
         {"Version", "HorizontalAlignment", "VerticalAlignment", "Section", "Template"})
        if (tag == part)
            return true;
    return false;
}

// Collects what the file holds. The records being filled are not reset
// between elements: a value missing from an element is that of the one
// before it, as road files have always been read.
class RoadFileReader : public TagReader::Listener
{
public:
    // The records may take `memoryBudget` bytes.
    explicit RoadFileReader(std::size_t memoryBudget) : budget_(memoryBudget) {}

    int version = 0;
    std::vector<RoadEntity> elements;
    std::vector<VerticalEntity> gradePoints;
    std::vector<RoadSection> sections;
    std::vector<RoadTemplate> templates;
    // A version or a part of a road was seen under the root.
    bool hasRoadContent = false;
    // The file holds a number no road holds, or more records than a road
    // file of its size can describe; nothing after is read.
    bool refused = false;

    void tagClosed(const std::vector<std::string>& open, const std::string& content) override
    {
        if (refused)
            return;
        const std::string& tag = open.back();
        switch (open.size()) {
        case 2:
            hasRoadContent = hasRoadContent || isRoadPart(tag);
            if (tag == "Version")
                numbers::parse(content, version);
            break;
        case 3:
            if (tag == "element")
                elementClosed(open[1]);
            break;
        case 4:
            valueClosed(open[1], open[2], tag, content);
            break;
        case 5:
            if (open[1] == "Template" && open[2] == "element" && open[3] == "item")
                refuseUnless(readValue(item_, kBreakFields, tag, content));
            break;
        default:
            break;
        }
    }

private:
    void elementClosed(const std::string& part)
    {
        if (part == "HorizontalAlignment") {
            elements.push_back(element_);
            take(sizeof element_);
        } else if (part == "VerticalAlignment") {
            gradePoints.push_back(gradePoint_);
            take(sizeof gradePoint_);
        } else if (part == "Section") {
            sections.push_back(section_);
            take(sizeof section_ + section_.left.size() + section_.right.size());
        } else if (part == "Template") {
            templates.push_back(template_);
            template_.items.clear();
            take(sizeof template_ + template_.name.size());
        }
    }

    void valueClosed(const std::string& part, const std::string& record, const std::string& tag,
                     const std::string& content)
    {
        if (part == "HorizontalAlignment" && record == "element") {
            refuseUnless(readValue(element_, kElementFields, tag, content));
        } else if (part == "VerticalAlignment" && record == "element") {
            refuseUnless(readValue(gradePoint_, kGradePointFields, tag, content));
        } else if (part == "Section") {
            refuseUnless(readValue(section_, kSectionFields, tag, content));
        } else if (part == "Template") {
            if (tag == "name") {
                template_.name = content;
            } else if (tag == "item") {
                template_.items.push_back(item_);
                take(sizeof item_);
            }
        }
    }

    void refuseUnless(bool valid) { refused = refused || !valid; }

    void take(std::size_t bytes)
    {
        held_ += bytes;
        refuseUnless(held_ <= budget_);
    }

    RoadEntity element_;
    VerticalEntity gradePoint_;
    RoadSection section_;
    RoadTemplate template_;
    SectionItem item_;
    const std::size_t budget_;
    std::size_t held_ = 0;
};

std::size_t memoryBudget(std::FILE* file)
{
    struct stat st;
    const std::size_t size =
        ::fstat(::fileno(file), &st) == 0 ? static_cast<std::size_t>(st.st_size) : 0;
    return kMemoryPerFileByte * size + kMemoryAllowance;
}

// How reading a road file ended. Refused: it is no road file (no road in
// it, cut short, a number no road holds) and the road is left alone.
// Malformed: the tags do not fit together, and the road keeps only the
// templates read before.
enum class ReadResult { Unreadable, Malformed, Refused, Complete };

// Feeds the file to the tag reader until its root is closed or it ends.
ReadResult readRoadFile(std::FILE* file, RoadFileReader& content)
{
    TagReader reader(content);
    std::string chunk(kChunkSize, '\0');
    while (reader.state() == TagReader::State::Reading && !content.refused) {
        const std::size_t n = std::fread(chunk.data(), 1, chunk.size(), file);
        reader.read(std::string_view(chunk.data(), n));
        if (n < chunk.size())
            break;
    }
    // A read error is not the end of the file.
    if (std::ferror(file))
        return ReadResult::Unreadable;
    if (content.refused)
        return ReadResult::Refused;
    switch (reader.state()) {
    case TagReader::State::Malformed:
        return ReadResult::Malformed;
    case TagReader::State::RootClosed:
        return content.hasRoadContent ? ReadResult::Complete : ReadResult::Refused;
    case TagReader::State::Reading:
        break;
    }
    return ReadResult::Refused;  // the root was never closed: cut short, or no road file
}

}  // namespace

bool RoadSet::Save(const std::string& path)
{
    const std::string target = path.empty() ? filePath : path;
    const std::optional<std::string> text = roadFileText(*this);
    if (!text) {
        qCDebug(lcTrazel) << "the road holds a value that would not read back";
        return false;
    }
    if (target.empty() || !writeFileAtomically(target, *text))
        return false;
    filePath = target;
    modified = false;
    return true;
}

bool RoadSet::Load(const std::string& path)
{
    const filepath::File file = filepath::openRegularFile(path);
    if (!file) {
        qCDebug(lcTrazel) << "cannot read" << path.c_str();
        return false;
    }
    RoadFileReader content(memoryBudget(file.get()));
    const ReadResult result = readRoadFile(file.get(), content);
    if (result != ReadResult::Complete && result != ReadResult::Malformed) {
        qCDebug(lcTrazel) << (result == ReadResult::Refused ? "not a road file:" : "cannot read")
                          << path.c_str();
        return false;
    }
    ClearAll();
    fileVer = content.version;
    templates = std::move(content.templates);
    if (result == ReadResult::Malformed) {
        qCDebug(lcTrazel) << "malformed road file" << path.c_str();
        return false;
    }
    horizon = std::move(content.elements);
    vertical = std::move(content.gradePoints);
    sections = std::move(content.sections);
    filePath = path;
    modified = false;
    ToCross_v2();
    return true;
}
