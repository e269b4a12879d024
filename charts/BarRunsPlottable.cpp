#include "BarRunsPlottable.h"

#include <algorithm>
#include <cmath>

#include "ChartGeometry.h"

namespace zorvanta {

namespace {

double SnapToPixel(double pixel) { return std::floor(pixel + 0.5); }

}  // namespace

BarRunsPlottable::BarRunsPlottable(QCPAxis* keyAxis, QCPAxis* valueAxis, std::vector<BarRun> runs, Side side,
                                   double maxBarCount)
    : QCPAbstractPlottable(keyAxis, valueAxis), runs_(std::move(runs)), side_(side), maxBarCount_(maxBarCount)
{
    setAntialiased(false);  // bars are whole-pixel rectangles
}

double BarRunsPlottable::selectTest(const QPointF&, bool, QVariant*) const
{
    return -1.0;  // bars are never selectable
}

QCPRange BarRunsPlottable::getKeyRange(bool& foundRange, QCP::SignDomain) const
{
    foundRange = !runs_.empty();
    return foundRange ? QCPRange(runs_.front().FirstX, runs_.back().LastX) : QCPRange();
}

QCPRange BarRunsPlottable::getValueRange(bool& foundRange, QCP::SignDomain, const QCPRange&) const
{
    foundRange = !runs_.empty();
    double lower = 0.0;
    double upper = 0.0;
    for (const BarRun& run : runs_) {
        lower = std::min(lower, run.Height);
        upper = std::max(upper, run.Height);
    }
    return QCPRange(lower, upper);
}

void BarRunsPlottable::draw(QCPPainter* painter)
{
    if (!mKeyAxis || !mValueAxis || runs_.empty())
        return;
    // The width follows the plot's current length, so it is recomputed at every drawing. A rule
    // width of 0 (very many bars on a narrow plot) still draws one pixel, so no bar vanishes.
    const int barWidth = DrawnBarWidthPixels(mKeyAxis->axisRect()->width(), maxBarCount_);
    painter->setPen(Qt::NoPen);
    painter->setBrush(mBrush);
    for (const BarRun& run : runs_)
        DrawRun(painter, run, barWidth);
}

void BarRunsPlottable::DrawRun(QCPPainter* painter, const BarRun& run, int barWidth) const
{
    const QCPAxis* keyAxis = mKeyAxis.data();
    const QRect area = keyAxis->axisRect()->rect();
    const double top = mValueAxis->coordToPixel(run.Height);
    const double bottom = mValueAxis->coordToPixel(0.0);
    const double offset = side_ == Side::LeftOfX ? -barWidth : 0.0;
    const auto barLeft = [&](double x) { return SnapToPixel(keyAxis->coordToPixel(x)) + offset; };
    const double pixelsPerHour = area.width() / keyAxis->range().size();
    const double count = BarCount(run);

    if (count <= 1.0 || pixelsPerHour <= barWidth) {
        // Neighbouring bars touch or overlap: the visible part of the run is one rectangle.
        FillBar(painter, barLeft(run.FirstX), barLeft(run.LastX) + barWidth, top, bottom);
        return;
    }
    // Bars more than one pixel apart: only those that can reach the plot are drawn, at most
    // one per pixel column, however long the run.
    const double keyA = keyAxis->pixelToCoord(area.left() - barWidth - 1.0);
    const double keyB = keyAxis->pixelToCoord(area.right() + barWidth + 1.0);
    const double firstIndex = std::max(0.0, std::ceil(std::min(keyA, keyB) - run.FirstX));
    const double lastIndex = std::min(count - 1.0, std::floor(std::max(keyA, keyB) - run.FirstX));
    if (!(firstIndex <= lastIndex))
        return;
    // Far from 0 whole hours may not be distinct doubles; the cap keeps the loop bounded anyway.
    const double visible = std::min(lastIndex - firstIndex + 1.0, area.width() + 2.0 * barWidth + 4.0);
    const auto steps = static_cast<long long>(visible);
    for (long long step = 0; step < steps; ++step) {
        const double left = barLeft(run.FirstX + (firstIndex + static_cast<double>(step)));
        FillBar(painter, left, left + barWidth, top, bottom);
    }
}

void BarRunsPlottable::FillBar(QCPPainter* painter, double left, double right, double top, double bottom) const
{
    // Clamp to just beyond the plot: zoomed-in coordinates can be far too large for the painter.
    const QRect area = mKeyAxis->axisRect()->rect();
    const auto clampX = [&](double x) { return std::clamp(x, area.left() - 2.0, area.right() + 3.0); };
    const auto clampY = [&](double y) { return std::clamp(SnapToPixel(y), area.top() - 2.0, area.bottom() + 3.0); };
    const double x0 = clampX(left);
    const double x1 = clampX(right);
    const double y0 = clampY(std::min(top, bottom));
    const double y1 = clampY(std::max(top, bottom));
    if (x1 > x0 && y1 > y0)
        painter->drawRect(QRectF(x0, y0, x1 - x0, y1 - y0));
}

void BarRunsPlottable::drawLegendIcon(QCPPainter* painter, const QRectF& rect) const
{
    painter->setPen(Qt::NoPen);
    painter->setBrush(mBrush);
    painter->drawRect(rect);
}

}  // namespace zorvanta
