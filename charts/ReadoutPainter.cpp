#include "ReadoutPainter.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace zorvanta {

namespace {

constexpr int kMarkerRadius = 4;        // [pixels]
constexpr int kLabelPadding = 4;        // [pixels] between the box and its text
constexpr int kLabelOffset = 12;        // [pixels] from the pointer to the box
const QColor kCursorColor(0x50, 0x50, 0x50);
const QColor kLabelFill(0xFF, 0xFF, 0xFF, 0xE6);  // mostly opaque, the curves faintly through
const QColor kLabelFrame(0x70, 0x70, 0x70);
const QColor kLabelText(0x10, 0x10, 0x10);

QRect MarkerRect(QPoint centre)
{
    // One pixel more on each side than the ring, for its pen and antialiasing.
    const int r = kMarkerRadius + 2;
    return {centre.x() - r, centre.y() - r, 2 * r + 1, 2 * r + 1};
}

}  // namespace

QRegion ReadoutLayout::Region() const
{
    QRegion region(Cursor);
    for (const QPoint& marker : Markers)
        region += MarkerRect(marker);
    if (!Label.isEmpty())
        region += Label.adjusted(0, 0, 1, 1);
    return region;
}

ReadoutLayout LayOutReadout(const QRect& plot, QPoint pointer, const QVector<QPointF>& markers,
                            const QVector<QColor>& markerColors, const QStringList& lines, const QFont& font)
{
    ReadoutLayout layout;
    layout.Font = font;
    layout.Lines = lines;
    layout.Cursor = QRect(pointer.x(), plot.top(), 1, plot.height());
    for (int i = 0; i < markers.size(); ++i) {
        const QPointF& at = markers[i];
        // A marker far off the plot (zoomed or panned away) may lie beyond any int.
        if (!(std::isfinite(at.x()) && std::isfinite(at.y())) || !QRectF(plot).contains(at))
            continue;
        layout.Markers.push_back(QPoint(static_cast<int>(std::lround(at.x())), static_cast<int>(std::lround(at.y()))));
        layout.MarkerColors.push_back(markerColors.value(i));
    }
    if (lines.isEmpty())
        return layout;

    const QFontMetrics metrics(font);
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    const QSize size(width + 2 * kLabelPadding, static_cast<int>(lines.size()) * metrics.height() + 2 * kLabelPadding);
    // Up and to the right of the pointer; flipped to the other side where the plot ends.
    int x = pointer.x() + kLabelOffset;
    if (x + size.width() > plot.right())
        x = pointer.x() - kLabelOffset - size.width();
    int y = pointer.y() - kLabelOffset - size.height();
    if (y < plot.top())
        y = pointer.y() + kLabelOffset;
    x = std::max(plot.left(), std::min(x, plot.right() - size.width()));
    y = std::max(plot.top(), std::min(y, plot.bottom() - size.height()));
    layout.Label = QRect(QPoint(x, y), size);
    return layout;
}

void PaintReadout(QPainter& painter, const ReadoutLayout& layout)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(layout.Cursor, kCursorColor);

    painter.setRenderHint(QPainter::Antialiasing, true);
    for (int i = 0; i < layout.Markers.size(); ++i) {
        painter.setPen(QPen(layout.MarkerColors.value(i), 2));
        painter.setBrush(Qt::white);
        painter.drawEllipse(layout.Markers[i], kMarkerRadius, kMarkerRadius);
    }

    if (!layout.Label.isEmpty()) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(kLabelFrame);
        painter.setBrush(kLabelFill);
        painter.drawRect(layout.Label);
        painter.setFont(layout.Font);
        painter.setPen(kLabelText);
        const QFontMetrics metrics(layout.Font);
        const QRect text = layout.Label.adjusted(kLabelPadding, kLabelPadding, -kLabelPadding, -kLabelPadding);
        for (int i = 0; i < layout.Lines.size(); ++i)
            painter.drawText(QRect(text.left(), text.top() + i * metrics.height(), text.width(), metrics.height()),
                             Qt::AlignLeft | Qt::AlignVCenter, layout.Lines[i]);
    }
    painter.restore();
}

}  // namespace zorvanta
