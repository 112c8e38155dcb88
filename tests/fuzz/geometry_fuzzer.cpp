// The geometry on arbitrary element values, as a road file may hold them:
// points by station, stations by point, with and without the chain
// computed. Whatever the values, every call returns; on values a road can
// have, XY2L through the spatial index answers as trying every element does.
// (On others, such as an arc 1e-321 m long or a point 1e144 m away, which
// of two feet equal to the last bit wins is rounding's choice.)
#include "../calc/plainsearch.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

class Bytes
{
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return size_ == 0; }

    std::uint8_t byte()
    {
        if (size_ == 0)
            return 0;
        --size_;
        return *data_++;
    }

    double real()
    {
        double value = 0.0;
        const std::size_t n = size_ < sizeof value ? size_ : sizeof value;
        std::memcpy(&value, data_, n);
        data_ += n;
        size_ -= n;
        return value;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

bool within(double value, double limit)
{
    return std::fabs(value) <= limit;
}

// Metres and radians as a road of this world has them.
bool roadLike(const RoadEntity& e)
{
    constexpr double kFar = 1e8;
    constexpr double kTurns = 64 * 2 * 3.141592653589793;
    constexpr double kCurvature = 10;  // a radius of a decimetre
    return within(e.x1, kFar) && within(e.y1, kFar) && within(e.x2, kFar) && within(e.y2, kFar) &&
           within(e.l1, kFar) && within(e.angle1, kTurns) && within(e.angle2, kTurns) &&
           (e.type == 0 || (e.length >= 1e-3 && e.length <= 1e6)) && within(e.rou1, kCurvature) &&
           within(e.rou2, kCurvature) &&
           (e.type != 2 || (std::fabs(e.radius) >= 1 / kCurvature && within(e.radius, kFar)));
}

bool roadLike(const RoadSet& road, double x, double y)
{
    for (int i = 0; i < road.NumberOfHorizon(); ++i)
        if (!roadLike(*road.GetHorizon(i)))
            return false;
    return within(x, 1e8) && within(y, 1e8);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Bytes in(data, size);
    RoadSet road;
    road.InsertHorizonPoint(in.real(), in.real(), in.real());
    const int elements = in.byte() % 8;
    for (int i = 0; i < elements; ++i) {
        RoadEntity e;
        e.type = in.byte() % 5;
        e.pz = in.byte() % 2;
        e.x1 = in.real();
        e.y1 = in.real();
        e.angle1 = in.real();
        e.rou1 = in.real();
        e.rou2 = in.real();
        e.radius = in.real();
        e.length = in.real();
        e.x2 = in.real();
        e.y2 = in.real();
        e.angle2 = in.real();
        e.mode = in.byte() % 4;
        road.InsertHorizon(e);
    }
    if (in.byte() % 2)
        road.ApplyHorizon();

    for (int point = 0; point < 16 && !in.empty(); ++point) {
        const double x = in.real();
        const double y = in.real();
        const Foot indexed = indexedSearch(road, x, y);
        if (roadLike(road, x, y) && !(indexed == plainSearch(road, x, y)))
            __builtin_trap();
        double px = 0, py = 0;
        road.L2XY(x, y, &px, &py);
    }
    return 0;
}
