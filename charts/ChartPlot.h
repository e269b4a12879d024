#pragma once

#include <qcustomplot.h>

#include "ChartContents.h"
#include "ChartGeometry.h"

namespace zorvanta {

class AxisTicker;

/// The QCustomPlot behind a ChartView: turns a ChartContents into title, legend and
/// plottables, and keeps the axes automatic until a range is fixed. Never shown itself:
/// the view paints it, so the screen and exported images share one drawing.
class ChartPlot : public QCustomPlot {
public:
    explicit ChartPlot(QWidget* parent);

    /// Replaces title, legend and series; the axes become automatic.
    void ShowContents(const ChartContents& contents);
    const ChartContents& Contents() const { return contents_; }

    /// The decimal separator of the axes' tick labels.
    void SetDecimalSeparator(char separator);

    void SetAutomatic(bool automatic) { automatic_ = automatic; }
    bool IsAutomatic() const { return automatic_; }

    /// Lays the chart out for a drawing of this size [pixels], updating automatic axes.
    void LayOut(const QSize& size);
    /// Draws the whole chart at this size [pixels] with the painter.
    void Paint(QCPPainter* painter, const QSize& size);

    /// The current axis ranges, as of the last layout.
    AxisSpans Spans() const;
    /// Fixes both axis ranges (zoom, pan); the caller passes finite, non-empty ranges.
    void FixSpans(const AxisSpans& spans);
    /// The plot area inside the axes, as of the last layout [pixels].
    QRect PlotRect() const;
    /// Axis coordinates of a pixel position, as of the last layout.
    QPointF PixelToCoords(const QPointF& pixel) const;
    /// Pixel position of axis coordinates, as of the last layout.
    QPointF CoordsToPixel(double x, double y) const;

protected:
    void updateLayout() override;

private:
    void ShowTitle(const ChartContents& contents);
    void ShowLegend(bool visible);
    void AddSeries(const ChartContents& contents);

    ChartContents contents_;
    bool automatic_ = true;
    QCPAxisRect* plotRect_;
    QCPTextElement* title_;       ///< in the layout only while the title is not empty
    QCPLayoutGrid* body_;         ///< the plot and, at its right, the legend column
    QCPLayoutGrid* legendColumn_; ///< in the body only while the legend is visible
    QVector<QSharedPointer<AxisTicker>> tickers_;  ///< bottom and left axis
};

}  // namespace zorvanta
