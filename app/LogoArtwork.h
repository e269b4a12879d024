#pragma once

#include <QImage>
#include <QRectF>
#include <QWidget>

class QPainter;

namespace zorvanta {

/// Side of the logo's own square canvas, in drawing units.
inline constexpr int LogoCanvasSide = 512;

/// Paints the logo (a road with two lanes of green, white and red vehicles) into target,
/// scaled to fit with its proportions kept and centred.
void PaintLogo(QPainter& painter, const QRectF& target);

/// The logo as a transparent image of side x side logical pixels at the given pixel ratio.
QImage LogoImage(int side, qreal devicePixelRatio = 1.0);

/// A picture control showing the logo, painted afresh at the screen's pixel ratio.
class TLogoPicture : public QWidget {
    Q_OBJECT

public:
    explicit TLogoPicture(QWidget* parent = nullptr);

    /// Where the logo is drawn inside the control: the largest centred square that fits.
    QRectF LogoRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zorvanta
