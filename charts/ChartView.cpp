#include "ChartView.h"

namespace zorvanta {

ChartView::ChartView(QWidget* parent) : QWidget(parent) {}
ChartView::~ChartView() = default;
void ChartView::SetContents(const ChartContents& contents) { contents_ = contents; }  // TODO
const ChartContents& ChartView::Contents() const { return contents_; }
QImage ChartView::RenderImage() { return {}; }             // TODO
void ChartView::SaveToBitmapFile(const QString&) {}        // TODO
ChartView::AxisRange ChartView::XRange() const { return {0, 0}; }  // TODO
ChartView::AxisRange ChartView::YRange() const { return {0, 0}; }  // TODO
bool ChartView::IsAutoRange() const { return true; }      // TODO
int ChartView::SeriesCount() const { return 0; }          // TODO
QRect ChartView::PlotArea() const { return {}; }          // TODO

}  // namespace zorvanta
