#include "VectorExport.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace zorvanta {

namespace {

// At 96 units per inch the SVG's size in millimetres is the chart's size in CSS pixels.
constexpr int kSvgUnitsPerInch = 96;
// One PDF point per unit keeps the page exactly the chart's logical size.
constexpr int kPdfUnitsPerInch = 72;

}  // namespace

QByteArray EncodeSvg(const ChartDrawing& draw, const QSize& size)
{
    if (size.isEmpty())
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(kSvgUnitsPerInch);
    draw(svg);
    return bytes;
}

QByteArray EncodePdf(const ChartDrawing& draw, const QSize& size)
{
    if (size.isEmpty())
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kPdfUnitsPerInch);
        const QPageLayout page(QPageSize(QSizeF(size), QPageSize::Point), QPageLayout::Portrait,
                               QMarginsF(0, 0, 0, 0));
        if (!pdf.setPageLayout(page))
            return {};
        draw(pdf);
    }  // the writer finishes the document when its painter ends, at the latest here
    return bytes;
}

}  // namespace zorvanta
