#pragma once

#include <QString>

namespace zorvanta {

/// Writes the application icon to `path` in the format its extension names: "svg" as a
/// scalable drawing of the logo artwork; any raster format Qt can write ("png", "ico",
/// "icns") as a square picture of `side` pixels, painted at that size. Throws
/// std::runtime_error naming the file when it cannot be written.
void WriteIconFile(const QString& path, int side);

}  // namespace zorvanta
