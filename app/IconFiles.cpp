#include "IconFiles.h"

#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgGenerator>

#include <stdexcept>

#include "LogoArtwork.h"

namespace zorvanta {

namespace {

[[noreturn]] void Fail(const QString& path, const QString& reason)
{
    throw std::runtime_error(QStringLiteral("Cannot write the icon %1: %2").arg(path, reason).toStdString());
}

void WriteSvg(const QString& path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setTitle(QStringLiteral("Zorvanta"));
    svg.setDescription(QStringLiteral("The Zorvanta logo"));
    svg.setSize(QSize(LogoCanvasSide, LogoCanvasSide));
    svg.setViewBox(QRect(0, 0, LogoCanvasSide, LogoCanvasSide));
    QPainter painter;
    if (!painter.begin(&svg))
        Fail(path, QStringLiteral("the file cannot be opened"));
    PaintLogo(painter, QRectF(0.0, 0.0, LogoCanvasSide, LogoCanvasSide));
    painter.end();
}

void WriteRaster(const QString& path, int side)
{
    // Up to 1024: the largest icon any desktop asks for (a macOS bundle's).
    if (side < 1 || side > 1024)
        Fail(path, QStringLiteral("the side %1 is not between 1 and 1024 pixels").arg(side));
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        PaintLogo(painter, QRectF(0.0, 0.0, side, side));
    }
    QImageWriter writer(path);
    if (!writer.write(image.convertToFormat(QImage::Format_ARGB32)))
        Fail(path, writer.errorString());
}

}  // namespace

void WriteIconFile(const QString& path, int side)
{
    if (QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0)
        WriteSvg(path);
    else
        WriteRaster(path, side);
}

}  // namespace zorvanta
