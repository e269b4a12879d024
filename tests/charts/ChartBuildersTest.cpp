#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ChartBuilders.h"
#include "ChartGeometry.h"

namespace zorvanta {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Equal as stored values: NaN equals NaN, so the non-finite cases compare like the others.
bool SameValue(double a, double b) { return (std::isnan(a) && std::isnan(b)) || a == b; }

std::string Describe(const std::vector<ChartPoint>& points)
{
    std::string text;
    for (const ChartPoint& point : points)
        text += "(" + std::to_string(point.X) + ", " + std::to_string(point.Y) + ") ";
    return text;
}

testing::AssertionResult SamePoints(const std::vector<ChartPoint>& actual, const std::vector<ChartPoint>& expected)
{
    bool same = actual.size() == expected.size();
    for (std::size_t i = 0; same && i < actual.size(); ++i)
        same = SameValue(actual[i].X, expected[i].X) && SameValue(actual[i].Y, expected[i].Y);
    if (same)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "stored " << Describe(actual) << "\n  expected " << Describe(expected);
}

// Inputs and the results the queue model gives for them, written out by hand.
struct QueueCase {
    const char* Name;
    QueueInputs Inputs;
    QueueResults Results;
};

const QueueCase kDefaults{"Defaults", {800, 2000, 1000, 2}, {4800, 2800, 2000, 1, 3, 13, 2000, 10000, 12000}};
const QueueCase kFractionalEnd{"FractionalEnd", {1000, 1500, 1200, 1}, {2500, 2200, 300, 1, 2, 3.5, 150, 225, 375}};
const QueueCase kEndHalfRoundsDown{"EndHalfRoundsDown", {1000, 1700, 1200, 1}, {2700, 2200, 500, 1, 2, 4.5, 250, 625, 875}};
const QueueCase kLongerPeak{"LongerPeak", {800, 2000, 1000, 3}, {6800, 3800, 3000, 1, 4, 19, 4500, 22500, 27000}};
const QueueCase kZeroDuration{"ZeroDuration", {800, 2000, 1000, 0}, {800, 800, 0, 1, 1, 1, 0, 0, 0}};
const QueueCase kEndBeforePeak{"EndBeforePeak", {800, 900, 1000, 2}, {2600, 2800, -200, 1, 3, 2, -200, 100, -100}};
const QueueCase kNegativeEnd{"NegativeEnd", {1200, 2000, 1000, 2}, {5200, 3200, 2000, 1, 3, -7, 2000, -10000, -8000}};
const QueueCase kInfiniteEnd{"InfiniteEnd", {800, 2000, 800, 2}, {4800, 2400, 2400, 1, 3, kInf, 2400, kInf, kInf}};
const QueueCase kMinusInfiniteEnd{"MinusInfiniteEnd", {800, 700, 800, 2}, {2200, 2400, -200, 1, 3, -kInf, -200, kInf, kInf}};
const QueueCase kNaNEnd{"NaNEnd", {800, 800, 800, 0}, {800, 800, 0, 1, 1, kNaN, 0, kNaN, kNaN}};
// A negative duration puts after-peak hours at and below 0, on both sides of the 0.5 bar.
const QueueCase kNegativeDuration{"NegativeDuration", {800, 600, 1000, -10}, {-5200, -9200, 4000, 1, -9, 11, -20000, 40000, 20000}};
// Peak time -1 and end time 3: the first after-peak bar stands exactly at hour 0, before the 0.5 bar.
const QueueCase kBarAtHourZero{"BarAtHourZero", {800, 600, 1000, -2}, ComputeQueue({800, 600, 1000, -2})};

TEST(RoundHalfEven, RoundsToNearestWithTiesToEvenAndNonFiniteToZero)
{
    const struct {
        double Value;
        double Rounded;
    } rows[] = {
        {3.5, 4},   {4.5, 4},   {2.5, 2},   {-2.5, -2}, {-3.5, -4},  {13, 13},
        {12.500001, 13},        {0.49999999999999994, 0},            {-0.5, 0},
        {2147483648.5, 2147483648},  // past 2^31: the true value, not its low 32 bits
        {4294967296.0 + 7, 4294967303.0},
        {9223372036854775807.0, 9223372036854775808.0},  // 2^63 stays a double, no overflow
        {1e300, 1e300},         {-1e300, -1e300},
        {kInf, 0},  {-kInf, 0}, {kNaN, 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(RoundHalfEven(row.Value), row.Rounded) << "value " << row.Value;
        EXPECT_FALSE(std::signbit(RoundHalfEven(row.Value)) && row.Rounded == 0) << "negative zero for " << row.Value;
    }
}

TEST(InsertPointSorted, PlacesAfterTheLastPointWithSmallerOrEqualX)
{
    const struct {
        const char* Name;
        std::vector<ChartPoint> Added;
        std::vector<ChartPoint> Stored;
    } rows[] = {
        {"ascending", {{0, 0}, {1, 1}, {2, 2}}, {{0, 0}, {1, 1}, {2, 2}}},
        {"smaller X moves before", {{0, 0}, {3, 3}, {2, 2}}, {{0, 0}, {2, 2}, {3, 3}}},
        {"equal X keeps insertion order", {{1, 10}, {1, 20}, {0, 0}, {1, 30}}, {{0, 0}, {1, 10}, {1, 20}, {1, 30}}},
        {"NaN X is never after anything", {{0, 0}, {1, 1}, {kNaN, 5}}, {{kNaN, 5}, {0, 0}, {1, 1}}},
        {"a stored NaN X is never before anything", {{kNaN, 5}, {2, 2}, {1, 1}}, {{1, 1}, {2, 2}, {kNaN, 5}}},
        {"minus infinity goes first", {{0, 0}, {-kInf, 1}}, {{-kInf, 1}, {0, 0}}},
        {"plus infinity goes last", {{kInf, 1}, {0, 0}}, {{0, 0}, {kInf, 1}}},
    };
    for (const auto& row : rows) {
        std::vector<ChartPoint> points;
        for (const ChartPoint& point : row.Added)
            InsertPointSorted(points, point);
        EXPECT_TRUE(SamePoints(points, row.Stored)) << row.Name;
    }
}

TEST(CumulativeChartContents, HasTheTwoCurvesWithLegendAndNoTitle)
{
    const ChartContents contents = CumulativeChartContents(kDefaults.Inputs, kDefaults.Results);
    EXPECT_EQ(contents.Title, "");
    EXPECT_TRUE(contents.LegendVisible);
    ASSERT_EQ(contents.Series.size(), 2u);
    const struct {
        const char* Title;
        std::uint32_t Color;
    } expected[] = {{"Uscenti", 0xFF0000FF}, {"Entranti", 0xFF008000}};
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(contents.Series[i].Kind, SeriesKind::Line);
        EXPECT_EQ(contents.Series[i].Title, expected[i].Title);
        EXPECT_EQ(contents.Series[i].Color, expected[i].Color);
        EXPECT_EQ(contents.Series[i].LineWidth, 1);
        EXPECT_TRUE(contents.Series[i].Bars.empty());
    }
}

struct CumulativeRow {
    QueueCase Case;
    std::vector<ChartPoint> Leaving;   // "Uscenti"
    std::vector<ChartPoint> Entering;  // "Entranti"
};

class CumulativePoints : public testing::TestWithParam<CumulativeRow> {};

TEST_P(CumulativePoints, AreStoredInSortedInsertionOrder)
{
    const CumulativeRow& row = GetParam();
    const ChartContents contents = CumulativeChartContents(row.Case.Inputs, row.Case.Results);
    ASSERT_EQ(contents.Series.size(), 2u);
    EXPECT_TRUE(SamePoints(contents.Series[0].Points, row.Leaving)) << "Uscenti";
    EXPECT_TRUE(SamePoints(contents.Series[1].Points, row.Entering)) << "Entranti";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CumulativePoints,
    testing::Values(
        CumulativeRow{kDefaults, {{0, 0}, {1, 800}, {3, 2800}, {13, 12800}}, {{0, 0}, {1, 800}, {3, 4800}, {13, 12800}}},
        CumulativeRow{kFractionalEnd, {{0, 0}, {1, 1000}, {2, 2200}, {3.5, 4000}},
                      {{0, 0}, {1, 1000}, {2, 2500}, {3.5, 4000}}},
        CumulativeRow{kZeroDuration, {{0, 0}, {1, 800}, {1, 800}, {1, 800}}, {{0, 0}, {1, 800}, {1, 800}, {1, 800}}},
        CumulativeRow{kEndBeforePeak, {{0, 0}, {1, 800}, {2, 1800}, {3, 2800}},
                      {{0, 0}, {1, 800}, {2, 1800}, {3, 2600}}},
        CumulativeRow{kNegativeEnd, {{-7, -6800}, {0, 0}, {1, 1200}, {3, 3200}},
                      {{-7, -6800}, {0, 0}, {1, 1200}, {3, 5200}}},
        CumulativeRow{kInfiniteEnd, {{0, 0}, {1, 800}, {3, 2400}, {kInf, kInf}},
                      {{0, 0}, {1, 800}, {3, 4800}, {kInf, kInf}}},
        CumulativeRow{kMinusInfiniteEnd, {{-kInf, -kInf}, {0, 0}, {1, 800}, {3, 2400}},
                      {{-kInf, -kInf}, {0, 0}, {1, 800}, {3, 2200}}},
        CumulativeRow{kNaNEnd, {{kNaN, kNaN}, {0, 0}, {1, 800}, {1, 800}},
                      {{kNaN, kNaN}, {0, 0}, {1, 800}, {1, 800}}}),
    [](const testing::TestParamInfo<CumulativeRow>& info) { return std::string(info.param.Case.Name); });

TEST(EnteringChartContents, HasTwoBarSeriesAndTheCapacityLineWithTitleAndNoLegend)
{
    const ChartContents contents = EnteringChartContents(kDefaults.Inputs, kDefaults.Results);
    EXPECT_EQ(contents.Title, "Veicoli in ingresso");
    EXPECT_EQ(contents.TitleColor, 0xFF000000u);
    EXPECT_FALSE(contents.LegendVisible);
    ASSERT_EQ(contents.Series.size(), 3u);
    EXPECT_EQ(contents.Series[0].Kind, SeriesKind::Bar);
    EXPECT_EQ(contents.Series[0].Color, 0xFF0000FFu);
    EXPECT_EQ(contents.Series[1].Kind, SeriesKind::Bar);
    EXPECT_EQ(contents.Series[1].Color, 0xFFFF0000u);
    EXPECT_EQ(contents.Series[2].Kind, SeriesKind::Line);
    EXPECT_EQ(contents.Series[2].Color, 0xFF008000u);
    EXPECT_EQ(contents.Series[2].LineWidth, 1);
}

TEST(InitialChartContents, ShowTheTitleTChartWithoutSeries)
{
    const ChartContents cumulative = InitialCumulativeChartContents();
    const ChartContents entering = InitialEnteringChartContents();
    EXPECT_EQ(cumulative.Title, "TChart");
    EXPECT_EQ(cumulative.TitleColor, 0xFF0000FFu);
    EXPECT_EQ(entering.Title, "TChart");
    EXPECT_EQ(entering.TitleColor, 0xFF000000u);
    EXPECT_TRUE(cumulative.Series.empty());
    EXPECT_TRUE(entering.Series.empty());
}

std::vector<ChartPoint> Bars(std::vector<double> xs, double height)
{
    std::vector<ChartPoint> points;
    for (double x : xs)
        points.push_back({x, height});
    return points;
}

std::vector<double> Hours(double first, double last)
{
    std::vector<double> hours;
    for (double x = first; x <= last; ++x)
        hours.push_back(x);
    return hours;
}

std::vector<double> Join(std::vector<double> a, const std::vector<double>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct EnteringRow {
    QueueCase Case;
    std::vector<ChartPoint> Normal;    // blue bars
    std::vector<ChartPoint> Peak;      // red bars
    std::vector<ChartPoint> Capacity;  // green line
};

class EnteringPoints : public testing::TestWithParam<EnteringRow> {};

TEST_P(EnteringPoints, AreStoredInSortedInsertionOrder)
{
    const EnteringRow& row = GetParam();
    const ChartContents contents = EnteringChartContents(row.Case.Inputs, row.Case.Results);
    ASSERT_EQ(contents.Series.size(), 3u);
    EXPECT_TRUE(SamePoints(ExpandPoints(contents.Series[0]), row.Normal)) << "blue bars";
    EXPECT_TRUE(SamePoints(ExpandPoints(contents.Series[1]), row.Peak)) << "red bars";
    EXPECT_TRUE(SamePoints(contents.Series[2].Points, row.Capacity)) << "capacity line";
    for (const ChartSeries& series : contents.Series) {
        for (std::size_t i = 1; i < series.Bars.size(); ++i)
            EXPECT_LT(series.Bars[i - 1].LastX, series.Bars[i].FirstX) << "runs ascending, apart";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EnteringPoints,
    testing::Values(
        EnteringRow{kDefaults, Bars(Join({0.5}, Hours(4, 13)), 800), Bars({1, 2}, 2000), {{0, 1000}, {13, 1000}}},
        EnteringRow{kLongerPeak, Bars(Join({0.5}, Hours(5, 19)), 800), Bars({1, 2, 3}, 2000), {{0, 1000}, {19, 1000}}},
        EnteringRow{kFractionalEnd, Bars({0.5, 3, 4}, 1000), Bars({1}, 1500), {{0, 1200}, {3.5, 1200}}},
        EnteringRow{kEndHalfRoundsDown, Bars({0.5, 3, 4}, 1000), Bars({1}, 1700), {{0, 1200}, {4.5, 1200}}},
        EnteringRow{kZeroDuration, Bars({0.5}, 800), {}, {{0, 1000}, {1, 1000}}},
        EnteringRow{kEndBeforePeak, Bars({0.5}, 800), Bars({1, 2}, 900), {{0, 1000}, {2, 1000}}},
        EnteringRow{kNegativeEnd, Bars({0.5}, 1200), Bars({1, 2}, 2000), {{-7, 1000}, {0, 1000}}},
        EnteringRow{kInfiniteEnd, Bars({0.5}, 800), Bars({1, 2}, 2000), {{0, 800}, {kInf, 800}}},
        EnteringRow{kMinusInfiniteEnd, Bars({0.5}, 800), Bars({1, 2}, 700), {{-kInf, 800}, {0, 800}}},
        EnteringRow{kNaNEnd, Bars({0.5}, 800), {}, {{kNaN, 800}, {0, 800}}},
        EnteringRow{kNegativeDuration, Bars(Join(Join(Hours(-8, 0), {0.5}), Hours(1, 11)), 800), {},
                    {{0, 1000}, {11, 1000}}},
        EnteringRow{kBarAtHourZero, Bars({0, 0.5, 1, 2, 3}, 800), {}, {{0, 1000}, {3, 1000}}}),
    [](const testing::TestParamInfo<EnteringRow>& info) { return std::string(info.param.Case.Name); });

// Bars past 2^31 hours stand at their true hours: no 32-bit truncation of the loop bounds,
// no overflow near 2^63, and the runs never grow with the number of bars.
TEST(EnteringChartContents, KeepsHugeBarCountsAsRunsAtTheirTrueHours)
{
    const struct {
        const char* Name;
        QueueResults Results;
        BarRun Normal;
        BarRun Peak;
    } rows[] = {
        {"longest peak", {4294967294800, 2147483647800, 2147483647000, 1, 2147483648.0, 12884901883.0, 0, 0, 0},
         {2147483649.0, 12884901883.0, 800}, {1, 2147483647.0, 2000}},
        {"end past 2^31 rounds half to even", {0, 0, 0, 1, 3, 2147483648.5, 0, 0, 0}, {4, 2147483648.0, 800}, {1, 2, 2000}},
        {"end near 2^63", {0, 0, 0, 1, 3, 9223372036854775807.0, 0, 0, 0}, {4, 9223372036854775808.0, 800}, {1, 2, 2000}},
        {"end far beyond any integer type", {0, 0, 0, 1, 3, 1e300, 0, 0, 0}, {4, 1e300, 800}, {1, 2, 2000}},
    };
    for (const auto& row : rows) {
        const ChartContents contents = EnteringChartContents({800, 2000, 1000, 2}, row.Results);
        ASSERT_EQ(contents.Series[0].Bars.size(), 2u) << row.Name;
        const BarRun& normal = contents.Series[0].Bars[1];
        EXPECT_EQ(normal.FirstX, row.Normal.FirstX) << row.Name;
        EXPECT_EQ(normal.LastX, row.Normal.LastX) << row.Name;
        EXPECT_EQ(normal.Height, row.Normal.Height) << row.Name;
        ASSERT_EQ(contents.Series[1].Bars.size(), 1u) << row.Name;
        EXPECT_EQ(contents.Series[1].Bars[0].FirstX, row.Peak.FirstX) << row.Name;
        EXPECT_EQ(contents.Series[1].Bars[0].LastX, row.Peak.LastX) << row.Name;
        EXPECT_THROW(ExpandPoints(contents.Series[0]), std::length_error) << row.Name;
    }
}

TEST(DrawnLinePoint, RunsInfiniteTimesOffThePlotAndLeavesOtherNonFinitePointsOut)
{
    const struct {
        const char* Name;
        ChartPoint Point;
        bool Drawn;
        double DrawnX;
    } rows[] = {
        {"finite", {13, 1000}, true, 13},
        {"plus infinite time", {kInf, 800}, true, 1e240},
        {"minus infinite time", {-kInf, 800}, true, -1e240},
        {"infinite time and value", {kInf, kInf}, false, 0},
        {"minus infinite time and value", {-kInf, -kInf}, false, 0},
        {"NaN time", {kNaN, 800}, false, 0},
        {"NaN value", {3, kNaN}, false, 0},
        {"infinite value", {3, kInf}, false, 0},
    };
    for (const auto& row : rows) {
        const std::optional<ChartPoint> drawn = DrawnLinePoint(row.Point);
        ASSERT_EQ(drawn.has_value(), row.Drawn) << row.Name;
        if (drawn) {
            EXPECT_EQ(drawn->X, row.DrawnX) << row.Name;
            EXPECT_EQ(drawn->Y, row.Point.Y) << row.Name;
        }
    }
}

TEST(BarCounts, CountEveryBarOfEveryRun)
{
    const ChartContents contents = EnteringChartContents(kDefaults.Inputs, kDefaults.Results);
    EXPECT_EQ(PointCount(contents.Series[0]), 11.0);
    EXPECT_EQ(PointCount(contents.Series[1]), 2.0);
    EXPECT_EQ(PointCount(contents.Series[2]), 2.0);
    EXPECT_EQ(MaxBarCount(contents), 11.0);
    EXPECT_EQ(MaxBarCount(CumulativeChartContents(kDefaults.Inputs, kDefaults.Results)), 0.0);
}

TEST(BarWidthPixels, DividesThePlotByCountPlusOneAndByTwoThenMakesItEven)
{
    const struct {
        int PlotLength;
        double MaxBarCount;
        int Width;
    } rows[] = {
        {500, 11, 22},   // 20.8 -> 21, odd -> 22
        {250, 11, 10},   // 10.4 -> 10
        {100, 9, 6},     // 5 is odd -> 6
        {90, 9, 4},      // 4.5 -> 4, halves to even
        {110, 9, 6},     // 5.5 -> 6
        {586, 2147483647.0, 0},  // far more bars than pixels: the drawing still shows one pixel
        {0, 11, 0},
    };
    for (const auto& row : rows)
        EXPECT_EQ(BarWidthPixels(row.PlotLength, row.MaxBarCount), row.Width)
            << row.PlotLength << " pixels, " << row.MaxBarCount << " bars";
}

TEST(AutomaticAxisSpans, RunExactlyOverTheFiniteValuesOfLineCharts)
{
    const struct {
        QueueCase Case;
        AxisSpans Spans;
    } rows[] = {
        {kDefaults, {{0, 13}, {0, 12800}}},
        {kNegativeEnd, {{-7, 3}, {-6800, 5200}}},
        {kEndBeforePeak, {{0, 3}, {0, 2800}}},
        {kInfiniteEnd, {{0, 3}, {0, 4800}}},
        {kMinusInfiniteEnd, {{0, 3}, {0, 2400}}},
        {kNaNEnd, {{0, 1}, {0, 800}}},
    };
    for (const auto& row : rows) {
        for (int width : {200, 586}) {
            const AxisSpans spans = AutomaticAxisSpans(CumulativeChartContents(row.Case.Inputs, row.Case.Results), width);
            EXPECT_EQ(spans.X.Lower, row.Spans.X.Lower) << row.Case.Name;
            EXPECT_EQ(spans.X.Upper, row.Spans.X.Upper) << row.Case.Name;
            EXPECT_EQ(spans.Y.Lower, row.Spans.Y.Lower) << row.Case.Name;
            EXPECT_EQ(spans.Y.Upper, row.Spans.Y.Upper) << row.Case.Name;
        }
    }
}

// The pixel position of an axis value in a plot of the given width.
double PixelOf(double value, const AxisSpan& span, int width)
{
    return (value - span.Lower) / (span.Upper - span.Lower) * width;
}

TEST(AutomaticAxisSpans, KeepTwoBarWidthsAtEachEndOfABarChart)
{
    // The data's extent on the bottom axis (bars and capacity line) and the larger bar count.
    const struct {
        QueueInputs Inputs;
        double First;
        double Last;
        double Bars;
    } rows[] = {
        {{800, 2000, 1000, 2}, 0.0, 13.0, 11},
        {{800, 900, 1000, 2}, 0.0, 2.0, 2},    // one blue bar, two red ones
        {{1000, 1500, 1200, 1}, 0.0, 4.0, 3},  // blue bars 0.5, 3, 4; the line ends at 3.5
    };
    for (const auto& row : rows) {
        for (int width : {300, 586, 1200}) {
            SCOPED_TRACE(::testing::Message() << row.Inputs.PeakFlow << "/" << row.Inputs.Duration << " at " << width);
            const ChartContents contents = EnteringChartContents(row.Inputs, ComputeQueue(row.Inputs));
            ASSERT_EQ(MaxBarCount(contents), row.Bars);
            const AxisSpans spans = AutomaticAxisSpans(contents, width);
            const double margin = 2.0 * BarWidthPixels(width, row.Bars);
            EXPECT_NEAR(PixelOf(row.First, spans.X, width), margin, 1e-6);
            EXPECT_NEAR(PixelOf(row.Last, spans.X, width), width - margin, 1e-6);
            EXPECT_EQ(spans.Y.Lower, 0.0);
        }
    }
}

TEST(AutomaticAxisSpans, LeaveHalfThePlotToTheDataWhenFewBarsAskForWideMargins)
{
    // One bar: the width rule gives a quarter of the plot, and two widths a side would leave nothing.
    const ChartContents contents = EnteringChartContents(kZeroDuration.Inputs, kZeroDuration.Results);
    const AxisSpans spans = AutomaticAxisSpans(contents, 400);
    EXPECT_NEAR(PixelOf(0.0, spans.X, 400), 100.0, 1e-6);
    EXPECT_NEAR(PixelOf(1.0, spans.X, 400), 300.0, 1e-6);
}

TEST(AutomaticAxisSpans, IncludeZeroForBarsAndStayFiniteAndOpen)
{
    ChartContents below;
    below.Series.push_back({SeriesKind::Bar, "", kBlue, 1, {}, {{1, 3, -5}}});
    below.Series.push_back({SeriesKind::Line, "", kGreen, 1, {{0, -10}, {4, -3}}, {}});
    EXPECT_EQ(AutomaticAxisSpans(below, 400).Y.Lower, -10.0);
    EXPECT_EQ(AutomaticAxisSpans(below, 400).Y.Upper, 0.0);

    const struct {
        const char* Name;
        ChartContents Contents;
    } rows[] = {
        {"no series", {}},
        {"only non-finite points", {"", kBlack, false, {{SeriesKind::Line, "", kBlue, 1, {{kNaN, 1}, {kInf, -kInf}}, {}}}}},
        {"one point", {"", kBlack, false, {{SeriesKind::Line, "", kBlue, 1, {{5, 7}}, {}}}}},
        {"huge values", {"", kBlack, false, {{SeriesKind::Line, "", kBlue, 1, {{-1e308, -1e308}, {1e308, 1e308}}, {}}}}},
        {"two thousand million bars", EnteringChartContents({800, 2000, 1000, 2147483647},
             {4294967294800, 2147483647800, 2147483647000, 1, 2147483648.0, 12884901883.0, 0, 0, 0})},
    };
    for (const auto& row : rows) {
        const AxisSpans spans = AutomaticAxisSpans(row.Contents, 586);
        for (const AxisSpan& span : {spans.X, spans.Y}) {
            EXPECT_TRUE(std::isfinite(span.Lower) && std::isfinite(span.Upper)) << row.Name;
            EXPECT_LT(span.Lower, span.Upper) << row.Name;
            EXPECT_TRUE(std::isfinite(span.Upper - span.Lower)) << row.Name;
        }
    }
}

TEST(ClassifyLeftDrag, ZoomsRightwardsPastSixteenPixelsBothWaysAndRestoresLeftwards)
{
    const struct {
        int Dx;
        int Dy;
        LeftDragAction Action;
    } rows[] = {
        {17, 17, LeftDragAction::Zoom},    {17, -17, LeftDragAction::Zoom},  {200, 100, LeftDragAction::Zoom},
        {16, 40, LeftDragAction::None},    {40, 16, LeftDragAction::None},   {40, -16, LeftDragAction::None},
        {0, 0, LeftDragAction::None},      {-16, 40, LeftDragAction::None},
        {-17, 0, LeftDragAction::Restore}, {-100, -100, LeftDragAction::Restore}, {-40, 40, LeftDragAction::Restore},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ClassifyLeftDrag(row.Dx, row.Dy), row.Action) << row.Dx << ", " << row.Dy;
}

}  // namespace
}  // namespace zorvanta
