#pragma once

#include <QImage>
#include <QIODevice>

namespace zorvanta {

/// Encodes the image as a GIF onto the device: with its exact colours when it has at most
/// 256, else each pixel mapped to the nearest entry of a fixed palette that holds the
/// chart colours exactly. Transparent pixels are drawn over white. False on any failure.
[[nodiscard]] bool WriteGif(const QImage& image, QIODevice& device);

}  // namespace zorvanta
