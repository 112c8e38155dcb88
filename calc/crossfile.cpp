// The intersection-point file: one line "x,y,radius,spiralIn,arc,spiralOut"
// per point. Tangent lengths and deflections are not stored; they are
// computed again from the curve data when the file is read.
#include "roadset.h"

#include "atomicfile.h"
#include "filepath.h"
#include "numbers.h"
#include "trazellog.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr int kSignificantDigits = 12;
constexpr std::size_t kMaxLine = 1023;

std::string crossFileText(const RoadSet& road)
{
    std::string text;
    for (int i = 0; i < road.NumberOfCross(); ++i) {
        const CrossEntity& c = *road.GetCross(i);
        for (const double v :
             {c.x, c.y, std::fabs(c.radius), c.spiralLenIn, c.arcLen, c.spiralLenOut}) {
            text += numbers::general(v, kSignificantDigits);
            text += ',';
        }
        text.back() = '\n';
    }
    return text;
}

enum class LineRead { Line, Failed, Error };

// One line without its line end. Failed, as for a bounded getline: nothing
// left to read, or more than kMaxLine characters before the line end.
LineRead readLine(std::FILE* file, std::string& line)
{
    line.clear();
    int c = 0;
    while ((c = std::getc(file)) != EOF) {
        if (c == '\n')
            return LineRead::Line;
        if (line.size() == kMaxLine)
            return LineRead::Failed;
        line.push_back(static_cast<char>(c));
    }
    if (std::ferror(file))
        return LineRead::Error;
    return line.empty() ? LineRead::Failed : LineRead::Line;
}

// Six numbers, each but the first after one separator of any kind but a
// blank; blanks before each item are skipped, anything after the sixth
// number is ignored. A NUL ends the line, as it ends a C string.
bool parseLine(std::string_view line, CrossEntity& c)
{
    line = line.substr(0, line.find('\0'));
    double* const fields[] = {&c.x, &c.y, &c.radius, &c.spiralLenIn, &c.arcLen, &c.spiralLenOut};
    std::size_t pos = 0;
    for (double* field : fields) {
        if (field != fields[0]) {
            pos += numbers::skipBlanks(line.substr(pos));
            if (pos == line.size())
                return false;
            ++pos;  // the separator
        }
        const std::size_t used = numbers::parse(line.substr(pos), *field);
        if (used == 0)
            return false;
        pos += used;
    }
    return true;
}

}  // namespace

bool RoadSet::SaveCross(const std::u16string& path)
{
    const std::optional<std::string> native = filepath::fromUtf16(path);
    return native && writeFileAtomically(*native, crossFileText(*this));
}

bool RoadSet::LoadCross(const std::u16string& path)
{
    const std::optional<std::string> native = filepath::fromUtf16(path);
    if (!native)
        return false;
    const filepath::File file = filepath::openRegularFile(*native);
    if (!file)
        return false;
    cross.clear();
    CrossEntity point;
    std::string line;
    while (!std::feof(file.get())) {
        const LineRead read = readLine(file.get(), line);
        if (read == LineRead::Failed) {
            qCDebug(lcTrazel) << "GetLine Failed";
            break;
        }
        if (read == LineRead::Error || !parseLine(line, point)) {
            qCDebug(lcTrazel) << "Failed";
            cross.clear();
            return false;
        }
        CalTangent_v2(&point);
        cross.push_back(point);
    }
    return true;
}
