#include "surveyedpoints.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Pixels around the centre: 5×5 dots for a few points, 3×3 for many, which
// would otherwise run together.
constexpr int kFewDotRadius = 2;
constexpr int kManyDotRadius = 1;
constexpr std::size_t kManyPoints = 100000;

const QRgb kColours[] = {
    qRgb(140, 140, 140),  // unchecked: beyond the ends, no design height
    qRgb(255, 255, 255),  // within the tolerance
    qRgb(255, 200, 0),    // fill beyond it
    qRgb(255, 70, 70),    // cut beyond it
};

// The dots of one repaint, in an image made with the first of them; each
// pixel keeps the worst kind that reached it, and the worst kind of the
// dots centred on it, so that a dot drawn again costs one look.
class Dots
{
public:
    Dots(const QSize& size, int radius)
        : width_(size.width()), height_(size.height()), radius_(radius)
    {}

    bool holds(double px, double py) const
    {
        // Written so that a point that is no number is left out.
        return px >= 0.0 && px < width_ && py >= 0.0 && py < height_;
    }

    void put(int cx, int cy, SurveyedPoints::Kind kind)
    {
        if (image_.isNull()) {
            image_ = QImage(width_, height_, QImage::Format_ARGB32_Premultiplied);
            image_.fill(Qt::transparent);
            bits_ = image_.bits();
            stride_ = image_.bytesPerLine();
            kinds_.assign(static_cast<std::size_t>(width_) * height_, -1);
            centres_ = kinds_;
        }
        signed char& centre = centres_[static_cast<std::size_t>(cy) * width_ + cx];
        if (centre >= kind)
            return;
        centre = static_cast<signed char>(kind);
        for (int y = std::max(cy - radius_, 0); y <= std::min(cy + radius_, height_ - 1); ++y) {
            auto* line = reinterpret_cast<QRgb*>(bits_ + y * stride_);
            signed char* kinds = kinds_.data() + static_cast<std::size_t>(y) * width_;
            for (int x = std::max(cx - radius_, 0); x <= std::min(cx + radius_, width_ - 1); ++x) {
                if (kinds[x] < kind) {
                    kinds[x] = static_cast<signed char>(kind);
                    line[x] = kColours[kind];
                }
            }
        }
    }

    const QImage& image() const { return image_; }

private:
    int width_;
    int height_;
    int radius_;
    QImage image_;
    uchar* bits_ = nullptr;
    qsizetype stride_ = 0;
    std::vector<signed char> kinds_;
    std::vector<signed char> centres_;
};

}  // namespace

void SurveyedPoints::set(std::vector<Point> points)
{
    points_ = std::move(points);
    blocks_.clear();
    for (std::size_t first = 0; first < points_.size(); first += kBlockPoints) {
        const std::size_t last = std::min(first + kBlockPoints, points_.size());
        const Point& p = points_[first];
        Block b{first, last, p.x, p.y, p.x, p.y, p.kind};
        for (std::size_t i = first; i < last; ++i) {
            b.minX = std::min(b.minX, points_[i].x);
            b.minY = std::min(b.minY, points_[i].y);
            b.maxX = std::max(b.maxX, points_[i].x);
            b.maxY = std::max(b.maxY, points_[i].y);
            b.worst = std::max(b.worst, points_[i].kind);
        }
        blocks_.push_back(b);
    }
}

void SurveyedPoints::draw(QPainter* painter, const QTransform& transform, const QRectF& area) const
{
    const QRect pixels = area.toAlignedRect();
    if (points_.empty() || pixels.isEmpty() || !transform.isAffine())
        return;
    // The views' transforms are affine: the mapping written out, once per
    // point, into the pixels of the area.
    const QTransform toArea = transform * QTransform::fromTranslate(-pixels.left(), -pixels.top());
    const double m11 = toArea.m11(), m12 = toArea.m12(), m21 = toArea.m21(), m22 = toArea.m22();
    const double dx = toArea.dx(), dy = toArea.dy();
    const int radius = points_.size() > kManyPoints ? kManyDotRadius : kFewDotRadius;
    const QRectF seen = QRectF(QPointF(0, 0), pixels.size())
                            .adjusted(-radius - 1, -radius - 1, radius + 1, radius + 1);
    Dots dots(pixels.size(), radius);
    for (const Block& b : blocks_) {
        const QRectF box = toArea.mapRect(QRectF(QPointF(b.minX, b.minY), QPointF(b.maxX, b.maxY)));
        if (box.right() < seen.left() || box.left() > seen.right() || box.bottom() < seen.top() ||
            box.top() > seen.bottom())
            continue;
        // Zoomed out, a whole run may fall on one pixel: its worst dot.
        if (dots.holds(box.left(), box.top()) && dots.holds(box.right(), box.bottom()) &&
            std::floor(box.left()) == std::floor(box.right()) &&
            std::floor(box.top()) == std::floor(box.bottom())) {
            dots.put(static_cast<int>(box.left()), static_cast<int>(box.top()), b.worst);
            continue;
        }
        for (std::size_t i = b.first; i < b.last; ++i) {
            const Point& p = points_[i];
            const double px = m11 * p.x + m21 * p.y + dx;
            const double py = m12 * p.x + m22 * p.y + dy;
            if (!dots.holds(px, py))
                continue;
            dots.put(static_cast<int>(px), static_cast<int>(py), p.kind);
        }
    }
    if (!dots.image().isNull())
        painter->drawImage(pixels.topLeft(), dots.image());
}
