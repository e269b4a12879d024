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

/// The queueing diagram read at one time, as the cumulative chart draws its two curves.
struct DiagramReading {
    double Time;     ///< [hours]
    double Entered;  ///< height of the "Entranti" curve at Time [vehicles]
    double Left;     ///< height of the "Uscenti" curve at Time [vehicles]
    double Queue;    ///< Entered - Left [vehicles]
    double Delay;    ///< hours the vehicle entering at Time waits
};

/// Reads both curves at `time` [hours]: straight segments between their stored points, the
/// points with an infinite or NaN coordinate left out as the chart leaves them out.
///   Entered, Left: NaN when `time` is NaN or outside the curves' time span, which runs from the
///     earliest to the latest drawn point (a non-finite EndTime is not drawn, so the curves then
///     end at the peak time or hour 1). Where a curve rises straight up at `time` (two points at
///     one time) it is read at the later point, the height it goes on from.
///   Queue: NaN when Entered or Left is.
///   Delay: the time from `time` to the first time at or after it where the leaving curve reaches
///     Entered, 0 while both curves coincide (up to hour 1); NaN when Entered is NaN or the leaving
///     curve does not reach that height before it ends (a negative queue, a queue that never clears).
DiagramReading ReadDiagramAt(const QueueInputs& inputs, const QueueResults& results, double time);

}  // namespace zorvanta
