#include "QueueRegime.h"

namespace zorvanta {

QueueRegime ClassifyRegime(const QueueInputs& inputs) noexcept
{
    // The capacity against the normal flow first: it decides whether the queue can ever clear.
    if (inputs.Capacity == inputs.NormalFlow)
        return QueueRegime::NoClearingCapacity;
    if (inputs.Capacity < inputs.NormalFlow)
        return QueueRegime::NeverClears;
    if (inputs.Capacity >= inputs.PeakFlow)
        return QueueRegime::NoQueue;
    if (inputs.Duration <= 0)
        return QueueRegime::NoPeakHours;
    return QueueRegime::OrdinaryPeak;
}

std::string RegimeSentence(QueueRegime regime)
{
    switch (regime) {
    case QueueRegime::OrdinaryPeak:
        return {};
    case QueueRegime::NoPeakHours:
        return "The peak lasts no hours, so no queue forms: a zero or negative queue and its areas are not delays.";
    case QueueRegime::NoQueue:
        return "The capacity is at or above the peak flow, so no queue forms: the zero or negative queue and the areas "
               "are not delays.";
    case QueueRegime::NeverClears:
        return "The capacity is below the normal flow, so the queue never clears: the end time (before the peak "
               "when the queue is positive) is not a real time, and the areas are not delays.";
    case QueueRegime::NoClearingCapacity:
        return "The capacity equals the normal flow, so the queue never clears: INF, -INF and NAN mean that no "
               "end time exists.";
    }
    return {};
}

}  // namespace zorvanta
