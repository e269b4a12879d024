#include "ChartView.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "ChartContextMenu.h"
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
    setMouseTracking(true);  // the read-out follows the pointer without a button held
}

ChartView::~ChartView() = default;

void ChartView::SetContents(const ChartContents& contents)
{
    plot_->ShowContents(contents);
    readoutSource_ = nullptr;
    HideReadout();
    InvalidatePicture();
}

const ChartContents& ChartView::Contents() const { return plot_->Contents(); }

void ChartView::SetReadoutSource(ReadoutSource source)
{
    readoutSource_ = std::move(source);
    if (pointer_)
        HoverAt(*pointer_);
}

void ChartView::SetDecimalSeparator(char separator)
{
    decimalSeparator_ = separator;
    plot_->SetDecimalSeparator(separator);
    InvalidatePicture();
    if (pointer_)
        HoverAt(*pointer_);
}

QStringList ChartView::ReadoutLines() const { return readout_ ? readout_->Lines : QStringList(); }

void ChartView::DrawOnto(QPaintDevice& device)
{
    QCPPainter painter(&device);
    painter.fillRect(QRect(QPoint(0, 0), size()), Qt::white);
    plot_->Paint(&painter, size());
}

QImage ChartView::RenderImage()
{
    return RenderDrawing([this](QPaintDevice& device) { DrawOnto(device); }, size());
}

void ChartView::SaveToBitmapFile(const QString& fileName)
{
    WriteDrawingFile([this](QPaintDevice& device) { DrawOnto(device); }, size(), fileName);
}

void ChartView::CopyImage()
{
    QGuiApplication::clipboard()->setImage(RenderImage());
}

void ChartView::ShowContextMenu(QPoint globalPos)
{
    if (contextMenu_ == nullptr)
        contextMenu_ =
            CreateChartContextMenu(this, [this] { CopyImage(); }, [this] { emit SaveRequested(); });
    contextMenu_->popup(globalPos);
}

void ChartView::contextMenuEvent(QContextMenuEvent* event)
{
    // The mouse's right button is the chart's own (pan, or the menu on its release); only the
    // keyboard's menu key comes this way.
    if (event->reason() != QContextMenuEvent::Mouse)
        ShowContextMenu(mapToGlobal(rect().center()));
    event->accept();
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

void ChartView::InvalidatePicture()
{
    pictureValid_ = false;
    update();
}

bool ChartView::IsPictureCurrent() const
{
    const qreal ratio = devicePixelRatioF();
    return pictureValid_ && picture_.devicePixelRatio() == ratio
           && picture_.size() == (QSizeF(size()) * ratio).toSize();
}

void ChartView::RenderPicture()
{
    const qreal ratio = devicePixelRatioF();
    picture_ = QImage((QSizeF(size()) * ratio).toSize(), QImage::Format_RGB32);
    pictureValid_ = !picture_.isNull();
    if (!pictureValid_)
        return;
    picture_.setDevicePixelRatio(ratio);
    picture_.fill(Qt::white);
    QCPPainter painter(&picture_);
    plot_->Paint(&painter, size());  // also lays the chart out: the read-out maps through this layout
}

void ChartView::paintEvent(QPaintEvent* event)
{
    if (!IsPictureCurrent())
        RenderPicture();
    QPainter painter(this);
    if (picture_.isNull()) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    // Only the damaged part of the picture is copied: a pointer move damages the read-out alone.
    const qreal ratio = picture_.devicePixelRatio();
    for (const QRect& part : event->region())
        painter.drawImage(part, picture_,
                          QRectF(part.x() * ratio, part.y() * ratio, part.width() * ratio, part.height() * ratio));
    if (dragButton_ == Qt::LeftButton && dragPos_ != pressPos_) {
        painter.setPen(QPen(kZoomOutline, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(pressPos_, dragPos_).normalized());
    }
    if (readout_)
        PaintReadout(painter, *readout_);
}

void ChartView::HoverAt(QPoint pointer)
{
    pointer_ = pointer;
    if (!readoutSource_) {
        HideReadout();
        return;
    }
    // The mapping between pixels and axes is that of the picture; it is redrawn only when stale.
    if (!IsPictureCurrent())
        RenderPicture();
    const QRect plot = plot_->PlotRect();
    if (!plot.contains(pointer)) {
        HideReadout();
        return;
    }
    const double time = plot_->PixelToCoords(QPointF(pointer)).x();
    const std::optional<HoverReadout> reading = readoutSource_(time, decimalSeparator_);
    if (!reading) {
        HideReadout();
        return;
    }
    QVector<QPointF> markers;
    QVector<QColor> colors;
    for (const ReadoutMarker& marker : reading->Markers) {
        markers.push_back(plot_->CoordsToPixel(marker.X, marker.Y));
        colors.push_back(QColor::fromRgba(marker.Color));
    }
    QStringList lines;
    for (const std::string& line : reading->Lines)
        lines.push_back(QString::fromStdString(line));
    QRegion damaged = readout_ ? readout_->Region() : QRegion();
    readout_ = LayOutReadout(plot, pointer, markers, colors, lines, font());
    damaged += readout_->Region();
    update(damaged);
}

void ChartView::HideReadout()
{
    if (!readout_)
        return;
    update(readout_->Region());
    readout_.reset();
}

void ChartView::leaveEvent(QEvent* event)
{
    pointer_.reset();
    HideReadout();
    QWidget::leaveEvent(event);
}

void ChartView::resizeEvent(QResizeEvent* event)
{
    // The read-out was placed for the old plot; the next pointer move places it anew.
    HideReadout();
    QWidget::resizeEvent(event);
}

void ChartView::changeEvent(QEvent* event)
{
    // A new font or style changes the labels drawn in the picture.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        InvalidatePicture();
    QWidget::changeEvent(event);
}

void ChartView::mousePressEvent(QMouseEvent* event)
{
    const Qt::MouseButton button = event->button();
    if (dragButton_ != Qt::NoButton || (button != Qt::LeftButton && button != Qt::RightButton)) {
        event->ignore();
        return;
    }
    // A drag owns the chart until its release: the read-out keeps out of its way.
    pointer_.reset();
    HideReadout();
    dragButton_ = button;
    pressPos_ = dragPos_ = event->position().toPoint();
    if (button == Qt::RightButton) {
        rightDragMoved_ = false;
        LayOut();
        panStart_ = plot_->Spans();
        panPlot_ = plot_->PlotRect();
    }
    event->accept();
}

void ChartView::mouseMoveEvent(QMouseEvent* event)
{
    if (dragButton_ == Qt::NoButton) {
        if (event->buttons() == Qt::NoButton) {
            HoverAt(event->position().toPoint());
        } else {
            pointer_.reset();
            HideReadout();
        }
        event->ignore();
        return;
    }
    dragPos_ = event->position().toPoint();
    if (dragButton_ == Qt::RightButton) {
        rightDragMoved_ = rightDragMoved_ || dragPos_ != pressPos_;
        Pan(dragPos_);
    }
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
    const bool rightClick = dragButton_ == Qt::RightButton && !rightDragMoved_ && dragPos_ == pressPos_;
    if (dragButton_ == Qt::RightButton) {
        Pan(dragPos_);
    } else {
        switch (ClassifyLeftDrag(dragPos_.x() - pressPos_.x(), dragPos_.y() - pressPos_.y())) {
        case LeftDragAction::Zoom:
            ZoomTo(pressPos_, dragPos_);
            break;
        case LeftDragAction::Restore:
            plot_->SetAutomatic(true);
            InvalidatePicture();
            break;
        case LeftDragAction::None:
            break;
        }
    }
    dragButton_ = Qt::NoButton;
    update();
    event->accept();
    if (rightClick)
        ShowContextMenu(event->globalPosition().toPoint());
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
    if (IsShowable(spans.X) && IsShowable(spans.Y)) {
        plot_->FixSpans(spans);
        InvalidatePicture();
    }
}

void ChartView::ZoomTo(QPoint from, QPoint to)
{
    LayOut();
    const QPointF a = plot_->PixelToCoords(from);
    const QPointF b = plot_->PixelToCoords(to);
    const AxisSpans spans{{std::min(a.x(), b.x()), std::max(a.x(), b.x())},
                          {std::min(a.y(), b.y()), std::max(a.y(), b.y())}};
    // Far out on a huge axis two pixels can map to one double; such a zoom is ignored.
    if (IsShowable(spans.X) && IsShowable(spans.Y)) {
        plot_->FixSpans(spans);
        InvalidatePicture();
    }
}

}  // namespace zorvanta
