// The hover read-out on a real chart widget: shown over the plot, painted over the kept picture,
// never in RenderImage or a saved file, out of the way of zoom and pan drags, gone on leave.
#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <utility>
#include <vector>

#include "ChartReadouts.h"
#include "ChartViewFixture.h"

namespace zorvanta::chart_test {
namespace {

class ChartViewHoverTest : public ChartViewTest {
protected:
    void ShowDefaults()
    {
        view.SetContents(CumulativeChartContents(kDefaultInputs, kDefaultResults));
        view.SetReadoutSource(CumulativeReadoutSource(kDefaultInputs, kDefaultResults));
        ShowView();
    }
    // Qt drops a move to where the pointer already is (perhaps left there by another test), so the
    // pointer comes from one pixel aside.
    void Hover(QPoint at)
    {
        QTest::mouseMove(&view, at + QPoint(1, 0));
        QTest::mouseMove(&view, at);
    }
    void Leave()
    {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&view, &leave);
    }
    QImage OnScreen() { return view.grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

TEST_F(ChartViewHoverTest, ShowsTheReadingUnderThePointerAndPaintsItOverTheChart)
{
    ShowDefaults();
    const QImage before = OnScreen();
    Hover(PixelOf(8, 5000));
    const QStringList lines = view.ReadoutLines();
    ASSERT_EQ(lines.size(), 5) << lines.join(" | ").toStdString();
    EXPECT_TRUE(lines[0].startsWith("Time 8")) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith("Entered 8")) << lines[1].toStdString();
    EXPECT_NE(OnScreen(), before);
    // The cursor runs down the plot at the pointer's column.
    const QImage shown = OnScreen();
    const QPoint cursor = PixelOf(8, 1500);
    EXPECT_TRUE(IsColor(shown.pixel(cursor), qRgb(0x50, 0x50, 0x50)));
}

TEST_F(ChartViewHoverTest, NeverEntersTheRenderedImageOrTheSavedFile)
{
    ShowDefaults();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QImage unhovered = view.RenderImage();
    view.SaveToBitmapFile(folder.filePath("plain.png"));
    Hover(PixelOf(5, 6000));
    ASSERT_FALSE(view.ReadoutLines().isEmpty());
    EXPECT_EQ(view.RenderImage(), unhovered);
    view.SaveToBitmapFile(folder.filePath("hovered.png"));
    QFile plain(folder.filePath("plain.png"));
    QFile hovered(folder.filePath("hovered.png"));
    ASSERT_TRUE(plain.open(QIODevice::ReadOnly) && hovered.open(QIODevice::ReadOnly));
    EXPECT_EQ(plain.readAll(), hovered.readAll());
}

TEST_F(ChartViewHoverTest, VanishesOnLeaveAndOutsideThePlot)
{
    ShowDefaults();
    const QImage plain = OnScreen();
    Hover(PixelOf(5, 6000));
    ASSERT_FALSE(view.ReadoutLines().isEmpty());
    Leave();
    EXPECT_TRUE(view.ReadoutLines().isEmpty());
    EXPECT_EQ(OnScreen(), plain);

    Hover(view.PlotArea().topLeft() - QPoint(3, 3));  // over the axis labels
    EXPECT_TRUE(view.ReadoutLines().isEmpty());
    EXPECT_EQ(OnScreen(), plain);
}

TEST_F(ChartViewHoverTest, ShowsNothingWhereTheCurvesGiveNoReadingOrWithoutASource)
{
    ShowDefaults();
    view.SetContents(CumulativeChartContents(kDefaultInputs, kDefaultResults));  // drops the source
    Hover(PixelOf(5, 6000));
    EXPECT_TRUE(view.ReadoutLines().isEmpty());

    // Capacity equal to the normal flow: the curves end at the peak time 3, the axis runs to 3 too;
    // zoomed out by a pan the time beyond 3 is inside the plot but has no reading.
    const QueueInputs in{800, 2000, 800, 2};
    const QueueResults results = ComputeQueue(in);
    view.SetContents(CumulativeChartContents(in, results));
    view.SetReadoutSource(CumulativeReadoutSource(in, results));
    Hover(PixelOf(2, 1000));
    EXPECT_FALSE(view.ReadoutLines().isEmpty());
    RightDrag(PixelOf(2.5, 1000), PixelOf(1.5, 1000));
    ASSERT_GT(view.XRange().Upper, 3.2);
    Hover(PixelOf(3.2, 1000));
    EXPECT_TRUE(view.ReadoutLines().isEmpty());
}

// A zoom with the pointer hovering first ends exactly where the same zoom ends without it, and the
// read-out then reads the zoomed axes.
TEST_F(ChartViewHoverTest, KeepsOutOfZoomAndPanDragsAndReadsTheZoomedAxes)
{
    ChartView control;
    control.resize(view.size());
    control.SetContents(CumulativeChartContents(kDefaultInputs, kDefaultResults));
    ShowDefaults();
    const QPoint from = PixelOf(2, 9000);
    const QPoint to = PixelOf(9, 2000);

    Hover(from);
    ASSERT_FALSE(view.ReadoutLines().isEmpty());
    QTest::mousePress(&view, Qt::LeftButton, {}, from);
    EXPECT_TRUE(view.ReadoutLines().isEmpty()) << "hidden while a button is held";
    QTest::mouseMove(&view, to);
    EXPECT_TRUE(view.ReadoutLines().isEmpty());
    QTest::mouseRelease(&view, Qt::LeftButton, {}, to);

    control.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&control));
    QTest::mousePress(&control, Qt::LeftButton, {}, from);
    QTest::mouseMove(&control, to);
    QTest::mouseRelease(&control, Qt::LeftButton, {}, to);
    EXPECT_EQ(view.XRange().Lower, control.XRange().Lower);
    EXPECT_EQ(view.XRange().Upper, control.XRange().Upper);
    EXPECT_EQ(view.YRange().Lower, control.YRange().Lower);
    EXPECT_EQ(view.YRange().Upper, control.YRange().Upper);
    ASSERT_FALSE(view.IsAutoRange());

    Hover(PixelOf(5, 5000));
    ASSERT_FALSE(view.ReadoutLines().isEmpty());
    const double time = PixelToX(PixelOf(5, 5000).x());
    const DiagramReading reading = ReadDiagramAt(kDefaultInputs, kDefaultResults, time);
    EXPECT_EQ(view.ReadoutLines()[1], QString("Entered %1 vehicles").arg(std::lround(reading.Entered)));
    EXPECT_EQ(view.RenderImage(), control.RenderImage()) << "the zoomed chart saves as without the read-out";
}

// The screen shows the kept picture: every change of the drawing must replace it, or the screen
// would go on showing the old chart.
TEST_F(ChartViewHoverTest, TheScreenFollowsEveryChangeOfTheDrawing)
{
    ShowDefaults();
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"zoom", [&] { LeftDrag(PixelOf(2, 9000), PixelOf(9, 2000)); }},
        {"pan", [&] { RightDrag(PixelOf(5, 5000), PixelOf(6, 4000)); }},
        {"restore", [&] { LeftDrag(PixelOf(9, 2000), PixelOf(2, 9000)); }},
        {"new contents", [&] { view.SetContents(EnteringChartContents(kDefaultInputs, kDefaultResults)); }},
        {"resize", [&] { view.resize(640, 300); }},
    };
    for (const auto& [name, change] : changes) {
        OnScreen();  // the picture is current before the change
        change();
        QCoreApplication::processEvents();
        EXPECT_EQ(OnScreen(), view.RenderImage().convertToFormat(QImage::Format_RGB32)) << name;
    }
}

TEST_F(ChartViewHoverTest, TheEnteringChartReadsTheBarUnderThePointer)
{
    view.SetContents(EnteringChartContents(kDefaultInputs, kDefaultResults));
    view.SetReadoutSource(EnteringReadoutSource(kDefaultInputs, kDefaultResults));
    ShowView();
    const QImage plain = view.RenderImage();
    Hover(PixelOf(2.1, 1500));
    EXPECT_EQ(view.ReadoutLines(), QStringList({"Hour 2", "Peak flow 2000 v/h", "Capacity 1000 v/h"}));
    EXPECT_EQ(view.RenderImage(), plain);
}

TEST_F(ChartViewHoverTest, WritesTheDecimalSeparator)
{
    ShowDefaults();
    view.SetDecimalSeparator(',');
    Hover(PixelOf(2.5, 3000));
    ASSERT_FALSE(view.ReadoutLines().isEmpty());
    EXPECT_TRUE(view.ReadoutLines()[0].contains(',')) << view.ReadoutLines()[0].toStdString();
}

}  // namespace
}  // namespace zorvanta::chart_test
