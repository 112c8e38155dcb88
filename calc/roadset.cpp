// RoadSet: its lists, counts, access, clearing, flags and the version statics.
#include "roadset.h"

#include "trazellog.h"

const int RoadSet::currVer = 2;
int RoadSet::fileVer = 0;
RoadSet::Version RoadSet::Ver = RoadSet::VerCurrent;

namespace {

template <typename List>
auto* at(List& list, int i)
{
    return i >= 0 && static_cast<std::size_t>(i) < list.size() ? &list[i] : nullptr;
}

}  // namespace

RoadSet::RoadSet() : modified(false), useCross(true) {}

RoadSet::RoadSet(const RoadSet&) = default;

RoadSet& RoadSet::operator=(const RoadSet&) = default;

RoadSet::~RoadSet() = default;

void RoadSet::Dump() const
{
    qCDebug(lcTrazel) << "Dumping horizon : ";
    for (const RoadEntity& e : horizon)
        e.Dump();
    qCDebug(lcTrazel) << "horizon Dumping done.";
    qCDebug(lcTrazel) << "Dumping cross : ";
    for (const CrossEntity& c : cross)
        c.Dump();
    qCDebug(lcTrazel) << "cross Dumping done.";
}

int RoadSet::NumberOfHorizon() const
{
    return static_cast<int>(horizon.size());
}

int RoadSet::NumberOfCross() const
{
    return static_cast<int>(cross.size());
}

int RoadSet::NumberOfVertical() const
{
    return static_cast<int>(vertical.size());
}

int RoadSet::NumberOfTemplates() const
{
    return static_cast<int>(templates.size());
}

int RoadSet::NumberOfSections() const
{
    return static_cast<int>(sections.size());
}

RoadEntity* RoadSet::GetHorizon(int i)
{
    horizonIndex.drop();
    return at(horizon, i);
}

const RoadEntity* RoadSet::GetHorizon(int i) const
{
    return at(horizon, i);
}

CrossEntity* RoadSet::GetCross(int i)
{
    return at(cross, i);
}

const CrossEntity* RoadSet::GetCross(int i) const
{
    return at(cross, i);
}

VerticalEntity* RoadSet::GetVertical(int i)
{
    return at(vertical, i);
}

const VerticalEntity* RoadSet::GetVertical(int i) const
{
    return at(vertical, i);
}

RoadTemplate* RoadSet::GetTemplate(int i)
{
    return at(templates, i);
}

const RoadTemplate* RoadSet::GetTemplate(int i) const
{
    return at(templates, i);
}

RoadSection* RoadSet::GetSection(int i)
{
    return at(sections, i);
}

const RoadSection* RoadSet::GetSection(int i) const
{
    return at(sections, i);
}

void RoadSet::InsertHorizon(const RoadEntity& e)
{
    horizonIndex.drop();
    horizon.push_back(e);
}

void RoadSet::InsertCross(const CrossEntity& c)
{
    cross.push_back(c);
}

void RoadSet::InsertVertical(const VerticalEntity& v)
{
    vertical.push_back(v);
}

void RoadSet::AddTemplate(const RoadTemplate& t)
{
    templates.push_back(t);
}

bool RoadSet::isHorizonEmpty() const
{
    return horizon.empty() && cross.empty();
}

bool RoadSet::isVerticalEmpty() const
{
    return vertical.empty();
}

bool RoadSet::CanUseCross() const
{
    return useCross;
}

bool RoadSet::IsModified() const
{
    return modified;
}

void RoadSet::SetModified(bool m)
{
    modified = m;
}

const char* RoadSet::FilePath() const
{
    return filePath.c_str();
}

void RoadSet::SetFilePath(const std::string& path)
{
    filePath = path;
}

void RoadSet::ClearFilePath()
{
    filePath.clear();
}

void RoadSet::ClearHorizon()
{
    horizonIndex.drop();
    horizon.clear();
}

void RoadSet::ClearCross()
{
    cross.clear();
}

void RoadSet::ClearVertical()
{
    vertical.clear();
}

void RoadSet::ClearSection()
{
    sections.clear();
}

void RoadSet::ClearTemplate()
{
    templates.clear();
}

void RoadSet::ClearAll()
{
    ClearHorizon();
    ClearCross();
    ClearVertical();
    ClearSection();
    ClearTemplate();
    fileVer = 0;
    Ver = VerCurrent;
    filePath.clear();
}

void RoadSet::NewRoad()
{
    ClearHorizon();
    ClearCross();
    ClearVertical();
    ClearSection();
    ClearTemplate();
    filePath.clear();
    modified = false;
    useCross = true;
}
