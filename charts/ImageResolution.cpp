#include "ImageResolution.h"

#include <cstdint>

namespace zorvanta {

namespace {

std::uint32_t BigEndian32(const QByteArray& bytes, qsizetype at)
{
    std::uint32_t value = 0;
    for (qsizetype i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

// Reads and writes the integers of a TIFF file in the byte order its header names.
class TiffBytes {
public:
    explicit TiffBytes(QByteArray& bytes) : bytes_(bytes), little_(bytes.startsWith("II")) {}

    std::uint32_t Read(qsizetype at, int width) const
    {
        std::uint32_t value = 0;
        for (int i = 0; i < width; ++i) {
            const int shift = 8 * (little_ ? i : width - 1 - i);
            value |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes_[at + i])) << shift;
        }
        return value;
    }

    void Write(qsizetype at, int width, std::uint32_t value)
    {
        for (int i = 0; i < width; ++i) {
            const int shift = 8 * (little_ ? i : width - 1 - i);
            bytes_[at + i] = static_cast<char>((value >> shift) & 0xFFu);
        }
    }

private:
    QByteArray& bytes_;
    bool little_;
};

}  // namespace

QByteArray PngWithoutResolution(QByteArray png)
{
    constexpr qsizetype kSignatureSize = 8;
    constexpr qsizetype kChunkFrame = 12;  // length, type and CRC around the data
    qsizetype at = kSignatureSize;
    while (at + kChunkFrame <= png.size()) {
        const std::uint32_t length = BigEndian32(png, at);
        if (length > static_cast<std::uint32_t>(png.size() - at - kChunkFrame))
            break;
        const qsizetype chunkSize = kChunkFrame + static_cast<qsizetype>(length);
        if (png.mid(at + 4, 4) == "pHYs") {
            png.remove(at, chunkSize);  // each chunk has its own CRC: the rest stays valid
            continue;
        }
        at += chunkSize;
    }
    return png;
}

QByteArray BmpWithoutResolution(QByteArray bmp)
{
    constexpr qsizetype kPixelsPerMetre = 14 + 24;  // inside the info header after the file header
    if (!bmp.startsWith("BM") || bmp.size() < kPixelsPerMetre + 8)
        return bmp;
    bmp.replace(kPixelsPerMetre, 8, QByteArray(8, '\0'));
    return bmp;
}

QByteArray JpegWithoutResolution(QByteArray jpeg)
{
    // Start of image, then the JFIF APP0 segment: length, "JFIF\0", version, units, densities.
    static const QByteArray kJfifStart("\xFF\xD8\xFF\xE0", 4);
    constexpr qsizetype kUnits = 13;
    if (!jpeg.startsWith(kJfifStart) || jpeg.size() < kUnits + 5
        || jpeg.mid(6, 5) != QByteArray("JFIF\0", 5))
        return jpeg;
    jpeg[kUnits] = '\0';
    jpeg.replace(kUnits + 1, 4, QByteArray("\x00\x01\x00\x01", 4));
    return jpeg;
}

QByteArray TiffWithoutResolution(QByteArray tiff)
{
    constexpr std::uint32_t kXResolution = 282;
    constexpr std::uint32_t kYResolution = 283;
    constexpr std::uint32_t kResolutionUnit = 296;
    constexpr qsizetype kEntrySize = 12;
    const bool tiffHeader = tiff.startsWith(QByteArray("II*\0", 4)) || tiff.startsWith(QByteArray("MM\0*", 4));
    if (tiff.size() < 8 || !tiffHeader)
        return tiff;
    TiffBytes bytes(tiff);
    const qsizetype directory = bytes.Read(4, 4);
    if (directory < 8 || directory + 2 > tiff.size())
        return tiff;
    const qsizetype count = bytes.Read(directory, 2);
    const qsizetype first = directory + 2;
    const qsizetype end = first + count * kEntrySize;
    if (end + 4 > tiff.size())
        return tiff;

    // The entries stay in tag order; the next-directory offset follows the last one kept,
    // and the bytes the dropped entries held become zero (nothing points into them).
    qsizetype kept = first;
    for (qsizetype entry = first; entry < end; entry += kEntrySize) {
        const std::uint32_t tag = bytes.Read(entry, 2);
        if (tag == kXResolution || tag == kYResolution || tag == kResolutionUnit)
            continue;
        if (kept != entry)
            tiff.replace(kept, kEntrySize, tiff.mid(entry, kEntrySize));
        kept += kEntrySize;
    }
    if (kept == end)
        return tiff;
    tiff.replace(kept, 4, tiff.mid(end, 4));
    tiff.replace(kept + 4, end - kept, QByteArray(end - kept, '\0'));
    bytes.Write(directory, 2, static_cast<std::uint32_t>((kept - first) / kEntrySize));
    return tiff;
}

}  // namespace zorvanta
