#pragma once

// Helpers shared by the image export tests: the message a save fails with, and a file's bytes.

#include <QFile>
#include <QImage>
#include <QString>

#include <stdexcept>
#include <string>

#include "ImageExport.h"

namespace zorvanta::exporttest {

/// The message WriteImageFile fails with, or "(no error)".
inline std::string ErrorOf(const QImage& image, const QString& fileName)
{
    try {
        WriteImageFile(image, fileName);
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "(no error)";
}

/// The file's bytes; empty when it cannot be read.
inline QByteArray ReadBytes(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace zorvanta::exporttest
