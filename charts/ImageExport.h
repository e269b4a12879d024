#pragma once

#include <optional>

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include "VectorExport.h"

namespace zorvanta {

/// The encodings a chart can be saved in: bitmaps, and SVG and PDF drawings for reports.
enum class ImageFileFormat { Png, Jpeg, Bmp, Gif, Tiff, Svg, Pdf };

/// True for the formats that keep the drawing as shapes and text rather than pixels.
bool IsVectorFormat(ImageFileFormat format);

/// The text from the last "." onwards, provided no path separator (backslash or slash)
/// nor drive colon follows it; empty when the name has no extension.
QString FileNameExtension(const QString& fileName);

/// The format a file name's extension names (".ico" and ".hdp" hold PNG data); none if unknown.
std::optional<ImageFileFormat> ImageFormatForFileName(const QString& fileName);

/// The image encoded in a bitmap format, with no resolution stored.
/// Throws std::runtime_error("Saving bitmap failed.") when the encoder fails.
QByteArray EncodeBitmap(const QImage& image, ImageFileFormat format);

/// The drawing rendered one pixel per unit over opaque white.
QImage RenderDrawing(const ChartDrawing& draw, const QSize& size);

/// Writes the image in the format its file name's extension names (".png", ".jpg", ".gif",
/// ...; ".svg" and ".pdf" hold the image as a picture). The whole file is encoded in memory
/// first, so a failed encoder never touches the target. Throws std::runtime_error with the
/// message for the user ("Saving bitmap failed.", "Cannot create file ...").
void WriteImageFile(const QImage& image, const QString& fileName);

/// Writes a drawing of this logical size in the format its file name's extension names:
/// a bitmap rendered by RenderDrawing, or an SVG or PDF drawing. Throws as WriteImageFile.
void WriteDrawingFile(const ChartDrawing& draw, const QSize& size, const QString& fileName);

}  // namespace zorvanta
