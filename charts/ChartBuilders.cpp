#include "ChartBuilders.h"

#include "ChartGeometry.h"

namespace zorvanta {

namespace {

ChartSeries LineSeries(std::string title, std::uint32_t color, std::initializer_list<ChartPoint> points)
{
    ChartSeries series{SeriesKind::Line, std::move(title), color, 1, {}, {}};
    for (const ChartPoint& point : points)
        InsertPointSorted(series.Points, point);
    return series;
}

// Series 0 holds the bar at 0.5 and then the bars at firstX..lastX. Stored in ascending X,
// whole hours at or below 0 (only with a negative duration) come before the 0.5 bar.
std::vector<BarRun> NormalFlowBars(double firstX, double lastX, double height)
{
    std::vector<BarRun> runs;
    if (lastX >= firstX && firstX <= 0.0)
        runs.push_back({firstX, lastX < 0.0 ? lastX : 0.0, height});
    runs.push_back({0.5, 0.5, height});
    const double afterHalf = firstX > 1.0 ? firstX : 1.0;
    if (lastX >= afterHalf)
        runs.push_back({afterHalf, lastX, height});
    return runs;
}

}  // namespace

ChartContents InitialCumulativeChartContents() { return {"TChart", kBlue, false, {}}; }
ChartContents InitialEnteringChartContents() { return {"TChart", kBlack, false, {}}; }

ChartContents CumulativeChartContents(const QueueInputs& inputs, const QueueResults& results)
{
    const double normalFlow = inputs.NormalFlow;
    const double vehiclesMax = static_cast<double>(results.VehiclesMax);
    const double vehiclesMin = static_cast<double>(results.VehiclesMin);
    // Both curves meet when the queue has cleared.
    const double vehiclesAtEnd = vehiclesMax + normalFlow * (results.EndTime - results.PeakTime);

    ChartContents contents{"", kBlue, true, {}};
    contents.Series.push_back(LineSeries("Uscenti", kBlue,
        {{0.0, 0.0}, {1.0, normalFlow}, {results.PeakTime, vehiclesMin}, {results.EndTime, vehiclesAtEnd}}));
    contents.Series.push_back(LineSeries("Entranti", kGreen,
        {{0.0, 0.0}, {1.0, normalFlow}, {results.PeakTime, vehiclesMax}, {results.EndTime, vehiclesAtEnd}}));
    return contents;
}

ChartContents EnteringChartContents(const QueueInputs& inputs, const QueueResults& results)
{
    // Rounded times stay doubles: an end time near 9.2E18 hours has no 64-bit integer to land on
    // safely, and every whole double up there is exact anyway.
    const double peakHour = RoundHalfEven(results.PeakTime);
    const double endHour = RoundHalfEven(results.EndTime);

    ChartContents contents{"Veicoli in ingresso", kBlack, false, {}};

    ChartSeries normal{SeriesKind::Bar, "", kBlue, 1, {}, {}};
    normal.Bars = NormalFlowBars(peakHour + 1.0, endHour, inputs.NormalFlow);
    contents.Series.push_back(std::move(normal));

    ChartSeries peak{SeriesKind::Bar, "", kRed, 1, {}, {}};
    if (peakHour - 1.0 >= 1.0)
        peak.Bars.push_back({1.0, peakHour - 1.0, static_cast<double>(inputs.PeakFlow)});
    contents.Series.push_back(std::move(peak));

    contents.Series.push_back(LineSeries("", kGreen, {{0.0, static_cast<double>(inputs.Capacity)},
                                                      {results.EndTime, static_cast<double>(inputs.Capacity)}}));
    return contents;
}

}  // namespace zorvanta
