#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include "IconArtwork.h"
#include "InnerGlow.h"

namespace zorvanta {
namespace {

const InnerGlow kGold{QColor(0xFF, 0xD7, 0x00), 0.8, 1.0};

// A 42 x 42 picture, transparent except an opaque square from 11 to 30.
QImage SquarePicture(qreal ratio)
{
    const int side = static_cast<int>(42 * ratio);
    QImage picture(side, side, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    picture.setDevicePixelRatio(ratio);
    QPainter painter(&picture);
    painter.fillRect(QRectF(11, 11, 20, 20), Qt::white);
    return picture;
}

int AlphaAt(const QImage& image, qreal x, qreal y)
{
    const qreal ratio = image.devicePixelRatio();
    return qAlpha(image.pixel(static_cast<int>(x * ratio), static_cast<int>(y * ratio)));
}

TEST(InnerGlowTest, ShinesInwardsFromTheEdgesOnlyInsideThePicture)
{
    for (const qreal ratio : {1.0, 1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        const QImage glow = InnerGlowImage(SquarePicture(ratio), kGold);
        ASSERT_EQ(glow.size(), SquarePicture(ratio).size());
        EXPECT_EQ(glow.devicePixelRatio(), ratio);

        EXPECT_EQ(AlphaAt(glow, 5, 5), 0) << "nothing outside the picture";
        EXPECT_EQ(AlphaAt(glow, 9.5, 20), 0) << "nothing just outside the edge";
        const int edge = AlphaAt(glow, 11.6, 20);
        const int inner = AlphaAt(glow, 14, 20);
        const int centre = AlphaAt(glow, 20.5, 20.5);
        EXPECT_GT(edge, 150) << "strong glow along the edge";
        EXPECT_GT(edge, inner);
        EXPECT_GT(inner, centre);
        EXPECT_LT(centre, 20) << "the glow fades out before the middle";
        const QColor colour = QColor::fromRgba(glow.pixel(static_cast<int>(11.6 * ratio), static_cast<int>(20 * ratio)));
        EXPECT_EQ(colour.red(), 0xFF);
        EXPECT_EQ(colour.green(), 0xD7);
        EXPECT_EQ(colour.blue(), 0x00);
    }
}

TEST(InnerGlowTest, OpacityScalesTheGlow)
{
    const QImage full = InnerGlowImage(SquarePicture(1.0), kGold);
    const QImage half = InnerGlowImage(SquarePicture(1.0), {kGold.Colour, kGold.Softness, 0.5});
    EXPECT_NEAR(AlphaAt(half, 11, 20), AlphaAt(full, 11, 20) / 2, 1);
}

TEST(IconArtworkTest, EveryPictureIsOpaqueInsideAndTransparentAtTheCorners)
{
    for (const IconPicture picture : {IconPicture::Process, IconPicture::Save, IconPicture::Information}) {
        for (const qreal ratio : {1.0, 1.25, 2.0}) {
            const QImage image = RenderIconPicture(picture, ratio);
            SCOPED_TRACE(static_cast<int>(picture));
            SCOPED_TRACE(ratio);
            EXPECT_EQ(image.width(), static_cast<int>(std::ceil(42 * ratio)));
            EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
            EXPECT_EQ(qAlpha(image.pixel(image.width() - 1, 0)), 0);
            int opaque = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    opaque += qAlpha(image.pixel(x, y)) == 255 ? 1 : 0;
            EXPECT_GT(opaque, image.width() * image.height() / 8) << "a picture, not a speck";
        }
    }
}

}  // namespace
}  // namespace zorvanta
