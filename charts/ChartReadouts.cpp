#include "ChartReadouts.h"

#include <cmath>
#include <limits>

#include "ChartBuilders.h"
#include "ChartGeometry.h"
#include "ReadingText.h"

namespace zorvanta {

namespace {

struct NearestBar {
    double X = 0.0;
    double Height = 0.0;
    double Distance = std::numeric_limits<double>::infinity();
    int BarSeries = -1;  ///< 0: the normal flow (left of X), 1: the peak flow (right of X)
};

// The bar of a run nearest `time`: runs hold bars at whole steps from FirstX.
void TakeNearer(NearestBar& nearest, const BarRun& run, int barSeries, double time)
{
    double steps = RoundHalfEven(time - run.FirstX);
    const double last = run.LastX - run.FirstX;
    steps = steps < 0.0 ? 0.0 : (steps > last ? last : steps);
    const double x = run.FirstX + steps;
    const double distance = std::fabs(x - time);
    // At equal distance the bar on the pointer's side wins: the normal flow's bar lies left of its X.
    const bool onItsSide = barSeries == 0 ? time <= x : time >= x;
    if (distance < nearest.Distance || (distance == nearest.Distance && onItsSide))
        nearest = {x, run.Height, distance, barSeries};
}

std::string Hours(double hours, char separator) { return ShortNumberText(hours, 4, separator); }

}  // namespace

std::optional<HoverReadout> CumulativeReadout(const QueueInputs& inputs, const QueueResults& results, double time,
                                              char decimalSeparator)
{
    const DiagramReading reading = ReadDiagramAt(inputs, results, time);
    if (std::isnan(reading.Entered) || std::isnan(reading.Left))
        return std::nullopt;
    HoverReadout readout{time, {{time, reading.Left, kBlue}, {time, reading.Entered, kGreen}}, {}};
    const std::string clock = ClockText(time);
    readout.Lines.push_back("Time " + Hours(time, decimalSeparator) + " h" + (clock.empty() ? "" : " (" + clock + ")"));
    readout.Lines.push_back("Entered " + VehiclesText(reading.Entered, decimalSeparator) + " vehicles");
    readout.Lines.push_back("Left " + VehiclesText(reading.Left, decimalSeparator) + " vehicles");
    readout.Lines.push_back("Queue " + VehiclesText(reading.Queue, decimalSeparator) + " vehicles");
    if (!std::isnan(reading.Delay))
        readout.Lines.push_back("Wait " + WaitText(reading.Delay, decimalSeparator));
    return readout;
}

std::optional<HoverReadout> EnteringReadout(const ChartContents& entering, double time, char decimalSeparator)
{
    if (std::isnan(time))
        return std::nullopt;
    NearestBar nearest;
    std::optional<ChartPoint> capacityStart;
    std::optional<ChartPoint> capacityEnd;
    int barSeries = 0;
    for (const ChartSeries& series : entering.Series) {
        if (series.Kind == SeriesKind::Bar) {
            for (const BarRun& run : series.Bars)
                TakeNearer(nearest, run, barSeries, time);
            ++barSeries;
        } else if (!capacityStart && !series.Points.empty()) {
            capacityStart = DrawnLinePoint(series.Points.front());
            capacityEnd = DrawnLinePoint(series.Points.back());
        }
    }
    if (nearest.BarSeries < 0 && !capacityStart)
        return std::nullopt;

    HoverReadout readout{time, {}, {}};
    if (nearest.Distance <= 0.5) {
        readout.Lines.push_back("Hour " + Hours(nearest.X, decimalSeparator));
        readout.Lines.push_back((nearest.BarSeries == 0 ? "Normal flow " : "Peak flow ")
                                + VehiclesText(nearest.Height, decimalSeparator) + " v/h");
        readout.Markers.push_back({nearest.X, nearest.Height, nearest.BarSeries == 0 ? kBlue : kRed});
    } else {
        readout.Lines.push_back("Time " + Hours(time, decimalSeparator) + " h, no bar");
    }
    if (capacityStart) {
        readout.Lines.push_back("Capacity " + VehiclesText(capacityStart->Y, decimalSeparator) + " v/h");
        const double first = capacityStart->X;
        const double last = capacityEnd ? capacityEnd->X : first;
        if (time >= std::fmin(first, last) && time <= std::fmax(first, last))
            readout.Markers.push_back({time, capacityStart->Y, kGreen});
    }
    return readout;
}

ReadoutSource CumulativeReadoutSource(const QueueInputs& inputs, const QueueResults& results)
{
    return [inputs, results](double time, char separator) {
        return CumulativeReadout(inputs, results, time, separator);
    };
}

ReadoutSource EnteringReadoutSource(const QueueInputs& inputs, const QueueResults& results)
{
    return [contents = EnteringChartContents(inputs, results)](double time, char separator) {
        return EnteringReadout(contents, time, separator);
    };
}

}  // namespace zorvanta
