#pragma once

#include <QColor>
#include <QImage>

namespace zorvanta {

/// A glow that shines inwards from the edges of a picture's opaque parts.
struct InnerGlow {
    QColor Colour;
    double Softness;  ///< blur spread: 1 reaches about 5 logical pixels inwards
    double Opacity;   ///< 0 to 1
};

/// An image to draw over `picture`: the glow colour, strongest along the picture's edges
/// and fading inwards, only where the picture is opaque. Same size and pixel ratio as `picture`.
QImage InnerGlowImage(const QImage& picture, const InnerGlow& glow);

}  // namespace zorvanta
