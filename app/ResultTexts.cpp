#include "ResultTexts.h"

#include <string>

#include "NumberText.h"

namespace zorvanta {

QStringList ResultRowLabels()
{
    return {
        QStringLiteral("Vehicles Max"), QStringLiteral("Vehicles Min"),
        QStringLiteral("Vehicles in queue"), QStringLiteral("Start Time"),
        QStringLiteral("Peak time"), QStringLiteral("End Time"),
        QStringLiteral("Area 1"), QStringLiteral("Area 2"),
        QStringLiteral("Total delay"),
    };
}

QStringList ResultValueTexts(const QueueResults& results, char decimalSeparator)
{
    const auto whole = [](std::int64_t value) {
        return QString::fromStdString(WholeNumberText(value));
    };
    const auto real = [decimalSeparator](double value) {
        return QString::fromStdString(RealNumberText(value, decimalSeparator));
    };
    return {
        whole(results.VehiclesMax), whole(results.VehiclesMin), whole(results.VehiclesInQueue),
        real(results.StartTime), real(results.PeakTime), real(results.EndTime),
        real(results.Area1), real(results.Area2), real(results.TotalDelay),
    };
}

}  // namespace zorvanta
