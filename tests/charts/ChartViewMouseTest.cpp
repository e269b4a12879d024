// Zoom, restore and pan driven with the mouse.
#include "ChartViewFixture.h"

#include <QColor>
#include <QImage>
#include <QtTest/QTest>

#include <cmath>

namespace zorvanta::chart_test {
namespace {

struct NonFiniteCase {
    const char* Name;
    QueueInputs Inputs;
    QueueResults Results;
    ChartView::AxisRange CumulativeX;  // the non-finite end point is left out
};

const NonFiniteCase kNonFiniteCases[] = {
    {"plus infinity", {800, 2000, 800, 2}, {4800, 2400, 2400, 1, 3, kInf, 2400, kInf, kInf}, {0, 3}},
    {"minus infinity", {800, 700, 800, 2}, {2200, 2400, -200, 1, 3, -kInf, -200, kInf, kInf}, {0, 3}},
    {"NaN", {800, 800, 800, 0}, {800, 800, 0, 1, 1, kNaN, 0, kNaN, kNaN}, {0, 1}},
};

class ChartViewMouseTest : public ChartViewTest {};

TEST_F(ChartViewMouseTest, LeftDragRightwardsZoomsIntoTheRectangle)
{
    ShowView();
    view.SetContents(EnteringChartContents(kDefaultInputs, kDefaultResults));
    const QPoint from = PixelOf(0.8, 2100);
    const QPoint to = PixelOf(2.9, -100);
    const double left = PixelToX(from.x());
    const double right = PixelToX(to.x());
    LeftDrag(from, to);
    EXPECT_FALSE(view.IsAutoRange());
    EXPECT_NEAR(view.XRange().Lower, left, 1e-9);
    EXPECT_NEAR(view.XRange().Upper, right, 1e-9);
    EXPECT_NEAR(view.YRange().Lower, -100, 15);
    EXPECT_NEAR(view.YRange().Upper, 2100, 15);
    // The image shows the zoom, with the bars at the same places as the axes say.
    const QImage image = view.RenderImage();
    const int h = BarWidthPixels(view.PlotArea().width(), 11) / 2;
    EXPECT_TRUE(IsColor(image.pixel(PixelOf(1, 1500) + QPoint(h, 0)), qRgb(255, 0, 0)));
    EXPECT_TRUE(IsColor(image.pixel(PixelOf(2, 1500) + QPoint(h, 0)), qRgb(255, 0, 0)));
    // Resizing keeps a fixed range.
    const ChartView::AxisRange zoomed = view.XRange();
    view.resize(700, 300);
    EXPECT_EQ(view.XRange().Lower, zoomed.Lower);
    EXPECT_EQ(view.XRange().Upper, zoomed.Upper);
}

TEST_F(ChartViewMouseTest, ShortOrSidewaysLeftDragsChangeNothing)
{
    ShowView();
    view.SetContents(CumulativeChartContents(kDefaultInputs, kDefaultResults));
    const QPoint start = view.PlotArea().center();
    for (QPoint move : {QPoint(16, 40), QPoint(40, 16), QPoint(40, -10), QPoint(0, 0), QPoint(-16, 30)}) {
        LeftDrag(start, start + move);
        EXPECT_TRUE(view.IsAutoRange()) << move.x() << ", " << move.y();
        EXPECT_EQ(view.XRange().Upper, 13.0);
    }
}

TEST_F(ChartViewMouseTest, AMiddleButtonDragChangesNothing)
{
    ShowView();
    view.SetContents(EnteringChartContents(kDefaultInputs, kDefaultResults));
    const QImage before = view.RenderImage();
    const QPoint start = view.PlotArea().center();
    for (QPoint move : {QPoint(60, 40), QPoint(-60, 40), QPoint(60, -40)}) {
        QTest::mousePress(&view, Qt::MiddleButton, {}, start);
        QTest::mouseMove(&view, start + move / 2);
        QTest::mouseMove(&view, start + move);
        QTest::mouseRelease(&view, Qt::MiddleButton, {}, start + move);
        EXPECT_TRUE(view.IsAutoRange());
        EXPECT_EQ(view.RenderImage(), before) << move.x() << ", " << move.y();
    }
}

TEST_F(ChartViewMouseTest, LeftDragLeftwardsRestoresTheAutomaticRanges)
{
    ShowView();
    view.SetContents(CumulativeChartContents(kDefaultInputs, kDefaultResults));
    const QPoint center = view.PlotArea().center();
    LeftDrag(center, center + QPoint(60, 40));
    ASSERT_FALSE(view.IsAutoRange());
    RightDrag(center, center + QPoint(30, 30));
    LeftDrag(center, center + QPoint(-40, -30));
    EXPECT_TRUE(view.IsAutoRange());
    EXPECT_EQ(view.XRange().Lower, 0.0);
    EXPECT_EQ(view.XRange().Upper, 13.0);
    EXPECT_EQ(view.YRange().Upper, 12800.0);
}

TEST_F(ChartViewMouseTest, RightDragPansWithTheMouse)
{
    ShowView();
    view.SetContents(CumulativeChartContents(kDefaultInputs, kDefaultResults));
    const QRect area = view.PlotArea();
    const double hoursPerPixel = 13.0 / area.width();
    const double vehiclesPerPixel = 12800.0 / area.height();
    RightDrag(area.center(), area.center() + QPoint(50, -20));
    EXPECT_FALSE(view.IsAutoRange());
    // Dragging right and up shows earlier hours and more vehicles.
    EXPECT_NEAR(view.XRange().Lower, -50 * hoursPerPixel, 1e-9);
    EXPECT_NEAR(view.XRange().Upper, 13.0 - 50 * hoursPerPixel, 1e-9);
    EXPECT_NEAR(view.YRange().Lower, -20 * vehiclesPerPixel, 1e-6);
    EXPECT_NEAR(view.YRange().Upper, 12800.0 - 20 * vehiclesPerPixel, 1e-6);
    // The curves move along: the point (3, 4800) is drawn where the mouse moved it.
    const QImage image = view.RenderImage();
    EXPECT_TRUE(ColorNearInColumn(image, PixelOf(5.3, 4800 + 1840), qRgb(0, 128, 0), 1));
}

TEST_F(ChartViewMouseTest, SetContentsMakesZoomedRangesAutomaticAgain)
{
    ShowView();
    view.SetContents(CumulativeChartContents(kDefaultInputs, kDefaultResults));
    const QPoint center = view.PlotArea().center();
    LeftDrag(center, center + QPoint(60, 40));
    ASSERT_FALSE(view.IsAutoRange());
    view.SetContents(CumulativeChartContents(kDefaultInputs, kDefaultResults));
    EXPECT_TRUE(view.IsAutoRange());
    EXPECT_EQ(view.XRange().Upper, 13.0);
}

TEST_F(ChartViewMouseTest, ZoomRectangleIsOutlinedInSilverWhileDragging)
{
    ShowView();
    view.SetContents(EnteringChartContents(kDefaultInputs, kDefaultResults));
    const QPoint from = view.PlotArea().topLeft() + QPoint(20, 10);
    const QPoint to = from + QPoint(120, 60);
    QTest::mousePress(&view, Qt::LeftButton, {}, from);
    QTest::mouseMove(&view, to);
    const QImage drawn = view.grab().toImage();
    QTest::mouseRelease(&view, Qt::LeftButton, {}, to);
    const qreal ratio = drawn.devicePixelRatio();
    const auto pixel = [&](QPoint p) { return drawn.pixel(static_cast<int>(p.x() * ratio), static_cast<int>(p.y() * ratio)); };
    EXPECT_TRUE(IsColor(pixel({from.x() + 60, from.y()}), qRgb(192, 192, 192)));
    EXPECT_TRUE(IsColor(pixel({from.x(), from.y() + 30}), qRgb(192, 192, 192)));
    EXPECT_FALSE(IsColor(pixel({from.x() + 60, from.y() + 30}), qRgb(192, 192, 192))) << "no fill";
    EXPECT_FALSE(IsColor(view.RenderImage().pixel(from.x() + 60, from.y()), qRgb(192, 192, 192)))
        << "the rectangle is not part of the chart's image";
}

TEST_F(ChartViewMouseTest, NonFiniteEndPointsAreLeftOutAndTheChartStaysUsable)
{
    ShowView();
    for (const NonFiniteCase& row : kNonFiniteCases) {
        for (bool cumulative : {true, false}) {
            view.SetContents(cumulative ? CumulativeChartContents(row.Inputs, row.Results)
                                        : EnteringChartContents(row.Inputs, row.Results));
            EXPECT_TRUE(IsFiniteRange(view.XRange())) << row.Name;
            EXPECT_TRUE(IsFiniteRange(view.YRange())) << row.Name;
            if (cumulative) {
                EXPECT_EQ(view.XRange().Lower, row.CumulativeX.Lower) << row.Name;
                EXPECT_EQ(view.XRange().Upper, row.CumulativeX.Upper) << row.Name;
            }
            const QImage image = view.RenderImage();
            EXPECT_EQ(image.size(), view.size()) << row.Name;
            const QPoint center = view.PlotArea().center();
            LeftDrag(center, center + QPoint(40, 30));
            RightDrag(center, center + QPoint(-25, 15));
            EXPECT_FALSE(view.IsAutoRange()) << row.Name;
            EXPECT_TRUE(IsFiniteRange(view.XRange())) << row.Name;
            EXPECT_TRUE(IsFiniteRange(view.YRange())) << row.Name;
            EXPECT_FALSE(view.RenderImage().isNull()) << row.Name;
        }
    }
}

}  // namespace
}  // namespace zorvanta::chart_test
