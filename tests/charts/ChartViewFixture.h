#pragma once

// The chart widget at the main window's default size, with the axis mapping the tests need
// to find where a value is drawn, and mouse drags driven through QtTest.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QtTest/QTest>

#include <cmath>
#include <limits>

#include "ChartBuilders.h"
#include "ChartGeometry.h"
#include "ChartView.h"

namespace zorvanta::chart_test {

inline constexpr double kInf = std::numeric_limits<double>::infinity();
inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

inline const QueueInputs kDefaultInputs{800, 2000, 1000, 2};
inline const QueueResults kDefaultResults{4800, 2800, 2000, 1, 3, 13, 2000, 10000, 12000};

inline bool IsColor(QRgb pixel, QRgb expected) { return (pixel & 0xFFFFFFu) == (expected & 0xFFFFFFu); }

inline bool IsFiniteRange(const ChartView::AxisRange& range)
{
    return std::isfinite(range.Lower) && std::isfinite(range.Upper) && range.Lower < range.Upper;
}

// A chart of the main window's default size.
class ChartViewTest : public testing::Test {
protected:
    void SetUp() override { view.resize(586, 261); }

    void ShowView()
    {
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    double PixelX(double x) const
    {
        const QRect area = view.PlotArea();
        const ChartView::AxisRange range = view.XRange();
        return area.left() + (x - range.Lower) / (range.Upper - range.Lower) * area.width();
    }
    double PixelY(double y) const
    {
        const QRect area = view.PlotArea();
        const ChartView::AxisRange range = view.YRange();
        return area.bottom() - (y - range.Lower) / (range.Upper - range.Lower) * area.height();
    }
    double PixelToX(int pixel) const
    {
        const QRect area = view.PlotArea();
        const ChartView::AxisRange range = view.XRange();
        return range.Lower + (pixel - area.left()) / static_cast<double>(area.width()) * (range.Upper - range.Lower);
    }
    QPoint PixelOf(double x, double y) const
    {
        return {static_cast<int>(std::lround(PixelX(x))), static_cast<int>(std::lround(PixelY(y)))};
    }

    // Whether a pixel of the colour lies within `reach` pixels of (x, y) in the column x.
    static bool ColorNearInColumn(const QImage& image, QPoint at, QRgb color, int reach)
    {
        for (int y = at.y() - reach; y <= at.y() + reach; ++y)
            if (image.valid(at.x(), y) && IsColor(image.pixel(at.x(), y), color))
                return true;
        return false;
    }

    void LeftDrag(QPoint from, QPoint to)
    {
        QTest::mousePress(&view, Qt::LeftButton, {}, from);
        QTest::mouseMove(&view, (from + to) / 2);
        QTest::mouseMove(&view, to);
        QTest::mouseRelease(&view, Qt::LeftButton, {}, to);
    }
    void RightDrag(QPoint from, QPoint to)
    {
        QTest::mousePress(&view, Qt::RightButton, {}, from);
        QTest::mouseMove(&view, (from + to) / 2);
        QTest::mouseMove(&view, to);
        QTest::mouseRelease(&view, Qt::RightButton, {}, to);
    }

    // The bars, the gap at the peak hour and the capacity line of the default inputs, at the
    // places the current axes give them (also when zoomed).
    void ExpectDefaultBarsAndLine(const QImage& image) const
    {
        const int h = BarWidthPixels(view.PlotArea().width(), 11) / 2;
        const QRgb red = qRgb(255, 0, 0);
        const QRgb blue = qRgb(0, 0, 255);
        const QRgb white = qRgb(255, 255, 255);
        EXPECT_TRUE(IsColor(image.pixel(PixelOf(1, 1500) + QPoint(h, 0)), red)) << "red bar right of hour 1";
        EXPECT_TRUE(IsColor(image.pixel(PixelOf(2, 1500) + QPoint(h, 0)), red)) << "red bar right of hour 2";
        EXPECT_TRUE(IsColor(image.pixel(PixelOf(0.5, 400) - QPoint(h, 0)), blue)) << "blue bar left of 0.5";
        EXPECT_TRUE(IsColor(image.pixel(PixelOf(0.5, 400) + QPoint(h, 0)), white)) << "nothing right of 0.5";
        EXPECT_TRUE(IsColor(image.pixel(PixelOf(4, 400) - QPoint(h, 0)), blue)) << "blue bar left of hour 4";
        EXPECT_TRUE(IsColor(image.pixel(PixelOf(13, 400) - QPoint(h, 0)), blue)) << "blue bar left of hour 13";
        EXPECT_TRUE(IsColor(image.pixel(PixelOf(3, 400) - QPoint(2, 0)), white)) << "no blue bar at the peak hour";
        EXPECT_TRUE(IsColor(image.pixel(PixelOf(3, 400) + QPoint(2, 0)), white)) << "no red bar at the peak hour";
        EXPECT_TRUE(IsColor(image.pixel(PixelOf(2, 400) - QPoint(2, 0)), white)) << "no blue bar at hour 2";
        EXPECT_TRUE(ColorNearInColumn(image, PixelOf(3, 1000), qRgb(0, 128, 0), 1)) << "capacity line";
        EXPECT_TRUE(ColorNearInColumn(image, PixelOf(12.6, 1000), qRgb(0, 128, 0), 1)) << "capacity line";
        EXPECT_FALSE(ColorNearInColumn(image, PixelOf(13.4, 1000), qRgb(0, 128, 0), 1)) << "line ends at 13";
    }

    ChartView view;
};

}  // namespace zorvanta::chart_test
