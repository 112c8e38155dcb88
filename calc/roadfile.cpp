// The road file: a tagged text with every element, grade point, section and
// template, derived values included, so that a loaded road is used as saved.
#include "roadset.h"

#include "atomicfile.h"
#include "filepath.h"
#include "numbers.h"
#include "tagreader.h"
#include "trazellog.h"

#include <cstdio>

namespace {

constexpr int kDecimals = 12;
constexpr std::size_t kChunkSize = 64 * 1024;

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

    // Names are written as C strings, up to the first NUL if any.
    void name(int depth, const char* tag, const std::string& name)
    {
        value(depth, tag, name.c_str());
    }

    template <typename Record, std::size_t N>
    void values(int depth, const Record& record, const Field<Record> (&fields)[N])
    {
        for (const Field<Record>& f : fields) {
            if (f.real)
                value(depth, f.tag, numbers::fixed(record.*f.real, kDecimals));
            else if (f.whole)
                value(depth, f.tag, numbers::integer(record.*f.whole));
            else
                name(depth, f.tag, record.*f.text);
        }
    }

private:
    std::string& line(int depth) { return text.append(static_cast<std::size_t>(depth), '\t'); }
};

std::string roadFileText(const RoadSet& road)
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
    return std::move(w.text);
}

// Sets the field named `tag` from `content`; a value that does not parse
// leaves the field as it was.
template <typename Record, std::size_t N>
void readValue(Record& record, const Field<Record> (&fields)[N], const std::string& tag,
               const std::string& content)
{
    for (const Field<Record>& f : fields) {
        if (tag != f.tag)
            continue;
        if (f.real)
            numbers::parse(content, record.*f.real);
        else if (f.whole)
            numbers::parse(content, record.*f.whole);
        else
            record.*f.text = content;
        return;
    }
}

// Collects what the file holds. The records being filled are not reset
// between elements: a value missing from an element is that of the one
// before it, as road files have always been read.
class RoadFileReader : public TagReader::Listener
{
public:
    int version = 0;
    std::vector<RoadEntity> elements;
    std::vector<VerticalEntity> gradePoints;
    std::vector<RoadSection> sections;
    std::vector<RoadTemplate> templates;

    void tagClosed(const std::vector<std::string>& open, const std::string& content) override
    {
        const std::string& tag = open.back();
        switch (open.size()) {
        case 2:
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
                readValue(item_, kBreakFields, tag, content);
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
        } else if (part == "VerticalAlignment") {
            gradePoints.push_back(gradePoint_);
        } else if (part == "Section") {
            sections.push_back(section_);
        } else if (part == "Template") {
            templates.push_back(template_);
            template_.items.clear();
        }
    }

    void valueClosed(const std::string& part, const std::string& record, const std::string& tag,
                     const std::string& content)
    {
        if (part == "HorizontalAlignment" && record == "element") {
            readValue(element_, kElementFields, tag, content);
        } else if (part == "VerticalAlignment" && record == "element") {
            readValue(gradePoint_, kGradePointFields, tag, content);
        } else if (part == "Section") {
            readValue(section_, kSectionFields, tag, content);
        } else if (part == "Template") {
            if (tag == "name")
                template_.name = content;
            else if (tag == "item")
                template_.items.push_back(item_);
        }
    }

    RoadEntity element_;
    VerticalEntity gradePoint_;
    RoadSection section_;
    RoadTemplate template_;
    SectionItem item_;
};

enum class ReadResult { Unreadable, Malformed, Complete };

// Feeds the file to the tag reader until its root is closed or it ends.
ReadResult readRoadFile(const std::string& path, TagReader::Listener& listener)
{
    const filepath::File file = filepath::openRegularFile(path);
    if (!file)
        return ReadResult::Unreadable;
    TagReader reader(listener);
    std::string chunk(kChunkSize, '\0');
    while (reader.state() == TagReader::State::Reading) {
        const std::size_t n = std::fread(chunk.data(), 1, chunk.size(), file.get());
        reader.read(std::string_view(chunk.data(), n));
        if (n < chunk.size())
            break;
    }
    // A read error is not the end of the file.
    if (std::ferror(file.get()))
        return ReadResult::Unreadable;
    return reader.state() == TagReader::State::Malformed ? ReadResult::Malformed
                                                         : ReadResult::Complete;
}

}  // namespace

bool RoadSet::Save(const std::string& path)
{
    const std::string target = path.empty() ? filePath : path;
    if (target.empty() || !writeFileAtomically(target, roadFileText(*this)))
        return false;
    filePath = target;
    modified = false;
    return true;
}

bool RoadSet::Load(const std::string& path)
{
    RoadFileReader content;
    const ReadResult result = readRoadFile(path, content);
    if (result == ReadResult::Unreadable) {
        qCDebug(lcTrazel) << "cannot read" << path.c_str();
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
