#include "ChartView.h"

#include <QMouseEvent>
#include <QPaintEvent>

#include <algorithm>
#include <cmath>

#include "ChartPlot.h"
#include "ImageExport.h"

namespace zorvanta {

namespace {

const QColor kZoomOutline(0xC0, 0xC0, 0xC0);  // silver

bool IsShowable(const AxisSpan& span)
{
    return std::isfinite(span.Lower) && std::isfinite(span.Upper) && span.Lower < span.Upper;
}

}  // namespace

ChartView::ChartView(QWidget* parent) : QWidget(parent), plot_(new ChartPlot(this))
{
    plot_->hide();
    setAttribute(Qt::WA_OpaquePaintEvent);
}

ChartView::~ChartView() = default;

void ChartView::SetContents(const ChartContents& contents)
{
    plot_->ShowContents(contents);
    update();
}

const ChartContents& ChartView::Contents() const { return plot_->Contents(); }

void ChartView::SetDecimalSeparator(char separator)
{
    decimalSeparator_ = separator;
    plot_->SetDecimalSeparator(separator);
    update();
}

QImage ChartView::RenderImage()
{
    QImage image(size(), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    QCPPainter painter(&image);
    plot_->Paint(&painter, size());
    return image;
}

void ChartView::SaveToBitmapFile(const QString& fileName)
{
    WriteImageFile(RenderImage(), fileName);
}

void ChartView::LayOut() const { plot_->LayOut(size()); }

ChartView::AxisRange ChartView::XRange() const
{
    LayOut();
    return plot_->Spans().X;
}

ChartView::AxisRange ChartView::YRange() const
{
    LayOut();
    return plot_->Spans().Y;
}

bool ChartView::IsAutoRange() const { return plot_->IsAutomatic(); }

int ChartView::SeriesCount() const { return plot_->plottableCount(); }

QRect ChartView::PlotArea() const
{
    LayOut();
    return plot_->PlotRect();
}

void ChartView::paintEvent(QPaintEvent*)
{
    QCPPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    plot_->Paint(&painter, size());
    if (dragButton_ == Qt::LeftButton && dragPos_ != pressPos_) {
        painter.setPen(QPen(kZoomOutline, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(pressPos_, dragPos_).normalized());
    }
}

void ChartView::mousePressEvent(QMouseEvent* event)
{
    const Qt::MouseButton button = event->button();
    if (dragButton_ != Qt::NoButton || (button != Qt::LeftButton && button != Qt::RightButton)) {
        event->ignore();
        return;
    }
    dragButton_ = button;
    pressPos_ = dragPos_ = event->position().toPoint();
    if (button == Qt::RightButton) {
        LayOut();
        panStart_ = plot_->Spans();
        panPlot_ = plot_->PlotRect();
    }
    event->accept();
}

void ChartView::mouseMoveEvent(QMouseEvent* event)
{
    if (dragButton_ == Qt::NoButton) {
        event->ignore();
        return;
    }
    dragPos_ = event->position().toPoint();
    if (dragButton_ == Qt::RightButton)
        Pan(dragPos_);
    update();
    event->accept();
}

void ChartView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != dragButton_) {
        event->ignore();
        return;
    }
    dragPos_ = event->position().toPoint();
    if (dragButton_ == Qt::RightButton) {
        Pan(dragPos_);
    } else {
        switch (ClassifyLeftDrag(dragPos_.x() - pressPos_.x(), dragPos_.y() - pressPos_.y())) {
        case LeftDragAction::Zoom:
            ZoomTo(pressPos_, dragPos_);
            break;
        case LeftDragAction::Restore:
            plot_->SetAutomatic(true);
            break;
        case LeftDragAction::None:
            break;
        }
    }
    dragButton_ = Qt::NoButton;
    update();
    event->accept();
}

void ChartView::Pan(QPoint to)
{
    const QPoint moved = to - pressPos_;
    if (moved.isNull() || panPlot_.width() <= 0 || panPlot_.height() <= 0)
        return;
    // The drawing follows the mouse: the ranges move against the drag, scaled from the
    // ranges at the start so that long pans do not accumulate rounding.
    const double hoursPerPixel = (panStart_.X.Upper - panStart_.X.Lower) / panPlot_.width();
    const double vehiclesPerPixel = (panStart_.Y.Upper - panStart_.Y.Lower) / panPlot_.height();
    const double dx = -moved.x() * hoursPerPixel;
    const double dy = moved.y() * vehiclesPerPixel;
    const AxisSpans spans{{panStart_.X.Lower + dx, panStart_.X.Upper + dx},
                          {panStart_.Y.Lower + dy, panStart_.Y.Upper + dy}};
    if (IsShowable(spans.X) && IsShowable(spans.Y))
        plot_->FixSpans(spans);
}

void ChartView::ZoomTo(QPoint from, QPoint to)
{
    LayOut();
    const QPointF a = plot_->PixelToCoords(from);
    const QPointF b = plot_->PixelToCoords(to);
    const AxisSpans spans{{std::min(a.x(), b.x()), std::max(a.x(), b.x())},
                          {std::min(a.y(), b.y()), std::max(a.y(), b.y())}};
    // Far out on a huge axis two pixels can map to one double; such a zoom is ignored.
    if (IsShowable(spans.X) && IsShowable(spans.Y))
        plot_->FixSpans(spans);
}

}  // namespace zorvanta
