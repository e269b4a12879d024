#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "QueueModel.h"

namespace zorvanta {

/// Colours are 32-bit ARGB, alpha first.
inline constexpr std::uint32_t kBlue = 0xFF0000FF;
inline constexpr std::uint32_t kGreen = 0xFF008000;
inline constexpr std::uint32_t kRed = 0xFFFF0000;
inline constexpr std::uint32_t kBlack = 0xFF000000;

struct ChartPoint {
    double X;  ///< time [hours]
    double Y;  ///< vehicles, or vehicles per hour for the entering chart
};

/// Equal bars at consecutive whole steps: FirstX, FirstX + 1, ..., LastX, all of height Height.
/// A bar series keeps its bars as runs so that any number of them costs constant memory.
struct BarRun {
    double FirstX;
    double LastX;   ///< inclusive; LastX - FirstX is a whole number >= 0
    double Height;
};

enum class SeriesKind { Line, Bar };

struct ChartSeries {
    SeriesKind Kind = SeriesKind::Line;
    std::string Title;                 ///< UTF-8; shown in the legend
    std::uint32_t Color = kBlack;      ///< ARGB
    int LineWidth = 1;                 ///< pixels, line series only
    std::vector<ChartPoint> Points;    ///< line series: in stored order (sorted by X, stable)
    std::vector<BarRun> Bars;          ///< bar series: runs in ascending X, not overlapping
};

/// Everything a chart shows, as a plain value.
struct ChartContents {
    std::string Title;                 ///< empty: no title drawn, its space goes to the plot
    std::uint32_t TitleColor = kBlack;
    bool LegendVisible = false;
    std::vector<ChartSeries> Series;
};

}  // namespace zorvanta
