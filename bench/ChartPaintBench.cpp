// Painting the attenuation chart: a full repaint and a repaint with nothing changed,
// after the default sweep (250 points) and after a sweep of about 900,000 rows, and
// one full repaint per step of a resize.
#include "bench/CalculatedWindow.h"

#include <benchmark/benchmark.h>

#include <QPainter>

namespace {

void FullRepaint(benchmark::State& state, const char* to, const char* step)
{
    TCalculatedWindow window(to, step);
    TChart& chart = window.Chart();
    for (auto _ : state) {
        chart.Invalidate();
        benchmark::DoNotOptimize(chart.DrawPicture());
    }
    state.counters["points"] = window.Points();
}

void BufferCopy(benchmark::State& state, const char* to, const char* step)
{
    TCalculatedWindow window(to, step);
    TChart& chart = window.Chart();
    chart.DrawPicture();
    QImage screen(chart.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&screen);
        chart.Paint(painter);
    }
    state.counters["points"] = window.Points();
}

void Resize(benchmark::State& state, const char* to, const char* step)
{
    TCalculatedWindow window(to, step);
    TChart& chart = window.Chart();
    int grow = 0;
    for (auto _ : state) {
        // As a window edge dragged by a few pixels: each step a new size, one full repaint.
        grow = (grow + 7) % 120;
        chart.resize(397 + grow, 419 + grow / 2);
        benchmark::DoNotOptimize(chart.DrawPicture());
    }
    state.counters["points"] = window.Points();
}

} // namespace

BENCHMARK_CAPTURE(FullRepaint, Chart1_full_repaint_250, "1,0250", "0,0001")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BufferCopy, Chart1_buffer_copy_250, "1,0250", "0,0001")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FullRepaint, Chart1_full_repaint_900k, kLargeTo, kLargeStep)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BufferCopy, Chart1_buffer_copy_900k, kLargeTo, kLargeStep)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Resize, Chart1_resize_900k, kLargeTo, kLargeStep)->Unit(benchmark::kMillisecond);
