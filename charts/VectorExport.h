#pragma once

#include <functional>

#include <QByteArray>
#include <QPaintDevice>
#include <QSize>

namespace zorvanta {

/// Draws a chart, background included, onto a paint device whose logical size is the
/// chart's size [units].
using ChartDrawing = std::function<void(QPaintDevice& device)>;

/// The drawing as an SVG document of that logical size: lines and bars as shapes, texts as
/// text. Empty when the size is empty.
QByteArray EncodeSvg(const ChartDrawing& draw, const QSize& size);

/// The drawing as a one-page PDF whose page is that logical size in points (one unit, one
/// point): lines and bars as shapes, texts as searchable text. Empty when the size is empty
/// or the PDF writer fails.
QByteArray EncodePdf(const ChartDrawing& draw, const QSize& size);

}  // namespace zorvanta
