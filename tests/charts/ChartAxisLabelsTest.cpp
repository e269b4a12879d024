// The axes' tick labels as drawn: one notation, the decimal separator given, distinct and apart.
#include "ChartViewFixture.h"

#include <qcustomplot.h>

#include <QFontMetrics>
#include <QSet>

#include "ChartPlot.h"

namespace zorvanta::chart_test {
namespace {

struct DrawnLabel {
    QString Text;
    double Left;   ///< [pixels] along the axis
    double Right;
};

// The labels of the ticks inside the axis range, in tick order, with their extent along the axis.
std::vector<DrawnLabel> DrawnLabels(const QCPAxis& axis)
{
    const QFontMetrics metrics(axis.tickLabelFont());
    std::vector<DrawnLabel> labels;
    for (qsizetype i = 0; i < axis.tickVector().size(); ++i) {
        const double tick = axis.tickVector()[i];
        if (!axis.range().contains(tick))
            continue;
        const QString text = axis.tickVectorLabels()[i];
        const double centre = axis.coordToPixel(tick);
        const double half = (axis.orientation() == Qt::Horizontal ? metrics.horizontalAdvance(text) : metrics.height()) / 2.0;
        labels.push_back({text, std::min(centre - half, centre + half), std::max(centre - half, centre + half)});
    }
    std::sort(labels.begin(), labels.end(), [](const DrawnLabel& a, const DrawnLabel& b) { return a.Left < b.Left; });
    return labels;
}

void ExpectDistinctAndApart(const QCPAxis& axis, char separator, const char* where)
{
    SCOPED_TRACE(where);
    const std::vector<DrawnLabel> labels = DrawnLabels(axis);
    ASSERT_GE(labels.size(), 2u);
    QSet<QString> texts;
    QString all;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        texts.insert(labels[i].Text);
        all += labels[i].Text + QStringLiteral(" | ");
        if (i > 0) {
            EXPECT_LT(labels[i - 1].Right, labels[i].Left) << all.toStdString();
        }
    }
    EXPECT_EQ(texts.size(), static_cast<qsizetype>(labels.size())) << all.toStdString();
    EXPECT_FALSE(all.contains(QLatin1Char('E')) || all.contains(QLatin1Char('e'))) << all.toStdString();
    const QChar other = separator == ',' ? QLatin1Char('.') : QLatin1Char(',');
    EXPECT_FALSE(all.contains(other)) << all.toStdString();
}

class ChartAxisLabelsTest : public ChartViewTest, public testing::WithParamInterface<char> {};

TEST_P(ChartAxisLabelsTest, StayDistinctAndApartThroughTwelveZoomsFarFromZero)
{
    const char separator = GetParam();
    view.SetDecimalSeparator(separator);
    ShowView();
    const QueueInputs inputs{2147483647, 2147483647, 2147483647, 2147483647};
    view.SetContents(CumulativeChartContents(inputs, ComputeQueue(inputs)));
    ChartPlot* plot = view.findChild<ChartPlot*>();
    ASSERT_NE(plot, nullptr);
    view.RenderImage();
    ExpectDistinctAndApart(*plot->xAxis, separator, "automatic bottom axis");
    ExpectDistinctAndApart(*plot->yAxis, separator, "automatic left axis");

    for (int zoom = 1; zoom <= 12; ++zoom) {
        const QRect area = view.PlotArea();
        const QPoint centre = area.center();
        LeftDrag(centre - QPoint(area.width() / 8, area.height() / 8), centre + QPoint(area.width() / 8, area.height() / 8));
        ASSERT_FALSE(view.IsAutoRange());
        view.RenderImage();
        const std::string where = "after zoom " + std::to_string(zoom);
        ExpectDistinctAndApart(*plot->xAxis, separator, (where + ", bottom axis").c_str());
        ExpectDistinctAndApart(*plot->yAxis, separator, (where + ", left axis").c_str());
    }
}

INSTANTIATE_TEST_SUITE_P(Separators, ChartAxisLabelsTest, testing::Values('.', ','),
                         [](const testing::TestParamInfo<char>& info) {
                             return std::string(info.param == '.' ? "Point" : "Comma");
                         });

}  // namespace
}  // namespace zorvanta::chart_test
