#include "InnerGlow.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace zorvanta {

namespace {

constexpr double kSpreadPerSoftness = 5.0;  // logical pixels
constexpr int kBoxPasses = 3;               // three box blurs come close to a Gaussian
// Three passes of radius r reach about 3r, with most of the weight within 2r.

// One box blur along rows (step 1) or columns (step width); samples beyond the image
// count as fully outside the picture, so edges touching the border glow too.
void BoxBlur(std::vector<float>& values, int width, int height, int radius, bool alongRows)
{
    const int lines = alongRows ? height : width;
    const int length = alongRows ? width : height;
    std::vector<float> line(static_cast<std::size_t>(length));
    const float span = static_cast<float>(2 * radius + 1);
    for (int l = 0; l < lines; ++l) {
        const auto at = [&](int i) -> float& {
            const int x = alongRows ? i : l;
            const int y = alongRows ? l : i;
            return values[static_cast<std::size_t>(y) * static_cast<std::size_t>(width)
                          + static_cast<std::size_t>(x)];
        };
        for (int i = 0; i < length; ++i) {
            float sum = 0.0f;
            for (int k = i - radius; k <= i + radius; ++k)
                sum += (k < 0 || k >= length) ? 1.0f : at(k);
            line[static_cast<std::size_t>(i)] = sum / span;
        }
        for (int i = 0; i < length; ++i)
            at(i) = line[static_cast<std::size_t>(i)];
    }
}

}  // namespace

QImage InnerGlowImage(const QImage& picture, const InnerGlow& glow)
{
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    const int width = source.width();
    const int height = source.height();

    std::vector<float> outside(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < width; ++x)
            outside[static_cast<std::size_t>(y) * static_cast<std::size_t>(width)
                    + static_cast<std::size_t>(x)] = 1.0f - static_cast<float>(qAlpha(row[x])) / 255.0f;
    }

    const double spread = glow.Softness * kSpreadPerSoftness * picture.devicePixelRatio();
    const int radius = std::max(1, static_cast<int>(std::lround(spread / 2.0)));
    for (int pass = 0; pass < kBoxPasses; ++pass) {
        BoxBlur(outside, width, height, radius, true);
        BoxBlur(outside, width, height, radius, false);
    }

    QImage result(width, height, QImage::Format_ARGB32);
    result.setDevicePixelRatio(picture.devicePixelRatio());
    const float strength = static_cast<float>(std::clamp(glow.Opacity, 0.0, 1.0) * glow.Colour.alphaF());
    for (int y = 0; y < height; ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        QRgb* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < width; ++x) {
            // A straight edge blurs to one half: double it so the glow is full at the edge.
            const float reach = std::min(1.0f, 2.0f * outside[static_cast<std::size_t>(y) * static_cast<std::size_t>(width)
                                                              + static_cast<std::size_t>(x)]);
            const float inside = static_cast<float>(qAlpha(in[x])) / 255.0f;
            const int alpha = static_cast<int>(std::lround(255.0f * reach * inside * strength));
            out[x] = qRgba(glow.Colour.red(), glow.Colour.green(), glow.Colour.blue(), alpha);
        }
    }
    return result;
}

}  // namespace zorvanta
