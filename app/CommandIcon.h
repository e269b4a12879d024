#pragma once

#include <QImage>
#include <QWidget>

#include "IconArtwork.h"
#include "InnerGlow.h"

namespace zorvanta {

/// A 42 x 42 clickable picture with a hand cursor and a gold inner glow while the pointer is over it.
class CommandIcon : public QWidget {
    Q_OBJECT

public:
    explicit CommandIcon(IconPicture picture, QWidget* parent = nullptr);

    QSize sizeHint() const override;

signals:
    /// Left button pressed and released inside the icon; a double click counts once.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void RenderFor(qreal devicePixelRatio);

    IconPicture picture_;
    bool pressed_ = false;
    qreal renderedRatio_ = 0.0;
    QImage image_;
    QImage glowImage_;
};

}  // namespace zorvanta
