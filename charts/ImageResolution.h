#pragma once

#include <QByteArray>

namespace zorvanta {

// A chart image is so many pixels and nothing more: its files carry no resolution, so no
// program prints or places it at a size the chart never had. Qt's encoders always store
// one (from the image's dots per metre, which cannot be set to zero), so the written
// bytes are corrected afterwards. Bytes not laid out as expected are returned unchanged.

/// PNG without its pHYs chunk.
QByteArray PngWithoutResolution(QByteArray png);
/// BMP with 0 pixels per metre in both directions.
QByteArray BmpWithoutResolution(QByteArray bmp);
/// JPEG whose JFIF header gives density units "none" and a 1:1 pixel aspect ratio.
QByteArray JpegWithoutResolution(QByteArray jpeg);
/// TIFF without the XResolution, YResolution and ResolutionUnit tags in its first image
/// directory. (TIFF 6.0 lists them as baseline fields, but readers take their absence as
/// an unknown resolution; Qt's writer always sets them.)
QByteArray TiffWithoutResolution(QByteArray tiff);

}  // namespace zorvanta
