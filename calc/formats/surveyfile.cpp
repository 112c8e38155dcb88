// Surveyed points from PNEZD CSV and CASS DAT text, the format told from
// the lines themselves.
#include "surveyfile.h"

#include "filepath.h"
#include "numbers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::size_t kMostFields = 5;

// The fields of one line, trimmed; `count` goes on past the fields kept.
struct Fields
{
    std::array<std::string_view, kMostFields> field;
    std::size_t count = 0;
};

Fields fieldsOf(std::string_view line)
{
    Fields f;
    for (;;) {
        const std::size_t comma = line.find(',');
        if (f.count < kMostFields)
            f.field[f.count] = numbers::trimmed(line.substr(0, comma));
        ++f.count;
        if (comma == std::string_view::npos)
            return f;
        line.remove_prefix(comma + 1);
    }
}

bool readNumber(std::string_view field, double& value)
{
    return !field.empty() && numbers::parse(field, value) == field.size() && std::isfinite(value);
}

bool isNumber(std::string_view field)
{
    double value = 0.0;
    return readNumber(field, value);
}

// Where each format keeps what a point needs, by field index.
struct Layout
{
    std::size_t name, x, y, height;
    const char* xTitle;
    const char* yTitle;
    const char* heightTitle;
};

constexpr Layout kPnezd{0, 1, 2, 3, "northing", "easting", "elevation"};
constexpr Layout kCass{0, 3, 2, 4, "X", "Y", "height"};

const Layout& layoutOf(SurveyFormat format)
{
    return format == SurveyFormat::CassDat ? kCass : kPnezd;
}

bool fitsFieldCount(SurveyFormat format, std::size_t count)
{
    return count == 5 || (count == 4 && format == SurveyFormat::PnezdCsv);
}

const char* shapeOf(SurveyFormat format)
{
    return format == SurveyFormat::CassDat
               ? "CASS DAT has 5 fields (name,code,Y,X,height)"
               : "PNEZD CSV has 4 or 5 fields (number,northing,easting,elevation,description)";
}

// Walks the lines that are not blank, counting every line.
class Lines
{
public:
    explicit Lines(std::string_view text) : rest_(text)
    {
        if (rest_.substr(0, kUtf8Mark.size()) == kUtf8Mark)
            rest_.remove_prefix(kUtf8Mark.size());
    }

    bool next(std::string_view& line)
    {
        while (!rest_.empty()) {
            const std::size_t end = rest_.find('\n');
            line = numbers::trimmed(rest_.substr(0, end));
            rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
            ++number_;
            if (!line.empty())
                return true;
        }
        return false;
    }

    long number() const { return number_; }

private:
    std::string_view rest_;
    long number_ = 0;
};

// The format the first telling line shows, or Detect with the problem set
// when none tells.
SurveyFormat detect(std::string_view text, SurveyReading& reading)
{
    Lines lines(text);
    bool any = false;
    for (std::string_view line; lines.next(line);) {
        any = true;
        const Fields f = fieldsOf(line);
        if (f.count == 4)
            return SurveyFormat::PnezdCsv;
        if (f.count == 5) {
            const bool pnezd = isNumber(f.field[1]) && isNumber(f.field[2]) && isNumber(f.field[3]);
            const bool cass = isNumber(f.field[2]) && isNumber(f.field[3]) && isNumber(f.field[4]);
            if (pnezd != cass)
                return pnezd ? SurveyFormat::PnezdCsv : SurveyFormat::CassDat;
            if (pnezd)
                continue;  // five numbers: either
        }
        reading.line = lines.number();
        reading.problem =
            "neither a PNEZD CSV point (number,northing,easting,elevation,description) nor a "
            "CASS DAT point (name,code,Y,X,height)";
        return SurveyFormat::Detect;
    }
    reading.problem = any ? "every line is five numbers, which PNEZD CSV and CASS DAT both "
                            "allow: name the format"
                          : "no points";
    return SurveyFormat::Detect;
}

bool refuse(SurveyReading& reading, long line, std::string problem)
{
    reading.points.clear();
    reading.line = line;
    reading.problem = std::move(problem);
    return false;
}

bool readPoints(std::string_view text, SurveyReading& reading)
{
    const Layout& layout = layoutOf(reading.format);
    Lines lines(text);
    for (std::string_view line; lines.next(line);) {
        const Fields f = fieldsOf(line);
        if (!fitsFieldCount(reading.format, f.count))
            return refuse(reading, lines.number(),
                          std::to_string(f.count) + " fields, where " + shapeOf(reading.format));
        SurveyedPoint p;
        const struct
        {
            std::size_t field;
            const char* title;
            double& value;
        } numbersWanted[] = {{layout.x, layout.xTitle, p.x},
                             {layout.y, layout.yTitle, p.y},
                             {layout.height, layout.heightTitle, p.height}};
        for (const auto& wanted : numbersWanted) {
            if (!readNumber(f.field[wanted.field], wanted.value))
                return refuse(reading, lines.number(),
                              std::string("the ") + wanted.title + " \"" +
                                  std::string(f.field[wanted.field]) + "\" is not a number");
        }
        p.name = f.field[layout.name];
        reading.points.push_back(std::move(p));
    }
    if (reading.points.empty())
        return refuse(reading, 0, "no points");
    return true;
}

}  // namespace

SurveyReading readSurvey(std::string_view text, SurveyFormat format)
{
    SurveyReading reading;
    reading.format = format == SurveyFormat::Detect ? detect(text, reading) : format;
    if (reading.format == SurveyFormat::Detect)
        return reading;
    // Room for the points at once, growing a vector of a million costs more
    // than reading them: a point takes a line and at least three commas.
    const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    const auto commas = static_cast<std::size_t>(std::count(text.begin(), text.end(), ','));
    reading.points.reserve(std::min(lines + 1, commas / 3));
    readPoints(text, reading);
    return reading;
}

SurveyReading readSurveyFile(const std::string& path, SurveyFormat format)
{
    const filepath::File file = filepath::openRegularFile(path);
    std::string text;
    if (file) {
        if (std::fseek(file.get(), 0, SEEK_END) == 0) {
            const long size = std::ftell(file.get());
            if (size > 0)
                text.reserve(static_cast<std::size_t>(size));
            std::rewind(file.get());
        }
        char buffer[1 << 16];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
            text.append(buffer, n);
    }
    if (!file || std::ferror(file.get())) {
        SurveyReading reading;
        reading.problem = "cannot be read: no such file, no regular file or no permission";
        return reading;
    }
    return readSurvey(text, format);
}
