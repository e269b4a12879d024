#include "ImageExport.h"

#include <stdexcept>

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>

#include "FileWriting.h"
#include "GifWriter.h"
#include "ImageResolution.h"

namespace zorvanta {

namespace {

constexpr char kSaveFailed[] = "Saving bitmap failed.";
constexpr int kJpegQuality = 90;
constexpr int kTiffLzwCompression = 1;

const char* QtFormatName(ImageFileFormat format)
{
    switch (format) {
    case ImageFileFormat::Png: return "png";
    case ImageFileFormat::Jpeg: return "jpeg";
    case ImageFileFormat::Bmp: return "bmp";
    case ImageFileFormat::Gif: return "gif";
    case ImageFileFormat::Tiff: return "tiff";
    case ImageFileFormat::Svg: return "svg";
    case ImageFileFormat::Pdf: return "pdf";
    }
    return "";
}

bool Encode(const QImage& image, ImageFileFormat format, QIODevice& device)
{
    // Qt has no GIF writer.
    if (format == ImageFileFormat::Gif)
        return WriteGif(image, device);
    // An explicit format: the ".ico" and ".hdp" names must still receive PNG data.
    QImageWriter writer(&device, QtFormatName(format));
    if (format == ImageFileFormat::Jpeg)
        writer.setQuality(kJpegQuality);
    if (format == ImageFileFormat::Tiff)
        writer.setCompression(kTiffLzwCompression);
    // Fails too when the TIFF plug-in is missing at run time.
    return writer.write(image);
}

QByteArray WithoutResolution(QByteArray bytes, ImageFileFormat format)
{
    switch (format) {
    case ImageFileFormat::Png: return PngWithoutResolution(std::move(bytes));
    case ImageFileFormat::Jpeg: return JpegWithoutResolution(std::move(bytes));
    case ImageFileFormat::Bmp: return BmpWithoutResolution(std::move(bytes));
    case ImageFileFormat::Tiff: return TiffWithoutResolution(std::move(bytes));
    case ImageFileFormat::Gif:  // stores no resolution
    case ImageFileFormat::Svg:
    case ImageFileFormat::Pdf:
        break;
    }
    return bytes;
}

QByteArray EncodeVector(const ChartDrawing& draw, const QSize& size, ImageFileFormat format)
{
    QByteArray bytes = format == ImageFileFormat::Svg ? EncodeSvg(draw, size) : EncodePdf(draw, size);
    if (bytes.isEmpty())
        throw std::runtime_error(kSaveFailed);
    return bytes;
}

ImageFileFormat RequiredFormat(const QString& fileName)
{
    const std::optional<ImageFileFormat> format = ImageFormatForFileName(fileName);
    if (!format)
        throw std::runtime_error(kSaveFailed);
    return *format;
}

}  // namespace

QString FileNameExtension(const QString& fileName)
{
    for (qsizetype i = fileName.size(); i-- > 0;) {
        const QChar character = fileName.at(i);
        if (character == u'.')
            return fileName.mid(i);
        if (character == u'\\' || character == u'/' || character == u':')
            break;
    }
    return {};
}

bool IsVectorFormat(ImageFileFormat format)
{
    return format == ImageFileFormat::Svg || format == ImageFileFormat::Pdf;
}

std::optional<ImageFileFormat> ImageFormatForFileName(const QString& fileName)
{
    struct Entry {
        const char16_t* Extension;
        ImageFileFormat Format;
    };
    static constexpr Entry kTable[] = {
        {u".png", ImageFileFormat::Png},   {u".jpg", ImageFileFormat::Jpeg},
        {u".jpeg", ImageFileFormat::Jpeg}, {u".bmp", ImageFileFormat::Bmp},
        {u".gif", ImageFileFormat::Gif},   {u".tif", ImageFileFormat::Tiff},
        {u".tiff", ImageFileFormat::Tiff}, {u".ico", ImageFileFormat::Png},
        {u".hdp", ImageFileFormat::Png},   {u".svg", ImageFileFormat::Svg},
        {u".pdf", ImageFileFormat::Pdf},
    };
    const QString extension = FileNameExtension(fileName);
    for (const Entry& entry : kTable)
        if (extension.compare(QString::fromUtf16(entry.Extension), Qt::CaseInsensitive) == 0)
            return entry.Format;
    return std::nullopt;
}

QByteArray EncodeBitmap(const QImage& image, ImageFileFormat format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (IsVectorFormat(format) || !buffer.open(QIODevice::WriteOnly) || !Encode(image, format, buffer))
        throw std::runtime_error(kSaveFailed);
    return WithoutResolution(std::move(bytes), format);
}

QImage RenderDrawing(const ChartDrawing& draw, const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    draw(image);
    return image;
}

void WriteImageFile(const QImage& image, const QString& fileName)
{
    const ImageFileFormat format = RequiredFormat(fileName);
    if (!IsVectorFormat(format)) {
        WriteFileBytes(EncodeBitmap(image, format), fileName);
        return;
    }
    const auto drawImage = [&image](QPaintDevice& device) {
        QPainter painter(&device);
        painter.drawImage(QRect(QPoint(0, 0), image.size()), image, image.rect());
    };
    WriteFileBytes(EncodeVector(drawImage, image.size(), format), fileName);
}

void WriteDrawingFile(const ChartDrawing& draw, const QSize& size, const QString& fileName)
{
    const ImageFileFormat format = RequiredFormat(fileName);
    const QByteArray bytes = IsVectorFormat(format) ? EncodeVector(draw, size, format)
                                                    : EncodeBitmap(RenderDrawing(draw, size), format);
    WriteFileBytes(bytes, fileName);
}

}  // namespace zorvanta
