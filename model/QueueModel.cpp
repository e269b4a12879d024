#include "QueueModel.h"

#include <limits>

namespace zorvanta {

static_assert(std::numeric_limits<double>::is_iec559,
              "the queue results are fixed to the digit in IEEE double precision");

QueueResults ComputeQueue(const QueueInputs& inputs) noexcept
{
    // Steps 1 to 3 and the divisor of step 6 use 64-bit integers, so every 32-bit input gives
    // the exact counts (32-bit arithmetic would wrap around). None of them can overflow: every input lies in [-2^31, 2^31 - 1].
    //   Duration * PeakFlow lies in [-2^62 + 2^31, 2^62], so VehiclesMax and VehiclesMin lie in
    //   [-2^62 - 2^31, 2^62 + 2^31 - 1], far inside [-2^63, 2^63 - 1].
    //   VehiclesInQueue is exactly Duration * (PeakFlow - Capacity), with |PeakFlow - Capacity|
    //   <= 2^32 - 1, so |VehiclesInQueue| <= 2^31 * (2^32 - 1) = 2^63 - 2^31 < 2^63.
    //   Capacity - NormalFlow lies in [-(2^32 - 1), 2^32 - 1].
    const std::int64_t normalFlow = inputs.NormalFlow;
    const std::int64_t peakFlow = inputs.PeakFlow;
    const std::int64_t capacity = inputs.Capacity;
    const std::int64_t duration = inputs.Duration;

    QueueResults r{};
    r.VehiclesMax = normalFlow + duration * peakFlow;  // step 1
    r.VehiclesMin = normalFlow + duration * capacity;  // step 2
    r.VehiclesInQueue = r.VehiclesMax - r.VehiclesMin;  // step 3

    // Steps 4 to 9 in double precision, each integer converted where it first enters a real
    // expression (a queue beyond 2^53 rounds to the nearest double there) and every operation
    // grouped exactly as the queueing diagram's formulas are written. Capacity equal to NormalFlow divides by +0.0 on
    // purpose: +-infinity or NaN flow on into the areas instead of an error.
    const double queue = static_cast<double>(r.VehiclesInQueue);
    const double spareCapacity = static_cast<double>(capacity - normalFlow);
    r.StartTime = 1.0;                                                 // step 4
    r.PeakTime = 1.0 + static_cast<double>(inputs.Duration);            // step 5
    r.EndTime = r.PeakTime + queue / spareCapacity;                     // step 6
    r.Area1 = queue * ((r.PeakTime - 1.0) / 2.0);                       // step 7
    r.Area2 = queue * ((r.EndTime - r.PeakTime) / 2.0);                 // step 8
    r.TotalDelay = r.Area1 + r.Area2;                                   // step 9
    return r;
}

}  // namespace zorvanta
