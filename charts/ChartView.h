#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

#include "ChartContents.h"
#include "ChartGeometry.h"

namespace zorvanta {

class ChartPlot;

/// One chart of the main window: draws a ChartContents, lets the user zoom and pan
/// with the mouse, and renders itself into an image file.
class ChartView : public QWidget {
    Q_OBJECT

public:
    explicit ChartView(QWidget* parent = nullptr);
    ~ChartView() override;

    /// Replaces everything the chart shows; the axes become automatic again.
    void SetContents(const ChartContents& contents);
    const ChartContents& Contents() const;
    /// The decimal separator of the axes' tick labels ("." until set).
    void SetDecimalSeparator(char separator);

    /// The chart drawn anew at its logical size, one pixel per unit, over opaque white.
    QImage RenderImage();
    /// Renders the chart and writes it in the format the file name's extension names.
    /// Throws std::runtime_error with the message for the user.
    void SaveToBitmapFile(const QString& fileName);

    using AxisRange = AxisSpan;
    /// The bottom axis range [hours] as the chart is drawn at its current size.
    AxisRange XRange() const;
    /// The left axis range [vehicles] as the chart is drawn at its current size.
    AxisRange YRange() const;
    /// False once the user zoomed or panned, true again after SetContents or a restore.
    bool IsAutoRange() const;
    /// The number of series currently drawn.
    int SeriesCount() const;
    /// The plot area (inside the axes), in this widget's coordinates.
    QRect PlotArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void LayOut() const;
    void Pan(QPoint to);
    void ZoomTo(QPoint from, QPoint to);

    ChartPlot* plot_;  ///< hidden child that draws on this widget's behalf
    char decimalSeparator_ = '.';
    Qt::MouseButton dragButton_ = Qt::NoButton;
    QPoint pressPos_;      ///< where the drag began [pixels]
    QPoint dragPos_;       ///< where the drag is now [pixels]
    AxisSpans panStart_{}; ///< axis ranges when the pan began
    QRect panPlot_;        ///< plot area when the pan began [pixels]
};

}  // namespace zorvanta
