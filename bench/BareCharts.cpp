// The yardstick of the start-up comparison (bench/compare_startup.sh): a bare Qt +
// QCustomPlot process that shows the same two charts in a window, draws them and saves
// them as PNG into <folder>, with nothing of the program's own windows.
#include <QApplication>
#include <QDir>
#include <QVBoxLayout>
#include <QWidget>

#include <qcustomplot.h>

#include <cstdio>

#include "ChartBuilders.h"
#include "PaintWait.h"
#include "QueueModel.h"

namespace {

constexpr int kChartWidth = 586;   // pixels, as the main window's charts
constexpr int kChartHeight = 261;  // pixels

QColor ToColor(std::uint32_t argb) { return QColor::fromRgba(argb); }

void Fill(QCustomPlot& plot, const zorvanta::ChartContents& contents)
{
    if (!contents.Title.empty()) {
        plot.plotLayout()->insertRow(0);
        auto* title = new QCPTextElement(&plot, QString::fromStdString(contents.Title));
        title->setTextColor(ToColor(contents.TitleColor));
        plot.plotLayout()->addElement(0, 0, title);
    }
    plot.legend->setVisible(contents.LegendVisible);
    for (const zorvanta::ChartSeries& series : contents.Series) {
        if (series.Kind == zorvanta::SeriesKind::Line) {
            QCPGraph* graph = plot.addGraph();
            graph->setName(QString::fromStdString(series.Title));
            graph->setPen(QPen(ToColor(series.Color), series.LineWidth));
            for (const zorvanta::ChartPoint& point : series.Points)
                graph->addData(point.X, point.Y);
        } else {
            auto* bars = new QCPBars(plot.xAxis, plot.yAxis);
            bars->setName(QString::fromStdString(series.Title));
            bars->setBrush(ToColor(series.Color));
            for (const zorvanta::BarRun& run : series.Bars)
                for (double x = run.FirstX; x <= run.LastX; x += 1.0)
                    bars->addData(x, run.Height);
        }
    }
    plot.rescaleAxes();
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fputs("usage: bench_bare_charts <folder for the two PNG files>\n", stderr);
        return 2;
    }
    QApplication application(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    const zorvanta::QueueInputs inputs{800, 2000, 1000, 2};
    const zorvanta::QueueResults results = zorvanta::ComputeQueue(inputs);

    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* entering = new QCustomPlot;
    auto* cumulative = new QCustomPlot;
    for (QCustomPlot* plot : {entering, cumulative}) {
        plot->setFixedSize(kChartWidth, kChartHeight);
        layout->addWidget(plot);
    }
    window.show();
    Fill(*entering, zorvanta::EnteringChartContents(inputs, results));
    Fill(*cumulative, zorvanta::CumulativeChartContents(inputs, results));
    if (!zorvanta::bench::WaitForFirstPaint(window))
        return 1;
    const bool saved = cumulative->savePng(folder.filePath(QStringLiteral("Veicoli.png")), kChartWidth, kChartHeight)
                       && entering->savePng(folder.filePath(QStringLiteral("Veicoli entranti.png")), kChartWidth,
                                            kChartHeight);
    return saved ? 0 : 1;
}
