// RoadSet::Load on arbitrary bytes. Whatever loads must also evaluate, and
// save to a file that loads back to the same bytes.
#include "roadset.h"
#include "scratchfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ScratchFile input(".rod");
    static const ScratchFile first(".rod");
    static const ScratchFile second(".rod");

    input.write(data, size);
    RoadSet road;
    if (!road.Load(input.path()))
        return 0;

    double height = 0.0;
    double slope = 0.0;
    for (int i = 0; i < road.NumberOfVertical(); ++i)
        road.CalElevation(road.GetVertical(i)->mile + 0.5, &height, &slope);
    for (int i = 0; i < road.NumberOfSections(); ++i) {
        road.CalDetaH(road.GetSection(i), -5.0);
        road.CalDetaH(road.GetSection(i), 5.0);
    }

    if (!road.Save(first.path()))
        __builtin_trap();
    RoadSet reloaded;
    if (!reloaded.Load(first.path()) || !reloaded.Save(second.path()))
        __builtin_trap();
    if (first.read() != second.read())
        __builtin_trap();
    return 0;
}
