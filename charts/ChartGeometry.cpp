#include "ChartGeometry.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace zorvanta {

double RoundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0.0;
    const double floor = std::floor(value);
    const double fraction = value - floor;  // exact: both are multiples of value's ulp
    double rounded = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0))
        rounded = floor + 1.0;
    return rounded + 0.0;  // turns -0 into +0
}

void InsertPointSorted(std::vector<ChartPoint>& points, ChartPoint point)
{
    auto position = points.begin();
    for (auto it = points.end(); it != points.begin();) {
        --it;
        if (it->X <= point.X) {
            position = it + 1;
            break;
        }
    }
    points.insert(position, point);
}

double BarCount(const BarRun& run)
{
    return run.LastX - run.FirstX + 1.0;
}

double PointCount(const ChartSeries& series)
{
    if (series.Kind == SeriesKind::Line)
        return static_cast<double>(series.Points.size());
    double count = 0.0;
    for (const BarRun& run : series.Bars)
        count += BarCount(run);
    return count;
}

double MaxBarCount(const ChartContents& contents)
{
    double largest = 0.0;
    for (const ChartSeries& series : contents.Series)
        if (series.Kind == SeriesKind::Bar)
            largest = std::max(largest, PointCount(series));
    return largest;
}

std::vector<ChartPoint> ExpandPoints(const ChartSeries& series, std::size_t maxPoints)
{
    if (series.Kind == SeriesKind::Line)
        return series.Points;
    if (!(PointCount(series) <= static_cast<double>(maxPoints)))
        throw std::length_error("Too many bars to list one by one");
    std::vector<ChartPoint> points;
    for (const BarRun& run : series.Bars) {
        const auto count = static_cast<std::size_t>(BarCount(run));  // bounded by maxPoints above
        for (std::size_t i = 0; i < count; ++i)
            points.push_back({run.FirstX + static_cast<double>(i), run.Height});
    }
    return points;
}

std::optional<ChartPoint> DrawnLinePoint(ChartPoint point)
{
    // Far enough to lie beyond any plot, near enough for the axis arithmetic to stay finite.
    constexpr double kFarBeyond = 1e240;
    if (std::isfinite(point.X) && std::isfinite(point.Y))
        return point;
    if (std::isinf(point.X) && std::isfinite(point.Y))
        return ChartPoint{point.X > 0 ? kFarBeyond : -kFarBeyond, point.Y};
    return std::nullopt;
}

int BarWidthPixels(int plotLength, double maxBarCount)
{
    if (plotLength <= 0 || !(maxBarCount >= 0.0))
        return 0;
    const double width = RoundHalfEven(plotLength / (maxBarCount + 1.0) / 2.0);  // <= plotLength / 2
    const int pixels = static_cast<int>(width);
    return pixels % 2 != 0 ? pixels + 1 : pixels;
}

int DrawnBarWidthPixels(int plotLength, double maxBarCount)
{
    return std::max(1, BarWidthPixels(plotLength, maxBarCount));
}

namespace {

// Far beyond any queue, and small enough that spans and margins stay finite.
constexpr double kLargestCoordinate = 1e200;

struct Extent {
    double Lower = INFINITY;
    double Upper = -INFINITY;
    void Add(double value)
    {
        value = std::clamp(value, -kLargestCoordinate, kLargestCoordinate);
        Lower = std::min(Lower, value);
        Upper = std::max(Upper, value);
    }
    bool Empty() const { return Lower > Upper; }
};

// An axis cannot show a single value; widen it a little around that value.
AxisSpan ToSpan(const Extent& extent)
{
    if (extent.Empty())
        return {0.0, 1.0};
    if (extent.Lower < extent.Upper)
        return {extent.Lower, extent.Upper};
    const double half = std::max(1.0, std::abs(extent.Lower) * 1e-3);
    return {extent.Lower - half, extent.Upper + half};
}

}  // namespace

AxisSpans AutomaticAxisSpans(const ChartContents& contents, int plotWidth)
{
    Extent x;
    Extent y;
    bool hasBars = false;
    for (const ChartSeries& series : contents.Series) {
        for (const ChartPoint& point : series.Points) {
            if (std::isfinite(point.X) && std::isfinite(point.Y)) {
                x.Add(point.X);
                y.Add(point.Y);
            }
        }
        for (const BarRun& run : series.Bars) {
            if (!std::isfinite(run.FirstX) || !std::isfinite(run.LastX) || !std::isfinite(run.Height))
                continue;
            hasBars = true;
            x.Add(run.FirstX);
            x.Add(run.LastX);
            y.Add(run.Height);
            y.Add(0.0);  // bars rise from 0
        }
    }
    AxisSpans spans{ToSpan(x), ToSpan(y)};
    if (hasBars && plotWidth > 0) {
        // Two bar widths at each end keep the outermost bars inside the plot, clear of the axis
        // lines drawn over the plot's edges; one-pixel bars of very many hours keep two pixels.
        double margin = 2.0 * DrawnBarWidthPixels(plotWidth, MaxBarCount(contents));
        // A single bar is as wide as a quarter of the plot, so two widths at each end would leave
        // the data no room: the data then takes the middle half of the plot, a quarter at each end.
        if (!(plotWidth - 2.0 * margin > 0.0))
            margin = plotWidth / 4.0;
        const double extra = (spans.X.Upper - spans.X.Lower) * margin / (plotWidth - 2.0 * margin);
        spans.X = {spans.X.Lower - extra, spans.X.Upper + extra};
    }
    return spans;
}

LeftDragAction ClassifyLeftDrag(int dx, int dy)
{
    if (dx > kZoomThresholdPixels && (dy > kZoomThresholdPixels || dy < -kZoomThresholdPixels))
        return LeftDragAction::Zoom;
    if (dx < -kZoomThresholdPixels)
        return LeftDragAction::Restore;
    return LeftDragAction::None;
}

}  // namespace zorvanta
