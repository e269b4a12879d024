#pragma once

#include <QImage>

class QPainter;

namespace zorvanta {

/// The pictures of the main window's command icons.
enum class IconPicture { Process, Save, Information };

/// Side of an icon picture, in logical pixels.
inline constexpr int kIconSide = 42;

/// Paints the picture as vector shapes into the square (0, 0)-(42, 42), leaving the ground untouched.
void PaintIconPicture(QPainter& painter, IconPicture picture);

/// The picture over a transparent ground, rendered for the given device pixel ratio.
QImage RenderIconPicture(IconPicture picture, qreal devicePixelRatio);

}  // namespace zorvanta
