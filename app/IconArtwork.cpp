#include "IconArtwork.h"

#include <QPainter>
#include <QPainterPath>

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
    QPainterPath disk = body.subtracted(holes);
    disk.addRect(QRectF(22.5, 10.0, 3.5, 6.5));  // the slot seen through the shutter
    disk.setFillRule(Qt::WindingFill);

    painter.setPen(Qt::NoPen);
    painter.setBrush(kWhite);
    painter.drawPath(disk);

    // Writing lines on the label.
    painter.setPen(QPen(kWhite, 1.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(14.5, 26.0), QPointF(27.5, 26.0));
    painter.drawLine(QPointF(14.5, 29.5), QPointF(24.5, 29.5));
}

// A hand, palm up, holding a blue disc that carries a white question mark.
void PaintInformation(QPainter& painter)
{
    QPainterPath hand;
    hand.moveTo(3.5, 27.5);
    hand.quadTo(5.0, 24.5, 8.0, 26.0);          // thumb tip
    hand.lineTo(13.0, 30.0);
    hand.lineTo(29.0, 30.0);
    hand.quadTo(33.5, 30.0, 35.0, 26.5);        // curled fingers
    hand.quadTo(38.5, 25.5, 38.5, 29.5);
    hand.quadTo(37.5, 36.5, 29.0, 36.5);
    hand.lineTo(13.0, 36.5);
    hand.quadTo(6.5, 36.5, 3.5, 31.0);
    hand.closeSubpath();
    QPainterPath cuff;
    cuff.addRoundedRect(QRectF(30.5, 35.0, 9.0, 6.0), 1.5, 1.5);

    painter.setPen(Qt::NoPen);
    painter.setBrush(kWhite);
    painter.drawPath(hand.united(cuff));

    const QPointF centre(21.0, 15.5);
    painter.setBrush(kDiscBlue);
    painter.drawEllipse(centre, 12.0, 12.0);

    QPainterPath hook;
    const QRectF bend(centre.x() - 4.0, centre.y() - 8.0, 8.0, 8.0);
    hook.arcMoveTo(bend, 160.0);
    hook.arcTo(bend, 160.0, -250.0);
    hook.lineTo(centre.x(), centre.y() + 2.5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kWhite, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(hook);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kWhite);
    painter.drawEllipse(QPointF(centre.x(), centre.y() + 6.5), 1.6, 1.6);
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
