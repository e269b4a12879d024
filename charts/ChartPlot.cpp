#include "ChartPlot.h"

#include <optional>

#include "AxisTicker.h"
#include "BarRunsPlottable.h"

namespace zorvanta {

namespace {

QColor ToColor(std::uint32_t argb) { return QColor::fromRgba(argb); }

}  // namespace

ChartPlot::ChartPlot(QWidget* parent) : QCustomPlot(parent), plotRect_(axisRect())
{
    // Zoom and pan are the chart view's own mouse handling; QCustomPlot's are left off.
    setInteractions({});
    setAutoAddPlottableToLegend(false);
    setBackground(Qt::white);
    xAxis->setLabel(QStringLiteral("Tempo"));
    yAxis->setLabel(QStringLiteral("Veicoli"));
    // One notation in every locale, in the program's decimal separator, distinct at every zoom.
    for (QCPAxis* axis : {xAxis, yAxis}) {
        auto ticker = QSharedPointer<AxisTicker>::create(axis);
        tickers_.push_back(ticker);
        axis->setTicker(ticker);
        axis->setNumberFormat(QStringLiteral("g"));  // the labels bring their own powers of ten
    }

    title_ = new QCPTextElement(this);
    QFont titleFont = font();
    titleFont.setBold(true);
    title_->setFont(titleFont);

    // Layout: an optional title row above the body; the body holds the plot and, at its
    // right and outside the plot, the legend at the top of its column.
    plotLayout()->take(plotRect_);
    plotLayout()->simplify();
    body_ = new QCPLayoutGrid;
    plotLayout()->addElement(0, 0, body_);
    body_->addElement(0, 0, plotRect_);

    plotRect_->insetLayout()->take(legend);
    legend->setVisible(true);
    legendColumn_ = new QCPLayoutGrid;
    body_->addElement(0, 1, legendColumn_);
    body_->setColumnStretchFactor(1, 0.001);
    legendColumn_->setMargins(QMargins(0, 5, 5, 5));
    legendColumn_->addElement(0, 0, legend);
    legendColumn_->addElement(1, 0, new QCPLayoutElement(this));
    legendColumn_->setRowStretchFactor(0, 0.001);
    legendColumn_->setRowStretchFactor(1, 1.0);

    ShowContents({});
}

void ChartPlot::SetDecimalSeparator(char separator)
{
    for (const QSharedPointer<AxisTicker>& ticker : tickers_)
        ticker->SetDecimalSeparator(separator);
}

void ChartPlot::ShowContents(const ChartContents& contents)
{
    contents_ = contents;
    automatic_ = true;
    ShowTitle(contents_);
    ShowLegend(contents_.LegendVisible);
    clearPlottables();
    AddSeries(contents_);
}

void ChartPlot::ShowTitle(const ChartContents& contents)
{
    title_->setText(QString::fromStdString(contents.Title));
    title_->setTextColor(ToColor(contents.TitleColor));
    // An empty title takes no room: its row leaves the layout and the plot grows.
    const bool shown = title_->layout() != nullptr;
    if (!contents.Title.empty() && !shown) {
        plotLayout()->insertRow(0);
        plotLayout()->addElement(0, 0, title_);
    } else if (contents.Title.empty() && shown) {
        plotLayout()->take(title_);
        plotLayout()->simplify();
    }
}

void ChartPlot::ShowLegend(bool visible)
{
    const bool shown = legendColumn_->layout() != nullptr;
    if (visible && !shown) {
        body_->addElement(0, 1, legendColumn_);
        body_->setColumnStretchFactor(1, 0.001);
    } else if (!visible && shown) {
        body_->take(legendColumn_);
        body_->simplify();
    }
}

void ChartPlot::AddSeries(const ChartContents& contents)
{
    const double maxBarCount = MaxBarCount(contents);
    int barSeries = 0;
    for (const ChartSeries& series : contents.Series) {
        QCPAbstractPlottable* plottable = nullptr;
        if (series.Kind == SeriesKind::Bar) {
            const auto side = barSeries++ == 0 ? BarRunsPlottable::Side::LeftOfX : BarRunsPlottable::Side::RightOfX;
            plottable = new BarRunsPlottable(xAxis, yAxis, series.Bars, side, maxBarCount);
            plottable->setPen(Qt::NoPen);
            plottable->setBrush(ToColor(series.Color));
        } else {
            // The line joins the drawn points in their stored order; see DrawnLinePoint for
            // what becomes of points with infinite or NaN coordinates.
            QVector<double> order;
            QVector<double> keys;
            QVector<double> values;
            for (const ChartPoint& point : series.Points) {
                if (const std::optional<ChartPoint> drawn = DrawnLinePoint(point)) {
                    order.push_back(order.size());
                    keys.push_back(drawn->X);
                    values.push_back(drawn->Y);
                }
            }
            auto* curve = new QCPCurve(xAxis, yAxis);
            curve->setData(order, keys, values, true);  // the stored order, not re-sorted by X
            curve->setLineStyle(QCPCurve::lsLine);
            curve->setScatterStyle(QCPScatterStyle::ssNone);
            curve->setAntialiased(false);
            curve->setPen(QPen(ToColor(series.Color), series.LineWidth));
            plottable = curve;
        }
        plottable->setName(QString::fromStdString(series.Title));
        plottable->addToLegend();
    }
}

void ChartPlot::updateLayout()
{
    if (automatic_) {
        // The left axis labels decide the plot width, which decides the bar margins on the
        // bottom axis: set the left axis, lay out, then set the bottom axis for that width.
        const AxisSpan y = AutomaticAxisSpans(contents_, plotRect_->width()).Y;
        yAxis->setRange(y.Lower, y.Upper);
        QCustomPlot::updateLayout();
        const AxisSpan x = AutomaticAxisSpans(contents_, plotRect_->width()).X;
        xAxis->setRange(x.Lower, x.Upper);
    }
    QCustomPlot::updateLayout();
}

void ChartPlot::LayOut(const QSize& size)
{
    setViewport(QRect(QPoint(0, 0), size));
    updateLayout();
}

void ChartPlot::Paint(QCPPainter* painter, const QSize& size)
{
    setViewport(QRect(QPoint(0, 0), size));
    painter->setMode(QCPPainter::pmNoCaching);  // no cached label pixmaps: screen and export draw alike
    // The number of ticks follows the plot's length, which follows the labels: lay out once
    // more, so that every drawing ends in the same layout whatever was drawn before.
    updateLayout();
    draw(painter);  // lays out first
}

AxisSpans ChartPlot::Spans() const
{
    return {{xAxis->range().lower, xAxis->range().upper}, {yAxis->range().lower, yAxis->range().upper}};
}

void ChartPlot::FixSpans(const AxisSpans& spans)
{
    automatic_ = false;
    xAxis->setRange(spans.X.Lower, spans.X.Upper);
    yAxis->setRange(spans.Y.Lower, spans.Y.Upper);
}

QRect ChartPlot::PlotRect() const { return plotRect_->rect(); }

QPointF ChartPlot::PixelToCoords(const QPointF& pixel) const
{
    return {xAxis->pixelToCoord(pixel.x()), yAxis->pixelToCoord(pixel.y())};
}

QPointF ChartPlot::CoordsToPixel(double x, double y) const
{
    return {xAxis->coordToPixel(x), yAxis->coordToPixel(y)};
}

}  // namespace zorvanta
