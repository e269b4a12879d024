#pragma once

#include <cstdint>

namespace zorvanta {

/// The four inputs of a Process, in the order the main window reads them.
struct QueueInputs {
    std::int32_t NormalFlow;  ///< flow at standard conditions [vehicles/hour]
    std::int32_t PeakFlow;    ///< flow in peak condition [vehicles/hour]
    std::int32_t Capacity;    ///< capacity of the road [vehicles/hour]
    std::int32_t Duration;    ///< duration of the peak [hours]
};

/// The nine results, in the row order of the results table.
struct QueueResults {
    std::int64_t VehiclesMax;      ///< vehicles entered by the end of the peak [vehicles]
    std::int64_t VehiclesMin;      ///< vehicles served by the end of the peak [vehicles]
    std::int64_t VehiclesInQueue;  ///< queue at the end of the peak [vehicles]
    double StartTime;              ///< start of the peak, always 1 [hours]
    double PeakTime;               ///< end of the peak, when the queue is longest [hours]
    double EndTime;                ///< when the queue has cleared [hours]
    double Area1;                  ///< delay while the queue grows [vehicle-hours]
    double Area2;                  ///< delay while the queue clears [vehicle-hours]
    double TotalDelay;             ///< Area1 + Area2 [vehicle-hours]
};

/// Deterministic queueing diagram of the peak. Total: never fails, never clamps.
QueueResults ComputeQueue(const QueueInputs& inputs) noexcept;

}  // namespace zorvanta
