#include "LogoArtwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <array>

namespace zorvanta {

namespace {

// The road is drawn flat, seen from above, in its own space and then tilted into
// perspective by one projective transform, so lanes, dashes and vehicles all shrink
// towards the horizon together.
constexpr qreal RoadWidth = 240.0;   // two lanes of 120
constexpr qreal RoadLength = 800.0;  // 0 at the horizon, RoadLength nearest to the viewer
constexpr qreal LaneWidth = RoadWidth / 2.0;

constexpr QPointF BadgeCentre(256.0, 256.0);
constexpr qreal BadgeRadius = 244.0;
constexpr qreal HorizonY = 124.0;

// The colours of the flag the vehicles echo, from the horizon towards the viewer.
const std::array<QColor, 3> VehicleColours = {
    QColor(0x00, 0x92, 0x46), QColor(0xF4, 0xF5, 0xF0), QColor(0xCE, 0x2B, 0x37)};

QTransform RoadToCanvas()
{
    const QPolygonF road({QPointF(0.0, 0.0), QPointF(RoadWidth, 0.0),
                          QPointF(RoadWidth, RoadLength), QPointF(0.0, RoadLength)});
    const QPolygonF onCanvas({QPointF(180.0, HorizonY), QPointF(332.0, HorizonY),
                              QPointF(508.0, 520.0), QPointF(4.0, 520.0)});
    QTransform transform;
    const bool mapped = QTransform::quadToQuad(road, onCanvas, transform);
    Q_ASSERT(mapped);
    return transform;
}

QPainterPath BadgeOutline()
{
    QPainterPath badge;
    badge.addEllipse(BadgeCentre, BadgeRadius, BadgeRadius);
    return badge;
}

// The part of the road's own space that falls inside the badge. Every shape that could reach
// past the badge is cut to it, so the artwork needs no clipping and stays whole in vector
// formats that cannot clip.
QPainterPath VisibleRoad()
{
    QPainterPath belowHorizon;
    belowHorizon.addRect(QRectF(0.0, HorizonY, 512.0, 512.0 - HorizonY));
    const QPainterPath onCanvas = BadgeOutline().intersected(belowHorizon).simplified();
    return RoadToCanvas().inverted().map(onCanvas);
}

void FillWithin(QPainter& painter, const QPainterPath& shape, const QPainterPath& visible)
{
    painter.drawPath(shape.intersected(visible));
}

void FillWithin(QPainter& painter, const QRectF& shape, const QPainterPath& visible)
{
    QPainterPath path;
    path.addRect(shape);
    FillWithin(painter, path, visible);
}

QPainterPath RoundedRect(const QRectF& rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

void PaintBadge(QPainter& painter)
{
    QRadialGradient sky(QPointF(256.0, HorizonY), 300.0);
    sky.setColorAt(0.0, QColor(0xE0, 0x6A, 0x1A));
    sky.setColorAt(0.18, QColor(0x8A, 0x35, 0x10));
    sky.setColorAt(0.55, QColor(0x2A, 0x22, 0x20));
    sky.setColorAt(1.0, QColor(0x16, 0x16, 0x16));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sky);
    painter.drawEllipse(BadgeCentre, BadgeRadius, BadgeRadius);

    // Dark fields either side of the road below the horizon.
    QLinearGradient ground(0.0, HorizonY, 0.0, 512.0);
    ground.setColorAt(0.0, QColor(0x2E, 0x2A, 0x26));
    ground.setColorAt(1.0, QColor(0x1C, 0x1C, 0x1C));
    painter.setBrush(ground);
    QPainterPath fields;
    fields.addRect(QRectF(0.0, HorizonY, 512.0, 512.0 - HorizonY));
    painter.drawPath(fields.intersected(BadgeOutline()));
}

void PaintRoad(QPainter& painter)
{
    const QPainterPath visible = VisibleRoad();
    QLinearGradient asphalt(0.0, 0.0, 0.0, RoadLength);
    asphalt.setColorAt(0.0, QColor(0x58, 0x58, 0x5C));
    asphalt.setColorAt(1.0, QColor(0x7A, 0x7A, 0x7E));
    painter.setPen(Qt::NoPen);
    painter.setBrush(asphalt);
    FillWithin(painter, QRectF(0.0, 0.0, RoadWidth, RoadLength), visible);

    painter.setBrush(Qt::white);
    constexpr qreal EdgeLine = 7.0;
    FillWithin(painter, QRectF(6.0, 0.0, EdgeLine, RoadLength), visible);
    FillWithin(painter, QRectF(RoadWidth - 6.0 - EdgeLine, 0.0, EdgeLine, RoadLength), visible);

    constexpr qreal Dash = 70.0;
    constexpr qreal Gap = 50.0;
    for (qreal y = 10.0; y < RoadLength; y += Dash + Gap)
        FillWithin(painter, QRectF(LaneWidth - 3.5, y, 7.0, std::min(Dash, RoadLength - y)), visible);
}

// One vehicle seen from above, its front towards the horizon, centred on the origin; its
// shadow, wheels and brake-light glow are cut to `visible`, given in the same coordinates.
void PaintVehicle(QPainter& painter, const QColor& body, const QPainterPath& visible)
{
    constexpr qreal W = 80.0;
    constexpr qreal L = 150.0;
    const QRectF outline(-W / 2.0, -L / 2.0, W, L);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    FillWithin(painter, RoundedRect(outline.translated(5.0, 8.0).adjusted(-3, -3, 3, 3), 24.0), visible);

    painter.setBrush(QColor(0x15, 0x15, 0x15));
    for (const qreal y : {-48.0, 46.0})
        for (const qreal x : {-W / 2.0 - 4.0, W / 2.0 - 8.0})
            FillWithin(painter, RoundedRect(QRectF(x, y - 15.0, 12.0, 30.0), 4.0), visible);

    QLinearGradient shade(-W / 2.0, 0.0, W / 2.0, 0.0);
    shade.setColorAt(0.0, body.darker(135));
    shade.setColorAt(0.45, body.lighter(108));
    shade.setColorAt(1.0, body.darker(145));
    painter.setBrush(shade);
    painter.setPen(QPen(body.darker(170), 2.0));
    painter.drawRoundedRect(outline, 24.0, 24.0);

    const QColor glass(0x1C, 0x26, 0x30);
    painter.setPen(Qt::NoPen);
    QPainterPath windscreen;
    windscreen.moveTo(-34.0, -24.0);
    windscreen.lineTo(34.0, -24.0);
    windscreen.lineTo(28.0, -46.0);
    windscreen.quadTo(0.0, -52.0, -28.0, -46.0);
    windscreen.closeSubpath();
    painter.setBrush(glass);
    painter.drawPath(windscreen);

    painter.setBrush(body.lighter(104));
    painter.drawRoundedRect(QRectF(-31.0, -20.0, 62.0, 52.0), 10.0, 10.0);

    QPainterPath rearScreen;
    rearScreen.moveTo(-31.0, 38.0);
    rearScreen.lineTo(31.0, 38.0);
    rearScreen.lineTo(27.0, 54.0);
    rearScreen.quadTo(0.0, 58.0, -27.0, 54.0);
    rearScreen.closeSubpath();
    painter.setBrush(glass);
    painter.drawPath(rearScreen);

    // Brake lights on: the vehicles are standing in a queue.
    for (const qreal x : {-W / 2.0 + 6.0, W / 2.0 - 24.0}) {
        const QRectF lamp(x, L / 2.0 - 8.0, 18.0, 7.0);
        QRadialGradient glow(lamp.center(), 22.0);
        glow.setColorAt(0.0, QColor(0xFF, 0x40, 0x30, 150));
        glow.setColorAt(1.0, QColor(0xFF, 0x40, 0x30, 0));
        painter.setBrush(glow);
        QPainterPath halo;
        halo.addEllipse(lamp.center(), 22.0, 22.0);
        FillWithin(painter, halo, visible);
        painter.setBrush(QColor(0xFF, 0x3B, 0x30));
        painter.drawRoundedRect(lamp, 3.0, 3.0);
        painter.setBrush(QColor(0xFF, 0xC8, 0xB0));
        painter.drawRoundedRect(lamp.adjusted(5.0, 2.0, -5.0, -2.0), 1.5, 1.5);
    }
}

void PaintTraffic(QPainter& painter)
{
    const QPainterPath visible = VisibleRoad();
    // Each lane is a queue of three, the right lane a little behind the left one.
    constexpr std::array<qreal, 3> LeftLane = {120.0, 350.0, 580.0};
    constexpr qreal RightLaneLag = 90.0;
    for (std::size_t i = 0; i < VehicleColours.size(); ++i) {
        for (const auto& [x, lag] : {std::pair{LaneWidth / 2.0, 0.0},
                                     std::pair{LaneWidth * 1.5, RightLaneLag}}) {
            painter.save();
            const QPointF centre(x, LeftLane[i] + lag);
            painter.translate(centre);
            PaintVehicle(painter, VehicleColours[i], visible.translated(-centre));
            painter.restore();
        }
    }
}

}  // namespace

void PaintLogo(QPainter& painter, const QRectF& target)
{
    const qreal side = std::min(target.width(), target.height());
    if (side <= 0.0)
        return;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(target.center());
    painter.scale(side / LogoCanvasSide, side / LogoCanvasSide);
    painter.translate(-LogoCanvasSide / 2.0, -LogoCanvasSide / 2.0);

    // The clip only smooths the cut edges on raster devices; the shapes are cut already.
    painter.setClipPath(BadgeOutline());
    PaintBadge(painter);

    painter.save();
    painter.setTransform(RoadToCanvas(), true);
    PaintRoad(painter);
    PaintTraffic(painter);
    painter.restore();

    painter.setClipping(false);
    painter.setPen(QPen(QColor(0xC8, 0x40, 0x00), 12.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(BadgeCentre, BadgeRadius, BadgeRadius);
    painter.restore();
}

QImage LogoImage(int side, qreal devicePixelRatio)
{
    const int pixels = qRound(side * devicePixelRatio);
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PaintLogo(painter, QRectF(0.0, 0.0, side, side));
    return image;
}

TLogoPicture::TLogoPicture(QWidget* parent) : QWidget(parent) {}

QRectF TLogoPicture::LogoRect() const
{
    const qreal side = std::min(width(), height());
    QRectF square(0.0, 0.0, side, side);
    square.moveCenter(QRectF(rect()).center());
    return square;
}

void TLogoPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintLogo(painter, LogoRect());
}

}  // namespace zorvanta
