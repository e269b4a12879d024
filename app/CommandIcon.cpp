#include "CommandIcon.h"

#include <QMouseEvent>
#include <QPainter>

namespace zorvanta {

namespace {

const InnerGlow kHoverGlow{QColor(0xFF, 0xD7, 0x00), 0.8, 1.0};

}  // namespace

CommandIcon::CommandIcon(IconPicture picture, QWidget* parent) : QWidget(parent), picture_(picture)
{
    setFixedSize(kIconSide, kIconSide);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

QSize CommandIcon::sizeHint() const
{
    return {kIconSide, kIconSide};
}

void CommandIcon::RenderFor(qreal devicePixelRatio)
{
    if (devicePixelRatio == renderedRatio_)
        return;
    // Drawn afresh for the screen's pixel ratio so the shapes stay crisp at any scale.
    image_ = RenderIconPicture(picture_, devicePixelRatio);
    glowImage_ = InnerGlowImage(image_, kHoverGlow);
    renderedRatio_ = devicePixelRatio;
}

void CommandIcon::paintEvent(QPaintEvent*)
{
    RenderFor(devicePixelRatioF());
    QPainter painter(this);
    painter.drawImage(QPointF(0.0, 0.0), image_);
    if (underMouse())
        painter.drawImage(QPointF(0.0, 0.0), glowImage_);
}

void CommandIcon::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    pressed_ = true;
    event->accept();
}

void CommandIcon::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const bool click = pressed_ && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}

void CommandIcon::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The first press and release of a double click already ran the command;
    // the second press must not arm another click.
    pressed_ = false;
    event->accept();
}

void CommandIcon::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    update();
}

void CommandIcon::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    update();
}

}  // namespace zorvanta
