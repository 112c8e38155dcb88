// The views on the offscreen platform: one zoom step, and the step with the
// repaint it causes, at several depths, for the plan of a 100 km road of
// 2,000 elements, of a compact curvy road of 20 km (400 elements) and of
// 100 km of the same (2,000 elements), and for the profile of the 100 km
// road with 500 grade points; and the plan of the 100 km road with a million
// surveyed points on it.
#include "globals.h"
#include "roads.h"
#include "views/mygraphicsview.h"
#include "views/verticalview.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStandardPaths>

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 800;
const int kDepths[] = {0, 10, 30, 60};

// A view of `road` fitted and zoomed `steps` wheel steps in about its middle.
template <typename View>
std::unique_ptr<View> zoomedView(const RoadSet& road, int steps)
{
    theRoad = road;
    auto view = std::make_unique<View>();
    view->resize(kWidth, kHeight);
    view->show();
    view->refresh();
    for (int i = 0; i < steps; ++i)
        view->zoomAt(SurveyView::kZoomStep, SurveyView::kZoomStep, kWidth / 2, kHeight / 2);
    return view;
}

// Steps in and out in turn about a point near the middle, repainting each
// step when asked.
template <typename View>
void zoomSteps(benchmark::State& state, const RoadSet& road, bool paint,
               const std::function<void(View&)>& prepare = {})
{
    const std::unique_ptr<View> view = zoomedView<View>(road, static_cast<int>(state.range(0)));
    if (prepare)
        prepare(*view);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    bool in = true;
    for (auto _ : state) {
        const double factor = in ? SurveyView::kZoomStep : 1.0 / SurveyView::kZoomStep;
        view->zoomAt(factor, factor, kWidth / 2 + 37, kHeight / 2 - 21);
        if (paint) {
            QPainter painter(&image);
            view->render(&painter);
        }
        in = !in;
    }
    state.counters["metres_per_pixel"] = 1.0 / view->itemTransform().m21();
}

template <typename View>
void registerRoad(const char* name, const RoadSet& road)
{
    for (const bool paint : {false, true}) {
        const std::string title = std::string(name) + (paint ? "/ZoomStepAndPaint" : "/ZoomStep");
        auto* bench = benchmark::RegisterBenchmark(
            title.c_str(), [road, paint](benchmark::State& s) { zoomSteps<View>(s, road, paint); });
        for (const int depth : kDepths)
            bench->Arg(depth);
        bench->Unit(benchmark::kMillisecond);
    }
}

// A million points checked along the road, one in a hundred beyond the
// tolerance either way.
void registerSurveyedPoints(const char* name, const RoadSet& road, double length)
{
    std::vector<SurveyedPoints::Point> points;
    for (const StakePoint& p : pointsAlong(road, length, 1000000, 12.0)) {
        const int kind = static_cast<int>(p.station * 10) % 100;
        points.push_back({p.x, p.y,
                          kind == 0   ? SurveyedPoints::Cut
                          : kind == 1 ? SurveyedPoints::Fill
                                      : SurveyedPoints::Within});
    }
    const std::string title = std::string(name) + "/ZoomStepAndPaint";
    auto* bench = benchmark::RegisterBenchmark(title.c_str(), [road, points](benchmark::State& s) {
        zoomSteps<MyGraphicsView>(
            s, road, true, [&points](MyGraphicsView& view) { view.setSurveyedPoints(points); });
    });
    for (const int depth : kDepths)
        bench->Arg(depth);
    bench->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);  // the profile's exaggeration stays the default
    QApplication app(argc, argv);
    RoadSet mixed = mixedRoad(500, 100000.0);
    addProfileAndSections(mixed, 100000.0, 500, 50);
    registerRoad<MyGraphicsView>("Plan/Mixed100km", mixed);
    registerRoad<MyGraphicsView>("Plan/Compact20km", compactRoad(400));
    registerRoad<MyGraphicsView>("Plan/Compact100km", compactRoad(2000));
    registerRoad<VerticalView>("Profile/Mixed100km", mixed);
    registerSurveyedPoints("Plan/Mixed100kmMillionSurveyedPoints", mixed, 100000.0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
