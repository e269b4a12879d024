#include "ChartViewFixture.h"

#include <QColor>
#include <QImage>
#include <QtTest/QTest>

#include <cmath>

namespace zorvanta::chart_test {
namespace {

// Duration 2147483647: red bars at 1 to 2147483647, blue bars after the peak up to 12884901883.
const QueueInputs kLongestPeakInputs{800, 2000, 1000, 2147483647};
const QueueResults kLongestPeakResults{4294967294800, 2147483647800, 2147483647000, 1, 2147483648.0,
                                       12884901883.0, 0, 0, 0};

TEST_F(ChartViewTest, AutomaticRangesRunOverTheCumulativeCurves)
{
    const struct {
        const char* Name;
        QueueInputs Inputs;
        QueueResults Results;
        ChartView::AxisRange X;
        ChartView::AxisRange Y;
    } rows[] = {
        {"defaults", kDefaultInputs, kDefaultResults, {0, 13}, {0, 12800}},
        {"negative end time", {1200, 2000, 1000, 2}, {5200, 3200, 2000, 1, 3, -7, 2000, -10000, -8000}, {-7, 3}, {-6800, 5200}},
    };
    for (const auto& row : rows) {
        view.SetContents(CumulativeChartContents(row.Inputs, row.Results));
        EXPECT_TRUE(view.IsAutoRange()) << row.Name;
        EXPECT_DOUBLE_EQ(view.XRange().Lower, row.X.Lower) << row.Name;
        EXPECT_DOUBLE_EQ(view.XRange().Upper, row.X.Upper) << row.Name;
        EXPECT_DOUBLE_EQ(view.YRange().Lower, row.Y.Lower) << row.Name;
        EXPECT_DOUBLE_EQ(view.YRange().Upper, row.Y.Upper) << row.Name;
    }
}

TEST_F(ChartViewTest, AutomaticRangesOfTheBarChartIncludeZeroAndFollowThePlotWidth)
{
    view.SetContents(EnteringChartContents(kDefaultInputs, kDefaultResults));
    for (int width : {586, 900, 300}) {
        view.resize(width, 261);
        const double margin = 2.0 * BarWidthPixels(view.PlotArea().width(), 11);
        EXPECT_NEAR(PixelX(0.0) - view.PlotArea().left(), margin, 1e-6) << width;
        EXPECT_NEAR(view.PlotArea().left() + view.PlotArea().width() - PixelX(13.0), margin, 1e-6) << width;
        EXPECT_DOUBLE_EQ(view.YRange().Lower, 0.0);
        EXPECT_DOUBLE_EQ(view.YRange().Upper, 2000.0);
    }
}

TEST_F(ChartViewTest, EachSetContentsReplacesAllSeries)
{
    EXPECT_EQ(view.SeriesCount(), 0);
    view.SetContents(InitialCumulativeChartContents());
    EXPECT_EQ(view.SeriesCount(), 0);
    for (int round = 0; round < 2; ++round) {
        view.SetContents(CumulativeChartContents(kDefaultInputs, kDefaultResults));
        EXPECT_EQ(view.SeriesCount(), 2);
    }
    for (int round = 0; round < 2; ++round) {
        view.SetContents(EnteringChartContents(kDefaultInputs, kDefaultResults));
        EXPECT_EQ(view.SeriesCount(), 3);
    }
    EXPECT_EQ(view.Contents().Title, "Veicoli in ingresso");
}

TEST_F(ChartViewTest, RenderImageHasTheWidgetSizeOverWhiteEvenWhenNeverShown)
{
    view.SetContents(EnteringChartContents(kDefaultInputs, kDefaultResults));
    for (QSize size : {QSize(586, 261), QSize(333, 120)}) {
        view.resize(size);
        const QImage image = view.RenderImage();
        ASSERT_EQ(image.size(), size);
        EXPECT_EQ(image.devicePixelRatio(), 1.0);
        for (QPoint corner : {QPoint(0, 0), QPoint(size.width() - 1, 0), QPoint(0, size.height() - 1),
                              QPoint(size.width() - 1, size.height() - 1)})
            EXPECT_EQ(image.pixel(corner), qRgb(255, 255, 255));
    }
}

// Measures the run of `color` pixels in the row y that contains x.
int RunWidth(const QImage& image, int x, int y, QRgb color)
{
    int left = x;
    int right = x;
    while (left > 0 && IsColor(image.pixel(left - 1, y), color))
        --left;
    while (right + 1 < image.width() && IsColor(image.pixel(right + 1, y), color))
        ++right;
    return IsColor(image.pixel(x, y), color) ? right - left + 1 : 0;
}

TEST_F(ChartViewTest, BarsHaveTheCommonWidthOfThePlotAtEveryWidth)
{
    view.SetContents(EnteringChartContents(kDefaultInputs, kDefaultResults));
    for (int width : {586, 1000}) {
        view.resize(width, 261);
        const QImage image = view.RenderImage();
        const int barWidth = BarWidthPixels(view.PlotArea().width(), 11);
        ASSERT_GT(barWidth, 4) << width;
        // Red bars stand right of their hour, blue bars left of theirs.
        const QPoint red = PixelOf(1.0, 1500);
        EXPECT_EQ(RunWidth(image, red.x() + barWidth / 2, red.y(), qRgb(255, 0, 0)), barWidth) << width;
        const QPoint blue = PixelOf(4.0, 400);
        EXPECT_EQ(RunWidth(image, blue.x() - barWidth / 2, blue.y(), qRgb(0, 0, 255)), barWidth) << width;
    }
}

TEST_F(ChartViewTest, RenderedBarChartShowsBarsSideBySideAndTheCapacityLine)
{
    view.SetContents(EnteringChartContents(kDefaultInputs, kDefaultResults));
    ExpectDefaultBarsAndLine(view.RenderImage());
}

TEST_F(ChartViewTest, RenderedCumulativeChartShowsBothCurvesAndTheLegendRightOfThePlot)
{
    view.SetContents(CumulativeChartContents(kDefaultInputs, kDefaultResults));
    const QImage image = view.RenderImage();
    const QRgb blue = qRgb(0, 0, 255);
    const QRgb green = qRgb(0, 128, 0);
    // Between the peak and the end the entering curve lies above the leaving one.
    for (double hour : {5.3, 8.1, 11.2}) {  // off the grid lines
        const double leaving = 2800 + (hour - 3) * 1000;
        const double entering = 4800 + (hour - 3) * 800;
        EXPECT_TRUE(ColorNearInColumn(image, PixelOf(hour, leaving), blue, 1)) << "Uscenti at " << hour;
        EXPECT_TRUE(ColorNearInColumn(image, PixelOf(hour, entering), green, 1)) << "Entranti at " << hour;
        EXPECT_FALSE(ColorNearInColumn(image, PixelOf(hour, (leaving + entering) / 2), blue, 1)) << hour;
    }
    // The legend stands outside the plot, at its right, with a symbol in each curve's colour.
    const QRect area = view.PlotArea();
    EXPECT_LT(area.right(), image.width() - 60);
    int legendBlue = 0;
    int legendGreen = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = area.right() + 10; x < image.width(); ++x) {
            legendBlue += IsColor(image.pixel(x, y), blue);
            legendGreen += IsColor(image.pixel(x, y), green);
        }
    }
    EXPECT_GT(legendBlue, 5);
    EXPECT_GT(legendGreen, 5);
}

TEST_F(ChartViewTest, TitleIsDrawnInItsColourAndAnEmptyTitleGivesItsRoomToThePlot)
{
    const struct {
        ChartContents Contents;
        QRgb Color;
    } rows[] = {{InitialCumulativeChartContents(), qRgb(0, 0, 255)}, {InitialEnteringChartContents(), qRgb(0, 0, 0)}};
    for (const auto& row : rows) {
        view.SetContents(row.Contents);
        const int titledTop = view.PlotArea().top();
        const QImage image = view.RenderImage();
        int titlePixels = 0;
        for (int y = 0; y < titledTop - 5; ++y)
            for (int x = 0; x < image.width(); ++x)
                titlePixels += IsColor(image.pixel(x, y), row.Color);
        EXPECT_GT(titlePixels, 10);
        ChartContents untitled = row.Contents;
        untitled.Title.clear();
        view.SetContents(untitled);
        EXPECT_LT(view.PlotArea().top(), titledTop - 5);
    }
}

TEST_F(ChartViewTest, CapacityLineOfAQueueThatNeverClearsRunsToTheEdgeOfThePlot)
{
    const struct {
        const char* Name;
        QueueInputs Inputs;
        QueueResults Results;
        bool ToTheLeft;   // the line is drawn from the left edge to hour 0
        bool ToTheRight;  // the line is drawn from hour 0 to the right edge
    } rows[] = {
        {"plus infinity", {800, 2000, 800, 2}, {4800, 2400, 2400, 1, 3, kInf, 2400, kInf, kInf}, false, true},
        {"minus infinity", {800, 700, 800, 2}, {2200, 2400, -200, 1, 3, -kInf, -200, kInf, kInf}, true, false},
        {"NaN", {800, 800, 800, 0}, {800, 800, 0, 1, 1, kNaN, 0, kNaN, kNaN}, false, false},
    };
    const QRgb green = qRgb(0, 128, 0);
    for (const auto& row : rows) {
        view.SetContents(EnteringChartContents(row.Inputs, row.Results));
        const QImage image = view.RenderImage();
        const QRect area = view.PlotArea();
        const int y = PixelOf(0, 800).y();
        // Off the ticks of the left axis; reach 2, as a capacity equal to the highest bar puts
        // the line on the top edge of the plot.
        EXPECT_EQ(ColorNearInColumn(image, {area.left() + 8, y}, green, 2), row.ToTheLeft) << row.Name;
        EXPECT_EQ(ColorNearInColumn(image, {area.right() - 8, y}, green, 2), row.ToTheRight) << row.Name;
        // Zoomed in, the line still runs at the capacity.
        const QPoint at = PixelOf(row.ToTheLeft ? -0.2 : 0.2, 800);
        LeftDrag(at - QPoint(20, 20), at + QPoint(20, 20));
        const QImage zoomed = view.RenderImage();
        EXPECT_EQ(ColorNearInColumn(zoomed, PixelOf(row.ToTheLeft ? -0.2 : 0.2, 800), green, 2),
                  row.ToTheLeft || row.ToTheRight) << row.Name;
    }
}

// Counts the separate runs of `color` along a row of the plot.
int CountRuns(const QImage& image, const QRect& area, int y, QRgb color)
{
    int runs = 0;
    bool inside = false;
    for (int x = area.left(); x <= area.right(); ++x) {
        const bool now = IsColor(image.pixel(x, y), color);
        runs += now && !inside;
        inside = now;
    }
    return runs;
}

// Two thousand million bars and more: drawn one by one this would not finish, stored one by one
// it would not fit in memory.
TEST_F(ChartViewTest, DrawsThousandsOfMillionsOfBarsAtAnyZoom)
{
    ShowView();
    view.SetContents(EnteringChartContents(kLongestPeakInputs, kLongestPeakResults));
    ASSERT_EQ(view.SeriesCount(), 3);
    QImage image = view.RenderImage();
    const QRect area = view.PlotArea();
    // From afar each series is one block: red over the peak, blue after it.
    EXPECT_TRUE(IsColor(image.pixel(PixelOf(1.0e9, 1500)), qRgb(255, 0, 0)));
    EXPECT_TRUE(IsColor(image.pixel(PixelOf(8.0e9, 400)), qRgb(0, 0, 255)));
    EXPECT_EQ(CountRuns(image, area, PixelOf(0, 1500).y(), qRgb(255, 0, 0)), 1);

    // Zoom in, step by step, around the middle of the peak until single hours are apart.
    const double hour = 1.0e9;
    for (int step = 0; step < 12 && view.XRange().Upper - view.XRange().Lower > 40; ++step) {
        const QPoint at = PixelOf(hour, 0);
        LeftDrag({at.x() - 9, static_cast<int>(PixelY(2200))}, {at.x() + 9, static_cast<int>(PixelY(-200))});
    }
    ASSERT_LT(view.XRange().Upper - view.XRange().Lower, 40);
    image = view.RenderImage();
    EXPECT_GT(CountRuns(image, view.PlotArea(), PixelOf(hour, 1500).y(), qRgb(255, 0, 0)), 10);
    EXPECT_TRUE(IsColor(image.pixel(PixelOf(hour, 1500)), qRgb(255, 0, 0))) << "a one-pixel bar right of its hour";
}

int CountColour(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += IsColor(image.pixel(x, y), colour) ? 1 : 0;
    return count;
}

TEST_F(ChartViewTest, ALongPeakBeforeASlowClearingStillShowsItsRedBars)
{
    // The red run spans a fraction of a pixel column; the blue run after it must not cover it.
    ShowView();
    for (const QueueInputs inputs : {QueueInputs{800, 2000, 801, 30000}, QueueInputs{800, 2000, 801, 2147483647}}) {
        SCOPED_TRACE(inputs.Duration);
        view.SetContents(EnteringChartContents(inputs, ComputeQueue(inputs)));
        EXPECT_GT(CountColour(view.RenderImage(), qRgb(255, 0, 0)), 0) << "automatic range";
        // Zoomed into the first tenth of the bottom axis, and into the hours around the peak's end.
        const QPoint low = PixelOf(0, -100);
        const QPoint high = PixelOf(view.XRange().Lower + (view.XRange().Upper - view.XRange().Lower) / 10, 2100);
        LeftDrag({low.x() - 2, high.y()}, {high.x(), low.y()});
        ASSERT_FALSE(view.IsAutoRange());
        EXPECT_GT(CountColour(view.RenderImage(), qRgb(255, 0, 0)), 0) << "zoomed in";
    }
}

TEST_F(ChartViewTest, DrawsBarsNearTwoToTheSixtyThreeHours)
{
    ShowView();
    QueueResults results = kDefaultResults;
    results.EndTime = 9223372036854775807.0;
    view.SetContents(EnteringChartContents(kDefaultInputs, results));
    EXPECT_TRUE(IsFiniteRange(view.XRange()));
    EXPECT_TRUE(IsColor(view.RenderImage().pixel(PixelOf(4.0e18, 400)), qRgb(0, 0, 255)));
    // Up there whole hours are no longer distinct doubles; zooming in must still draw in bounded time.
    for (int step = 0; step < 20; ++step) {
        const QPoint at = PixelOf(4.0e18, 0);
        LeftDrag({at.x() - 9, static_cast<int>(PixelY(1000))}, {at.x() + 9, static_cast<int>(PixelY(-200))});
        EXPECT_TRUE(IsFiniteRange(view.XRange()));
        EXPECT_FALSE(view.RenderImage().isNull());
    }
}

}  // namespace
}  // namespace zorvanta::chart_test
