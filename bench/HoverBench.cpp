// One hover move over a full-HD chart: the pointer moves, the read-out is laid out and painted
// over the kept picture of the chart, and the window is repainted, for both charts, at the
// defaults and at the worst inputs. The chart drawn anew from its series is measured beside it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QSize>

#include <string>
#include <utility>

#include "ChartBuilders.h"
#include "ChartReadouts.h"
#include "ChartView.h"
#include "OffscreenBenchMain.h"
#include "QueueModel.h"

namespace zorvanta {
namespace {

constexpr QSize kFullHd{1920, 1080};

struct InputCase {
    const char* Name;
    QueueInputs Inputs;
};

constexpr InputCase kCases[] = {
    {"Defaults", {800, 2000, 1000, 2}},
    {"LongestPeak", {800, 2000, 1000, 2147483647}},
    {"LargestEndTime", {-2147483647 - 1, 2147483647, -2147483647, 2147483647}},
    {"InfiniteEndTime", {800, 2000, 800, 2}},
};

enum class Chart { Cumulative, Entering };

void ShowChart(ChartView& view, Chart chart, const QueueInputs& inputs)
{
    const QueueResults results = ComputeQueue(inputs);
    view.resize(kFullHd);
    if (chart == Chart::Cumulative) {
        view.SetContents(CumulativeChartContents(inputs, results));
        view.SetReadoutSource(CumulativeReadoutSource(inputs, results));
    } else {
        view.SetContents(EnteringChartContents(inputs, results));
        view.SetReadoutSource(EnteringReadoutSource(inputs, results));
    }
    view.show();
    QCoreApplication::processEvents();
}

void HoverMove(benchmark::State& state, Chart chart, QueueInputs inputs)
{
    ChartView view;
    ShowChart(view, chart, inputs);
    const QRect plot = view.PlotArea();
    int step = 0;
    for (auto _ : state) {
        // Sweeps the plot a few pixels at a time, as a hand moving the mouse does.
        const QPoint at(plot.left() + 1 + (step * 7) % (plot.width() - 2),
                        plot.top() + 1 + (step * 3) % (plot.height() - 2));
        ++step;
        QMouseEvent move(QEvent::MouseMove, at, view.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&view, &move);
        QCoreApplication::processEvents();  // the repaint of what the move damaged
    }
    state.counters["LinesShown"] = view.ReadoutLines().size();
    state.counters["Width"] = view.width();
    state.counters["Height"] = view.height();
}

void RedrawFromSeries(benchmark::State& state, Chart chart, QueueInputs inputs)
{
    ChartView view;
    ShowChart(view, chart, inputs);
    for (auto _ : state) {
        QImage image = view.RenderImage();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void RegisterBenchmarks()
{
    for (const InputCase& c : kCases) {
        for (const auto& [chart, name] :
             {std::pair{Chart::Cumulative, "Cumulative"}, std::pair{Chart::Entering, "Entering"}}) {
            benchmark::RegisterBenchmark((std::string("HoverMove/") + name + "/" + c.Name).c_str(), HoverMove, chart,
                                         c.Inputs)
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark((std::string("RedrawFromSeries/") + name + "/" + c.Name).c_str(),
                                         RedrawFromSeries, chart, c.Inputs)
                ->Unit(benchmark::kMillisecond);
        }
    }
}

}  // namespace
}  // namespace zorvanta

int main(int argc, char** argv)
{
    return zorvanta::bench::RunOffscreenBenchmarks(argc, argv, zorvanta::RegisterBenchmarks);
}
