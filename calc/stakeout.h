// The stake-out run: the points a field crew sets out along a road — at
// each stake of a walk, one point per offset — and the files that carry
// them to a data collector or total station.
//
// A public header of the library beside roadset.h; it includes no Qt.
#ifndef TRAZEL_STAKEOUT_H
#define TRAZEL_STAKEOUT_H

#include "roadset.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// What to stake. The walk starts at `start` and runs towards `end`, which
// also bounds it; an `end` equal to `start` runs back to the road start.
struct TRAZEL_EXPORT StakeOutRun
{
    static constexpr double kMinimumInterval = 1.0;

    double start = 0.0;
    double end = 0.0;
    double interval = 20.0;
    bool integral = false;             // regular stakes counted from a whole ten metres
    bool keyPoints = false;            // every element boundary is a stake too
    std::vector<double> offsets{0.0};  // metres across, negative to the left
};

// One point to set out. Offsets of less than a millimetre count as the
// centre line: no side in the name, no template in the height.
struct TRAZEL_EXPORT StakePoint
{
    double station = 0.0;
    double offset = 0.0;
    double x = 0.0;       // northing
    double y = 0.0;       // easting
    double height = 0.0;  // profile height plus the template's difference; 0 off the profile
    int stakeType = RoadIter::Norm;
};

// The name field crews give the point: the station in K notation and, off
// the centre line, the side and the distance — "K1+234.500",
// "K1+234.500L7.500", "K1+234.500R7.500". No comma, no blank.
TRAZEL_EXPORT std::string stakePointName(const StakePoint& p);

enum class StakeOutStatus {
    Done,
    IntervalTooSmall,  // below StakeOutRun::kMinimumInterval, or not a number
    NotANumber,        // an offset, the road's extent or a stake that is no number
    WalkBroken,        // the walk could not go on (a chain running back), or met more
                       // stakes than the road can hold
};

// Hands the points of the run to `visit` in order: stake by stake, and at
// each stake from left to right (each offset once). A road without an
// alignment has none. After a failure, `visit` has seen the points before it.
TRAZEL_EXPORT StakeOutStatus stakeOut(const RoadSet& road, const StakeOutRun& run,
                                      const std::function<void(const StakePoint&)>& visit);

// The most stakes one walk over the road at this interval can meet: the
// regular ones, the element boundaries, the two ends and a few to spare.
// Every loop over stakes stops there, whatever the walk reports.
TRAZEL_EXPORT long stakeLimit(const RoadSet& road, double interval);

// Reads offsets as field crews list them, "-7.5, 0, 7.5": numbers in the C
// notation separated by commas, blanks around them; a blank text is the
// centre line alone. False for any other entry — "abc", an empty one in
// "7.5,,0", a value that is not finite — with that entry, trimmed, in
// `unreadable`; `offsets` is written only on success.
TRAZEL_EXPORT bool parseOffsets(std::string_view text, std::vector<double>& offsets,
                                std::string& unreadable);

// The field formats, each one line per point, numbers with three decimals
// in the C conventions whatever the locale; coordinates and heights are
// lifted by 0.00001 before rounding, as stake files have always been.
enum class StakeFormat {
    StationCsv,  // "station,X,Y,height"
    PnezdCsv,    // "number,northing,easting,elevation,name", numbered from the first number
    CassDat,     // "name,,Y,X,height", the CASS coordinate file
};

// A coordinate or a height as every stake file writes it: three decimals,
// lifted as above. Lists printed for the field use it, so that paper and
// file agree to the millimetre.
TRAZEL_EXPORT std::string surveyedText(double value);

// The text of a stake-out file, point by point.
class TRAZEL_EXPORT StakeText
{
public:
    static constexpr long long kLargestFirstNumber = 999999999;

    explicit StakeText(StakeFormat format, long long firstNumber = 1);

    // Makes room for this many points at once: memory not yet used costs
    // nothing, growing a text of megabytes step by step does.
    void reserve(long long points);
    void add(const StakePoint& p);

    const std::string& text() const { return text_; }
    long long points() const { return points_; }

private:
    StakeFormat format_;
    long long firstNumber_;
    long long points_ = 0;
    std::string text_;
};

// Runs the stake-out into `text`, which gets room for the whole run first.
TRAZEL_EXPORT StakeOutStatus stakeOut(const RoadSet& road, const StakeOutRun& run, StakeText& text);

// Writes a stake-out file through a new file that replaces the target only
// once it is completely written: false, with an earlier file at `path`
// untouched, when it cannot. A target that exists but is no regular file
// (a device, a pipe) is refused, not replaced.
TRAZEL_EXPORT bool writeStakeFile(const std::string& path, std::string_view text);

#endif  // TRAZEL_STAKEOUT_H
