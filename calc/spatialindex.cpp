#include "spatialindex.h"

#include "geometry/constants.h"

#include <algorithm>
#include <cmath>
#include <limits>

using geometry::kHalfPi;
using geometry::kPi;
using geometry::kTwoPi;

namespace {

enum ElementType { Line = 1, Arc = 2, Spiral = 3 };

// A box is made of pieces of the curve turning by at most this much; the
// curve lies within its chord's box widened by the piece's sagitta bound.
constexpr double kPieceTurn = kPi / 4.0;
constexpr int kMaxPieces = 64;

// Stored ends this far from the element's own geometry make it loose.
constexpr double kEndTolerance = 1e-6;      // metres
constexpr double kAzimuthTolerance = 1e-9;  // radians
// Azimuths beyond this many radians are reduced by an approximate 2π, which
// turns their direction away from the one their sine and cosine give.
constexpr double kFarAzimuth = 64.0 * kTwoPi;
// Slack for rounding when a node is left out: a box this much (plus a part
// relative to the distances and coordinates) beyond the best foot is still
// searched, and end normals this near the point count as on either side.
constexpr double kSlack = 1e-6;
constexpr double kRelativeSlack = 1e-8;

// The largest curvature of an element.
double maxCurvature(const RoadEntity& e)
{
    switch (e.type) {
    case Arc:
        return e.radius != 0.0 ? 1.0 / std::fabs(e.radius) : 0.0;
    case Spiral:
        return std::max(std::fabs(e.rou1), std::fabs(e.rou2));
    default:
        return 0.0;
    }
}

// How far the element turns, start to end.
double wholeTurn(const RoadEntity& e)
{
    switch (e.type) {
    case Arc:
        return e.radius != 0.0 ? std::fabs(e.length) / std::fabs(e.radius) : 0.0;
    case Spiral:
        return 0.5 * std::fabs((e.rou1 + e.rou2) * e.length);
    default:
        return 0.0;
    }
}

// The turn from one azimuth to another, within half a circle either way.
double turnBetween(double from, double to)
{
    double d = to - from;
    if (std::fabs(d) > kTwoPi)
        d = std::remainder(d, kTwoPi);
    if (d > kPi)
        d -= kTwoPi;
    else if (d < -kPi)
        d += kTwoPi;
    return d;
}

bool better(const RoadFoot& a, const RoadFoot& b)
{
    const double offsetA = std::fabs(a.offset);
    const double offsetB = std::fabs(b.offset);
    if (offsetA != offsetB)
        return offsetA < offsetB;
    if (a.chordDistance != b.chordDistance)
        return a.chordDistance < b.chordDistance;
    return a.element < b.element;
}

}  // namespace

SpatialIndex::SpatialIndex(const std::vector<RoadEntity>& elements)
    : data_(elements.data()), size_(elements.size())
{
    std::vector<Box> boxes;
    for (std::size_t i = 1; i < elements.size(); ++i) {
        const RoadEntity& e = elements[i];
        if (e.type != Line && e.type != Arc && e.type != Spiral)
            continue;  // faces no point
        const Ends ends{static_cast<int>(i),
                        e.x1,
                        e.y1,
                        std::cos(e.angle1),
                        std::sin(e.angle1),
                        e.x2,
                        e.y2,
                        std::cos(e.angle2),
                        std::sin(e.angle2),
                        wholeTurn(e) > kPi};

        // The box of the curve, piece by piece; the end it reaches must be
        // the stored one, or the tree could not bound the element's feet.
        // An element turning many times over is no road's: tried for every
        // point rather than boxed.
        const double curvature = maxCurvature(e);
        const double wanted = std::ceil(curvature * std::fabs(e.length) / kPieceTurn);
        if (!(wanted <= kMaxPieces)) {
            loose_.push_back(ends);
            continue;
        }
        const int pieces = std::max(static_cast<int>(wanted), 1);
        const double pieceTurn = curvature * std::fabs(e.length) / pieces;
        double x = e.x1;
        double y = e.y1;
        Box box{x, y, x, y};
        double azimuth = e.angle1;
        for (int p = 1; p <= pieces; ++p) {
            double nextX = 0.0;
            double nextY = 0.0;
            e.L2XY(e.l1 + e.length * p / pieces, &nextX, &nextY, &azimuth);
            const double sagitta =
                0.5 * std::hypot(nextX - x, nextY - y) * std::tan(pieceTurn / 2.0);
            box.minX = std::min(box.minX, std::min(x, nextX) - sagitta);
            box.minY = std::min(box.minY, std::min(y, nextY) - sagitta);
            box.maxX = std::max(box.maxX, std::max(x, nextX) + sagitta);
            box.maxY = std::max(box.maxY, std::max(y, nextY) + sagitta);
            x = nextX;
            y = nextY;
        }
        // The stored end too, which the facing test uses.
        box = {std::min(box.minX, e.x2), std::min(box.minY, e.y2), std::max(box.maxX, e.x2),
               std::max(box.maxY, e.y2)};
        const bool bounded = std::fabs(e.angle1) <= kFarAzimuth &&
                             std::fabs(e.angle2) <= kFarAzimuth &&
                             std::hypot(x - e.x2, y - e.y2) <= kEndTolerance &&
                             std::fabs(turnBetween(e.angle2, azimuth)) <= kAzimuthTolerance &&
                             std::isfinite(box.minX + box.minY + box.maxX + box.maxY);
        if (!bounded) {
            loose_.push_back(ends);
            continue;
        }
        ends_.push_back(ends);
        boxes.push_back(box);
    }
    if (ends_.empty())
        return;

    // The end tangents' directions, unwrapped along the road so that a run
    // of elements has one range of them; taken from the unit tangents the
    // facing test uses, which a far-off stored azimuth would not reproduce.
    std::vector<Tangents> tangents(ends_.size());
    double previous = std::atan2(ends_.front().sin1, ends_.front().cos1);
    for (std::size_t k = 0; k < ends_.size(); ++k) {
        const Ends& e = ends_[k];
        const double start = previous + turnBetween(previous, std::atan2(e.sin1, e.cos1));
        const double end = start + turnBetween(start, std::atan2(e.sin2, e.cos2));
        tangents[k] = {std::min(start, end), std::max(start, end), e.wide};
        previous = end;
    }
    nodes_.reserve(2 * ends_.size() - 1);
    build(0, static_cast<int>(ends_.size()), boxes, tangents);
}

SpatialIndex::Tangents SpatialIndex::build(int first, int last, const std::vector<Box>& boxes,
                                           const std::vector<Tangents>& tangents)
{
    const std::size_t index = nodes_.size();
    nodes_.emplace_back();
    Node node{};
    node.ends = -1;
    Tangents range = tangents[first];
    if (last - first == 1) {
        node.box = boxes[first];
        node.ends = first;
    } else {
        const int middle = first + (last - first) / 2;
        node.left = static_cast<int>(nodes_.size());
        const Tangents left = build(first, middle, boxes, tangents);
        node.right = static_cast<int>(nodes_.size());
        const Tangents right = build(middle, last, boxes, tangents);
        range = {std::min(left.lowest, right.lowest), std::max(left.highest, right.highest),
                 left.wide || right.wide};
        const Box& a = nodes_[node.left].box;
        const Box& b = nodes_[node.right].box;
        node.box = {std::min(a.minX, b.minX), std::min(a.minY, b.minY), std::max(a.maxX, b.maxX),
                    std::max(a.maxY, b.maxY)};
    }
    node.halfDiagonal =
        0.5 * std::hypot(node.box.maxX - node.box.minX, node.box.maxY - node.box.minY);
    const double halfWidth = 0.5 * (range.highest - range.lowest);
    node.sided = !range.wide && halfWidth < kHalfPi;
    if (node.sided) {
        const double middle = 0.5 * (range.highest + range.lowest);
        node.coneX = std::cos(middle);
        node.coneY = std::sin(middle);
        node.coneCos = std::cos(halfWidth);
        node.coneSin = std::sin(halfWidth);
    }
    nodes_[index] = node;
    return range;
}

bool SpatialIndex::describes(const std::vector<RoadEntity>& elements) const
{
    return elements.data() == data_ && elements.size() == size_;
}

// Whether (x, y) lies ahead of every end normal in the node, or behind every
// one: then no element there has it ahead of its start and behind its end.
// With w from the box's centre to the point, every end P and tangent t of
// the node give (q − P)·t = w·t + (centre − P)·t, the last term within the
// half diagonal r; w·t over the tangents' cone lies between |w|·cos(a ± h),
// a being the angle from the cone's middle to w and h its half width.
bool SpatialIndex::allOnOneSide(const Node& node, double x, double y) const
{
    const double cx = 0.5 * (node.box.minX + node.box.maxX);
    const double cy = 0.5 * (node.box.minY + node.box.maxY);
    const double r = node.halfDiagonal;
    const double wx = x - cx;
    const double wy = y - cy;
    // Not hypot, which costs as much as the rest of the test: the sum of
    // squares overflows only where the slack grows infinite with it, and
    // then nothing is left out.
    const double w = std::sqrt(wx * wx + wy * wy);
    const double along = wx * node.coneX + wy * node.coneY;              // |w|·cos a
    const double across = std::fabs(wx * node.coneY - wy * node.coneX);  // |w|·sin a
    const double least =
        along >= -w * node.coneCos ? along * node.coneCos - across * node.coneSin : -w;
    const double most =
        along <= w * node.coneCos ? along * node.coneCos + across * node.coneSin : w;
    const double slack = kSlack + kRelativeSlack * (w + std::fabs(x) + std::fabs(y));
    return least - r > slack || most + r < -slack;
}

void SpatialIndex::consider(const std::vector<RoadEntity>& elements, const Ends& e, double x,
                            double y, RoadFoot& best) const
{
    if (!e.wide && !((x - e.x1) * e.cos1 + (y - e.y1) * e.sin1 > 0.0 &&
                     (x - e.x2) * e.cos2 + (y - e.y2) * e.sin2 < 0.0))
        return;
    const RoadEntity& element = elements[e.element];
    RoadFoot foot;
    foot.element = e.element;
    element.XY2L(x, y, &foot.x, &foot.y, &foot.station, &foot.azimuth, &foot.offset);
    if (!std::isfinite(foot.offset))
        return;
    if (e.wide) {
        const double end = element.l1 + element.length;
        if (!(std::min(element.l1, end) <= foot.station &&
              foot.station <= std::max(element.l1, end)))
            return;
    }
    const double mx = 0.5 * (element.x1 + element.x2) - x;
    const double my = 0.5 * (element.y1 + element.y2) - y;
    // A stored end that is not a number puts the chord middle nowhere: the
    // farthest, or the order the elements were tried in would decide.
    const double chordDistance = mx * mx + my * my;
    foot.chordDistance =
        std::isnan(chordDistance) ? std::numeric_limits<double>::infinity() : chordDistance;
    if (best.element == 0 || better(foot, best))
        best = foot;
}

RoadFoot SpatialIndex::nearestFoot(const std::vector<RoadEntity>& elements, double x,
                                   double y) const
{
    RoadFoot best;
    for (const Ends& e : loose_)
        consider(elements, e, x, y, best);
    if (nodes_.empty())
        return best;

    const auto squaredDistance = [x, y](const Box& b) {
        const double dx = std::max({b.minX - x, 0.0, x - b.maxX});
        const double dy = std::max({b.minY - y, 0.0, y - b.maxY});
        return dx * dx + dy * dy;
    };
    const double scale = std::fabs(x) + std::fabs(y);  // of the rounding in distances
    // Depth first, nearer child first; a balanced tree of int-many leaves
    // needs fewer than 64 entries.
    int stack[64];
    int depth = 0;
    stack[depth++] = 0;
    while (depth > 0) {
        const Node& node = nodes_[stack[--depth]];
        if (best.element != 0) {
            const double reach =
                std::fabs(best.offset) + kSlack + kRelativeSlack * (std::fabs(best.offset) + scale);
            if (squaredDistance(node.box) > reach * reach)
                continue;
        }
        if (node.sided && allOnOneSide(node, x, y))
            continue;
        if (node.ends >= 0) {
            consider(elements, ends_[node.ends], x, y, best);
            continue;
        }
        const bool leftFirst =
            squaredDistance(nodes_[node.left].box) <= squaredDistance(nodes_[node.right].box);
        stack[depth++] = leftFirst ? node.right : node.left;
        stack[depth++] = leftFirst ? node.left : node.right;
    }
    return best;
}

RoadSet::IndexCache::IndexCache() : built_(nullptr) {}

RoadSet::IndexCache::IndexCache(const IndexCache&) : built_(nullptr) {}

RoadSet::IndexCache& RoadSet::IndexCache::operator=(const IndexCache&)
{
    drop();
    return *this;
}

RoadSet::IndexCache::~IndexCache() = default;

void RoadSet::IndexCache::drop()
{
    built_.store(nullptr, std::memory_order_relaxed);
    owned_.reset();
    retired_.clear();
}

const SpatialIndex& RoadSet::IndexCache::of(const std::vector<RoadEntity>& elements) const
{
    const SpatialIndex* index = built_.load(std::memory_order_acquire);
    if (index && index->describes(elements))
        return *index;
    const std::lock_guard<std::mutex> lock(mutex_);
    index = built_.load(std::memory_order_relaxed);
    if (index && index->describes(elements))
        return *index;
    // The list changed under an index not dropped: other threads may still
    // hold the old one.
    if (owned_)
        retired_.push_back(std::move(owned_));
    owned_ = std::make_unique<SpatialIndex>(elements);
    built_.store(owned_.get(), std::memory_order_release);
    return *owned_;
}
