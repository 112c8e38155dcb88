// The geometry on arbitrary element values, as a road file may hold them:
// points by station, stations by point, with and without the chain
// computed. Whatever the values, every call returns, and XY2L through the
// spatial index answers as trying every element does.
#include "../calc/plainsearch.h"

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
        if (!(indexedSearch(road, x, y) == plainSearch(road, x, y)))
            __builtin_trap();
        double px = 0, py = 0;
        road.L2XY(x, y, &px, &py);
    }
    return 0;
}
