#include "AxisTicker.h"

#include <algorithm>
#include <string>
#include <vector>

#include "TickText.h"

namespace zorvanta {

namespace {

constexpr int kPreferredTickCount = 5;

}  // namespace

double AxisTicker::getTickStep(const QCPRange& range)
{
    // Fewer ticks where long labels (a deep zoom far from 0) would otherwise run into each other.
    double step = 1.0;
    for (int count = kPreferredTickCount; count >= 1; --count) {
        setTickCount(count);
        step = QCPAxisTicker::getTickStep(range);
        if (LabelsFit(QCPAxisTicker::createTickVector(step, range), range, step))
            break;
    }
    setTickCount(kPreferredTickCount);
    return step;
}

QVector<double> AxisTicker::createTickVector(double tickStep, const QCPRange& range)
{
    step_ = tickStep;
    return QCPAxisTicker::createTickVector(tickStep, range);
}

QVector<QString> AxisTicker::createLabelVector(const QVector<double>& ticks, const QLocale&, QChar, int)
{
    return Labels(ticks, step_);
}

QVector<QString> AxisTicker::Labels(const QVector<double>& ticks, double step) const
{
    const std::vector<std::string> texts =
        TickTexts(std::vector<double>(ticks.begin(), ticks.end()), step, decimalSeparator_);
    QVector<QString> labels;
    labels.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string& text : texts)
        labels.push_back(QString::fromStdString(text));
    return labels;
}

bool AxisTicker::LabelsFit(const QVector<double>& ticks, const QCPRange& range, double step) const
{
    if (axis_ == nullptr || axis_->axisRect() == nullptr)
        return true;
    const bool horizontal = axis_->orientation() == Qt::Horizontal;
    const int length = horizontal ? axis_->axisRect()->width() : axis_->axisRect()->height();
    const QFontMetrics metrics(axis_->tickLabelFont());
    const QVector<QString> labels = Labels(ticks, step);
    int shown = 0;
    int widest = 0;
    for (qsizetype i = 0; i < ticks.size(); ++i) {
        if (!range.contains(ticks[i]))
            continue;
        ++shown;
        widest = std::max(widest, horizontal ? metrics.horizontalAdvance(labels[i]) : metrics.height());
    }
    // Each label with a gap of one line height to the next.
    return shown <= 1 || static_cast<double>(shown) * (widest + metrics.height()) <= length;
}

}  // namespace zorvanta
