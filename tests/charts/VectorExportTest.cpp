// Charts saved as SVG and PDF drawings: real documents of the chart's size, their texts kept
// as text, showing what the bitmap shows.
#include "ImageExport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <stdexcept>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest/QTest>

#include "ChartBuilders.h"
#include "ChartView.h"

namespace zorvanta {
namespace {

constexpr QueueInputs kDefaultInputs{800, 2000, 1000, 2};

struct SvgSummary {
    bool Parsed = false;
    QString Width;
    QString Height;
    QString ViewBox;
    QStringList Texts;
    int Shapes = 0;  // paths, rectangles, lines and polylines
};

SvgSummary ReadSvg(const QByteArray& bytes)
{
    SvgSummary summary;
    QXmlStreamReader xml(bytes);
    bool root = true;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = xml.name();
        if (root) {
            root = false;
            if (name != u"svg")
                return summary;
            summary.Width = xml.attributes().value("width").toString();
            summary.Height = xml.attributes().value("height").toString();
            summary.ViewBox = xml.attributes().value("viewBox").toString();
        } else if (name == u"text") {
            summary.Texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
        } else if (name == u"path" || name == u"rect" || name == u"polyline" || name == u"line") {
            ++summary.Shapes;
        }
    }
    summary.Parsed = !xml.hasError();
    return summary;
}

// Runs a poppler tool on a file; none when the tool is missing.
std::optional<QString> Poppler(const QString& tool, const QStringList& arguments)
{
    if (QStandardPaths::findExecutable(tool).isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

class VectorExportTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        view.resize(586, 261);
        view.SetContents(EnteringChartContents(kDefaultInputs, ComputeQueue(kDefaultInputs)));
    }

    QString Path(const QString& name) const { return folder_.filePath(name); }

    QByteArray Save(const QString& name)
    {
        view.SaveToBitmapFile(Path(name));
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void ZoomWithTheMouse()
    {
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        const QRect plot = view.PlotArea();
        const QPoint from = plot.topLeft() + QPoint(plot.width() / 8, plot.height() / 8);
        const QPoint to = plot.center();
        QTest::mousePress(&view, Qt::LeftButton, {}, from);
        QTest::mouseMove(&view, to);
        QTest::mouseRelease(&view, Qt::LeftButton, {}, to);
        ASSERT_FALSE(view.IsAutoRange());
    }

    ChartView view;

private:
    QTemporaryDir folder_;
};

TEST_F(VectorExportTest, SvgIsADrawingOfTheChartsSizeWithItsTextsAsText)
{
    for (const char* name : {"Veicoli entranti.svg", "VEICOLI.SVG"}) {
        const SvgSummary svg = ReadSvg(Save(name));
        ASSERT_TRUE(svg.Parsed) << name;
        EXPECT_EQ(svg.ViewBox, "0 0 586 261") << name;
        EXPECT_TRUE(svg.Width.endsWith("mm") && svg.Height.endsWith("mm")) << name;
        // 586 CSS pixels are 155.04 mm.
        EXPECT_NEAR(svg.Width.chopped(2).toDouble(), 586 * 25.4 / 96, 0.01) << name;
        for (const char* text : {"Tempo", "Veicoli", "Veicoli in ingresso"})
            EXPECT_TRUE(svg.Texts.contains(QString::fromUtf8(text))) << name << ": " << text << " in "
                                                                     << svg.Texts.join('|').toStdString();
        EXPECT_GT(svg.Shapes, 5) << name << ": bars and lines as shapes";
    }
}

TEST_F(VectorExportTest, SvgShowsWhatTheBitmapShowsAlsoZoomed)
{
    ZoomWithTheMouse();
    const QByteArray bytes = Save("zoomed.svg");
    QSvgRenderer renderer(bytes);
    ASSERT_TRUE(renderer.isValid());
    const QImage bitmap = view.RenderImage();
    QImage drawn(bitmap.size(), QImage::Format_RGB32);
    drawn.fill(Qt::black);  // the document must bring its own white background
    {
        QPainter painter(&drawn);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(bitmap.size())));
    }
    // Anti-aliased text and line ends may differ; bars, axes and background must not.
    int alike = 0;
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x) {
            const QColor a = bitmap.pixelColor(x, y);
            const QColor b = drawn.pixelColor(x, y);
            alike += (std::abs(a.red() - b.red()) < 48 && std::abs(a.green() - b.green()) < 48
                      && std::abs(a.blue() - b.blue()) < 48) ? 1 : 0;
        }
    EXPECT_GT(alike, bitmap.width() * bitmap.height() * 97 / 100);
}

TEST_F(VectorExportTest, PdfIsOnePageOfTheChartsSizeWithSearchableText)
{
    for (const char* name : {"Veicoli entranti.pdf", "VEICOLI.PDF"}) {
        const QByteArray bytes = Save(name);
        ASSERT_TRUE(bytes.startsWith("%PDF-")) << name;
        EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF")) << name;
        const std::optional<QString> info = Poppler("pdfinfo", {Path(name)});
        const std::optional<QString> text = Poppler("pdftotext", {Path(name), "-"});
        if (!info || !text)
            GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext) are not installed";
        EXPECT_TRUE(info->contains(QRegularExpression("Pages:\\s+1\\n"))) << info->toStdString();
        EXPECT_TRUE(info->contains(QRegularExpression("Page size:\\s+586 x 261 pts"))) << info->toStdString();
        for (const char* word : {"Tempo", "Veicoli", "Veicoli in ingresso"})
            EXPECT_TRUE(text->contains(QString::fromUtf8(word))) << name << ": " << word << " in "
                                                                << text->toStdString();
    }
}

TEST_F(VectorExportTest, ZeroSizedChartFailsAndCreatesNothing)
{
    view.resize(0, 0);
    for (const char* name : {"empty.svg", "empty.pdf"}) {
        EXPECT_THROW(
            {
                try {
                    view.SaveToBitmapFile(Path(name));
                } catch (const std::runtime_error& error) {
                    EXPECT_STREQ(error.what(), "Saving bitmap failed.");
                    throw;
                }
            },
            std::runtime_error)
            << name;
    }
    EXPECT_TRUE(QDir(Path(".")).entryList(QDir::Files).isEmpty());
}

TEST_F(VectorExportTest, ImageSavedUnderAVectorNameIsPlacedInTheDrawing)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::blue);
    WriteImageFile(image, Path("picture.svg"));
    QSvgRenderer renderer(Path("picture.svg"));
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.viewBox(), QRect(0, 0, 40, 30));
    QImage drawn(40, 30, QImage::Format_RGB32);
    drawn.fill(Qt::white);
    QPainter painter(&drawn);
    renderer.render(&painter);
    painter.end();
    EXPECT_EQ(drawn.pixel(20, 15), qRgb(0, 0, 255));
}

}  // namespace
}  // namespace zorvanta
