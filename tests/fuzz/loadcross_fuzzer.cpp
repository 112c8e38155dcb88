// RoadSet::LoadCross on arbitrary bytes. Whatever loads must save to a file
// that loads back to the same bytes.
#include "roadset.h"
#include "scratchfile.h"

namespace {

std::u16string wide(const std::string& path)
{
    return std::u16string(path.begin(), path.end());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ScratchFile input(".cross");
    static const ScratchFile first(".cross");
    static const ScratchFile second(".cross");

    input.write(data, size);
    RoadSet road;
    if (!road.LoadCross(wide(input.path())))
        return 0;

    if (!road.SaveCross(wide(first.path())))
        __builtin_trap();
    RoadSet reloaded;
    if (!reloaded.LoadCross(wide(first.path())) || !reloaded.SaveCross(wide(second.path())))
        __builtin_trap();
    if (first.read() != second.read() || reloaded.NumberOfCross() != road.NumberOfCross())
        __builtin_trap();
    return 0;
}
