#pragma once

#include <qcustomplot.h>

namespace zorvanta {

/// The ticks of one chart axis: QCustomPlot's tick steps with the labels of TickTexts, in the
/// program's decimal separator, and never more ticks than the axis has room for their labels.
class AxisTicker : public QCPAxisTicker {
public:
    explicit AxisTicker(const QCPAxis* axis) : axis_(axis) {}

    void SetDecimalSeparator(char separator) { decimalSeparator_ = separator; }

protected:
    double getTickStep(const QCPRange& range) override;
    QVector<double> createTickVector(double tickStep, const QCPRange& range) override;
    QVector<QString> createLabelVector(const QVector<double>& ticks, const QLocale& locale, QChar formatChar,
                                       int precision) override;

private:
    QVector<QString> Labels(const QVector<double>& ticks, double step) const;
    bool LabelsFit(const QVector<double>& ticks, const QCPRange& range, double step) const;

    const QCPAxis* axis_;
    char decimalSeparator_ = '.';
    double step_ = 1.0;  ///< of the ticks last created [axis units]
};

}  // namespace zorvanta
