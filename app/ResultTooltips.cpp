#include "ResultTooltips.h"

#include <array>
#include <cmath>

#include "QueueRegime.h"
#include "ReadingText.h"

namespace zorvanta {

namespace {

// What each row means, in row order, with its unit.
const std::array<const char*, 9> kMeanings = {
    "Vehicles entered by the end of the peak, in vehicles.",
    "Vehicles served by the end of the peak, in vehicles.",
    "Queue at the end of the peak: vehicles entered and not yet served, in vehicles.",
    "Start of the peak, always hour 1, in hours.",
    "End of the peak, when the queue is longest, in hours.",
    "When the queue has cleared and both curves meet, in hours.",
    "Delay while the queue grows: the area between the curves up to the peak time, in vehicle-hours.",
    "Delay while the queue clears: the area between the curves after the peak time, in vehicle-hours.",
    "Total delay, Area 1 plus Area 2, in vehicle-hours.",
};

// The waits behind the total delay of a real queue, read off the diagram.
QString WaitsOfTheQueue(const QueueInputs& inputs, const QueueResults& results, char separator)
{
    const DiagramReading atPeakEnd = ReadDiagramAt(inputs, results, results.PeakTime);
    // Every vehicle entering after hour 1 and before the queue clears waits.
    const double delayed = ReadDiagramAt(inputs, results, results.EndTime).Entered - inputs.NormalFlow;
    QString text;
    if (!std::isnan(atPeakEnd.Delay))
        text += QStringLiteral("\nLongest single wait: %1, for the vehicle entering at the peak's end.")
                    .arg(QString::fromStdString(WaitText(atPeakEnd.Delay, separator)));
    if (delayed > 0.0)
        text += QStringLiteral("\nAverage wait per vehicle delayed: %1 over %2 vehicles.")
                    .arg(QString::fromStdString(WaitText(results.TotalDelay / delayed, separator)),
                         QString::fromStdString(VehiclesText(delayed, separator)));
    return text;
}

}  // namespace

QStringList ResultValueTooltips(const QueueInputs& inputs, const QueueResults& results, const QStringList& texts,
                                char decimalSeparator)
{
    const QueueRegime regime = ClassifyRegime(inputs);
    const QString sentence = QString::fromStdString(RegimeSentence(regime));
    QStringList tooltips;
    for (int row = 0; row < static_cast<int>(kMeanings.size()); ++row) {
        QString tooltip = texts.value(row) + QLatin1Char('\n') + QString::fromLatin1(kMeanings[row]);
        if (row == 8 && regime == QueueRegime::OrdinaryPeak)
            tooltip += WaitsOfTheQueue(inputs, results, decimalSeparator);
        if (!sentence.isEmpty())
            tooltip += QLatin1Char('\n') + sentence;
        tooltips << tooltip;
    }
    return tooltips;
}

}  // namespace zorvanta
