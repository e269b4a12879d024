#include "AppIcon.h"
#include "IconFiles.h"
#include "Informazion.h"
#include "LogoArtwork.h"
#include "MenuGE.h"

#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace {

QImage Argb(const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32); }

// Pixels whose channels differ by more than `tolerance` in any of the four.
int DifferingPixels(const QImage& a, const QImage& b, int tolerance)
{
    const QImage first = Argb(a);
    const QImage second = Argb(b);
    int differing = 0;
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width(); ++x) {
            const QColor p = first.pixelColor(x, y);
            const QColor q = second.pixelColor(x, y);
            if (std::abs(p.red() - q.red()) > tolerance || std::abs(p.green() - q.green()) > tolerance ||
                std::abs(p.blue() - q.blue()) > tolerance || std::abs(p.alpha() - q.alpha()) > tolerance)
                ++differing;
        }
    }
    return differing;
}

class IconSizeTest : public testing::TestWithParam<int> {};

// Each size is painted at its own resolution, not shrunk or blown up from another one.
TEST_P(IconSizeTest, IsTheLogoPaintedAtTheSizeAsked)
{
    const int side = GetParam();
    const QImage icon = zorvanta::ApplicationIcon().pixmap(side, side).toImage();
    ASSERT_EQ(icon.size(), QSize(side, side));
    EXPECT_EQ(Argb(icon), Argb(zorvanta::LogoImage(side)));
}

TEST_P(IconSizeTest, WrittenAsPngHoldsTheSamePicture)
{
    const int side = GetParam();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("icon.png"));
    zorvanta::WriteIconFile(path, side);
    const QImage written(path);
    ASSERT_EQ(written.size(), QSize(side, side));
    EXPECT_EQ(Argb(written), Argb(zorvanta::LogoImage(side)));
}

INSTANTIATE_TEST_SUITE_P(Sides, IconSizeTest, testing::Values(16, 24, 48, 512),
                         [](const testing::TestParamInfo<int>& info) { return std::to_string(info.param); });

TEST(AppIconTest, HighDensityDisplaysGetTheirOwnPixelCount)
{
    const QPixmap pixmap = zorvanta::ApplicationIcon().pixmap(QSize(32, 32), 2.0);
    EXPECT_EQ(pixmap.size(), QSize(64, 64));
    EXPECT_EQ(pixmap.devicePixelRatio(), 2.0);
}

TEST(AppIconTest, BothWindowsCarryTheApplicationIcon)
{
    zorvanta::TMenuGEN main('.');
    zorvanta::TInformazioni information;
    const QImage expected = Argb(zorvanta::LogoImage(48));
    for (const QWidget* window : {static_cast<QWidget*>(&main), static_cast<QWidget*>(&information)}) {
        SCOPED_TRACE(window->objectName().toStdString());
        ASSERT_FALSE(window->windowIcon().isNull());
        EXPECT_EQ(Argb(window->windowIcon().pixmap(48, 48).toImage()), expected);
    }
}

// The SVG writer cannot clip, so the scalable icon shows whether every shape stays inside the
// badge: rendered again it must match the painted logo but for anti-aliased edges.
TEST(IconFilesTest, ScalableIconDrawsTheLogoWithNothingOutsideTheBadge)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("icon.svg"));
    zorvanta::WriteIconFile(path, 0);
    QSvgRenderer svg(path);
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(), QRect(0, 0, zorvanta::LogoCanvasSide, zorvanta::LogoCanvasSide));

    constexpr int Side = 256;
    QImage rendered(Side, Side, QImage::Format_ARGB32_Premultiplied);
    rendered.fill(Qt::transparent);
    {
        QPainter painter(&rendered);
        svg.render(&painter);
    }
    // Edges land a little differently in the two renderers; a shape left uncut would cover
    // much of the corners (a fifth of the square).
    const QImage painted = zorvanta::LogoImage(Side);
    EXPECT_LT(DifferingPixels(rendered, painted, 40), Side * Side / 50);

    // The ring's outer edge is at 250 of the canvas's 512.
    const double outside = Side / 2.0 * 250.0 / 256.0 + 1.0;
    int paintedOutside = 0;
    const QImage pixels = Argb(rendered);
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x)
            if (std::hypot(x + 0.5 - Side / 2.0, y + 0.5 - Side / 2.0) > outside && pixels.pixelColor(x, y).alpha() != 0)
                ++paintedOutside;
    EXPECT_EQ(paintedOutside, 0);
}

// The Windows and macOS icon containers, written through Qt's image plug-ins.
TEST(IconFilesTest, WritesTheDesktopIconContainers)
{
    QTemporaryDir folder;
    for (const auto& [name, side] : {std::pair{"icon.ico", 256}, std::pair{"icon.icns", 1024}}) {
        SCOPED_TRACE(name);
        const QString path = folder.filePath(QLatin1String(name));
        zorvanta::WriteIconFile(path, side);
        QImageReader reader(path);
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(image.size(), QSize(side, side));
    }
}

TEST(IconFilesTest, FailuresNameTheFile)
{
    QTemporaryDir folder;
    const QString missingFolder = folder.filePath(QStringLiteral("missing/icon.png"));
    const std::pair<QString, int> failures[] = {
        {missingFolder, 48},                                          // cannot be opened
        {folder.filePath(QStringLiteral("icon.png")), 0},             // no pixels
        {folder.filePath(QStringLiteral("icon.png")), 4096},          // beyond any desktop's use
        {folder.filePath(QStringLiteral("missing/icon.svg")), 0},
    };
    for (const auto& [path, side] : failures) {
        SCOPED_TRACE(path.toStdString() + " " + std::to_string(side));
        try {
            zorvanta::WriteIconFile(path, side);
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find(path.toStdString()), std::string::npos) << error.what();
        }
    }
}

}  // namespace
