#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "ChartContents.h"

namespace zorvanta {

/// Nearest whole number, halves to the even neighbour; infinities and NaN give 0.
/// Exact for every finite double (no integer conversion, so nothing can overflow).
double RoundHalfEven(double value);

/// Adds a point after the last stored point whose X is <= its own (before all when none is).
/// Keeps equal X in insertion order; a NaN X compares false with everything and so goes first.
void InsertPointSorted(std::vector<ChartPoint>& points, ChartPoint point);

/// Number of bars in a run (LastX - FirstX + 1); exact up to 2^53 bars.
double BarCount(const BarRun& run);
/// Number of bars (bar series) or points (line series).
double PointCount(const ChartSeries& series);
/// The largest bar count among the bar series; 0 when there is none.
double MaxBarCount(const ChartContents& contents);
/// The stored points of a series, bars expanded one point each. Throws std::length_error
/// past maxPoints, so a test can never ask for thousands of millions of points by mistake.
std::vector<ChartPoint> ExpandPoints(const ChartSeries& series, std::size_t maxPoints = 1000000);

/// Where a line point is drawn, or nothing. A point at an infinite time with a finite value
/// (the capacity line when the queue never clears) runs on far beyond the plot's edge; any other
/// point with an infinite or NaN coordinate has no place on the axes and is left out.
std::optional<ChartPoint> DrawnLinePoint(ChartPoint point);

/// Common bar width [pixels]: plotLength / (maxBarCount + 1) / 2, rounded, raised by 1 when odd.
/// May be 0 for very many bars; the drawing then still uses one pixel.
int BarWidthPixels(int plotLength, double maxBarCount);
/// The width bars are drawn with [pixels]: the common width, but never less than one pixel.
int DrawnBarWidthPixels(int plotLength, double maxBarCount);

/// A closed axis interval [axis units].
struct AxisSpan {
    double Lower;
    double Upper;
};

struct AxisSpans {
    AxisSpan X;  ///< bottom axis [hours]
    AxisSpan Y;  ///< left axis [vehicles or vehicles per hour]
};

/// The automatic axes for a plot of plotWidth pixels: each axis runs exactly from the
/// smallest to the largest value the series hold. Bar charts include 0 on the left axis and
/// keep two bar widths at each end of the bottom axis (a quarter of the plot where two widths
/// would leave the data no room, as with a single bar). Coordinates that are infinite or NaN
/// are left out: they cannot be placed on an axis. The spans are always finite and non-empty.
AxisSpans AutomaticAxisSpans(const ChartContents& contents, int plotWidth);

/// What a left-button drag from (0, 0) to (dx, dy) pixels asks for: rightwards past the threshold
/// both across and up or down it zooms; leftwards past it it restores; anything shorter does nothing.
enum class LeftDragAction { None, Zoom, Restore };
LeftDragAction ClassifyLeftDrag(int dx, int dy);

/// Pixels a left drag must exceed, horizontally and vertically, to zoom or restore.
inline constexpr int kZoomThresholdPixels = 16;

}  // namespace zorvanta
