// The charts under the mouse: moving the rubber band over 900,000 points, a pan step
// of the phase chart and of the attenuation chart with 900,000 points (which the
// program itself does not let pan), a zoom and an undo with 900,000 points, and the
// repaint of a chart zoomed to 1 % of its points.
#include "bench/CalculatedWindow.h"

#include <benchmark/benchmark.h>

#include <QPainter>

namespace {

void RubberBandMove(benchmark::State& state)
{
    TCalculatedWindow window(kLargeTo, kLargeStep);
    TChart& chart = window.Chart();
    QImage screen(chart.size(), QImage::Format_RGB32);
    chart.MouseDown(Qt::LeftButton, 100, 100);
    int step = 0;
    for (auto _ : state) {
        // Erase the band, draw it at the new corner, and show the picture as it is.
        step = (step + 1) % 100;
        chart.MouseMove(Qt::LeftButton, 150 + step, 150 + step / 2);
        QPainter painter(&screen);
        chart.Paint(painter);
    }
    chart.MouseUp(Qt::LeftButton, 100, 100);
    state.counters["points"] = window.Points();
}

// A right drag moving by one pixel each step, with the full repaint it causes.
void PanStep(benchmark::State& state, const char* to, const char* step, int page)
{
    TCalculatedWindow window(to, step, page);
    TChart& chart = page == 1 ? window.Chart() : *window.Form().Chart2;
    chart.SetAllowPanning(pmBoth);
    chart.MouseDown(Qt::RightButton, 200, 200);
    int x = 200;
    for (auto _ : state) {
        x = x == 200 ? 201 : 200;
        chart.MouseMove(Qt::RightButton, x, 200);
        benchmark::DoNotOptimize(chart.DrawPicture());
    }
    chart.MouseUp(Qt::RightButton, x, 200);
    state.counters["points"] = page == 1 ? window.Points() : window.Form().Series2.PointCount();
}

// A zoom to (100, 100)–(200, 180), or the undo of it, with the full repaint it causes.
void ZoomOrUndo(benchmark::State& state, bool zoom)
{
    TCalculatedWindow window(kLargeTo, kLargeStep);
    TChart& chart = window.Chart();
    const auto drag = [&](QPoint from, QPoint to) {
        chart.MouseDown(Qt::LeftButton, from.x(), from.y());
        chart.MouseUp(Qt::LeftButton, to.x(), to.y());
    };
    const QPoint topLeft(100, 100), bottomRight(200, 180);
    for (auto _ : state) {
        state.PauseTiming();
        zoom ? drag(bottomRight, topLeft) : drag(topLeft, bottomRight);
        chart.DrawPicture();
        state.ResumeTiming();
        zoom ? drag(topLeft, bottomRight) : drag(bottomRight, topLeft);
        benchmark::DoNotOptimize(chart.DrawPicture());
    }
    state.counters["points"] = window.Points();
}

void ZoomedRepaint(benchmark::State& state)
{
    TCalculatedWindow window(kLargeTo, kLargeStep);
    TChart& chart = window.Chart();
    // The middle 1 % of the points.
    const int points = window.Points();
    chart.BottomAxis().SetManualRange(points * 0.495, points * 0.505);
    for (auto _ : state) {
        chart.Invalidate();
        benchmark::DoNotOptimize(chart.DrawPicture());
    }
    state.counters["points"] = points;
}

} // namespace

BENCHMARK(RubberBandMove)->Name("Chart1_rubber_band_move_900k")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PanStep, Chart2_pan_step, kLargeTo, kLargeStep, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PanStep, Chart1_pan_step_900k, kLargeTo, kLargeStep, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ZoomOrUndo, Chart1_zoom_900k, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ZoomOrUndo, Chart1_undo_zoom_900k, false)->Unit(benchmark::kMillisecond);
BENCHMARK(ZoomedRepaint)->Name("Chart1_zoom_1pct_full_repaint_900k")->Unit(benchmark::kMillisecond);
