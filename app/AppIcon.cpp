#include "AppIcon.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include "LogoArtwork.h"

namespace zorvanta {

namespace {

class LogoIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        PaintLogo(*painter, rect);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // `size` is in device pixels: painted at the device's own pixel count rather than
    // enlarged from a smaller picture.
    QPixmap scaledPixmap(const QSize& pixels, QIcon::Mode, QIcon::State, qreal scale) override
    {
        if (pixels.isEmpty())
            return {};
        QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            PaintLogo(painter, QRectF(QPointF(0.0, 0.0), QSizeF(pixels)));
        }
        QPixmap pixmap = QPixmap::fromImage(std::move(image));
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }

    QIconEngine* clone() const override { return new LogoIconEngine; }

    QString key() const override { return QStringLiteral("ZorvantaLogo"); }
};

}  // namespace

QIcon ApplicationIcon() { return QIcon(new LogoIconEngine); }

}  // namespace zorvanta
