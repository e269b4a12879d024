#pragma once

#include <optional>

#include <QImage>
#include <QString>

namespace zorvanta {

/// The encodings a chart image can be saved in.
enum class ImageFileFormat { Png, Jpeg, Bmp, Gif, Tiff };

/// The format a file name's extension names (".ico" and ".hdp" hold PNG data); none if unknown.
std::optional<ImageFileFormat> ImageFormatForFileName(const QString& fileName);

/// Writes the image in the format its file name's extension names (".png", ".jpg", ".gif", ...).
/// Atomic: the target is replaced only by a complete file. Throws std::runtime_error
/// with the message for the user ("Saving bitmap failed.", "Cannot create file ...").
void WriteImageFile(const QImage& image, const QString& fileName);

}  // namespace zorvanta
