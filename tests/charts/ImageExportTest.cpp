#include "ImageExport.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <system_error>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "ChartBuilders.h"
#include "ExportTestSupport.h"
#include "ChartView.h"

namespace zorvanta {
namespace {

using exporttest::ErrorOf;
using exporttest::ReadBytes;

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlueColour = 0xFF0000FF;
constexpr QRgb kRedColour = 0xFFFF0000;
constexpr QRgb kGreenColour = 0xFF008000;
constexpr QRgb kSilver = 0xFFC0C0C0;
constexpr QRgb kGrey = 0xFF808080;

// White with bars and a line in the charts' colours, leaving the corners white.
QImage ChartLikeImage()
{
    QImage image(120, 80, QImage::Format_RGB32);
    image.fill(kWhite);
    QPainter painter(&image);
    painter.fillRect(10, 20, 20, 50, QColor::fromRgba(kBlueColour));
    painter.fillRect(30, 10, 20, 60, QColor::fromRgba(kRedColour));
    painter.fillRect(60, 40, 40, 3, QColor::fromRgba(kGreenColour));
    painter.fillRect(60, 50, 40, 1, QColor::fromRgba(kSilver));
    painter.fillRect(60, 60, 40, 1, QColor::fromRgba(kGrey));
    painter.fillRect(5, 75, 110, 1, Qt::black);
    return image;
}

// The chart-like image with a strip of many distinct shades, as anti-aliasing produces.
QImage ManyColoursImage()
{
    QImage image = ChartLikeImage();
    for (int x = 5; x < 115; ++x)
        for (int y = 2; y < 8; ++y)
            image.setPixel(x, y, qRgb(x * 2, y * 30, 255 - x));
    return image;
}

struct DecodedFile {
    QByteArray Format;  // what the content says, whatever the name
    QImage Image;
};

DecodedFile Decode(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // A reader on the bare device sniffs the content: the suffix cannot mislead it.
    QImageReader reader(&file);
    DecodedFile decoded;
    decoded.Format = reader.format();
    decoded.Image = reader.read().convertToFormat(QImage::Format_RGB32);
    return decoded;
}

class ImageExportTest : public testing::Test {
protected:
    QString Path(const QString& name) const { return folder_.filePath(name); }

    QStringList Entries() const
    {
        return QDir(folder_.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    static void WriteBytes(const QString& fileName, const QByteArray& bytes)
    {
        QFile file(fileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

private:
    QTemporaryDir folder_;
};

// --- Which format a file name asks for -------------------------------------------------

struct ExtensionCase {
    const char* Name;
    const char* FileName;
    std::optional<ImageFileFormat> Expected;
};

class ImageFormatForFileNameTest : public testing::TestWithParam<ExtensionCase> {};

TEST_P(ImageFormatForFileNameTest, FollowsTheLastExtension)
{
    const ExtensionCase& row = GetParam();
    EXPECT_EQ(ImageFormatForFileName(QString::fromUtf8(row.FileName)), row.Expected)
        << row.FileName;
}

INSTANTIATE_TEST_SUITE_P(
    Names, ImageFormatForFileNameTest,
    testing::Values(
        ExtensionCase{"Png", "Veicoli.png", ImageFileFormat::Png},
        ExtensionCase{"PngUpperCase", "VEICOLI.PNG", ImageFileFormat::Png},
        ExtensionCase{"Jpg", "chart.jpg", ImageFileFormat::Jpeg},
        ExtensionCase{"JpgUpperCase", "chart.JPG", ImageFileFormat::Jpeg},
        ExtensionCase{"JpegMixedCase", "chart.JpEg", ImageFileFormat::Jpeg},
        ExtensionCase{"Bmp", "chart.bmp", ImageFileFormat::Bmp},
        ExtensionCase{"Gif", "chart.Gif", ImageFileFormat::Gif},
        ExtensionCase{"Tif", "chart.tif", ImageFileFormat::Tiff},
        ExtensionCase{"Tiff", "chart.TIFF", ImageFileFormat::Tiff},
        ExtensionCase{"IcoHoldsPng", "chart.ico", ImageFileFormat::Png},
        ExtensionCase{"HdpHoldsPng", "chart.HDP", ImageFileFormat::Png},
        ExtensionCase{"OnlyTheLastDotCounts", "chart.txt.png", ImageFileFormat::Png},
        ExtensionCase{"LastDotNamesUnknown", "chart.png.txt", std::nullopt},
        ExtensionCase{"NameIsOnlyAnExtension", ".png", ImageFileFormat::Png},
        ExtensionCase{"WindowsPath", "C:\\Users\\me\\Veicoli entranti.png", ImageFileFormat::Png},
        ExtensionCase{"DottedFolderThenExtension", "/home/me/charts.gif/Veicoli.bmp",
                      ImageFileFormat::Bmp},
        ExtensionCase{"DriveColonBeforeDot", "C:.png", ImageFileFormat::Png},
        ExtensionCase{"Svg", "Veicoli.svg", ImageFileFormat::Svg},
        ExtensionCase{"SvgUpperCase", "Veicoli.SVG", ImageFileFormat::Svg},
        ExtensionCase{"Pdf", "Veicoli.pdf", ImageFileFormat::Pdf},
        ExtensionCase{"PdfMixedCase", "Veicoli.PdF", ImageFileFormat::Pdf},
        ExtensionCase{"CompressedSvgUnknown", "Veicoli.svgz", std::nullopt},
        ExtensionCase{"NoExtension", "Veicoli", std::nullopt},
        ExtensionCase{"TrailingDot", "Veicoli.", std::nullopt},
        ExtensionCase{"Unknown", "Veicoli.txt", std::nullopt},
        ExtensionCase{"PrefixOfKnown", "Veicoli.pn", std::nullopt},
        ExtensionCase{"KnownPlusMore", "Veicoli.pngx", std::nullopt},
        ExtensionCase{"BlankInsideExtension", "Veicoli. png", std::nullopt},
        ExtensionCase{"Empty", "", std::nullopt}),
    [](const testing::TestParamInfo<ExtensionCase>& info) { return info.param.Name; });

// --- Where the extension starts ----------------------------------------------------------

// No table entry holds a separator, so a name whose last dot comes before a separator has
// no known format either way; the extension itself shows whether the separator ends it.
struct ExtensionTextCase {
    const char* Name;
    const char* FileName;
    const char* Extension;
};

class FileNameExtensionTest : public testing::TestWithParam<ExtensionTextCase> {};

TEST_P(FileNameExtensionTest, StartsAtTheLastDotBeforeNoSeparator)
{
    const ExtensionTextCase& row = GetParam();
    EXPECT_EQ(FileNameExtension(QString::fromUtf8(row.FileName)), QString::fromUtf8(row.Extension))
        << row.FileName;
}

INSTANTIATE_TEST_SUITE_P(
    Names, FileNameExtensionTest,
    testing::Values(ExtensionTextCase{"Plain", "Veicoli.png", ".png"},
                    ExtensionTextCase{"LastDot", "chart.png.txt", ".txt"},
                    ExtensionTextCase{"TrailingDot", "Veicoli.", "."},
                    ExtensionTextCase{"NoDot", "Veicoli", ""},
                    ExtensionTextCase{"DottedFolderBackslash", "C:\\charts.png\\Veicoli", ""},
                    ExtensionTextCase{"DottedFolderSlash", "/home/me/charts.png/Veicoli", ""},
                    ExtensionTextCase{"DriveColonAfterDot", "chart.png:stream", ""},
                    ExtensionTextCase{"SeparatorRightAfterDot", "charts.\\x", ""},
                    ExtensionTextCase{"DriveColonBeforeDot", "C:.png", ".png"}),
    [](const testing::TestParamInfo<ExtensionTextCase>& info) { return info.param.Name; });

// --- Every format writes a file that decodes back ---------------------------------------

struct FormatCase {
    const char* Name;
    const char* FileName;
    const char* DecodedFormat;
    bool Lossless;
};

class WrittenFormatTest : public ImageExportTest,
                          public testing::WithParamInterface<FormatCase> {};

TEST_P(WrittenFormatTest, DecodesBackInThatFormat)
{
    const FormatCase& row = GetParam();
    const QImage image = ChartLikeImage();
    WriteImageFile(image, Path(row.FileName));

    EXPECT_EQ(Entries(), QStringList{row.FileName}) << "no temporary file may stay behind";
    const DecodedFile decoded = Decode(Path(row.FileName));
    EXPECT_EQ(decoded.Format, row.DecodedFormat);
    ASSERT_EQ(decoded.Image.size(), image.size());
    if (row.Lossless) {
        EXPECT_EQ(decoded.Image, image);
        return;
    }
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    for (const QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom),
                                QPoint(right, bottom)}) {
        const QColor colour = decoded.Image.pixelColor(corner);
        EXPECT_GE(colour.red(), 245) << corner.x() << "," << corner.y();
        EXPECT_GE(colour.green(), 245) << corner.x() << "," << corner.y();
        EXPECT_GE(colour.blue(), 245) << corner.x() << "," << corner.y();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Extensions, WrittenFormatTest,
    testing::Values(FormatCase{"Png", "Veicoli.png", "png", true},
                    FormatCase{"PngUpperCase", "Veicoli.PNG", "png", true},
                    FormatCase{"Jpg", "Veicoli.jpg", "jpeg", false},
                    FormatCase{"JpgUpperCase", "Veicoli.JPG", "jpeg", false},
                    FormatCase{"Jpeg", "Veicoli.jpeg", "jpeg", false},
                    FormatCase{"Bmp", "Veicoli.bmp", "bmp", true},
                    FormatCase{"Gif", "Veicoli.gif", "gif", true},
                    FormatCase{"GifUpperCase", "Veicoli.GIF", "gif", true},
                    FormatCase{"Tif", "Veicoli.tif", "tiff", true},
                    FormatCase{"Tiff", "Veicoli.tiff", "tiff", true},
                    FormatCase{"Ico", "Veicoli.ico", "png", true},
                    FormatCase{"Hdp", "Veicoli.Hdp", "png", true}),
    [](const testing::TestParamInfo<FormatCase>& info) { return info.param.Name; });

// --- GIF palette -------------------------------------------------------------------------

TEST_F(ImageExportTest, GifKeepsEveryColourOfAChartAmongManyShades)
{
    const QImage image = ManyColoursImage();
    WriteImageFile(image, Path("many.gif"));
    const QImage decoded = Decode(Path("many.gif")).Image;
    ASSERT_EQ(decoded.size(), image.size());

    int chartColourPixels = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb original = image.pixel(x, y);
            const bool chartColour = original == kWhite || original == kBlueColour
                || original == kRedColour || original == kGreenColour || original == kSilver
                || original == kGrey || original == 0xFF000000;
            if (!chartColour)
                continue;
            ++chartColourPixels;
            ASSERT_EQ(decoded.pixel(x, y), original) << "at " << x << "," << y;
        }
    EXPECT_GT(chartColourPixels, image.width() * image.height() / 2);
}

TEST_F(ImageExportTest, GifKeepsAllColoursOfAFullPalette)
{
    // 256 distinct colours is the most a GIF palette holds: each must come back exactly.
    QImage image(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            image.setPixel(x, y, qRgb(x * 17, y * 17, 255 - x * y));
    WriteImageFile(image, Path("full.gif"));
    EXPECT_EQ(Decode(Path("full.gif")).Image, image);
}

TEST_F(ImageExportTest, GifShowsTransparentPixelsAsWhite)
{
    QImage image(40, 30, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixel(20, 15, kBlueColour);
    WriteImageFile(image, Path("clear.gif"));

    const QImage decoded = Decode(Path("clear.gif")).Image;
    ASSERT_EQ(decoded.size(), image.size());
    EXPECT_EQ(decoded.pixel(0, 0), kWhite);
    EXPECT_EQ(decoded.pixel(20, 15), kBlueColour);
}

TEST_F(ImageExportTest, GifColourHalfwayBetweenTwoEntriesTakesTheEarlierOne)
{
    // The fixed palette's grey ramp runs 4, 12, 20, ...: each of these greys is as far from
    // the entry below as from the entry above, and nothing else in the palette is nearer.
    struct TieCase {
        int Grey;
        int Expected;
    };
    const TieCase cases[] = {{8, 4}, {16, 12}, {24, 20}};
    QImage image = ManyColoursImage();
    for (int i = 0; i < 3; ++i)
        image.setPixel(2 + i, 78, qRgb(cases[i].Grey, cases[i].Grey, cases[i].Grey));
    WriteImageFile(image, Path("tie.gif"));
    const QImage decoded = Decode(Path("tie.gif")).Image;
    ASSERT_EQ(decoded.size(), image.size());
    for (int i = 0; i < 3; ++i) {
        const int expected = cases[i].Expected;
        EXPECT_EQ(decoded.pixel(2 + i, 78), qRgb(expected, expected, expected)) << "grey " << cases[i].Grey;
    }
}

TEST_F(ImageExportTest, GifOfTheWidestSizeItsFormatHoldsSaves)
{
    QImage wide(65535, 2, QImage::Format_RGB32);
    wide.fill(kWhite);
    wide.setPixel(65534, 1, kRedColour);
    WriteImageFile(wide, Path("wide.gif"));
    EXPECT_EQ(Decode(Path("wide.gif")).Image, wide);
}

TEST_F(ImageExportTest, GifOfASingleColourDecodes)
{
    QImage image(7, 3, QImage::Format_RGB32);
    image.fill(kWhite);
    WriteImageFile(image, Path("blank.gif"));
    EXPECT_EQ(Decode(Path("blank.gif")).Image, image);
}

// --- Failures ----------------------------------------------------------------------------

TEST_F(ImageExportTest, UnknownExtensionFailsAndCreatesNothing)
{
    for (const char* name : {"Veicoli.txt", "Veicoli", "Veicoli.", "Veicoli.png.bak", "Veicoli.svgz",
                             "Veicoli.ps", "Veicoli.pdf.txt"}) {
        EXPECT_EQ(ErrorOf(ChartLikeImage(), Path(name)), "Saving bitmap failed.") << name;
        EXPECT_TRUE(Entries().isEmpty()) << name;
    }
}

TEST_F(ImageExportTest, MissingFolderCannotBeCreated)
{
    const QString fileName = Path("missing/Veicoli.png");
    const std::string expected = "Cannot create file \""
        + QDir::toNativeSeparators(fileName).toStdString() + "\". "
        + std::make_error_code(std::errc::no_such_file_or_directory).message();
    EXPECT_EQ(ErrorOf(ChartLikeImage(), fileName), expected);
    EXPECT_TRUE(Entries().isEmpty());
}

TEST_F(ImageExportTest, FileAsFolderCannotBeCreated)
{
    // Tests may run as root, whom permissions do not stop; a file in place of a folder does.
    WriteBytes(Path("plain"), "not a folder");
    const QString fileName = Path("plain/Veicoli.png");
    const std::string message = ErrorOf(ChartLikeImage(), fileName);
    const std::string prefix =
        "Cannot create file \"" + QDir::toNativeSeparators(fileName).toStdString() + "\". ";
    ASSERT_EQ(message.substr(0, prefix.size()), prefix);
    EXPECT_GT(message.size(), prefix.size()) << "the operating system's reason follows";
    EXPECT_EQ(ReadBytes(Path("plain")), "not a folder");
}

TEST_F(ImageExportTest, FolderInPlaceOfTheFileGivesTheSystemReason)
{
    ASSERT_TRUE(QDir(Path(".")).mkdir("Veicoli.png"));
    const QString fileName = Path("Veicoli.png");
    const std::string expected = "Cannot create file \""
        + QDir::toNativeSeparators(fileName).toStdString() + "\". "
        + std::make_error_code(std::errc::is_a_directory).message();
    EXPECT_EQ(ErrorOf(ChartLikeImage(), fileName), expected);
    EXPECT_EQ(Entries(), QStringList{"Veicoli.png"});
}

class FailedEncodingTest : public ImageExportTest,
                           public testing::WithParamInterface<const char*> {};

TEST_P(FailedEncodingTest, LeavesNoFileBehind)
{
    EXPECT_EQ(ErrorOf(QImage(), Path(GetParam())), "Saving bitmap failed.");
    EXPECT_TRUE(Entries().isEmpty()) << Entries().join(", ").toStdString();
}

TEST_P(FailedEncodingTest, KeepsTheExistingFileUnchanged)
{
    const QString fileName = Path(GetParam());
    WriteBytes(fileName, "the user's earlier file");
    EXPECT_EQ(ErrorOf(QImage(), fileName), "Saving bitmap failed.");
    EXPECT_EQ(ReadBytes(fileName), "the user's earlier file");
    EXPECT_EQ(Entries(), QStringList{GetParam()});
}

INSTANTIATE_TEST_SUITE_P(EveryEncoder, FailedEncodingTest,
                         testing::Values("Veicoli.png", "Veicoli.jpg", "Veicoli.bmp",
                                         "Veicoli.gif", "Veicoli.tif", "Veicoli.ico"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param).substr(8);
                         });

TEST_F(ImageExportTest, GifTooWideForItsFormatKeepsTheExistingFile)
{
    // GIF stores sizes in 16 bits; a wider image must fail, not wrap around.
    const QString fileName = Path("wide.gif");
    WriteBytes(fileName, "earlier");
    QImage wide(65536, 1, QImage::Format_RGB32);
    wide.fill(kWhite);
    EXPECT_EQ(ErrorOf(wide, fileName), "Saving bitmap failed.");
    EXPECT_EQ(ReadBytes(fileName), "earlier");
}

TEST_F(ImageExportTest, SuccessfulSaveReplacesTheExistingFile)
{
    const QString fileName = Path("Veicoli.png");
    WriteBytes(fileName, "the user's earlier file");
    WriteImageFile(ChartLikeImage(), fileName);
    EXPECT_EQ(Decode(fileName).Image, ChartLikeImage());
    EXPECT_EQ(Entries(), QStringList{"Veicoli.png"});
}

// --- Saving a chart ----------------------------------------------------------------------

constexpr QueueInputs kDefaultInputs{800, 2000, 1000, 2};

// A chart of the main window's default size, saved the way the Save commands save it.
class ChartSaveTest : public ImageExportTest {
protected:
    void SetUp() override { view.resize(586, 261); }

    QImage SaveAndDecode(const QString& name)
    {
        view.SaveToBitmapFile(Path(name));
        return Decode(Path(name)).Image;
    }

    // What the screen shows, drawn by the widget's own paint event.
    QImage ScreenImage() { return view.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    ChartView view;
};

TEST_F(ChartSaveTest, ChartBeforeAnyProcessSavesWhiteWithItsTitle)
{
    struct InitialCase {
        const char* Name;
        ChartContents Contents;
        QRgb TitleColour;
    };
    const InitialCase cases[] = {
        {"cumulative", InitialCumulativeChartContents(), kBlueColour},
        {"entering", InitialEnteringChartContents(), 0xFF000000},
    };
    for (const InitialCase& row : cases) {
        view.SetContents(row.Contents);
        const QImage saved = SaveAndDecode(QStringLiteral("TChart.png"));
        ASSERT_EQ(saved.size(), QSize(586, 261)) << row.Name;
        EXPECT_EQ(saved, ScreenImage()) << row.Name;
        const QRect plot = view.PlotArea();
        int titlePixels = 0;
        for (int y = 0; y < plot.top(); ++y)
            for (int x = 0; x < saved.width(); ++x)
                titlePixels += saved.pixel(x, y) == row.TitleColour ? 1 : 0;
        int seriesPixels = 0;
        for (int y = plot.top(); y <= plot.bottom(); ++y)
            for (int x = plot.left(); x <= plot.right(); ++x) {
                const QRgb pixel = saved.pixel(x, y);
                seriesPixels += (pixel == kBlueColour || pixel == kRedColour || pixel == kGreenColour) ? 1 : 0;
            }
        EXPECT_EQ(seriesPixels, 0) << row.Name << ": no curves nor bars yet";
        EXPECT_GT(titlePixels, 0) << row.Name;
        EXPECT_EQ(saved.pixel(0, 0), kWhite) << row.Name;
        EXPECT_EQ(saved.pixel(585, 260), kWhite) << row.Name;
    }
}

TEST_F(ChartSaveTest, SavedFileHasTheChartsCurrentSize)
{
    view.SetContents(EnteringChartContents(kDefaultInputs, ComputeQueue(kDefaultInputs)));
    for (const QSize size : {QSize(586, 261), QSize(586, 400), QSize(333, 120)}) {
        view.resize(size);
        EXPECT_EQ(SaveAndDecode(QStringLiteral("Veicoli entranti.png")).size(), size);
    }
}

TEST_F(ChartSaveTest, ZoomedChartSavesZoomed)
{
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.SetContents(EnteringChartContents(kDefaultInputs, ComputeQueue(kDefaultInputs)));
    const QImage unzoomed = SaveAndDecode(QStringLiteral("Veicoli entranti.gif"));

    const QRect plot = view.PlotArea();
    const QPoint from = plot.topLeft() + QPoint(plot.width() / 10, plot.height() / 10);
    const QPoint to = plot.center();
    QTest::mousePress(&view, Qt::LeftButton, {}, from);
    QTest::mouseMove(&view, (from + to) / 2);
    QTest::mouseMove(&view, to);
    QTest::mouseRelease(&view, Qt::LeftButton, {}, to);
    ASSERT_FALSE(view.IsAutoRange());

    const QImage zoomed = SaveAndDecode(QStringLiteral("Veicoli entranti.gif"));
    EXPECT_NE(zoomed, unzoomed);
    EXPECT_EQ(zoomed, ScreenImage()) << "the file shows what the screen shows";
}

}  // namespace
}  // namespace zorvanta
