#include "IconArtwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <cmath>

namespace zorvanta {

namespace {

const QColor kWhite(0xFF, 0xFF, 0xFF);
const QColor kPlayGreen(0x2E, 0xB8, 0x4B);
const QColor kDiscBlue(0x1E, 0x7F, 0xE0);

// A white ring around a green play triangle.
void PaintProcess(QPainter& painter)
{
    painter.setPen(QPen(kWhite, 3.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(21.0, 21.0), 18.5, 18.5);

    QPainterPath triangle;
    triangle.moveTo(16.0, 11.5);
    triangle.lineTo(31.5, 21.0);
    triangle.lineTo(16.0, 30.5);
    triangle.closeSubpath();
    painter.setPen(QPen(kPlayGreen, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(kPlayGreen);
    painter.drawPath(triangle);
}

// A white floppy disk: body with a cut corner, the shutter and the label cut out of it.
void PaintSave(QPainter& painter)
{
    QPainterPath body;
    body.moveTo(6.0, 8.0);
    body.quadTo(6.0, 6.0, 8.0, 6.0);
    body.lineTo(30.0, 6.0);
    body.lineTo(36.0, 12.0);
    body.lineTo(36.0, 34.0);
    body.quadTo(36.0, 36.0, 34.0, 36.0);
    body.lineTo(8.0, 36.0);
    body.quadTo(6.0, 36.0, 6.0, 34.0);
    body.closeSubpath();

    QPainterPath holes;
    holes.addRoundedRect(QRectF(12.0, 8.5, 16.0, 9.5), 1.0, 1.0);   // shutter
    holes.addRoundedRect(QRectF(11.0, 22.0, 20.0, 11.5), 1.5, 1.5); // label
    painter.setPen(Qt::NoPen);
    painter.setBrush(kWhite);
    painter.drawPath(body.subtracted(holes));
    painter.drawRect(QRectF(22.5, 10.0, 3.5, 6.5));  // the slot seen through the shutter

    // Writing lines on the label.
    painter.setPen(QPen(kWhite, 1.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(14.5, 26.0), QPointF(27.5, 26.0));
    painter.drawLine(QPointF(14.5, 29.5), QPointF(24.5, 29.5));
}

// A hand, palm up and fingers to the right, holding a blue disc with a white question mark.
void PaintInformation(QPainter& painter)
{
    QPainterPath hand;
    hand.moveTo(9.0, 28.0);
    hand.lineTo(13.0, 28.0);
    hand.quadTo(14.0, 22.0, 17.5, 23.5);        // thumb rising to the disc
    hand.quadTo(19.0, 24.5, 18.0, 27.0);
    hand.lineTo(17.0, 29.5);
    hand.lineTo(33.0, 29.5);
    hand.quadTo(36.0, 29.5, 37.5, 27.5);        // fingertips curling up
    hand.quadTo(40.0, 27.0, 39.5, 30.0);
    hand.quadTo(38.5, 36.5, 31.0, 37.5);
    hand.lineTo(9.0, 37.5);
    hand.closeSubpath();
    hand.addRoundedRect(QRectF(2.0, 26.0, 6.0, 13.0), 1.5, 1.5);  // cuff

    // Gaps between the fingers, cut out so the ground shows through.
    QPainterPath gaps;
    gaps.moveTo(24.0, 32.5);
    gaps.lineTo(36.5, 32.5);
    gaps.moveTo(24.0, 35.0);
    gaps.lineTo(34.0, 35.0);
    QPainterPathStroker stroker;
    stroker.setWidth(1.0);
    stroker.setCapStyle(Qt::RoundCap);

    painter.setPen(Qt::NoPen);
    painter.setBrush(kWhite);
    painter.drawPath(hand.subtracted(stroker.createStroke(gaps)));

    const QPointF centre(22.0, 13.5);
    painter.setBrush(kDiscBlue);
    painter.drawEllipse(centre, 11.5, 11.5);

    QPainterPath hook;
    const QRectF bend(centre.x() - 4.0, centre.y() - 7.5, 8.0, 8.0);
    hook.arcMoveTo(bend, 160.0);
    hook.arcTo(bend, 160.0, -250.0);
    hook.lineTo(centre.x(), centre.y() + 3.0);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kWhite, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(hook);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kWhite);
    painter.drawEllipse(QPointF(centre.x(), centre.y() + 6.8), 1.6, 1.6);
}

}  // namespace

void PaintIconPicture(QPainter& painter, IconPicture picture)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    switch (picture) {
    case IconPicture::Process: PaintProcess(painter); break;
    case IconPicture::Save: PaintSave(painter); break;
    case IconPicture::Information: PaintInformation(painter); break;
    }
    painter.restore();
}

QImage RenderIconPicture(IconPicture picture, qreal devicePixelRatio)
{
    const int side = static_cast<int>(std::ceil(kIconSide * devicePixelRatio));
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&image);
    PaintIconPicture(painter, picture);
    return image;
}

}  // namespace zorvanta
