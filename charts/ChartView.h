#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>

#include "ChartContents.h"

namespace zorvanta {

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

    /// The chart drawn anew at its logical size, one pixel per unit, over opaque white.
    QImage RenderImage();
    /// Renders the chart and writes it in the format the file name's extension names.
    /// Throws std::runtime_error with the message for the user.
    void SaveToBitmapFile(const QString& fileName);

    struct AxisRange {
        double Lower;
        double Upper;
    };
    AxisRange XRange() const;
    AxisRange YRange() const;
    /// False once the user zoomed or panned, true again after SetContents or a restore.
    bool IsAutoRange() const;
    /// The number of series currently drawn.
    int SeriesCount() const;
    /// The plot area (inside the axes), in this widget's coordinates.
    QRect PlotArea() const;

private:
    ChartContents contents_;
};

}  // namespace zorvanta
