#pragma once

#include <QImage>
#include <QString>

namespace zorvanta {

/// Writes the image in the format its file name's extension names (".png", ".jpg", ".gif", ...).
/// Atomic: the target is replaced only by a complete file. Throws std::runtime_error
/// with the message for the user ("Saving bitmap failed.", "Cannot create file ...").
void WriteImageFile(const QImage& image, const QString& fileName);

}  // namespace zorvanta
