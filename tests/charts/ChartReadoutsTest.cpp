// What the hover read-outs say, as plain values: the cumulative chart's heights agree with the
// drawn series, and the entering chart names the bar under the pointer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "ChartBuilders.h"
#include "ChartGeometry.h"
#include "ChartReadouts.h"

namespace zorvanta {
namespace {

using Lines = std::vector<std::string>;

Lines CumulativeLines(QueueInputs in, double time, char separator = '.')
{
    const std::optional<HoverReadout> readout = CumulativeReadout(in, ComputeQueue(in), time, separator);
    return readout ? readout->Lines : Lines{};
}

Lines EnteringLines(QueueInputs in, double time)
{
    const std::optional<HoverReadout> readout = EnteringReadout(EnteringChartContents(in, ComputeQueue(in)), time, '.');
    return readout ? readout->Lines : Lines{};
}

struct LinesRow {
    const char* name;
    Lines actual;
    Lines expected;
};

class ReadoutLinesTable : public testing::TestWithParam<LinesRow> {};

TEST_P(ReadoutLinesTable, SayWhatThePointerIsOver) { EXPECT_EQ(GetParam().actual, GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Charts, ReadoutLinesTable,
    testing::ValuesIn(std::vector<LinesRow>{
        {"CumulativeInsideThePeak", CumulativeLines({800, 2000, 1000, 2}, 2.5),
         {"Time 2.5 h (2:30)", "Entered 3800 vehicles", "Left 2300 vehicles", "Queue 1500 vehicles", "Wait 1.5 h"}},
        {"CumulativeWaitInMinutes", CumulativeLines({800, 2000, 1000, 2}, 12.5, ','),
         {"Time 12,5 h (12:30)", "Entered 12400 vehicles", "Left 12300 vehicles", "Queue 100 vehicles",
          "Wait 6 min"}},
        {"CumulativeFirstHourNoWait", CumulativeLines({800, 2000, 1000, 2}, 0.25),
         {"Time 0.25 h (0:15)", "Entered 200 vehicles", "Left 200 vehicles", "Queue 0 vehicles", "Wait 0 min"}},
        // The negative queue has no wait: that line is left out.
        {"CumulativeNegativeQueueHasNoWait", CumulativeLines({800, 900, 1000, 2}, 2.5),
         {"Time 2.5 h (2:30)", "Entered 2200 vehicles", "Left 2300 vehicles", "Queue -100 vehicles"}},
        {"CumulativeBeyondTheCurves", CumulativeLines({800, 2000, 1000, 2}, 13.5), {}},
        {"CumulativeAfterAnInfiniteEndTime", CumulativeLines({800, 2000, 800, 2}, 3.5), {}},
        {"EnteringPeakBar", EnteringLines({800, 2000, 1000, 2}, 1.2),
         {"Hour 1", "Peak flow 2000 v/h", "Capacity 1000 v/h"}},
        {"EnteringFirstHalfHourBar", EnteringLines({800, 2000, 1000, 2}, 0.3),
         {"Hour 0.5", "Normal flow 800 v/h", "Capacity 1000 v/h"}},
        {"EnteringBarAfterThePeak", EnteringLines({800, 2000, 1000, 2}, 3.8),
         {"Hour 4", "Normal flow 800 v/h", "Capacity 1000 v/h"}},
        // Hour 3, the peak's end, has no bar, and the bars at 2 and 4 are a whole hour away.
        {"EnteringGapAtThePeakHour", EnteringLines({800, 2000, 1000, 2}, 3), {"Time 3 h, no bar", "Capacity 1000 v/h"}},
        {"EnteringLastBar", EnteringLines({800, 2000, 1000, 2}, 13.4),
         {"Hour 13", "Normal flow 800 v/h", "Capacity 1000 v/h"}},
        {"EnteringLongestPeak", EnteringLines({800, 2000, 1000, 2147483647}, 1.0e9 + 0.1),
         {"Hour 1E9", "Peak flow 2000 v/h", "Capacity 1000 v/h"}},
    }),
    [](const testing::TestParamInfo<LinesRow>& info) { return std::string(info.param.name); });

// The height of a drawn line series at x: on the last segment that holds x, as the chart joins
// its drawn points in their stored order.
double DrawnHeight(const ChartSeries& series, double x)
{
    std::vector<ChartPoint> drawn;
    for (const ChartPoint& point : series.Points)
        if (const std::optional<ChartPoint> p = DrawnLinePoint(point))
            drawn.push_back(*p);
    for (std::size_t i = drawn.size() - 1; i-- > 0;) {
        const ChartPoint& a = drawn[i];
        const ChartPoint& b = drawn[i + 1];
        if (a.X <= x && x <= b.X)
            return x == b.X ? b.Y : a.Y + (b.Y - a.Y) * ((x - a.X) / (b.X - a.X));
    }
    return std::numeric_limits<double>::quiet_NaN();
}

// The markers sit on the curves the lower chart draws, for every regime and random times.
TEST(CumulativeReadout, MarkersLieOnTheDrawnCurves)
{
    const QueueInputs inputs[] = {{800, 2000, 1000, 2},  {1000, 1500, 1200, 1}, {800, 900, 1000, 2},
                                  {1200, 2000, 1000, 2}, {800, 2000, 800, 2},   {800, 700, 800, 2},
                                  {800, 600, 1000, 1},   {800, 2000, 1000, -2}, {800, 2000000000, 1000, 2}};
    std::mt19937 random(11);
    for (const QueueInputs& in : inputs) {
        const QueueResults results = ComputeQueue(in);
        const ChartContents chart = CumulativeChartContents(in, results);
        const AxisSpans spans = AutomaticAxisSpans(chart, 500);
        std::uniform_real_distribution<double> time(spans.X.Lower, spans.X.Upper);
        for (int i = 0; i < 200; ++i) {
            const double t = time(random);
            const std::optional<HoverReadout> readout = CumulativeReadout(in, results, t, '.');
            ASSERT_TRUE(readout) << in.NormalFlow << " " << in.PeakFlow << " at " << t;
            ASSERT_EQ(readout->Markers.size(), 2u);
            for (const ReadoutMarker& marker : readout->Markers) {
                const ChartSeries& series = chart.Series[marker.Color == kBlue ? 0 : 1];
                EXPECT_EQ(marker.Color, series.Color);
                const double expected = DrawnHeight(series, t);
                EXPECT_NEAR(marker.Y, expected, 1e-9 * std::max(1.0, std::fabs(expected)))
                    << series.Title << " at " << t;
            }
        }
    }
}

TEST(EnteringReadout, MarksTheBarTopAndTheCapacityLineWhereItIsDrawn)
{
    const QueueInputs in{800, 2000, 1000, 2};
    const ChartContents chart = EnteringChartContents(in, ComputeQueue(in));
    const std::optional<HoverReadout> inside = EnteringReadout(chart, 2.1, '.');
    ASSERT_TRUE(inside);
    ASSERT_EQ(inside->Markers.size(), 2u);
    EXPECT_EQ(inside->Markers[0].X, 2.0);
    EXPECT_EQ(inside->Markers[0].Y, 2000.0);
    EXPECT_EQ(inside->Markers[0].Color, kRed);
    EXPECT_EQ(inside->Markers[1].Y, 1000.0);
    EXPECT_EQ(inside->Markers[1].Color, kGreen);
    // The capacity line ends at the end time 13: beyond it the capacity is still told, not marked.
    const std::optional<HoverReadout> beyond = EnteringReadout(chart, 13.4, '.');
    ASSERT_TRUE(beyond);
    EXPECT_EQ(beyond->Markers.size(), 1u);
    EXPECT_FALSE(EnteringReadout(InitialEnteringChartContents(), 1.0, '.'));
}

}  // namespace
}  // namespace zorvanta
