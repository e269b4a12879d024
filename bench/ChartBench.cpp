// Rebuilding and drawing both charts as Process does: contents from the results, SetContents,
// then a full drawing of each chart at the main window's default chart size.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QSize>

#include <algorithm>
#include <string>

#include "ChartBuilders.h"
#include "ChartView.h"
#include "OffscreenBenchMain.h"
#include "QueueModel.h"

namespace zorvanta {
namespace {

// Both charts of the main window as it first opens [pixels].
constexpr QSize kChartSize{586, 261};

struct InputCase {
    const char* Name;
    QueueInputs Inputs;
};

constexpr InputCase kCases[] = {
    {"Defaults", {800, 2000, 1000, 2}},
    // 2147483647 red bars and about 10737418235 blue ones.
    {"LongestPeak", {800, 2000, 1000, 2147483647}},
    // Capacity just above the normal flow after the longest peak: an end time near 4.6E18 hours.
    {"SlowestClearing", {800, 2147483647, 801, 2147483647}},
    // The largest queue over a spare capacity of 1: an end time near 9.2E18 hours.
    {"LargestEndTime", {-2147483647 - 1, 2147483647, -2147483647, 2147483647}},
    // Capacity equal to the normal flow: an infinite end time.
    {"InfiniteEndTime", {800, 2000, 800, 2}},
};

void RebuildAndDrawBothCharts(benchmark::State& state, QueueInputs inputs)
{
    ChartView cumulative;
    ChartView entering;
    cumulative.resize(kChartSize);
    entering.resize(kChartSize);
    for (auto _ : state) {
        const QueueResults results = ComputeQueue(inputs);
        cumulative.SetContents(CumulativeChartContents(inputs, results));
        entering.SetContents(EnteringChartContents(inputs, results));
        QImage lower = cumulative.RenderImage();
        QImage upper = entering.RenderImage();
        benchmark::DoNotOptimize(lower.constBits());
        benchmark::DoNotOptimize(upper.constBits());
    }
}

void SendMouse(ChartView& view, QEvent::Type type, QPoint at, Qt::MouseButtons held)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, view.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&view, &event);
}

// Zooms with left-button drags, as the user would, until about `hours` hours are shown around `hour`.
void ZoomAround(ChartView& view, double hour, double hours)
{
    for (int step = 0; step < 40 && view.XRange().Upper - view.XRange().Lower > 1.5 * hours; ++step) {
        const QRect area = view.PlotArea();
        const ChartView::AxisRange range = view.XRange();
        const double pixelsPerHour = area.width() / (range.Upper - range.Lower);
        const int center = static_cast<int>(area.left() + (hour - range.Lower) * pixelsPerHour);
        const int half = std::max(9, static_cast<int>(hours * pixelsPerHour / 2));
        const QPoint from(center - half, area.top() + 1);
        const QPoint to(center + half, area.bottom() - 1);
        SendMouse(view, QEvent::MouseButtonPress, from, Qt::LeftButton);
        SendMouse(view, QEvent::MouseMove, to, Qt::LeftButton);
        SendMouse(view, QEvent::MouseButtonRelease, to, Qt::NoButton);
    }
}

// The entering chart zoomed in until single hours stand just apart: the bars are then drawn
// one by one, about one for every pixel column of the plot.
void DrawZoomedBars(benchmark::State& state, QueueInputs inputs, double hour)
{
    ChartView entering;
    entering.resize(kChartSize);
    entering.SetContents(EnteringChartContents(inputs, ComputeQueue(inputs)));
    ZoomAround(entering, hour, entering.PlotArea().width() / 1.2);
    state.counters["HoursShown"] = entering.XRange().Upper - entering.XRange().Lower;
    for (auto _ : state) {
        QImage image = entering.RenderImage();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void RegisterBenchmarks()
{
    for (const InputCase& c : kCases)
        benchmark::RegisterBenchmark((std::string("RebuildAndDrawBothCharts/") + c.Name).c_str(),
                                     RebuildAndDrawBothCharts, c.Inputs)
            ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("DrawZoomedBars/LongestPeak", DrawZoomedBars, kCases[1].Inputs, 1.0e9)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("DrawZoomedBars/LargestEndTime", DrawZoomedBars, kCases[3].Inputs, 4.0e18)
        ->Unit(benchmark::kMillisecond);
}

}  // namespace
}  // namespace zorvanta

int main(int argc, char** argv)
{
    return zorvanta::bench::RunOffscreenBenchmarks(argc, argv, zorvanta::RegisterBenchmarks);
}
