#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <optional>

#include "ChartContents.h"
#include "ChartGeometry.h"
#include "ChartReadouts.h"
#include "ReadoutPainter.h"

class QMenu;
class QPaintDevice;

namespace zorvanta {

class ChartPlot;

/// One chart of the main window: draws a ChartContents, lets the user zoom and pan
/// with the mouse, reads the chart out under the pointer, and renders itself into an image file.
/// A right click without a drag opens a menu to copy the chart as an image or to ask for it to be saved.
class ChartView : public QWidget {
    Q_OBJECT

public:
    explicit ChartView(QWidget* parent = nullptr);
    ~ChartView() override;

    /// Replaces everything the chart shows; the axes become automatic again and the
    /// read-out source is dropped (it described the old contents).
    void SetContents(const ChartContents& contents);
    const ChartContents& Contents() const;
    /// What the hover read-out shows over the plot; an empty source shows none.
    void SetReadoutSource(ReadoutSource source);
    /// The decimal separator of the numbers the chart writes: tick labels and read-out ("." until set).
    void SetDecimalSeparator(char separator);
    /// The lines the hover read-out shows now; empty while it is not shown.
    QStringList ReadoutLines() const;

    /// The chart drawn anew at its logical size, one pixel per unit, over opaque white.
    QImage RenderImage();
    /// Renders the chart and writes it in the format the file name's extension names: a
    /// bitmap as RenderImage draws it, or the same drawing as SVG or PDF shapes and text.
    /// Throws std::runtime_error with the message for the user.
    void SaveToBitmapFile(const QString& fileName);
    /// Puts the chart on the clipboard as the image a bitmap save would write.
    void CopyImage();

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

signals:
    /// "Save image..." was chosen in the chart's menu: the owner runs its Save command.
    void SaveRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void DrawOnto(QPaintDevice& device);
    void ShowContextMenu(QPoint globalPos);
    void LayOut() const;
    // The drawn chart is kept as a picture, so that a pointer move paints only the read-out
    // over it; everything that changes the drawing makes the picture stale.
    void InvalidatePicture();
    bool IsPictureCurrent() const;
    void RenderPicture();
    void HoverAt(QPoint pointer);
    void HideReadout();
    void Pan(QPoint to);
    void ZoomTo(QPoint from, QPoint to);

    ChartPlot* plot_;  ///< hidden child that draws on this widget's behalf
    Qt::MouseButton dragButton_ = Qt::NoButton;
    QPoint pressPos_;      ///< where the drag began [pixels]
    QPoint dragPos_;       ///< where the drag is now [pixels]
    AxisSpans panStart_{}; ///< axis ranges when the pan began
    QRect panPlot_;        ///< plot area when the pan began [pixels]
    bool rightDragMoved_ = false;  ///< the right button moved since its press: a pan, no menu
    QMenu* contextMenu_ = nullptr; ///< made on first use

    char decimalSeparator_ = '.';
    ReadoutSource readoutSource_;
    QImage picture_;               ///< the chart as last drawn, at the screen's pixel ratio
    bool pictureValid_ = false;
    std::optional<QPoint> pointer_;        ///< where the pointer hovers, while it does [pixels]
    std::optional<ReadoutLayout> readout_; ///< the read-out painted over the picture
};

}  // namespace zorvanta
