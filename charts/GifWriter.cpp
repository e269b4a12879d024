#include "GifWriter.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <unordered_map>
#include <vector>

#include <QPainter>

namespace zorvanta {

namespace {

constexpr std::size_t kMaxPaletteSize = 256;
// The logical screen size fields of a GIF are 16 bits wide.
constexpr int kMaxGifSide = std::numeric_limits<std::uint16_t>::max();

// GIF has no partial transparency; the chart is meant to be seen over white anyway.
QImage OpaqueOverWhite(const QImage& image)
{
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    // Explicit rectangles: one source pixel per target pixel whatever the device pixel ratio.
    painter.drawImage(QRect(QPoint(0, 0), image.size()), image, image.rect());
    return opaque;
}

// The image's distinct colours, sorted; stops counting once there are more than the limit.
std::vector<QRgb> DistinctColours(const QImage& image, std::size_t limit)
{
    std::unordered_map<QRgb, bool> seen;
    QRgb previous = 0;  // never an opaque colour; long runs of one colour skip the lookup
    for (int y = 0; y < image.height() && seen.size() <= limit; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width() && seen.size() <= limit; ++x) {
            const QRgb colour = row[x] | 0xFF000000u;
            if (colour != previous)
                seen.emplace(colour, true);
            previous = colour;
        }
    }
    std::vector<QRgb> colours;
    colours.reserve(seen.size());
    for (const auto& entry : seen)
        colours.push_back(entry.first);
    std::sort(colours.begin(), colours.end());
    return colours;
}

void AddUnique(std::vector<QRgb>& palette, QRgb colour)
{
    if (palette.size() < kMaxPaletteSize
        && std::find(palette.begin(), palette.end(), colour) == palette.end())
        palette.push_back(colour);
}

// For images with too many colours (anti-aliased lines and text): the colours the charts
// draw with come first so they map onto themselves, then a colour cube and a grey ramp.
std::vector<QRgb> FixedPalette()
{
    std::vector<QRgb> palette;
    for (QRgb colour : {0xFF0000FFu, 0xFFFF0000u, 0xFF008000u, 0xFF000000u, 0xFFFFFFFFu,
                        0xFFC0C0C0u, 0xFF808080u, 0xFFC8C8C8u, 0xFFDCDCDCu})
        AddUnique(palette, colour);
    constexpr int kCubeStep = 51;  // six levels per channel: 0, 51, ..., 255
    for (int red = 0; red <= 255; red += kCubeStep)
        for (int green = 0; green <= 255; green += kCubeStep)
            for (int blue = 0; blue <= 255; blue += kCubeStep)
                AddUnique(palette, qRgb(red, green, blue));
    for (int grey = 4; grey <= 255; grey += 8)
        AddUnique(palette, qRgb(grey, grey, grey));
    return palette;
}

int SquaredDistance(QRgb a, QRgb b)
{
    const int red = qRed(a) - qRed(b);
    const int green = qGreen(a) - qGreen(b);
    const int blue = qBlue(a) - qBlue(b);
    return red * red + green * green + blue * blue;
}

// Maps colours to palette indices; exact colours map onto themselves, the rest to the
// nearest entry (the first one on a tie). Remembers answers: charts repeat few colours.
class PaletteIndex {
public:
    explicit PaletteIndex(const std::vector<QRgb>& palette) : palette_(palette)
    {
        for (std::size_t i = palette_.size(); i-- > 0;)
            known_[palette_[i]] = static_cast<GifPixelType>(i);
    }

    GifPixelType operator()(QRgb colour)
    {
        const auto found = known_.find(colour);
        if (found != known_.end())
            return found->second;
        std::size_t best = 0;
        for (std::size_t i = 1; i < palette_.size(); ++i)
            if (SquaredDistance(colour, palette_[i]) < SquaredDistance(colour, palette_[best]))
                best = i;
        const auto index = static_cast<GifPixelType>(best);
        known_.emplace(colour, index);
        return index;
    }

private:
    const std::vector<QRgb>& palette_;
    std::unordered_map<QRgb, GifPixelType> known_;
};

int WriteToDevice(GifFileType* gif, const GifByteType* data, int length)
{
    auto* device = static_cast<QIODevice*>(gif->UserData);
    const qint64 written = device->write(reinterpret_cast<const char*>(data), length);
    return written == length ? length : 0;
}

struct GifCloser {
    void operator()(GifFileType* gif) const { EGifCloseFile(gif, nullptr); }
};

struct ColourMapFreer {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

std::unique_ptr<ColorMapObject, ColourMapFreer> MakeColourMap(const std::vector<QRgb>& palette)
{
    // giflib wants a power of two entries; the padding repeats black and is never used.
    const int size = 1 << GifBitSize(static_cast<int>(palette.size()));
    std::vector<GifColorType> colours(static_cast<std::size_t>(size), GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < palette.size(); ++i) {
        colours[i].Red = static_cast<GifByteType>(qRed(palette[i]));
        colours[i].Green = static_cast<GifByteType>(qGreen(palette[i]));
        colours[i].Blue = static_cast<GifByteType>(qBlue(palette[i]));
    }
    return std::unique_ptr<ColorMapObject, ColourMapFreer>(GifMakeMapObject(size, colours.data()));
}

}  // namespace

bool WriteGif(const QImage& image, QIODevice& device)
{
    if (image.isNull() || image.width() > kMaxGifSide || image.height() > kMaxGifSide)
        return false;
    const QImage opaque = OpaqueOverWhite(image);
    std::vector<QRgb> palette = DistinctColours(opaque, kMaxPaletteSize);
    if (palette.size() > kMaxPaletteSize)
        palette = FixedPalette();
    const auto colourMap = MakeColourMap(palette);
    if (!colourMap)
        return false;

    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpen(&device, WriteToDevice, &error));
    if (!gif)
        return false;
    const int width = opaque.width();
    const int height = opaque.height();
    if (EGifPutScreenDesc(gif.get(), width, height, 8, 0, colourMap.get()) == GIF_ERROR
        || EGifPutImageDesc(gif.get(), 0, 0, width, height, false, nullptr) == GIF_ERROR)
        return false;

    PaletteIndex indexOf(palette);
    std::vector<GifPixelType> line(static_cast<std::size_t>(width));
    QRgb previous = 0;
    GifPixelType previousIndex = 0;
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(opaque.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb colour = row[x] | 0xFF000000u;
            if (colour != previous) {
                previous = colour;
                previousIndex = indexOf(colour);
            }
            line[static_cast<std::size_t>(x)] = previousIndex;
        }
        if (EGifPutLine(gif.get(), line.data(), width) == GIF_ERROR)
            return false;
    }
    // Closing writes the trailer; giflib frees the handle whatever the outcome.
    return EGifCloseFile(gif.release(), &error) == GIF_OK;
}

}  // namespace zorvanta
