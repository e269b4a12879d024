// The saved bitmaps carry no resolution: read back from the written bytes themselves.
#include "ImageExport.h"
#include "ImageResolution.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>

namespace zorvanta {
namespace {

std::uint32_t Unsigned(const QByteArray& bytes, qsizetype at, int width, bool littleEndian)
{
    std::uint32_t value = 0;
    for (int i = 0; i < width; ++i) {
        const int shift = 8 * (littleEndian ? i : width - 1 - i);
        value |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[at + i])) << shift;
    }
    return value;
}

std::vector<QByteArray> PngChunkTypes(const QByteArray& png)
{
    std::vector<QByteArray> types;
    qsizetype at = 8;
    while (at + 12 <= png.size()) {
        types.push_back(png.mid(at + 4, 4));
        at += 12 + static_cast<qsizetype>(Unsigned(png, at, 4, false));
    }
    return types;
}

std::vector<std::uint32_t> TiffTags(const QByteArray& tiff)
{
    const bool little = tiff.startsWith("II");
    const qsizetype directory = Unsigned(tiff, 4, 4, little);
    const qsizetype count = Unsigned(tiff, directory, 2, little);
    std::vector<std::uint32_t> tags;
    for (qsizetype i = 0; i < count; ++i)
        tags.push_back(Unsigned(tiff, directory + 2 + 12 * i, 2, little));
    return tags;
}

bool Contains(const std::vector<std::uint32_t>& tags, std::uint32_t tag)
{
    for (const std::uint32_t each : tags)
        if (each == tag)
            return true;
    return false;
}

QImage TestImage()
{
    QImage image(90, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(10, 10, 30, 40, Qt::blue);
    painter.fillRect(50, 20, 30, 30, Qt::red);
    // Some screens and files give an image a resolution; the saved file must not carry it.
    image.setDotsPerMeterX(11811);  // 300 dots per inch
    image.setDotsPerMeterY(5906);
    return image;
}

class SavedResolutionTest : public testing::Test {
protected:
    QByteArray Saved(const QString& name)
    {
        const QString path = folder_.filePath(name);
        WriteImageFile(TestImage(), path);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_FALSE(QImageReader(path).read().isNull()) << "still a valid file";
        return bytes;
    }

private:
    QTemporaryDir folder_;
};

TEST_F(SavedResolutionTest, PngHasNoPhysChunk)
{
    for (const char* name : {"Veicoli.png", "Veicoli.ico", "Veicoli.hdp"}) {
        const std::vector<QByteArray> chunks = PngChunkTypes(Saved(name));
        ASSERT_FALSE(chunks.empty()) << name;
        EXPECT_EQ(chunks.front(), "IHDR") << name;
        EXPECT_EQ(chunks.back(), "IEND") << name;
        for (const QByteArray& type : chunks)
            EXPECT_NE(type, "pHYs") << name;
    }
}

TEST_F(SavedResolutionTest, BmpHasZeroPixelsPerMetre)
{
    const QByteArray bmp = Saved("Veicoli.bmp");
    ASSERT_GE(bmp.size(), 46);
    EXPECT_EQ(Unsigned(bmp, 38, 4, true), 0u) << "horizontal";
    EXPECT_EQ(Unsigned(bmp, 42, 4, true), 0u) << "vertical";
}

TEST_F(SavedResolutionTest, JpegGivesDensityUnitsNoneAtOneToOne)
{
    const QByteArray jpeg = Saved("Veicoli.jpg");
    ASSERT_GE(jpeg.size(), 18);
    ASSERT_EQ(jpeg.mid(6, 5), QByteArray("JFIF\0", 5));
    EXPECT_EQ(jpeg[13], '\0') << "density units";
    EXPECT_EQ(Unsigned(jpeg, 14, 2, false), 1u) << "X density";
    EXPECT_EQ(Unsigned(jpeg, 16, 2, false), 1u) << "Y density";
}

TEST_F(SavedResolutionTest, TiffHasNoResolutionTagsAndDecodesExactly)
{
    const QByteArray tiff = Saved("Veicoli.tif");
    const std::vector<std::uint32_t> tags = TiffTags(tiff);
    EXPECT_TRUE(Contains(tags, 256) && Contains(tags, 257)) << "width and height stay";
    for (const std::uint32_t tag : {282u, 283u, 296u})
        EXPECT_FALSE(Contains(tags, tag)) << tag;
    for (std::size_t i = 1; i < tags.size(); ++i)
        EXPECT_LT(tags[i - 1], tags[i]) << "tags stay in ascending order";
    QImage decoded;
    ASSERT_TRUE(decoded.loadFromData(tiff, "tiff"));
    EXPECT_EQ(decoded.convertToFormat(QImage::Format_RGB32), TestImage());
}

// Bytes that are not what the correction expects come back as they were.
TEST(ImageResolutionTest, LeavesUnexpectedBytesAlone)
{
    const QByteArray samples[] = {QByteArray(), QByteArray("BM"), QByteArray("\xFF\xD8\xFF\xE1", 4),
                                  QByteArray("II*\0\xFF\xFF\xFF\x7F", 8), QByteArray("\x89PNG\r\n\x1a\n\0\0\xFF\xFF", 12),
                                  QByteArray("not an image at all")};
    for (const QByteArray& bytes : samples) {
        EXPECT_EQ(PngWithoutResolution(bytes), bytes) << bytes.toHex().toStdString();
        EXPECT_EQ(BmpWithoutResolution(bytes), bytes) << bytes.toHex().toStdString();
        EXPECT_EQ(JpegWithoutResolution(bytes), bytes) << bytes.toHex().toStdString();
        EXPECT_EQ(TiffWithoutResolution(bytes), bytes) << bytes.toHex().toStdString();
    }
}

}  // namespace
}  // namespace zorvanta
