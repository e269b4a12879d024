// Saving a chart as an image file: the chart alone at its default size, the encoders on
// their own, and the whole Save command of the main window (its dialog answered at once).
#include <benchmark/benchmark.h>

#include <optional>
#include <string>

#include <QImage>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

#include "ChartBuilders.h"
#include "ChartView.h"
#include "ImageExport.h"
#include "MenuGE.h"
#include "OffscreenBenchMain.h"
#include "QueueModel.h"

namespace zorvanta {
namespace {

// The size of the entering chart in the main window as it first opens [pixels].
constexpr QSize kDefaultChartSize{586, 261};
constexpr QueueInputs kDefaults{800, 2000, 1000, 2};

using ContentsBuilder = ChartContents (*)(const QueueInputs&, const QueueResults&);

struct ChartCase {
    const char* Name;
    ContentsBuilder Build;
};

constexpr ChartCase kCharts[] = {
    {"Cumulative", CumulativeChartContents},
    {"Entering", EnteringChartContents},
};

constexpr const char* kExtensions[] = {"png", "jpg", "bmp", "gif", "tif"};

// A chart at the default size showing the results of a Process with the default inputs.
class DefaultChart {
public:
    explicit DefaultChart(ContentsBuilder build)
    {
        view_.resize(kDefaultChartSize);
        view_.SetContents(build(kDefaults, ComputeQueue(kDefaults)));
    }
    ChartView& View() { return view_; }

private:
    ChartView view_;
};

// Rendering and writing together: what the Save command costs once the name is known.
void SaveChart(benchmark::State& state, ContentsBuilder build, const char* extension)
{
    DefaultChart chart(build);
    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("Veicoli.") + extension);
    for (auto _ : state)
        chart.View().SaveToBitmapFile(fileName);
}

void RenderChart(benchmark::State& state, ContentsBuilder build)
{
    DefaultChart chart(build);
    for (auto _ : state)
        benchmark::DoNotOptimize(chart.View().RenderImage());
}

// The encoder and the atomic file replacement alone, on an already rendered chart.
void WriteRenderedChart(benchmark::State& state, ContentsBuilder build, const char* extension)
{
    DefaultChart chart(build);
    const QImage image = chart.View().RenderImage();
    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("Veicoli.") + extension);
    for (auto _ : state)
        WriteImageFile(image, fileName);
}

// The main window's Save command after a Process with the default inputs.
void SaveCommand(benchmark::State& state, int chart)
{
    TMenuGEN window('.');
    window.show();
    bool failed = false;
    window.SetErrorReporter([&failed](const QString&) { failed = true; });
    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("Veicoli.png"));
    window.SetSaveFileChooser([&fileName](const QString&) { return std::optional<QString>(fileName); });
    window.Analisi_IMGClick();
    for (auto _ : state) {
        if (chart == 1)
            window.Salva_grafico_1_IMGClick();
        else
            window.Salva_grafico_2_IMGClick();
    }
    if (failed)
        state.SkipWithError("the Save command reported an error");
    const QImage saved(fileName);
    state.counters["width"] = saved.width();
    state.counters["height"] = saved.height();
}

void RegisterExportBenchmarks()
{
    for (const ChartCase& chart : kCharts) {
        const std::string name = chart.Name;
        benchmark::RegisterBenchmark(("SavePng/" + name).c_str(), SaveChart, chart.Build, "png")
            ->Unit(benchmark::kMillisecond);
        // The vector drawings for reports, the chart drawn anew as shapes and text.
        for (const char* extension : {"svg", "pdf"})
            benchmark::RegisterBenchmark(("Save/" + name + "/" + extension).c_str(), SaveChart, chart.Build,
                                         extension)
                ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Render/" + name).c_str(), RenderChart, chart.Build)
            ->Unit(benchmark::kMillisecond);
        for (const char* extension : kExtensions)
            benchmark::RegisterBenchmark(("Write/" + name + "/" + extension).c_str(),
                                         WriteRenderedChart, chart.Build, extension)
                ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("SaveCommand/Chart1", SaveCommand, 1)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("SaveCommand/Chart2", SaveCommand, 2)->Unit(benchmark::kMillisecond);
}

}  // namespace
}  // namespace zorvanta

int main(int argc, char** argv)
{
    return zorvanta::bench::RunOffscreenBenchmarks(argc, argv, zorvanta::RegisterExportBenchmarks);
}
