#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QStringList>
#include <QVector>

class QPainter;

namespace zorvanta {

/// Where the hover read-out goes over the drawn chart [widget pixels]: a thin cursor down the
/// plot, a ring on each marked point and a label of a few lines beside the pointer.
struct ReadoutLayout {
    QRect Cursor;                 ///< the cursor line, one pixel wide, the plot's height
    QVector<QPoint> Markers;      ///< ring centres
    QVector<QColor> MarkerColors;
    QRect Label;                  ///< the label box, kept inside the plot where it fits
    QStringList Lines;
    QFont Font;

    /// Every pixel the read-out paints, for repainting only that much.
    QRegion Region() const;
};

/// Places the read-out for a pointer inside `plot`; markers outside the plot are left out.
ReadoutLayout LayOutReadout(const QRect& plot, QPoint pointer, const QVector<QPointF>& markers,
                            const QVector<QColor>& markerColors, const QStringList& lines, const QFont& font);

/// Paints the read-out; the painter draws on the chart's picture or the widget.
void PaintReadout(QPainter& painter, const ReadoutLayout& layout);

}  // namespace zorvanta
