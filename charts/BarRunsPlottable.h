#pragma once

#include <qcustomplot.h>

#include <vector>

#include "ChartContents.h"

namespace zorvanta {

/// Draws a bar series kept as runs of equal bars at consecutive whole hours. Whatever the
/// number of bars, a drawing costs time proportional to the plot width and no memory per bar.
class BarRunsPlottable : public QCPAbstractPlottable {
public:
    /// Where a bar stands relative to its X: the two bar series stand side by side.
    enum class Side { LeftOfX, RightOfX };

    BarRunsPlottable(QCPAxis* keyAxis, QCPAxis* valueAxis, std::vector<BarRun> runs, Side side,
                     double maxBarCount);

    double selectTest(const QPointF& pos, bool onlySelectable, QVariant* details = nullptr) const override;
    QCPRange getKeyRange(bool& foundRange, QCP::SignDomain inSignDomain = QCP::sdBoth) const override;
    QCPRange getValueRange(bool& foundRange, QCP::SignDomain inSignDomain = QCP::sdBoth,
                           const QCPRange& inKeyRange = QCPRange()) const override;

protected:
    void draw(QCPPainter* painter) override;
    void drawLegendIcon(QCPPainter* painter, const QRectF& rect) const override;

private:
    void DrawRun(QCPPainter* painter, const BarRun& run, int barWidth) const;
    void FillBar(QCPPainter* painter, double left, double right, double top, double bottom) const;

    std::vector<BarRun> runs_;  ///< ascending X
    Side side_;
    double maxBarCount_;  ///< largest bar count of the chart's bar series, for the common width
};

}  // namespace zorvanta
