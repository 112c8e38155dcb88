// The plan view on a 100 km road of 2,000 elements: one zoom step (and the
// repaint it causes) at several depths, on the offscreen platform.
#include "globals.h"
#include "roads.h"
#include "views/mygraphicsview.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 800;

// A view fitted to the road and zoomed `steps` wheel steps in about its
// middle.
struct ZoomedView
{
    explicit ZoomedView(int steps)
    {
        view.resize(kWidth, kHeight);
        view.show();
        view.refresh();
        for (int i = 0; i < steps; ++i)
            view.zoomAt(SurveyView::kZoomStep, SurveyView::kZoomStep, kWidth / 2, kHeight / 2);
    }
    MyGraphicsView view;
};

void BM_PlanZoomStep(benchmark::State& state)
{
    ZoomedView zoomed(static_cast<int>(state.range(0)));
    bool in = true;
    for (auto _ : state) {
        const double factor = in ? SurveyView::kZoomStep : 1.0 / SurveyView::kZoomStep;
        zoomed.view.zoomAt(factor, factor, kWidth / 2 + 37, kHeight / 2 - 21);
        in = !in;
    }
    state.counters["metres_per_pixel"] = 1.0 / zoomed.view.itemTransform().m21();
}
BENCHMARK(BM_PlanZoomStep)->Arg(0)->Arg(10)->Arg(30)->Arg(60)->Unit(benchmark::kMillisecond);

void BM_PlanZoomStepAndPaint(benchmark::State& state)
{
    ZoomedView zoomed(static_cast<int>(state.range(0)));
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    bool in = true;
    for (auto _ : state) {
        const double factor = in ? SurveyView::kZoomStep : 1.0 / SurveyView::kZoomStep;
        zoomed.view.zoomAt(factor, factor, kWidth / 2 + 37, kHeight / 2 - 21);
        QPainter painter(&image);
        zoomed.view.render(&painter);
        in = !in;
    }
}
BENCHMARK(BM_PlanZoomStepAndPaint)->Arg(0)->Arg(10)->Arg(30)->Arg(60)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    theRoad = mixedRoad(500, 100000.0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
